#!/usr/bin/env bash
# Runs a command of this tree inside a fresh chroot of another Debian release, made from Debian's
# own packages by mmdebstrap each time and removed afterwards, so that nothing is kept between runs.
#   scripts/in-release.sh trixie scripts/test.sh       # the whole suite on Debian 13
#   scripts/in-release.sh bookworm scripts/package.sh  # Debian 12's package, from a Debian 13 machine
# The tree is mounted at its own path inside, so what the command writes is here afterwards; the
# build folders it makes are named after the release (build-test-trixie/, build-package-trixie/),
# beside this machine's own. The chroot has /proc, /sys, /dev (with /dev/pts and /dev/shm) and a
# fresh /tmp and /run of its own: the end-to-end tests start their Xvfb, session bus and
# accessibility bus in there. Needs root (or sudo) and the network to Debian's mirror.
#   BREVANE_MIRROR      the Debian mirror (http://deb.debian.org/debian)
#   BREVANE_CHROOT_DIR  where the chroot is made (/var/tmp)
#   BREVANE_KEEP_CHROOT a folder for a chroot that is kept: made there the first time, used again
#                       after (with what was installed in it), never removed; CI sets none
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || { echo "usage: scripts/in-release.sh RELEASE COMMAND [ARG...]  (RELEASE: bookworm, trixie)" >&2; exit 2; }
release=$1
shift
case "$release" in
  bookworm | trixie) ;;
  *) echo "in-release.sh: unknown release '$release' (bookworm, trixie)" >&2; exit 2 ;;
esac
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "in-release.sh: needs root (mmdebstrap, mounts)" >&2; exit 1; }
  exec sudo --preserve-env=BREVANE_MIRROR,BREVANE_CHROOT_DIR,BREVANE_KEEP_CHROOT,CI "$0" "$release" "$@"
fi
"$root/scripts/deps.sh" release

mirror=${BREVANE_MIRROR:-http://deb.debian.org/debian}
security=${mirror%/debian}/debian-security
keep=${BREVANE_KEEP_CHROOT:-}
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  dir=$(cd "$keep" && pwd)
else
  dir=$(mktemp -d "${BREVANE_CHROOT_DIR:-/var/tmp}/brevane-$release.XXXXXX")
fi
mounted=()
cleanup() {
  # Whatever the command left running in there (a test's Xvfb or bus) ends with the chroot.
  local pid
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$dir" ] && kill -KILL "${pid#/proc/}" 2>/dev/null || true
  done
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount --lazy "${mounted[i]}"
  done
  if findmnt -rn -o TARGET | grep -q "^$dir/"; then
    echo "in-release.sh: $dir still has mounts; not removed" >&2
  elif [ -n "$keep" ]; then
    echo "in-release.sh: the chroot stays in $dir"
  else
    rm -rf --one-file-system "$dir"
  fi
}
trap cleanup EXIT

if [ -x "$dir/usr/bin/apt-get" ]; then
  grep -q "VERSION_CODENAME=$release\$" "$dir/etc/os-release" ||
    { echo "in-release.sh: $dir holds another release" >&2; trap - EXIT; exit 1; }
  echo "in-release.sh: using the $release chroot in $dir"
else
  echo "in-release.sh: making a $release chroot in $dir"
  start=$SECONDS
  mmdebstrap --quiet --variant=apt --include=ca-certificates "$release" "$dir" \
    "deb $mirror $release main" "deb $mirror $release-updates main" "deb $security $release-security main"
  echo "in-release.sh: chroot made in $((SECONDS - start)) s"
fi
# No service starts from a package's installation: there is no init in there.
printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
chmod 755 "$dir/usr/sbin/policy-rc.d"

bind() { # SOURCE TARGET [mount options]
  mkdir -p "$dir$2"
  mount "${@:3}" "$1" "$dir$2"
  mounted+=("$dir$2")
}
bind proc /proc -t proc
bind sysfs /sys -t sysfs -o ro
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
bind tmpfs /dev/shm -t tmpfs
bind tmpfs /tmp -t tmpfs -o mode=1777
bind tmpfs /run -t tmpfs
bind "$root" "$root" --bind

env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  ${CI:+CI="$CI"} BREVANE_BUILD_SUFFIX="-$release" \
  chroot "$dir" /bin/bash -c 'cd "$1" && shift && exec "$@"' in-release "$root" "$@"
