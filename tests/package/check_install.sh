#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a packager read from it:
# the menu entry and the AppStream description validate, the icons and the manual page are there,
# the installed program answers --version and --help without a display, and a menu launch keeps
# its files in the per-user folder and says on standard error that a configuration is unreadable.
# Usage: check_install.sh <build dir> <version>
set -euo pipefail
build=$1 version=$2 id=org.orv.brevane
tmp=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
share=$tmp/usr/share
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "no release $version in the metainfo"

# The hicolor PNGs, each of its folder's size (the width and height fields of the PNG header).
for size in 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  read -r w h < <(od --endian=big -An -tu4 -j16 -N8 "$png")
  [ "$w $h" = "$size $size" ] || fail "$png is ${w}x$h, not ${size}x$size"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
grep -q '^SUBSYSTEM=="input".*TAG+="uaccess"' "$tmp/usr/lib/udev/rules.d/70-brevane-mouse.rules" || fail "no udev rule for the mouse"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the menu entry names another icon"
for program in "$tmp/usr/bin/"*; do
  page=$share/man/man1/$(basename "$program").1.gz
  zcat "$page" | grep -q '^\.SH FILES' || fail "$page: no manual page with a FILES section"
done

# The program the menu entry starts is the installed one; --version and --help need no display.
read -r command options < <(sed -n 's/^Exec=//p' "$share/applications/$id.desktop")
program=$tmp/usr/bin/$command
[ -x "$program" ] || fail "Exec=$command: no $program"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "brevane $version" ] || fail "--version"
env -u DISPLAY "$program" --help | grep -q -- '--user-folder' || fail "--help does not tell --user-folder"

# The menu entry's launch, in a home whose documents directory is renamed: it creates
# <documents>/Brevane, reads a relative configuration name there, and tells on standard error that
# the file is missing before its message box waits for an answer.
mkdir -p "$tmp/home/config" "$tmp/run"
echo 'XDG_DOCUMENTS_DIR="$HOME/Papers"' >"$tmp/home/config/user-dirs.dirs"
chmod 700 "$tmp/run"
(cd "$tmp" && exec env HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/config" XDG_RUNTIME_DIR="$tmp/run" \
   QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$program" $options lab.cfg 2>"$tmp/stderr") &
pid=$!
for _ in $(seq 150); do grep -qs 'lab.cfg' "$tmp/stderr" && break; sleep 0.2; done
grep -q "^brevane: $tmp/home/Papers/Brevane/lab.cfg: no such configuration file" "$tmp/stderr" \
  || fail "no report of the missing configuration in the per-user folder: $(cat "$tmp/stderr")"
echo "installed, validated and started: brevane $version"
