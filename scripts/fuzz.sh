#!/usr/bin/env bash
# Runs each reader's fuzz target under libFuzzer for SECONDS (default 60), one target after
# another in one process, starting from the corpus in tests/fixtures/fuzz/<target>. New inputs
# collect in build-fuzz/corpus/<target>; a crashing or promise-breaking input is written to
# build-fuzz/crashes/<target>/ and ends that target's run: minimise it with
#   build-fuzz/tests/fuzz/fuzz_<target> -minimize_crash=1 -runs=10000 CRASH
# and keep the result beside the seeds, where the test suite replays it.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET ...]   (targets: codec config recovery nrm col)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(codec config recovery nrm col)
build="$root/build-fuzz"

"$root/scripts/deps.sh" build fuzz || exit 1
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREFLEX_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" || exit 1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
failed=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/crashes/$t"
  log="$build/fuzz_$t.log"
  echo "== fuzz_$t for ${seconds}s"
  "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$build/crashes/$t/" "$build/corpus/$t" "$root/tests/fixtures/fuzz/$t" >"$log" 2>&1
  status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  took=$(grep -o 'stat::total_run_time: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  crashes=$(find "$build/crashes/$t" -type f | wc -l)
  [ $status -eq 0 ] || { failed=1; tail -40 "$log"; }
  summary+=("fuzz_$t: ${took:-?} s, ${runs:-?} executions, exit $status, $crashes crashing inputs kept in build-fuzz/crashes/$t")
done
printf '%s\n' "${summary[@]}"
exit $failed
