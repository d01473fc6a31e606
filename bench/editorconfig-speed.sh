#!/usr/bin/env bash
# The batch tool as a checker over many small files: -c --editorconfig against -c with the same
# rules on the command line. FILES small files (the ordinary text of bench/OrdinaryText.h with
# LF lines, 16 lines each, about 1 KiB, a third of the lines with blanks at the end) lie in 100
# folders two levels below a temporary folder, whose .editorconfig (root = true) asks for
# trimmed lines, LF and a final line end. Each command runs ROUNDS times, the commands taking
# turns, on the same list of names through xargs -0 with standard output to /dev/null; the
# table gives the median wall time and the median CPU time (user + system) of each, and the
# ratios the target is about.
#
#   bench/editorconfig-speed.sh [BUILD_DIR]      (default build-release; ROUNDS=9, FILES=10000)
#
# BUILD_DIR must hold a Release build of venkora-optimieren and bench/ordinary_text, e.g.
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-release --target venkora-optimieren ordinary_text
set -euo pipefail

build=${1:-build-release}
rounds=${ROUNDS:-9}
files=${FILES:-10000}
source "$(dirname "${BASH_SOURCE[0]}")/timing.sh"
tool=$(realpath "$tool")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/projekt
mkdir -p "$tree"
# 16 lines of about 60 bytes each: FILES files need FILES / 1000 MiB and a little more.
# (ordinary_text ends by SIGPIPE once head has its lines.)
{ "$build/bench/ordinary_text" $((files / 1000 + 1)) lf || true; } | head -n $((files * 16)) |
  split -l 16 -a 6 -d --additional-suffix=.txt - "$tree/f"
for ((d = 0; d < 100; d++)); do
  folder=$tree/teil$((d / 10))/ordner$d
  mkdir -p "$folder"
  seq -f "$tree/f%06g.txt" $((d * files / 100)) $(((d + 1) * files / 100 - 1)) | xargs mv -t "$folder"
done
(cd "$tree" && find . -name '*.txt' -print0 | sort -z) > "$work/names"

# The sample of the README: three sections, of which the first applies to every file here.
readme='root = true

[*]
end_of_line = lf
insert_final_newline = true
trim_trailing_whitespace = true

[*.md]
trim_trailing_whitespace = false

[*.bat]
end_of_line = crlf'
# The same rules in one section.
single='root = true

[*]
end_of_line = lf
insert_final_newline = true
trim_trailing_whitespace = true'

names=(options readme single)
labels=(
  "-c --leerzeichen=ende --tabulatoren=ende --zeilenende=lf"
  "-c --editorconfig (the README's sample, 3 sections)"
  "-c --editorconfig (one section [*])"
)
# The check over all names; xargs says 123 when the tool says 1 (a file would change).
check() { xargs -0 -a "$work/names" "$tool" -c "$@" || [ $? = 123 ]; }
run() {
  case $1 in
    options) check --leerzeichen=ende --tabulatoren=ende --zeilenende=lf ;;
    readme) printf '%s\n' "$readme" > .editorconfig && check --editorconfig ;;
    single) printf '%s\n' "$single" > .editorconfig && check --editorconfig ;;
  esac
}

cd "$tree"
# The check must name the same files either way (the options and the properties agree on them:
# every file ends in a line end and has LF lines).
run options > "$work/options.out"
run readme | sed 's/: .*//' > "$work/readme.out"
[ -s "$work/options.out" ] && cmp -s "$work/options.out" "$work/readme.out" ||
  { echo "-c --editorconfig nennt andere Dateien als -c mit den Optionen" >&2; exit 1; }

time_rounds

echo "$files files, $rounds rounds, medians in ms ($(nproc) CPUs, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-56s %8s %8s\n' command wall cpu
for i in "${!names[@]}"; do
  n=${names[$i]}
  printf '%-56s %8.1f %8.1f\n' "${labels[$i]}" "${wall[$n]}" "${cpu[$n]}"
done
for n in readme single; do
  echo "${labels[1]%% (*} (${n}): $(ratio "${wall[$n]}" "${wall[options]}")x the options by wall time," \
    "$(ratio "${cpu[$n]}" "${cpu[options]}")x by CPU time (target: at most 2x)"
done
