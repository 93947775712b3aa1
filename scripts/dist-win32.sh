#!/usr/bin/env bash
# Makes the Windows distribution build/dist/kelvo-win32.zip: kvide.exe,
# kvf.exe and kvf.evt in bin\, and a short read-me. Building needs only the
# cross compiler, no Wine.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
cd "$KELVO_ROOT"
kelvo_install_packages
cmake --preset win32 >build/win32.configure.log
cmake --build --preset win32 -j2 --target kvide kvf >build/win32.build.log
(cd build/win32 && cpack -B "$KELVO_ROOT/build/dist" >"$KELVO_ROOT/build/win32.cpack.log")
unzip -l build/dist/kelvo-win32.zip
