#!/bin/sh
# Installs the program with cmake --install into a staging folder, builds the
# Debian package with cpack, has lintian check it, installs it into a
# temporary root with dpkg, and checks what lands where, the desktop entry and
# the AppStream metadata; then starts the installed program from its desktop
# entry on the X display and checks that everything it loads comes from a
# package it depends on.
# Usage: package_test.sh <build folder>   (on an X display: xvfb-run)
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# lintian and dpkg leave their scratch files where TMPDIR says: here.
export TMPDIR="$work/tmp"
mkdir "$TMPDIR"
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
    # The entry runs the installed program by its full path, which no PATH
    # need hold.
    command=$(sed -n 's/^Exec=//p' "$desktop")
    [ "$(readlink -f "$root$command")" = "$(readlink -f "$root$prefix/games/kvyaxkelen")" ] ||
        fail "the desktop entry runs '$command', not the program installed in $prefix/games"
    entry_command="$root$command"
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

# Every package the program's package brings with it: its Depends and
# Pre-Depends and theirs in turn, as installed here; a virtual package counts
# as the installed packages that provide it.
dpkg-query -W -f='${Package} ${Provides}\n' | awk '{ for (i = 2; i <= NF; i++) { p = $i; sub(/,$/, "", p); if (p !~ /^[(=]/ && p !~ /\)$/) print p, $1 } }' \
    > "$work/provides"
names() { tr ',|' '\n\n' | sed 's/([^)]*)//g; s/:any//; s/ //g' | grep -v '^$' || true; }
dpkg-deb -f "$deb" Depends Pre-Depends | sed 's/^[A-Za-z-]*://' | names > "$work/queue"
: > "$work/brought"
while [ -s "$work/queue" ]; do
    package=$(head -n 1 "$work/queue")
    sed -i 1d "$work/queue"
    grep -qx "$package" "$work/brought" && continue
    echo "$package" >> "$work/brought"
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        dpkg-query -W -f='${Depends}, ${Pre-Depends}' "$package" | names >> "$work/queue"
    fi
    awk -v p="$package" '$1 == p { print $2 }' "$work/provides" >> "$work/queue"
done

# Qt loads whatever plugins the machine has (an SVG reader, a theme); the
# program is to manage with those its dependencies bring. A qt.conf beside
# the installed program points Qt at a folder of just those.
plugins=$(dirname "$(dirname "$(dpkg -L libqt6gui6 | grep '/plugins/platforms/libqxcb\.so$')")")
dpkg -S "$plugins/*/*.so" 2>/dev/null | while IFS= read -r line; do
    package=${line%%:*}
    file=${line#*: }
    if grep -qx "$package" "$work/brought"; then
        mkdir -p "$work/plugins/$(basename "$(dirname "$file")")"
        ln -s "$file" "$work/plugins/$(basename "$(dirname "$file")")/"
    fi
done
printf '[Paths]\nPlugins = %s\n' "$work/plugins" > "$(dirname "$entry_command")/qt.conf"

# The installed program, started as the desktop starts it: the entry's Exec
# line, on the X display, with folders of its own. A reading makes it read
# the glyph pictures (JPEG) as well as its icon and pointers (ICO).
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" BROWSER=true \
    DBUS_SESSION_BUS_ADDRESS=disabled: "$entry_command" > "$work/run.log" 2>&1 &
pid=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^KV Yaxkelen v1.20$' | head -n 1) ||
    { cat "$work/run.log"; fail "the installed program showed no window"; }
xdotool windowfocus --sync "$main" type Ana
xdotool key alt+g
loaded() { awk '$6 ~ /\.so/ { print $6 }' "/proc/$pid/maps" | sort -u; }
for plugin in platforms/libqxcb.so imageformats/libqjpeg.so imageformats/libqico.so; do
    tries=0
    until loaded | grep -q "/$plugin\$"; do
        tries=$((tries + 1))
        [ $tries -le 100 ] || fail "the installed program never loaded $plugin"
        sleep 0.1
    done
done
loaded > "$work/loaded"
while read -r library; do
    owner=$(dpkg -S "$library" 2>/dev/null || dpkg -S "${library#/usr}" 2>/dev/null) ||
        fail "$library, loaded by the program, belongs to no package"
    package=${owner%%:*}
    package=${package%%,*}
    grep -qx "$package" "$work/brought" || fail "$library comes from $package, which the package does not depend on"
done < "$work/loaded"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { cat "$work/run.log"; fail "the installed program ended with status $status on SIGTERM"; }
[ -s "$work/run.log" ] && { cat "$work/run.log"; fail "the installed program wrote to its output"; }
[ -f "$work/config/kvyaxkelen.conf" ] || fail "installed program kept no settings"
# ... in the file and section its manual page names.
grep -qx '\[Settings\]' "$work/config/kvyaxkelen.conf" || fail "settings file has no [Settings] section"
zcat "$root/usr/share/man/man6/kvyaxkelen.6.gz" > "$work/kvyaxkelen.6"
grep -q 'XDG_CONFIG_HOME/kvyaxkelen\.conf' "$work/kvyaxkelen.6" && grep -q 'Settings\]' "$work/kvyaxkelen.6" ||
    fail "the manual page does not name the settings file and section"
echo "package and install: ok ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB; $(wc -l < "$work/loaded") libraries and plugins loaded, all from $(wc -l < "$work/brought") packages it brings)"
