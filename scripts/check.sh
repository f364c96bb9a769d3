#!/usr/bin/env bash
# The checks beside the tests, as CI runs them after the suite: the format of every C++ file,
# clang-tidy on the C++ files changed since the last commit of main that CI saw (or on all of
# them with --all), and the layering build (every folder's libraries built on their own, so an
# include across the layers fails here even when nothing else would notice).
# Usage: scripts/check.sh [--all]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh" build check
build="$root/build-check"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBREVANE_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

status=0
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h')
unformatted=$(for f in "${sources[@]}"; do clang-format --style=file --dry-run "$f" 2>&1 | grep -q . && echo "$f"; done || true)
if [ -n "$unformatted" ]; then
  echo "check: not formatted (clang-format -i FILE):"; echo "$unformatted" | sed 's/^/  /'; status=1
fi

# A platform backend (src/platform/<concern>/<backend>/) includes no other backend; outside
# src/platform/, code includes the concerns' roots only, except app/main.cpp, which builds the real
# services. The layering build cannot see this: the whole platform folder is one library pair.
crossing=$(git ls-files 'src/*.cpp' 'src/*.h' | while read -r f; do
  own=$(echo "$f" | sed -nE 's#^src/platform/([a-z0-9_]+/[a-z0-9_]+)/.*/?[^/]+$#\1#p')
  case "$f" in src/platform/*/*/*) ;; *) own= ;; esac
  grep -HnE '^\s*#\s*include\s*"platform/[a-z0-9_]+/[a-z0-9_]+/' "$f" | while IFS= read -r line; do
    inc=$(echo "$line" | sed -E 's#.*"platform/([a-z0-9_]+/[a-z0-9_]+)/.*#\1#')
    case "$f" in
      src/platform/*/*/*) [ "$inc" = "$own" ] || echo "$line (a backend includes another backend)" ;;
      src/platform/*) ;;
      src/app/main.cpp) ;;
      *) echo "$line (outside the platform, include a concern's root)" ;;
    esac
  done
done || true)
if [ -n "$crossing" ]; then
  echo "check: includes across the platform's backends:"; echo "$crossing" | sed 's/^/  /'; status=1
fi

echo "check: the layering build"
layers=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(.*_\(logic\|ui\)\)$/\1/p')
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $layers || status=1

if [ "${1:-}" = "--all" ]; then
  mapfile -t tidy < <(git ls-files 'src/*.cpp')
else
  base=$(git merge-base HEAD origin/main 2>/dev/null || git rev-parse HEAD~1 2>/dev/null || true)
  mapfile -t tidy < <({ [ -n "$base" ] && git diff --name-only "$base" -- 'src/*.cpp'; git diff --name-only -- 'src/*.cpp'; } | sort -u)
fi
existing=()
for f in "${tidy[@]}"; do [ -f "$f" ] && existing+=("$f"); done
if [ ${#existing[@]} -gt 0 ]; then
  echo "check: clang-tidy on ${#existing[@]} file(s)"
  printf '%s\n' "${existing[@]}" | xargs -P2 -n4 clang-tidy -p "$build" --quiet || status=1
fi
[ $status -eq 0 ] && echo "check: clean"
exit $status
