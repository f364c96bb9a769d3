#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite (unit, widget and end-to-end tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build test
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=Debug -DBREVANE_SANITIZE=ON -DBREVANE_WERROR=ON >/dev/null
cmake --build "$root/build-test" -j2
cd "$root/build-test"
ctest --output-on-failure -j2 "$@"
