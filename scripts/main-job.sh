#!/usr/bin/env bash
# The tool set's main job: builds kvf (for Linux and as kvf.exe) and the
# windowed programs, translates the example forms with both builds of kvf and
# checks that they agree byte for byte, then starts each windowed program on
# the display, takes a screenshot and closes it.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
cd "$KELVO_ROOT"
kelvo_setup

for preset in native win32; do
  echo "== building $preset"
  cmake --preset "$preset" >"build/$preset.configure.log"
  cmake --build --preset "$preset" >"build/$preset.build.log"
done

out="$KELVO_ROOT/build/main-job"
rm -rf "$out"
mkdir -p "$out/native" "$out/win32"
mapfile -t forms < <(cd examples/forms && ls)

echo "== translating the example forms"
for side in native win32; do
  cp examples/forms/* "$out/$side/"
done
(cd "$out/native" && "$KELVO_ROOT/build/native/formc/kvf" "${forms[@]}")
(cd "$out/win32" && wine "$KELVO_ROOT/build/win32/formc/kvf.exe" "${forms[@]}" | tr -d '\r')
for form in "${forms[@]}"; do
  cmp "$out/native/$form.kv" "$out/win32/$form.kv"
  echo "$form.kv: $(wc -l <"$out/native/$form.kv") lines, identical from both builds"
done

echo "== windowed programs"
for program in build/win32/ide/kvide.exe build/win32/examples/gui-sample/gui_sample.exe; do
  [ -e "$program" ] || continue
  name=$(basename "$program" .exe)
  wine "$program" &
  pid=$!
  sleep 4
  import -window root "$out/$name.png"
  echo "$name: screenshot in $out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
echo "main job done: results in $out"
