#!/usr/bin/env bash
# Benchmarks kvf on a generated form of MEGABYTES (default 100) and twice
# that, against cat of the same files; prints a Markdown report and keeps it
# in build/bench/results.md. Exits non-zero when kvf falls below 150 MB/s,
# exceeds its memory budget or does not scale linearly.
#   scripts/bench-kvf.sh [MEGABYTES]
set -euo pipefail
source "$(dirname "$0")/environment.sh"
root=$KELVO_ROOT
build="$root/build/bench"
cd "$root"

kelvo_build native --dir "$build" kvf
mkdir -p "$build/data"
g++ -std=c++17 -O2 -Wall -Wextra -Werror -o "$build/kvf_bench" bench/kvf_bench.cpp
set +e
"$build/kvf_bench" "$build/formc/kvf" "$build/data" "${1:-100}" | tee "$build/results.md"
status=${PIPESTATUS[0]}
rm -f "$build"/data/form*
exit "$status"
