#!/usr/bin/env bash
# Runs every test of the project: installs what is missing, builds every
# preset, runs all tests (natively, under sanitizers, as 32-bit Linux
# programs, and the Windows builds under Wine), then a short fuzzing run.
# Prints one summary; exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/environment.sh"
cd "$KELVO_ROOT"
kelvo_setup || exit 1

presets=(native native-asan native-tsan native32 win32 win64)
passed=0
failed=0
problems=()

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  kelvo_build "$preset" 2>&1
  case $? in
    1) problems+=("$preset: configure failed"); failed=$((failed + 1)); continue ;;
    2) problems+=("$preset: build failed"); failed=$((failed + 1)); continue ;;
  esac
  echo "== $preset: test"
  log="build/$preset.test.log"
  selection=()
  if [ "$preset" = win32 ] && ! kelvo_runs_32bit; then
    # Only the checks that run no Windows program (import tables) can run.
    echo "NOTE win32: this machine cannot execute 32-bit programs; its Wine tests are not run here (win64 runs the same tests)"
    selection=(-L host)
  fi
  if [ "$preset" = native32 ] && ! kelvo_runs_32bit; then
    echo "NOTE native32: this machine cannot execute 32-bit programs; its tests run under qemu-i386"
  fi
  ctest --preset "$preset" -j2 "${selection[@]}" 2>&1 | tee "$log" | grep -E '(\*\*\*|\(Failed\)|tests passed|tests failed)'
  summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    problems+=("$preset: no test summary"); failed=$((failed + 1)); continue
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || problems+=("$preset: $bad failed")
done

if [ -x scripts/fuzz-kvf.sh ]; then
  echo "== fuzz: short run"
  if scripts/fuzz-kvf.sh 20 >build/fuzz.log 2>&1; then
    passed=$((passed + 1))
  else
    tail -n 40 build/fuzz.log
    problems+=("fuzz: failed"); failed=$((failed + 1))
  fi
fi

echo
for problem in "${problems[@]}"; do echo "FAILED $problem"; done
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
