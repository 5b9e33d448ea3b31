#!/bin/sh
# Checks a tree into which the packages korvel and korvel-cloud were just installed: what the
# maintainer scripts made (the user and group, /var/lib/korvel, /etc/korvel), the units and their
# exposure, the programs answering there, korvelctl as root on the kiosk's home, an upgrade in
# place, removal and purge. Run as root; ROOT is the tree's root (mounts of /dev, /proc, /run and
# /tmp in place); the packages are in ROOT/tmp.
# usage: check-installed-tree.sh ROOT
set -u
root=$1
kiosk=$(cd "$root/tmp" && ls korvel_*.deb)
in_tree() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
failures=0
check() {
  what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { echo "  got \"$1\", expected \"$2\""; return 1; }; }

check "the user korvel lives in /var/lib/korvel and cannot log in" \
  same "$(in_tree getent passwd korvel | cut -d: -f6,7)" "/var/lib/korvel:/usr/sbin/nologin"
check "the group korvel is its primary group" \
  same "$(in_tree id -gn korvel)" "korvel"
for group in video render input; do
  if in_tree getent group "$group" >/dev/null; then
    check "korvel is in the group $group" sh -c "chroot \"$root\" id -Gn korvel | tr \" \" \"\n\" | grep -qx $group"
  fi
done
check "/var/lib/korvel is the kiosk's own" same "$(in_tree stat -c "%U:%G %a" /var/lib/korvel)" "korvel:korvel 750"
check "/etc/korvel is root's, readable by the kiosk" same "$(in_tree stat -c "%U:%G %a" /etc/korvel)" "root:korvel 750"
for unit in korvel-kiosk.service korvel-kiosk-failed.service korvel-cloud.service; do
  check "$unit is installed" test -f "$root/usr/lib/systemd/system/$unit"
done
check "the kiosk unit gives the session its home" grep -q "^Environment=.*KORVEL_HOME=/var/lib/korvel" "$root/usr/lib/systemd/system/korvel-kiosk.service"
check "the kiosk unit stops after three failed starts and shows why" \
  sh -c "grep -q \"^StartLimitBurst=3\" \"$root/usr/lib/systemd/system/korvel-kiosk.service\" && grep -q \"^OnFailure=korvel-kiosk-failed.service\" \"$root/usr/lib/systemd/system/korvel-kiosk.service\""
exposure() {
  status=0
  out=$(systemd-analyze security --offline=yes --root="$root" --threshold="$1" "$2" 2>&1) || status=$?
  echo "$out" | tail -n 1
  return $status
}
check "the kiosk unit's exposure is at most 5.0" exposure 50 korvel-kiosk.service
check "the cloud unit's exposure is at most 3.0" exposure 30 korvel-cloud.service
check "korvel --version answers without a display" \
  sh -c "chroot \"$root\" env -i PATH=/usr/bin:/bin korvel --version | grep -q \"^korvel [0-9]\""
check "korvel-cloud --version answers" sh -c "chroot \"$root\" korvel-cloud --version | grep -q \"^korvel-cloud [0-9]\""
check "korvel-session answers --help without a compositor" sh -c "chroot \"$root\" env -i PATH=/usr/bin:/bin korvel-session --help | grep -q \"^Usage: korvel\""
check "the diagnostic screen is installed" test -x "$root/usr/libexec/korvel/korvel-diagnostic"
check "the session's notification relay runs there" sh -c "chroot \"$root\" /usr/libexec/korvel/korvel-notify-relay true"
for page in korvel korvelctl korvel-session korvel-cloud; do
  check "the manual page $page(1) is installed" sh -c "ls \"$root\"/usr/share/man/man1/$page.1.gz >/dev/null"
done

# Root provisions the installed kiosk: its home, as its user; a second run changes nothing.
check "korvelctl as root adds a website to the kiosk's home" in_tree korvelctl sites add https://start.example/ --title Start --startup
check "what it wrote belongs to the kiosk" same "$(in_tree stat -c %U /var/lib/korvel/defaults.plist)" "korvel"
check "the same website again is refused" sh -c "! chroot \"$root\" korvelctl sites add https://start.example/ 2>/dev/null"
check "with --update it is changed instead" in_tree korvelctl sites add https://start.example/ --title Start --startup --update
check "one website, the start page" same "$(in_tree korvelctl sites list)" "0 id=0 category=0 url=https://start.example/ title=\"Start\" startup"

# An upgrade in place keeps the user, the home and what it holds.
in_tree dpkg -i "/tmp/$kiosk" >/dev/null
check "an upgrade keeps the kiosk's settings" in_tree test -f /var/lib/korvel/defaults.plist
check "an upgrade keeps the user" in_tree getent passwd korvel

in_tree dpkg -r korvel >/dev/null
check "removal leaves the kiosk's home" in_tree test -d /var/lib/korvel
check "removal takes the program" sh -c "! test -e \"$root/usr/bin/korvel\""
mkdir -p "$root/etc/systemd/system/graphical.target.wants"
ln -sf /usr/lib/systemd/system/korvel-kiosk.service "$root/etc/systemd/system/graphical.target.wants/korvel-kiosk.service"
in_tree dpkg -P korvel korvel-cloud >/dev/null
check "purge removes the kiosk's home and an empty /etc/korvel" sh -c "! test -e \"$root/var/lib/korvel\" && ! test -e \"$root/etc/korvel\""
check "purge leaves no link to the unit that \"systemctl enable\" made" sh -c "! test -L \"$root/etc/systemd/system/graphical.target.wants/korvel-kiosk.service\""

[ "$failures" = 0 ] || { echo "$failures checks failed"; exit 1; }
echo "every check passed"
