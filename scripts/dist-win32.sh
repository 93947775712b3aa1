#!/usr/bin/env bash
# Makes the Windows distribution build/dist/kelvo-win32.zip: kvide.exe,
# kvf.exe and kvf.evt in bin\, and a short read-me. Building needs only the
# cross compiler, no Wine.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
cd "$KELVO_ROOT"
kelvo_install_packages
kelvo_build win32 kvide kvf
(cd build/win32 && cpack -B "$KELVO_ROOT/build/dist" >"$KELVO_ROOT/build/win32.cpack.log")
unzip -l build/dist/kelvo-win32.zip
