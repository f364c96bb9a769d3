#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in the current directory
# (its configuration and recovery files live there). Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build" -j2 --target brevane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "brevane: no display found (DISPLAY is not set); to run it on a virtual screen: xvfb-run -a -s '-screen 0 1024x768x24' $root/build/src/brevane" >&2
  exit 1
fi
exec "$root/build/src/brevane" "$@"
