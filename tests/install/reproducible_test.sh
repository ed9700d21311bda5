#!/bin/sh
# Builds the release program and its Debian package a second time, as
# make package does, from a copy of the sources in another folder, under
# another time zone, locale and umask, with the clock a day and a half ahead;
# both must be the same, byte for byte, as the build folder's program and a
# package made from it. Says which files differ, and where.
# Usage: reproducible_test.sh <source folder> <release build folder>
set -eu
source=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A clone, for the commit and its time, which the package's file times
# follow, holding the sources as they are now, edits and new files
# included: what the build folder was built from. Its files are as new as
# in a fresh checkout.
copy="$work/another/folder/for/the/sources"
git clone -q --no-checkout "$source" "$copy" || fail "cannot clone $source"
(cd "$source" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf -) | tar -xmf - -C "$copy"

# A German locale, made here: the machine need not have one.
mkdir "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2> "$work/localedef.log" ||
    { cat "$work/localedef.log"; fail "cannot make a de_DE.UTF-8 locale"; }
site=$(sed -n 's/^KV_SITE_BASE:[A-Z]*=//p' "$build/CMakeCache.txt")
(
    umask 002
    cd "$copy"
    env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL TZ=JST-9 LOCPATH="$work/locale" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
        faketime -f +36h make package CMAKE_FLAGS="-DKV_SITE_BASE=$site"
) > "$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "the second build failed"; }

# Both folders must be configured alike, but for the folder each was built in.
for variable in CMAKE_BUILD_TYPE CMAKE_CXX_FLAGS CMAKE_EXE_LINKER_FLAGS KV_SITE_BASE; do
    here=$(sed -n "s/^$variable:[A-Z]*=//p" "$build/CMakeCache.txt" | sed "s|$source|<sources>|g")
    there=$(sed -n "s/^$variable:[A-Z]*=//p" "$copy/build/CMakeCache.txt" | sed "s|$copy|<sources>|g")
    [ "$here" = "$there" ] ||
        fail "$build is not configured as make configures the release: $variable is '$here' there, '$there' in make package"
done

different=0
# The sections of an ELF file that hold the byte offsets (from 1) listed in a file.
sections() {
    readelf -S -W "$1" | sed -n 's/^ *\[ *[0-9]*\] //p' | while read -r name type address offset size rest; do
        echo "$name $((0x$offset)) $((0x$offset + 0x$size))"
    done > "$work/sections"
    awk 'NR == FNR { name[NR] = $1; start[NR] = $2; end[NR] = $3; n = NR; next }
         { for (i = 1; i <= n; i++) if ($1 - 1 >= start[i] && $1 - 1 < end[i] && !seen[i]++) printf "%s ", name[i] }' \
        "$work/sections" "$2"
}
program_a="$build/kvyaxkelen"
program_b="$copy/build/kvyaxkelen"
if ! cmp -s "$program_a" "$program_b"; then
    different=1
    cmp -l "$program_a" "$program_b" 2>/dev/null | awk '{ print $1 }' > "$work/offsets" || true
    echo "DIFFERS: kvyaxkelen, $(wc -l < "$work/offsets") bytes, in sections $(sections "$program_a" "$work/offsets")"
    for program in "$program_a" "$program_b"; do
        echo "  $program: $(stat -c %s "$program") bytes, $(readelf -n "$program" | grep -o 'Build ID.*')"
    done
fi

# The build folder's package, made as make package makes it.
(umask 022 && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/first" > "$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack in $build"; }
deb_a=$(ls "$work"/first/kvyaxkelen_*.deb)
deb_b=$(ls "$copy"/build/deb/kvyaxkelen_*.deb)
if ! cmp -s "$deb_a" "$deb_b"; then
    different=1
    echo "DIFFERS: $(basename "$deb_a"), < made from $build, > by make package in $copy"
    for side in a b; do
        eval deb=\$deb_$side
        mkdir -p "$work/$side/data" "$work/$side/control"
        # Listings with times, modes and owners, read in one zone.
        (cd "$work/$side" && ar x "$deb" && tar -xmf data.tar.* -C data && tar -xmf control.tar.* -C control &&
            TZ=UTC ar tv "$deb" > members.list && TZ=UTC tar -tvf data.tar.* > data.list &&
            TZ=UTC tar -tvf control.tar.* > control.list)
    done
    for listing in members data control; do
        diff "$work/a/$listing.list" "$work/b/$listing.list" | sed -n "s/^\([<>]\) /  $listing list \1 /p" > "$work/shown"
        head -n 8 "$work/shown"
        [ "$(wc -l < "$work/shown")" -le 8 ] || echo "  ... and $(($(wc -l < "$work/shown") - 8)) lines more"
    done
    for part in data control; do
        diff -rq "$work/a/$part" "$work/b/$part" | sed "s|$work/||g; s/^/  /" || true
    done
fi
[ "$different" -eq 0 ] || fail "the same sources, built twice, give different files"
echo "reproducible: kvyaxkelen and $(basename "$deb_a") the same, byte for byte, built again in another folder, zone, locale and umask, 36 hours later"
