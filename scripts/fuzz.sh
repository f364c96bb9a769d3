#!/usr/bin/env bash
# Runs each reader's fuzz target under libFuzzer for SECONDS (default 60), one target after
# another (libFuzzer's fork mode with one job: a crash does not end the run), starting from the
# corpus in tests/fixtures/fuzz/<target>. New inputs collect in build-fuzz/corpus/<target>; a
# crashing or promise-breaking input is written to build-fuzz/crashes/<target>/: minimise it with
#   build-fuzz/fuzz/fuzz_<target> -minimize_crash=1 -runs=10000 CRASH
# and keep the result beside the seeds, where the test suite replays it.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET ...]   (targets: codec config recovery nrm col machine)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(codec config recovery nrm col machine)
build="$root/build-fuzz"

"$root/scripts/deps.sh" build fuzz || exit 1
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANE_FUZZ=ON \
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
  before=$(find "$build/crashes/$t" -type f | wc -l)
  "$build/fuzz/fuzz_$t" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=10 \
    -max_total_time="$seconds" -artifact_prefix="$build/crashes/$t/" \
    "$build/corpus/$t" "$root/tests/fixtures/fuzz/$t" >"$log" 2>&1
  status=$?
  last=$(grep -E '^#[0-9]+: ' "$log" | tail -1)
  runs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
  took=$(sed -nE 's/.* time: ([0-9]+)s.*/\1/p' <<<"$last")
  crashes=$(( $(find "$build/crashes/$t" -type f | wc -l) - before ))
  [ $status -eq 0 ] && [ $crashes -eq 0 ] || failed=1
  summary+=("fuzz_$t: ${took:-?} s, ${runs:-?} executions, $crashes new crashing inputs (build-fuzz/crashes/$t), exit $status")
done
printf '%s\n' "${summary[@]}"
exit $failed
