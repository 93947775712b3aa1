#!/usr/bin/env bash
# Form preview benchmark: a generated form of 500 controls in the editor's
# memo, previewed with Build > Preview form under Wine on a virtual display;
# the median of RUNS runs (default 5) of a first request and of a second
# one, which rebuilds the preview in place.
#   scripts/bench-preview.sh [RUNS]
# It runs in a Wine prefix of its own whose windows are not managed: with no
# window manager on the virtual display, Wine waits two seconds for one to
# take every hidden top-level window away, which a desktop does not.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
source "$(dirname "$0")/windows-programs.sh"
cd "$KELVO_ROOT"
unset DISPLAY # always a virtual display of its own
export WINEPREFIX="$KELVO_ROOT/build/wineprefix-unmanaged"
kelvo_setup

kelvo_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
preset=$(kelvo_windows_preset)
kelvo_build "$preset" preview_bench
kelvo_wine "$KELVO_ROOT/build/$preset/bench/preview_bench.exe" "${1:-5}"
