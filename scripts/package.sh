#!/usr/bin/env bash
# Installs what is missing and builds the Debian package into build-package/: a Release build
# with Debian's hardening flags, installed under /usr by CPack, its dependencies found by
# dpkg-shlibdeps. Then lintian checks it; an error fails the script.
#   sudo apt install ./build-package/brevane_<version>_<arch>.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build package
build=$root/build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 # without the tests, all of it is what CPack installs
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/*.deb)
echo "package: $deb"
lintian --info --fail-on error "$deb"
