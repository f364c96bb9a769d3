#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: scripts/deps.sh build|test|bench|package|check|fuzz|release ...
set -euo pipefail

# The release's names, from /etc/os-release: Debian 13 (trixie) and later put Qt's OpenGL module
# into qt6-base-dev; Debian 12 (bookworm) and Ubuntu 24.04 (noble) have it apart.
. /etc/os-release
case "${VERSION_CODENAME:-}" in
  bookworm | noble) qt_opengl=(libqt6opengl6-dev) ;;
  *) qt_opengl=() ;;
esac

build=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev "${qt_opengl[@]}" qt6-wayland
       libasound2-dev libpipewire-0.3-dev libpulse-dev libxcb1-dev libxcb-xinput-dev libxcb-present-dev
       libxcb-randr0-dev libxcb-sync-dev fonts-dejavu-core fonts-liberation librsvg2-bin libwayland-dev
       wayland-protocols qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# qt6-tools-dev: CMake's lupdate and lrelease (Qt6LinguistTools); qt6-translations-l10n: Qt's own dialogs'
# translations. The Noto fonts give the Japanese, Chinese, Korean, Arabic and Hebrew windows and reports
# their glyphs.
test=(fonts-noto-cjk fonts-noto-core xvfb xauth xdotool at-spi2-core python3-pyatspi dbus-daemon imagemagick x11-utils poppler-utils
      desktop-file-utils appstream weston xwayland qt6-wayland xcompmgr
      libx11-dev libxtst-dev libxext-dev libxi-dev) # the last four: the benchmarks, built with the tests
fuzz=(clang libclang-rt-dev) # the compiler-rt of the release's default clang
bench=(xvfb picom xcompmgr mutter weston xwayland qt6-wayland xdotool at-spi2-core python3-pyatspi dbus-daemon python3
       libx11-dev libxtst-dev libxext-dev libxi-dev pipewire pipewire-bin wireplumber pipewire-alsa pipewire-pulse
       pulseaudio-utils)
# Not pulseaudio itself: pipewire-alsa conflicts with it on Debian 12 and 13. bench/tone_rig.py
# --server pulseaudio wants it in pipewire-alsa's place (apt install pulseaudio removes that).
package=(dpkg-dev file lintian)
release=(mmdebstrap) # scripts/in-release.sh: another release's chroot
check=(clang-format clang-tidy)

wanted=()
for group in "$@"; do
  case "$group" in
    build) wanted+=("${build[@]}") ;;
    test) wanted+=("${test[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    check) wanted+=("${check[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    release) wanted+=("${release[@]}") ;;
    *) echo "deps.sh: unknown group '$group' (build, test, bench, package, check, fuzz, release)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps.sh: not root and no sudo; install as root: apt-get install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
