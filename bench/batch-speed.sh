#!/usr/bin/env bash
# The batch tool against cat and sed on the same 100 MiB of ordinary text, side by side in one
# run. Each command runs ROUNDS times, the commands taking turns, with standard output to
# /dev/null; the table gives the median wall time and the median CPU time (user + system) of
# each, and the ratios the targets are about.
#
#   bench/batch-speed.sh [BUILD_DIR]      (default build-release; ROUNDS=9, MIB=100)
#
# BUILD_DIR must hold a Release build of venkora-optimieren and bench/ordinary_text, e.g.
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-release --target venkora-optimieren ordinary_text
set -euo pipefail

build=${1:-build-release}
rounds=${ROUNDS:-9}
mib=${MIB:-100}
tool=$build/cli/venkora-optimieren
for program in "$tool" "$build/bench/ordinary_text"; do
  [ -x "$program" ] || { echo "$program fehlt: erst bauen (siehe Kopf dieses Skripts)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
text=$work/text.txt
"$build/bench/ordinary_text" "$mib" > "$text"

names=(cat sed none four)
labels=(
  "cat TEXT"
  "sed -E 's/ +\\r\$/\\r/' TEXT"
  "venkora-optimieren TEXT"
  "venkora-optimieren --leerzeichen=beide --tabulatoren=beide TEXT"
)
run() {
  case $1 in
    cat) cat "$text" ;;
    sed) sed -E 's/ +\r$/\r/' "$text" ;;
    none) "$tool" "$text" ;;
    four) "$tool" --leerzeichen=beide --tabulatoren=beide "$text" ;;
  esac
}

# The tool must give what the rules give: spot-check the one rule sed knows as well.
cmp -s <("$tool" --leerzeichen=ende "$text") <(run sed) ||
  { echo "venkora-optimieren --leerzeichen=ende und sed sind sich nicht einig" >&2; exit 1; }

TIMEFORMAT='%3R %3U %3S'
for ((round = 0; round < rounds; round++)); do
  for name in "${names[@]}"; do
    { time run "$name" > /dev/null; } 2>> "$work/$name.times"
  done
done

# Median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A wall cpu
for name in "${names[@]}"; do
  wall[$name]=$(awk '{ print $1 * 1000 }' "$work/$name.times" | median)
  cpu[$name]=$(awk '{ print ($2 + $3) * 1000 }' "$work/$name.times" | median)
done

echo "$mib MiB ordinary text, $rounds rounds, medians in ms ($(nproc) CPUs, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-66s %8s %8s\n' command wall cpu
for i in "${!names[@]}"; do
  printf '%-66s %8.1f %8.1f\n' "${labels[$i]}" "${wall[${names[$i]}]}" "${cpu[${names[$i]}]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
echo "four rules: $(ratio "${wall[sed]}" "${wall[four]}")x faster than sed by wall time," \
  "$(ratio "${cpu[sed]}" "${cpu[four]}")x by CPU time (target: at least 6x)"
echo "no rules: $(ratio "${wall[none]}" "${wall[cat]}")x cat by wall time," \
  "$(ratio "${cpu[none]}" "${cpu[cat]}")x by CPU time (target: at most 3x)"
