#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the game's icon, drawn as vector artwork in scalable.svg beside
# this script, into the PNG sizes a desktop asks for, with rsvg-convert
# (Debian package librsvg2-bin). Run it after changing the drawing; the PNG
# files are kept in the repository, so building the game needs no renderer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert is not installed (Debian package librsvg2-bin)" >&2
    exit 1
}
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png "$here/scalable.svg" --output "$here/${size}x${size}.png"
done
