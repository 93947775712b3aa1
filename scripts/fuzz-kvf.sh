#!/usr/bin/env bash
# Fuzzes the form compiler's event-table loader and translator with libFuzzer
# (clang 14, AddressSanitizer and UndefinedBehaviorSanitizer).
#   scripts/fuzz-kvf.sh [seconds per target]   (default 600)
# Builds the fuzz preset into build/fuzz. Corpora grow in build/fuzz/corpus-*,
# seeded from the golden cases and the example forms; a crash leaves its input
# in build/fuzz/ and fails the script.
set -euo pipefail
source "$(dirname "$0")/environment.sh"
seconds=${1:-600}
root=$KELVO_ROOT
build="$root/build/fuzz"
cd "$root"

if ! command -v clang++-14 >/dev/null; then
  echo "clang++-14 is missing (Debian packages clang-14 and libclang-rt-14-dev)" >&2
  exit 1
fi

# The libraries get coverage instrumentation too, so the fuzzer sees inside them.
kelvo_build fuzz --dir "$build" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" fuzz_event_table fuzz_translator

mkdir -p "$build/corpus-translator" "$build/corpus-event-table"
for input in tests/formc/cases/*/input/* examples/forms/*; do
  [ -f "$input" ] && [ ! -L "$input" ] && cp "$input" "$build/corpus-translator/seed-$(basename "$(dirname "$(dirname "$input")")")-$(basename "$input")"
done
cp formc/kvf.evt "$build/corpus-event-table/seed-shipped"
for table in tests/formc/cases/*/kvf.evt; do
  [ ! -L "$table" ] && cp "$table" "$build/corpus-event-table/seed-$(basename "$(dirname "$table")")"
done

status=0
for target in event_table translator; do
  echo "== fuzz_$target for $seconds s"
  (cd "$build" && UBSAN_OPTIONS=halt_on_error=1 tests/formc/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=65536 \
     -timeout=10 -print_final_stats=1 "corpus-${target//_/-}") || status=1
done
exit $status
