#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as scripts/package.sh builds it: lintian finds nothing
# to say (not even at its pedantic level), its fields and contents are what a
# Debian user expects, and the game unpacked from it starts from its desktop
# entry's command line under Xvfb, shows its window and ends when it is closed.
#   package_test.sh XCLOSE SCRATCH_DIR
# Exits 77 (skipped) when a tool is missing: ./check installs them.
set -euo pipefail
source "$(dirname "$0")/common.sh"
xclose=$1 scratch=$2
root="$(cd "$(dirname "$0")/../.." && pwd)"

# On a virtual display: the desktop entry's command, with the unpacked /usr/games first on the path.
start_unpacked() {
    source "$(dirname "$0")/xvfb.sh"
    start_xvfb 1024x768 resets  # the game alone on a bare server, which resets when the game's check lets go
    unpacked=$scratch/unpacked
    exec_line="$(sed -n 's/^Exec=//p' "$unpacked"/usr/share/applications/*.desktop)"
    PATH="$unpacked/usr/games:$PATH" $exec_line 2>"$scratch/game.log" &
    pid=$!
    w=
    # it shows its window within a second on an idle machine
    shown() {
        w="$(xdotool search --all --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null | head -1)"
        [ -n "$w" ] || ! kill -0 "$pid" 2>/dev/null
    }
    until_within 30 shown || true
    kill -0 "$pid" 2>/dev/null || fail "the unpacked game ended by itself: $(cat "$scratch/game.log")"
    [ -n "$w" ] || { kill "$pid"; fail "the unpacked game showed no window within 30 s"; }
    echo "'$exec_line' from the unpacked package shows its window $(xdotool getwindowgeometry "$w" | sed -n 's/ *Geometry: //p')"
    "$xclose" ask "$w" "$pid" >/dev/null || { kill -9 "$pid"; fail "the unpacked game lived on after its window was closed"; }
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the unpacked game ended with status $status"
}

for t in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file lintian:lintian man:man-db Xvfb:xvfb xdotool:xdotool; do
    command -v "${t%%:*}" >/dev/null 2>&1 || {
        echo "${t%%:*} is not installed (Debian package ${t##*:}): skipped" >&2
        exit 77
    }
done
# the package's build folder stays from one run to the next, so that only what changed is built again
rm -rf "$scratch/unpacked" "$scratch"/build/skarpo_*.deb
mkdir -p "$scratch"

# Debian's flags, with line tables only for debug information, which the package is stripped of anyway: a
# quarter less to compile (dpkg-buildflags adds what this variable holds)
deb="$(DEB_CXXFLAGS_APPEND=-g1 "$root/scripts/package.sh" "$scratch/build" | tail -1)"
[ -f "$deb" ] || fail "scripts/package.sh made no package"
case "$(basename "$deb")" in
skarpo_*_"$(dpkg --print-architecture)".deb) ;;
*) fail "the package is called $(basename "$deb")" ;;
esac

# lintian's verdict, info and pedantic tags included: nothing at all
lintian --info --pedantic "$deb" 2>/dev/null | tee "$scratch/lintian.txt"
[ ! -s "$scratch/lintian.txt" ] || fail "lintian has remarks on the package"

dpkg-deb --contents "$deb" | tee "$scratch/contents.txt"
id=io.github.skarpo.Skarpo
for f in usr/games/skarpo usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/256x256/apps/$id.png \
    usr/share/icons/hicolor/16x16/apps/$id.png usr/share/man/man6/skarpo.6.gz \
    usr/share/doc/skarpo/copyright usr/share/doc/skarpo/changelog.gz; do
    grep -q " \./$f\$" "$scratch/contents.txt" || fail "the package lacks /$f"
done
if grep -v ' root/root ' "$scratch/contents.txt" | grep -q .; then fail "files not owned by root in the package"; fi

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section $(field Section), not games"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
field Depends | grep -q 'libqt6widgets6 (>= ' || fail "the dependencies were not computed from the binary: $(field Depends)"
field Recommends | grep -q 'libcanberra-pulse' || fail "libcanberra-pulse is not recommended"
field Recommends | grep -q 'speech-dispatcher' || fail "the voice through speech-dispatcher is not recommended"
[ "$(field Description | wc -l)" -ge 5 ] || fail "no long description"

unpacked=$scratch/unpacked
dpkg-deb --extract "$deb" "$unpacked"
file "$unpacked/usr/games/skarpo" | grep -q ', stripped' || fail "the program is not stripped"
grep -q 'GPL-3.0+' "$unpacked/usr/share/doc/skarpo/copyright" || fail "the copyright file names no GPL-3.0+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$unpacked/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo names no GPL-3.0-or-later"
# the manual page renders without a single warning
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$unpacked/usr/share/man/man6/skarpo.6.gz" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "the manual page: $warnings"

start_unpacked
