#!/bin/sh
# Runs a Windows program under Wine: the emulator of the cross builds.
# Wine's usual launcher starts its 32-bit loader first, which fails where the
# machine cannot execute 32-bit programs (some sandboxed kernels); there the
# 64-bit loader runs 64-bit programs directly.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  exec wine "$@"
fi
export WINELOADER=/usr/lib/wine/wine64
exec /usr/lib/wine/wine64 "$@"
