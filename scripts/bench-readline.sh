#!/usr/bin/env bash
# Benchmarks reading LINES lines (default 80,000) through KVFILE with
# `while not AtEnd: ReadLine` against as many plain ReadLine calls, natively
# and as Windows programs under Wine (the presets named in
# KELVO_BENCH_WINDOWS, default "win32 win64"); prints a Markdown table and
# keeps it in build/bench/readline.md. Exits non-zero when the AtEnd loop
# takes more than LIMIT (default 4) times the plain reads anywhere.
#   scripts/bench-readline.sh [LINES] [LIMIT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=environment.sh
source scripts/environment.sh
lines=${1:-80000}
limit=${2:-4}
report="$root/build/bench/readline.md"
mkdir -p build/bench/data
status=0

build() { # PRESET DIRECTORY
  kelvo_build "$1" --dir "$2" readline_bench
}

# Runs the benchmark in the data directory and adds its row to the report.
run() { # PROGRAM...
  (cd build/bench/data && "$@" lines.txt "$lines" "$limit") >>"$report" || status=1
}

printf '| Build | Lines | plain ReadLine | while not AtEnd: ReadLine | AtEnd / plain |\n|---|---|---|---|---|\n' >"$report"
build native build/bench
run "$root/build/bench/bench/readline_bench"

kelvo_setup >&2
# The prefix's services start here, with no pipe of ours to hold open.
"$root/cmake/wine-run.sh" wineboot </dev/null >/dev/null 2>&1 || true
for preset in ${KELVO_BENCH_WINDOWS:-win32 win64}; do
  build "$preset" "build/bench-$preset"
  program="$root/build/bench-$preset/bench/readline_bench.exe"
  # Without arguments the program prints its usage and ends with status 2;
  # anything else means this machine's Wine cannot start it at all.
  set +e
  "$root/cmake/wine-run.sh" "$program" >/dev/null 2>&1
  usage=$?
  set -e
  if [ "$usage" -ne 2 ]; then
    echo "| $preset under Wine | not started on this machine (status $usage) | | | |" >>"$report"
    continue
  fi
  run "$root/cmake/wine-run.sh" "$program"
done
rm -f build/bench/data/lines.txt
cat "$report"
exit "$status"
