#!/usr/bin/env bash
# Editor benchmark: the time kvide needs to its first visible window, and to
# open a 5 MB source file (started with the file, until its window shows
# the file's name) with both programs wrapping lines and with neither
# wrapping, each against Wine's own notepad doing the same in the same run,
# on a virtual display. Every start is a first start (neither program finds
# settings of an earlier run) but for the word wrap setting. Runs alternate
# between the two programs; the median of RUNS runs (default 3) is
# reported, with the ratio kvide / notepad (below 1: kvide is faster).
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

# Forgets what both programs remembered (window, wrapping); with an
# argument, both then start wrapping (1) or not (0).
first_start() { # [wrap]
  {
    echo 'REGEDIT4'
    echo '[-HKEY_CURRENT_USER\Software\Kelvo\kvide]'
    echo '[-HKEY_CURRENT_USER\Software\Microsoft\Notepad]'
    if [ $# -gt 0 ]; then
      echo '[HKEY_CURRENT_USER\Software\Kelvo\kvide]'
      echo "\"WordWrap\"=dword:0000000$1"
      echo '[HKEY_CURRENT_USER\Software\Microsoft\Notepad]'
      echo "\"fWrap\"=dword:0000000$1"
    fi
  } >"$work/settings.reg"
  kelvo_wine regedit /S "$(kelvo_winepath "$work/settings.reg")" </dev/null >/dev/null 2>&1
}

# Times one program from a first start with the wrap setting (or none).
timed() { # wrap|- pattern program [arguments]
  local wrap=$1
  shift
  if [ "$wrap" = - ]; then first_start; else first_start "$wrap"; fi
  time_to_window "$@"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -a kvide_start notepad_start kvide_wrap notepad_wrap kvide_flat notepad_flat
kvide_file='^KVO IDE - .*five-mb\.kvo$'
notepad_file='^five-mb\.kvo - Notepad$'
# One warm-up start each, so that neither pays for loading Wine's libraries.
timed - '^KVO IDE - Untitled$' "$kvide" >/dev/null
timed - 'Notepad$' notepad >/dev/null
for _ in $(seq "$runs"); do
  kvide_start+=("$(timed - '^KVO IDE - Untitled$' "$kvide")")
  notepad_start+=("$(timed - 'Notepad$' notepad)")
  kvide_wrap+=("$(timed 1 "$kvide_file" "$kvide" "$windows_file")")
  notepad_wrap+=("$(timed 1 "$notepad_file" notepad "$windows_file")")
  kvide_flat+=("$(timed 0 "$kvide_file" "$kvide" "$windows_file")")
  notepad_flat+=("$(timed 0 "$notepad_file" notepad "$windows_file")")
done
first_start

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
  row "open a 5 MB file (started with it), both wrapping" "${kvide_wrap[*]}" "${notepad_wrap[*]}"
  row "open a 5 MB file (started with it), neither wrapping" "${kvide_flat[*]}" "${notepad_flat[*]}"
  echo
  echo "all runs in ms: kvide start ${kvide_start[*]}; notepad start ${notepad_start[*]};" \
    "kvide wrapping ${kvide_wrap[*]}; notepad wrapping ${notepad_wrap[*]};" \
    "kvide not wrapping ${kvide_flat[*]}; notepad not wrapping ${notepad_flat[*]}"
} | tee "$work/results.md"
