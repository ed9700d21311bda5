#!/bin/sh
# Installs the program with cmake --install into a staging folder, builds the
# Debian package with cpack, has lintian check it, installs it into a
# temporary root with dpkg, and checks what lands where, the desktop entry and
# the AppStream metadata; then starts the installed program.
# Usage: package_test.sh <build folder>
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Everything under one installation prefix (/usr or /usr/local, below $root).
expect_files() {
    root=$1
    prefix=$2
    for file in games/kvyaxkelen share/man/man6/kvyaxkelen.6.gz \
                share/doc/kvyaxkelen/copyright share/doc/kvyaxkelen/changelog.gz; do
        [ -f "$root$prefix/$file" ] || fail "$prefix/$file missing under $root"
    done
    for size in 16 24 32 48 64 128 256; do
        icon="$root$prefix/share/icons/hicolor/${size}x${size}/apps/kvyaxkelen.png"
        [ -f "$icon" ] || fail "icon ${size}x${size} missing under $root"
    done
    [ -x "$root$prefix/games/kvyaxkelen" ] || fail "program not executable"

    # Software centres find the program by the id of its metadata, and start
    # it through the desktop entry of the same name.
    set -- "$root$prefix"/share/metainfo/*.metainfo.xml
    [ $# -eq 1 ] && [ -f "$1" ] || fail "not exactly one AppStream file under $root$prefix/share/metainfo"
    metainfo=$1
    id=$(sed -n 's:^ *<id>\(.*\)</id>$:\1:p' "$metainfo")
    desktop="$root$prefix/share/applications/$id.desktop"
    [ -n "$id" ] && [ -f "$desktop" ] || fail "no desktop entry named after the AppStream id '$id'"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream metadata launches another desktop entry than $id.desktop"
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "AppStream metadata invalid"
    appstreamcli validate-tree --no-net "$root$prefix" > "$work/tree.log" 2>&1 ||
        { cat "$work/tree.log"; fail "AppStream metadata does not fit the installed files"; }
    desktop-file-validate "$desktop" || fail "desktop entry invalid"
    grep -qx 'Exec=kvyaxkelen' "$desktop" || fail "desktop entry runs something else"
}

# cmake --install, where a local administrator would put it.
DESTDIR="$work/staged" cmake --install "$build" --prefix /usr/local > /dev/null
expect_files "$work/staged" /usr/local

# The Debian package, checked by lintian, then installed into a root of its own.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/kvyaxkelen_*.deb)
# Root or not, lintian's verdict is the same; info tags are shown but pass.
lintian --allow-root --display-info --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian finds errors or warnings"; }
sed 's/^/lintian: /' "$work/lintian.log"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "package does not depend on Qt Widgets: $depends"
echo "$depends" | grep -q 'qt6-qpa-plugins' || fail "package does not depend on the platform plugins: $depends"
[ "$(dpkg-deb -f "$deb" Package)" = kvyaxkelen ] || fail "package name"
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = 1.20 ] || fail "package version"
root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
# Everything, even where the machine's dpkg leaves out manual pages and
# documents (slim container images do).
dpkg --instdir="$root" --admindir="$root/var/lib/dpkg" --force-not-root --force-depends \
     --force-script-chrootless --log=/dev/null --path-include='*' -i "$deb" > /dev/null || fail "dpkg -i"
expect_files "$root" /usr
dpkg --admindir="$root/var/lib/dpkg" -s kvyaxkelen | grep -q 'Status: install ok installed' || fail "not recorded as installed"

# The changelog and the metadata's releases are kept by hand: their latest
# entries must be the version being packaged.
zcat "$root/usr/share/doc/kvyaxkelen/changelog.gz" > "$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version) || fail "changelog unreadable"
[ "$logged" = "$version" ] || fail "changelog's latest entry is $logged, the package $version"
released=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$root"/usr/share/metainfo/*.metainfo.xml | head -n 1)
[ "$released" = "$version" ] || fail "AppStream's latest release is '$released', the package $version"

# The installed program starts and keeps running (offscreen, private folders).
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    "$root/usr/games/kvyaxkelen" > "$work/run.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "installed program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -f "$work/config/kvyaxkelen.conf" ] || fail "installed program kept no settings"
# ... in the file and section its manual page names.
grep -qx '\[Settings\]' "$work/config/kvyaxkelen.conf" || fail "settings file has no [Settings] section"
zcat "$root/usr/share/man/man6/kvyaxkelen.6.gz" > "$work/kvyaxkelen.6"
grep -q 'XDG_CONFIG_HOME/kvyaxkelen\.conf' "$work/kvyaxkelen.6" && grep -q 'Settings\]' "$work/kvyaxkelen.6" ||
    fail "the manual page does not name the settings file and section"
echo "package and install: ok ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
