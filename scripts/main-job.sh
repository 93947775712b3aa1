#!/usr/bin/env bash
# The tool set's main job: builds kvf (for Linux and for Windows) and the
# windowed programs, translates the example forms with both builds of kvf and
# checks that they agree byte for byte, then opens the editor kvide under
# Wine. On the user's own display the editor stays open (with a translated
# example form) until the user closes it; without one, on a virtual display,
# each windowed program is started, its window saved as a screenshot, and
# closed again.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
source "$(dirname "$0")/windows-programs.sh"
cd "$KELVO_ROOT"
user_display=no
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  user_display=yes
fi
kelvo_setup

windows=$(kelvo_windows_preset)
for preset in native "$windows"; do
  echo "== building $preset"
  kelvo_build "$preset"
done

out="$KELVO_ROOT/build/main-job"
rm -rf "$out"
mkdir -p "$out/native" "$out/windows"
mapfile -t forms < <(cd examples/forms && ls)

echo "== translating the example forms"
for side in native windows; do
  cp examples/forms/* "$out/$side/"
done
(cd "$out/native" && "$KELVO_ROOT/build/native/formc/kvf" "${forms[@]}")
(cd "$out/windows" && kelvo_wine "$KELVO_ROOT/build/$windows/formc/kvf.exe" "${forms[@]}" </dev/null | tr -d '\r')
for form in "${forms[@]}"; do
  cmp "$out/native/$form.kv" "$out/windows/$form.kv"
  echo "$form.kv: $(wc -l <"$out/native/$form.kv") lines, identical from both builds"
done

kvide="build/$windows/ide/kvide.exe"
example="$out/windows/${forms[0]}"
if [ "$user_display" = yes ]; then
  echo "== kvide on display $DISPLAY, with the form file ${forms[0]}: close it to end the main job"
  kelvo_wine "$kvide" "$(kelvo_winepath "$example")" </dev/null >/dev/null 2>&1
  echo "main job done: results in $out"
  exit 0
fi

echo "== windowed programs on the virtual display $DISPLAY"
shoot() { # program window-name-pattern screenshot [arguments]
  local program=$1 pattern=$2 shot=$3
  shift 3
  kelvo_wine "$program" "$@" </dev/null >/dev/null 2>&1 &
  local pid=$! window
  window=$(kelvo_wait_window "$pattern" 60)
  sleep 0.5 # let it paint
  import -window "$window" "$shot"
  echo "$(basename "$program" .exe): window '$(xdotool getwindowname "$window")', screenshot in $shot"
  # Alt+F4 reaches the window's system menu: a close as by its close box.
  xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
  kelvo_wait_exit "$pid" 15 || true
}
shoot "$kvide" "^KVO IDE - " "$out/kvide.png" "$(kelvo_winepath "$example")"
sample="build/$windows/examples/gui-sample/gui_sample.exe"
[ -e "$sample" ] && shoot "$sample" "^Kelvo sample" "$out/gui_sample.png"
echo "main job done: results in $out"
