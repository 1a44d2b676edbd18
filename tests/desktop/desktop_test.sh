#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's desktop files, checked with Debian's validators, and an install
# of the whole game into a scratch prefix.
#   desktop_test.sh entry FILE
#   desktop_test.sh metainfo FILE VERSION
#   desktop_test.sh install BUILD_DIR SCRATCH_DIR APP_ID "ICON_SIZES"
# Exits 77 (skipped) when a validator is not installed: ./check installs them.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# The value of KEY in a desktop entry.
key() { sed -n "s/^$2=//p" "$1"; }

# Width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

mode=$1
shift
case $mode in
entry)
    tool desktop-file-validate desktop-file-utils
    desktop-file-validate "$1"
    ;;
metainfo)
    tool appstreamcli appstream
    # infos and warnings fail too; only pedantic hints pass
    appstreamcli validate --no-net --strict "$1"
    grep -q "<release version=\"$2\"" "$1" || fail "no release entry for version $2 in $1"
    ;;
install)
    build=$1 scratch=$2 id=$3 sizes=$4
    tool desktop-file-validate desktop-file-utils
    tool appstreamcli appstream
    rm -rf "$scratch"
    prefix=$scratch/usr
    cmake --install "$build" --prefix "$prefix" >/dev/null
    share=$prefix/share

    [ -x "$prefix/bin/skarpo" ] || fail "bin/skarpo is missing or not executable"
    # stripped of its debug information, so a few hundred kilobytes
    ! LC_ALL=C readelf -S "$prefix/bin/skarpo" | grep -q '\.debug_' || fail "bin/skarpo carries debug information"
    [ "$(stat -c %s "$prefix/bin/skarpo")" -lt 1000000 ] || fail "bin/skarpo is $(stat -c %s "$prefix/bin/skarpo") bytes"
    [ -f "$prefix/share/man/man6/skarpo.6.gz" ] || fail "the manual page is missing"
    [ -f "$prefix/share/doc/skarpo/copyright" ] || fail "the copyright file is missing"
    entry=$share/applications/$id.desktop
    [ -f "$entry" ] || fail "the desktop entry $entry is missing"
    desktop-file-validate "$entry"
    [ "$(key "$entry" Exec)" = skarpo ] || fail "the desktop entry does not start bin/skarpo"
    [ "$(key "$entry" Icon)" = "$id" ] || fail "the desktop entry's icon is not $id"
    for size in $sizes; do
        icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
        [ -f "$icon" ] || fail "the icon $icon is missing"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
        # colour type 6: with an alpha channel, so that its corners can be transparent
        [ "$(od -An -tu1 -j25 -N1 "$icon" | tr -d ' ')" = 6 ] || fail "$icon has no alpha channel"
    done
    svg=$share/icons/hicolor/scalable/apps/$id.svg
    [ -f "$svg" ] || fail "the icon $svg is missing"
    grep -q '<svg ' "$svg" || fail "$svg is no SVG"
    [ -f "$share/metainfo/$id.metainfo.xml" ] || fail "the metainfo is missing"
    # the metainfo together with the desktop entry it launches
    appstreamcli validate-tree --no-net --strict "$scratch"
    echo "installed and valid: $(cd "$scratch" && find . -type f | wc -l) files"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
