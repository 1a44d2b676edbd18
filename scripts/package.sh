#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package skarpo_<version>_<arch>.deb as Debian builds its
# own: the game alone, with Debian's compiler and linker flags and all its
# hardening (dpkg-buildflags), stripped as Debian strips, the program in
# /usr/games, its dependencies computed from
# the binary by dpkg-shlibdeps. Installs what is missing first.
#   scripts/package.sh [FOLDER]     (default build-deb/; the package lands there)
# Prints the package's path as its last line.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
need_game_tools
need_package_tools

dir="${1:-$skarpo_root/build-deb}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
cxxflags="$(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$skarpo_root" -B "$dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DSKARPO_BINDIR=games -DSKARPO_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_STRIP="$skarpo_root/packaging/strip-like-debian" >/dev/null
cmake --build "$dir" --target skarpo -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/skarpo_*.deb
