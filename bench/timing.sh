# The part the bench scripts of venkora-optimieren share, sourced by them: the check of the
# build, the timed rounds and their medians. Before sourcing, the script sets `build` (its
# BUILD_DIR); before calling time_rounds, `rounds`, `work` (a folder for the times), `names`
# and a function `run NAME` that runs one command, writing its output to standard output.

tool=$build/cli/venkora-optimieren
for program in "$tool" "$build/bench/ordinary_text"; do
  [ -x "$program" ] || { echo "$program fehlt: erst bauen (siehe Kopf dieses Skripts)" >&2; exit 2; }
done

# Median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# a / b with one decimal.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }

# Runs each command of `names` `rounds` times, the commands taking turns, with its output to
# /dev/null; then holds the median wall time, CPU time (user + system) and system time of each
# in ms in wall, cpu and sys.
declare -gA wall cpu sys
time_rounds() {
  local round name
  TIMEFORMAT='%3R %3U %3S'
  for ((round = 0; round < rounds; round++)); do
    for name in "${names[@]}"; do
      { time run "$name" > /dev/null; } 2>> "$work/$name.times"
    done
  done
  for name in "${names[@]}"; do
    wall[$name]=$(awk '{ print $1 * 1000 }' "$work/$name.times" | median)
    cpu[$name]=$(awk '{ print ($2 + $3) * 1000 }' "$work/$name.times" | median)
    sys[$name]=$(awk '{ print $3 * 1000 }' "$work/$name.times" | median)
  done
}
