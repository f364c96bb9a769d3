#!/usr/bin/env bash
# Installs what is missing, builds the Release program and the timing benchmark, and measures
# how far the reaction times the program stores are from the true ones (bench/README.md).
# Prints the figures and writes them to bench/results.md. Arguments go to bench/timing.py and
# on to timing_bench (for a quick look: scripts/bench.sh --series 2 --conditions idle).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
cd "$root"
build=build${BREVANE_BUILD_SUFFIX:-} # build-trixie/ in scripts/in-release.sh's chroot
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j2 --target brevane timing_bench
exec /usr/bin/python3 bench/timing.py --program "$build/src/brevane" --bench "$build/bench/timing_bench" \
  --results bench/results.md "$@"
