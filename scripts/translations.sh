#!/usr/bin/env bash
# Refreshes the translation files translations/brevane_<code>.ts from the sources with lupdate: a new
# or changed text comes in unfinished, a text gone from the sources goes. Then it says how many texts
# each language has translated. Commit the refresh on its own, apart from source changes (after a
# merge, run it again rather than merging the .ts files by hand). Translators open a file in Qt
# Linguist (linguist-qt6) or any .ts editor; docs/guide.md says how a language is added and shipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
build="$root/build-translations"
cmake -S "$root" -B "$build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target update_translations
shipped=$(sed -n 's/^set(BREVANE_SHIPPED_LANGUAGES \([a-zA-Z_ ]*[a-zA-Z_]\) CACHE.*/\1/p' "$root/translations/CMakeLists.txt" | tr ' ' ',')
python3 "$root/tests/translations/check_translations.py" "$(cat "$build/translations/lupdate-path")" \
  "$build/translations/sources.lst" "$root/translations" "$shipped" --status
