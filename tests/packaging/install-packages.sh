#!/bin/sh
# Makes the packages korvel and korvel-cloud from this build and installs them with dpkg into a
# copy-on-write tree of this machine (an overlay over /, so the machine itself is never changed),
# where nothing of Korvel is installed; check-installed-tree.sh then checks that tree.
# Exit status 77 (skipped) where the tree cannot be made: not root, or no overlay file system.
# usage: install-packages.sh BUILD_DIR
set -eu
build=$1

if [ "$(id -u)" != 0 ]; then
  echo "skipped: installing packages into a tree needs root"
  exit 77
fi
if ! grep -qw overlay /proc/filesystems && ! modprobe overlay 2>/dev/null; then
  echo "skipped: the kernel offers no overlay file system"
  exit 77
fi

work=$(mktemp -d /tmp/korvel-install.XXXXXX)
cleanup() {
  umount -l "$work" 2>/dev/null || true
  rmdir "$work" 2>/dev/null || true
}
trap cleanup EXIT
# The tree's changes live in memory; a tmpfs of its own keeps them apart from the lower layer (/).
mount -t tmpfs -o mode=0755 korvel-install "$work"
mkdir -p "$work/packages" "$work/upper" "$work/overlay-work" "$work/root"

( cd "$build" && cpack -G DEB -B "$work/packages" >"$work/cpack.log" 2>&1 ) || { cat "$work/cpack.log"; exit 1; }
kiosk=$(ls "$work"/packages/korvel_*.deb)
cloud=$(ls "$work"/packages/korvel-cloud_*.deb)

# Everything else runs in a mount namespace of its own, so the overlay and the binds vanish with it.
checks=$(dirname "$0")/check-installed-tree.sh
export work kiosk cloud checks
unshare --mount --propagation private sh -eu -c '
root=$work/root
mount -t overlay korvel-tree -o "lowerdir=/,upperdir=$work/upper,workdir=$work/overlay-work" "$root"
mount --rbind /dev "$root/dev"
mount -t proc proc "$root/proc"
mount -t tmpfs tmpfs "$root/run"
mount -t tmpfs tmpfs "$root/tmp"
cp "$kiosk" "$cloud" "$root/tmp/"
# man-db would index every manual page of the machine after each dpkg run; its switch is this file.
rm -f "$root/var/lib/man-db/auto-update"
in_tree() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
if in_tree dpkg-query -W korvel >/dev/null 2>&1; then
  echo "this machine has korvel installed: the tree would not start clean"; exit 1
fi
in_tree dpkg -i "/tmp/$(basename "$kiosk")" "/tmp/$(basename "$cloud")"
sh "$checks" "$root"
'
