#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite (unit, widget and end-to-end tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build test
build=$root/build-test${BREVANE_BUILD_SUFFIX:-} # build-test-trixie/ in scripts/in-release.sh's chroot
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBREVANE_SANITIZE=ON -DBREVANE_WERROR=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
ctest --output-on-failure -j2 "$@"
