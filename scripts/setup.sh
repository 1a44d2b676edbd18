# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./play and ./check: installs the Debian packages that are
# missing, then configures and builds into build/ (or another folder).
# Usage: source scripts/setup.sh; need PKG...; build [cmake options...]
#        build_into FOLDER [cmake options...]

skarpo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Installs the named Debian packages that are not installed yet; does nothing
# when all are present.
need() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}" >&2
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: these packages are missing and you are not root (no sudo): ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The packages every build needs (with libcanberra-dev a capture sounds the
# desktop's alert, without it they beep through the toolkit; with
# libxcb1-dev the program notices its window destroyed on X11).
need_build_tools() {
    need g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libcanberra-dev libxcb1-dev
}

# The validators the tests of the desktop entry and the metainfo run, and
# the virtual display and pointer of the test of the window on X11.
need_desktop_tools() {
    need desktop-file-utils appstream xvfb xauth xdotool
}

# A screen reader's side of the test of the accessibility tree: a private
# session bus, the accessibility bus and registry, and their Python client.
need_accessibility_tools() {
    need dbus-daemon at-spi2-core python3-pyatspi
}

# Configures (once) and builds the whole project into build/.
build() {
    build_into build "$@"
}

# The same into another folder of the project, e.g. build_into build-asan -DSKARPO_SANITIZE=ON
build_into() {
    local dir="$skarpo_root/$1"
    shift
    cmake -S "$skarpo_root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
