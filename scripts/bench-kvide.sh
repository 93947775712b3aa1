#!/usr/bin/env bash
# Editor benchmark: the time kvide needs to its first visible window, and to
# open a 5 MB source file (started with the file, until its window shows
# the file's name), each against Wine's own notepad doing the same in the
# same run, on a virtual display. Runs alternate between the two programs;
# the median of RUNS runs (default 3) is reported, with the ratio
# kvide / notepad (below 1: kvide is faster).
#   scripts/bench-kvide.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/environment.sh"
source "$(dirname "$0")/windows-programs.sh"
cd "$KELVO_ROOT"
runs=${1:-3}
unset DISPLAY # always a virtual display of its own
kelvo_setup

preset=$(kelvo_windows_preset)
cmake --preset "$preset" >"build/$preset.configure.log"
cmake --build --preset "$preset" -j2 --target kvide >"build/$preset.build.log"
kvide="$KELVO_ROOT/build/$preset/ide/kvide.exe"

work="$KELVO_ROOT/build/bench-kvide"
mkdir -p "$work"
source_file="$work/five-mb.kvo"
# 5 MB of 60-character lines ending in CR LF, as a Windows editor saves them.
awk 'BEGIN { for (i = 0; i < 84566; i++) printf "%-60s\r\n", "  Print \"line " i "\" ; a = a + " i " * 2 REM loop body" }' \
  >"$source_file"
windows_file=$(kelvo_winepath "$source_file")

# Seconds from the start of the program until a visible window matching the
# pattern exists; the program is then ended.
time_to_window() { # pattern program [arguments]
  local pattern=$1
  shift
  local start end pid window
  start=$(date +%s%N)
  kelvo_wine "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
  window=$(kelvo_wait_window "$pattern" 300)
  end=$(date +%s%N)
  # Closed as a user closes it (Alt+F4); the text is unchanged, so nothing
  # asks first.
  xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
  kelvo_wait_exit "$pid" 60 >&2 || true
  echo $(((end - start) / 1000000))
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -a kvide_start notepad_start kvide_open notepad_open
# One warm-up start each, so that neither pays for loading Wine's libraries.
time_to_window '^KVO IDE - Untitled$' "$kvide" >/dev/null
time_to_window 'Notepad$' notepad >/dev/null
for _ in $(seq "$runs"); do
  kvide_start+=("$(time_to_window '^KVO IDE - Untitled$' "$kvide")")
  notepad_start+=("$(time_to_window 'Notepad$' notepad)")
  kvide_open+=("$(time_to_window '^KVO IDE - .*five-mb\.kvo$' "$kvide" "$windows_file")")
  notepad_open+=("$(time_to_window '^five-mb\.kvo - Notepad$' notepad "$windows_file")")
done

row() { # what kvide-times notepad-times
  local what=$1 k n
  k=$(median $2)
  n=$(median $3)
  printf '| %s | %d.%03d s | %d.%03d s | %s |\n' "$what" $((k / 1000)) $((k % 1000)) $((n / 1000)) $((n % 1000)) \
    "$(awk -v k="$k" -v n="$n" 'BEGIN { printf "%.2f", k / n }')"
}
{
  echo "kvide ($preset build) against Wine's notepad, median of $runs runs"
  echo "(5 MB file: $(stat -c %s "$source_file") bytes, $(wc -l <"$source_file") lines of 60 characters)"
  echo
  echo "| measure | kvide | notepad | kvide / notepad |"
  echo "|---|---|---|---|"
  row "start-up to the first visible window" "${kvide_start[*]}" "${notepad_start[*]}"
  row "open a 5 MB file (started with it)" "${kvide_open[*]}" "${notepad_open[*]}"
  echo
  echo "all runs in ms: kvide start ${kvide_start[*]}; notepad start ${notepad_start[*]};" \
    "kvide open ${kvide_open[*]}; notepad open ${notepad_open[*]}"
} | tee "$work/results.md"
