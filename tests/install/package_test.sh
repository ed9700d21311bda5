#!/bin/sh
# Installs the program with cmake --install into a staging folder, builds the
# Debian package with cpack, installs that into a temporary root with dpkg,
# and checks what lands where; then starts the installed program.
# Usage: package_test.sh <build folder>
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expect_files() {
    root=$1
    for file in usr/bin/kvyaxkelen usr/share/applications/kvyaxkelen.desktop; do
        [ -f "$root/$file" ] || fail "$file missing under $root"
    done
    for size in 16 24 32 48 64 128 256; do
        icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/kvyaxkelen.png"
        [ -f "$icon" ] || fail "icon ${size}x${size} missing under $root"
    done
    [ -x "$root/usr/bin/kvyaxkelen" ] || fail "program not executable"
    desktop-file-validate "$root/usr/share/applications/kvyaxkelen.desktop" || fail "desktop entry invalid"
    grep -qx 'Exec=kvyaxkelen' "$root/usr/share/applications/kvyaxkelen.desktop" || fail "desktop entry runs something else"
}

# cmake --install
DESTDIR="$work/staged" cmake --install "$build" --prefix /usr > /dev/null
expect_files "$work/staged"

# The Debian package, installed into a root of its own.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/kvyaxkelen_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "package does not depend on Qt Widgets: $depends"
echo "$depends" | grep -q 'qt6-qpa-plugins' || fail "package does not depend on the platform plugins: $depends"
[ "$(dpkg-deb -f "$deb" Package)" = kvyaxkelen ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.20 ] || fail "package version"
root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg --instdir="$root" --admindir="$root/var/lib/dpkg" --force-not-root --force-depends \
     --force-script-chrootless --log=/dev/null -i "$deb" > /dev/null || fail "dpkg -i"
expect_files "$root"
dpkg --admindir="$root/var/lib/dpkg" -s kvyaxkelen | grep -q 'Status: install ok installed' || fail "not recorded as installed"

# The installed program starts and keeps running (offscreen, private folders).
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/kvyaxkelen" > "$work/run.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "installed program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -f "$work/config/kvyaxkelen.conf" ] || fail "installed program kept no settings"
echo "package and install: ok ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
