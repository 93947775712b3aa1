#!/bin/sh
# Runs a 32-bit Linux program: the emulator of the native32 build. Where the
# kernel executes 32-bit programs it starts the program itself; where it
# refuses them (some sandboxed kernels: "Exec format error") the program runs
# under qemu-i386. The 32-bit dynamic loader, which every such program needs,
# is the probe.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  exec "$@"
fi
# qemu-i386 opens the program by its path: a bare name is looked up on the
# search path as the shell would, and the program still sees it as argv[0].
program=$1
shift
case $program in
  */*) exec qemu-i386 "$program" "$@" ;;
esac
path=$(command -v "$program") || { echo "$program: not found" >&2; exit 127; }
exec qemu-i386 -0 "$program" "$path" "$@"
