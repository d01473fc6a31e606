#!/usr/bin/env bash
# The batch tool against cat, sed and dos2unix on the same 100 MiB of ordinary text, side by
# side in one run: the text with LF lines (the platform's own), and its twin with CR LF lines
# (made by unix2dos, about 1.7 % longer). Each command runs ROUNDS times, the commands taking turns, with standard output to
# /dev/null; the table gives the median wall time, the median CPU time (user + system) and the
# median system time of each, and the ratios the targets are about. (In a virtual machine whose
# host takes freed memory back, the first command that needs much fresh memory after a slow one
# spends its extra time in the system, faulting that memory in.)
#
#   bench/batch-speed.sh [BUILD_DIR]      (default build-release; ROUNDS=9, MIB=100)
#
# BUILD_DIR must hold a Release build of venkora-optimieren and bench/ordinary_text, e.g.
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-release --target venkora-optimieren ordinary_text
# dos2unix and unix2dos are only compared against (apt-get install dos2unix).
set -euo pipefail

build=${1:-build-release}
rounds=${ROUNDS:-9}
mib=${MIB:-100}
source "$(dirname "${BASH_SOURCE[0]}")/timing.sh"
command -v dos2unix > /dev/null || { echo "dos2unix fehlt: apt-get install dos2unix" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lf=$work/lf.txt
crlf=$work/crlf.txt
"$build/bench/ordinary_text" "$mib" lf > "$lf"
unix2dos < "$lf" > "$crlf"

names=(cat sed none four tolf d2u four_crlf tolf_crlf d2u_crlf)
labels=(
  "cat LF"
  "sed -E 's/[ \\t]+\$//' LF"
  "venkora-optimieren LF"
  "venkora-optimieren --leerzeichen=beide --tabulatoren=beide LF"
  "venkora-optimieren --zeilenende=lf LF"
  "dos2unix < LF"
  "venkora-optimieren --leerzeichen=beide --tabulatoren=beide CRLF"
  "venkora-optimieren --zeilenende=lf CRLF"
  "dos2unix < CRLF"
)
run() {
  case $1 in
    cat) cat "$lf" ;;
    sed) sed -E 's/[ \t]+$//' "$lf" ;;
    none) "$tool" "$lf" ;;
    four) "$tool" --leerzeichen=beide --tabulatoren=beide "$lf" ;;
    tolf) "$tool" --zeilenende=lf "$lf" ;;
    d2u) dos2unix < "$lf" ;;
    four_crlf) "$tool" --leerzeichen=beide --tabulatoren=beide "$crlf" ;;
    tolf_crlf) "$tool" --zeilenende=lf "$crlf" ;;
    d2u_crlf) dos2unix < "$crlf" ;;
  esac
}

# The tool must give what the rules give: spot-check what sed and dos2unix know as well.
cmp -s <("$tool" --leerzeichen=ende "$lf") <(sed -E 's/ +$//' "$lf") ||
  { echo "venkora-optimieren --leerzeichen=ende und sed sind sich nicht einig" >&2; exit 1; }
cmp -s <("$tool" --zeilenende=lf "$crlf") "$lf" && cmp -s <(run d2u_crlf) "$lf" ||
  { echo "venkora-optimieren --zeilenende=lf und dos2unix sind sich nicht einig" >&2; exit 1; }
cmp -s <("$tool" --leerzeichen=beide --tabulatoren=beide "$crlf" | dos2unix) \
  <("$tool" --leerzeichen=beide --tabulatoren=beide "$lf") ||
  { echo "venkora-optimieren gibt für LF- und CR-LF-Zeilen verschiedene Texte" >&2; exit 1; }

time_rounds

echo "$mib MiB ordinary text, $rounds rounds, medians in ms ($(nproc) CPUs, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-66s %8s %8s %8s\n' command wall cpu sys
for i in "${!names[@]}"; do
  n=${names[$i]}
  printf '%-66s %8.1f %8.1f %8.1f\n' "${labels[$i]}" "${wall[$n]}" "${cpu[$n]}" "${sys[$n]}"
done
echo "four rules on LF: $(ratio "${wall[sed]}" "${wall[four]}")x faster than sed by wall time," \
  "$(ratio "${cpu[sed]}" "${cpu[four]}")x by CPU time (target: at least 6x)"
echo "to LF, LF text: $(ratio "${wall[d2u]}" "${wall[tolf]}")x as fast as dos2unix by wall time," \
  "$(ratio "${cpu[d2u]}" "${cpu[tolf]}")x by CPU time (target: at least 1x)"
echo "to LF, CR LF text: $(ratio "${wall[d2u_crlf]}" "${wall[tolf_crlf]}")x as fast as dos2unix by" \
  "wall time, $(ratio "${cpu[d2u_crlf]}" "${cpu[tolf_crlf]}")x by CPU time (target: at least 1x)"
echo "no rules: $(ratio "${wall[none]}" "${wall[cat]}")x cat by wall time," \
  "$(ratio "${cpu[none]}" "${cpu[cat]}")x by CPU time (target: at most 3x)"
