#!/usr/bin/env bash
# Editor benchmark: the time kvide needs to its first visible window, to
# open a 5 MB source file (started with the file, until its window shows
# the file's name), and to take 100 characters typed at the end of that
# file (from the first key until the find dialog that a last Ctrl+F opens
# is shown, so every key before it has been handled), with both programs
# wrapping lines and with neither wrapping, each against Wine's own notepad
# doing the same in the same run, on a virtual display. Every start is a
# first start (neither program finds settings of an earlier run) but for
# the word wrap setting and a status bar shown. Runs alternate between the
# two programs; the median of RUNS runs (default 3) is reported, with the
# ratio kvide / notepad (below 1: kvide is faster).
#   scripts/bench-kvide.sh [RUNS]
# KELVO_BENCH_KVIDE names another kvide.exe to time instead of the one this
# tree builds (for instance a build of an earlier version).
set -euo pipefail
source "$(dirname "$0")/environment.sh"
source "$(dirname "$0")/windows-programs.sh"
cd "$KELVO_ROOT"
runs=${1:-3}
unset DISPLAY # always a virtual display of its own
kelvo_setup

preset=$(kelvo_windows_preset)
if [ -n "${KELVO_BENCH_KVIDE:-}" ]; then
  kvide=$(realpath "$KELVO_BENCH_KVIDE")
  preset="given"
else
  kelvo_build "$preset" kvide
  kvide="$KELVO_ROOT/build/$preset/ide/kvide.exe"
fi

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
# argument, both then start wrapping (1) or not (0), with the status bar.
first_start() { # [wrap]
  {
    echo 'REGEDIT4'
    echo '[-HKEY_CURRENT_USER\Software\Kelvo\kvide]'
    echo '[-HKEY_CURRENT_USER\Software\Microsoft\Notepad]'
    if [ $# -gt 0 ]; then
      echo '[HKEY_CURRENT_USER\Software\Kelvo\kvide]'
      echo "\"WordWrap\"=dword:0000000$1"
      echo '"StatusBar"=dword:00000001'
      echo '[HKEY_CURRENT_USER\Software\Microsoft\Notepad]'
      echo "\"fWrap\"=dword:0000000$1"
      echo '"bStatusBar"=dword:00000001'
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

# Milliseconds from the keys until the find dialog that Ctrl+F opens after
# them is shown: the program has then handled every key before it.
keys_handled() { # window find-pattern keys...
  local window=$1 pattern=$2 start end dialog
  shift 2
  start=$(date +%s%N)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  "$@"
  xdotool key ctrl+f
  dialog=$(kelvo_wait_window "$pattern" 600)
  end=$(date +%s%N)
  xdotool windowfocus --sync "$dialog" key Escape 2>/dev/null || true
  kelvo_wait_no_window "$pattern" 30 >&2 || true
  echo $(((end - start) / 1000000))
}

# Starts a program with the 5 MB file and the wrap setting, goes to the
# end of the text and times 100 characters typed there; the program is
# then closed without saving.
typing() { # wrap file-pattern find-pattern prompt-pattern program [arguments]
  local wrap=$1 pattern=$2 find=$3 prompt=$4 pid window ms answer
  shift 4
  first_start "$wrap"
  kelvo_wine "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
  window=$(kelvo_wait_window "$pattern" 300)
  keys_handled "$window" "$find" xdotool key ctrl+End >/dev/null
  ms=$(keys_handled "$window" "$find" xdotool type --delay 1 "$typed")
  xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
  if answer=$(kelvo_wait_window "$prompt" 30); then
    xdotool windowfocus --sync "$answer" key n 2>/dev/null || true
  fi
  kelvo_wait_exit "$pid" 60 >&2 || true
  echo "$ms"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -a kvide_start notepad_start kvide_wrap notepad_wrap kvide_flat notepad_flat
declare -a kvide_type_wrap notepad_type_wrap kvide_type_flat notepad_type_flat
kvide_file='^KVO IDE - .*five-mb\.kvo$'
notepad_file='^five-mb\.kvo - Notepad$'
# Both find dialogs, whatever their titles; the save prompts of both.
find_dialog='^(Find|Search)$'
kvide_prompt='^Save changes$'
notepad_prompt='^Notepad$'
typed=$(printf 'typed%.0s' $(seq 20))
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
  kvide_type_wrap+=("$(typing 1 "$kvide_file" "$find_dialog" "$kvide_prompt" "$kvide" "$windows_file")")
  notepad_type_wrap+=("$(typing 1 "$notepad_file" "$find_dialog" "$notepad_prompt" notepad "$windows_file")")
  kvide_type_flat+=("$(typing 0 "$kvide_file" "$find_dialog" "$kvide_prompt" "$kvide" "$windows_file")")
  notepad_type_flat+=("$(typing 0 "$notepad_file" "$find_dialog" "$notepad_prompt" notepad "$windows_file")")
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
  echo "kvide ($preset build: $kvide) against Wine's notepad, median of $runs runs"
  echo "(5 MB file: $(stat -c %s "$source_file") bytes, $(wc -l <"$source_file") lines of 60 characters)"
  echo
  echo "| measure | kvide | notepad | kvide / notepad |"
  echo "|---|---|---|---|"
  row "start-up to the first visible window" "${kvide_start[*]}" "${notepad_start[*]}"
  row "open a 5 MB file (started with it), both wrapping" "${kvide_wrap[*]}" "${notepad_wrap[*]}"
  row "open a 5 MB file (started with it), neither wrapping" "${kvide_flat[*]}" "${notepad_flat[*]}"
  row "type 100 characters at its end, both wrapping" "${kvide_type_wrap[*]}" "${notepad_type_wrap[*]}"
  row "type 100 characters at its end, neither wrapping" "${kvide_type_flat[*]}" "${notepad_type_flat[*]}"
  echo
  echo "all runs in ms: kvide start ${kvide_start[*]}; notepad start ${notepad_start[*]};" \
    "kvide wrapping ${kvide_wrap[*]}; notepad wrapping ${notepad_wrap[*]};" \
    "kvide not wrapping ${kvide_flat[*]}; notepad not wrapping ${notepad_flat[*]};" \
    "kvide typing wrapping ${kvide_type_wrap[*]}; notepad typing wrapping ${notepad_type_wrap[*]};" \
    "kvide typing not wrapping ${kvide_type_flat[*]}; notepad typing not wrapping ${notepad_type_flat[*]}"
} | tee "$work/results.md"
