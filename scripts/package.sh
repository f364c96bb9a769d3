#!/usr/bin/env bash
# Installs what is missing and builds the Debian package of the release this machine runs: a
# Release build with Debian's hardening flags, installed under /usr by CPack, its dependencies
# found by dpkg-shlibdeps (Qt's private API ties it to the Qt it was built with). Then lintian
# checks it; an error or a warning fails the script. The version names the release:
# 2.0.0-1~deb12u1 on Debian 12, 2.0.0-1~deb13u1 on Debian 13, 2.0.0-1~ubuntu24.04.1 on Ubuntu 24.04.
#   scripts/package.sh                   # into build-package/
#   scripts/package.sh --release trixie  # another Debian release's, built in a fresh chroot of it
#                                        # (scripts/in-release.sh), into build-package-trixie/
#   sudo apt install ./build-package/brevane_<version>_<arch>.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. /etc/os-release
if [ "${1:-}" = --release ]; then
  [ -n "${2:-}" ] || { echo "usage: scripts/package.sh [--release bookworm|trixie]" >&2; exit 2; }
  [ "$2" = "${VERSION_CODENAME:-}" ] || exec "$root/scripts/in-release.sh" "$2" scripts/package.sh
  shift 2
fi
"$root/scripts/deps.sh" build package
case "$ID:${VERSION_ID:-}" in
  debian:?*) revision=1~deb${VERSION_ID}u1 ;;
  ubuntu:?*) revision=1~ubuntu${VERSION_ID}.1 ;;
  *) revision=1 ;; # a release without a number (Debian's testing): the plain revision
esac
build=$root/build-package${BREVANE_BUILD_SUFFIX:-}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
  -DBREVANE_DEB_REVISION="$revision" -DBREVANE_DEB_DISTRIBUTION="${VERSION_CODENAME:-unstable}" \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 # without the tests, all of it is what CPack installs
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends
# dpkg-shlibdeps ties a program that uses Qt's private symbols to the very Qt it was built with:
# qt6-base-abi on Debian 12, qt6-base-private-abi on Debian 13.
dpkg-deb --field "$deb" Depends | grep -qE 'qt6-base(-private)?-abi \(= ' ||
  { echo "package.sh: $deb does not depend on its own Qt's private ABI" >&2; exit 1; }
lintian --info --fail-on error,warning "$deb"
