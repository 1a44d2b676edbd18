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

# What the game needs to build and to run, and no more: ./play installs these.
# qt6-tools-dev and qt6-l10n-tools compile the translations into the game, and
# qt6-translations-l10n has the toolkit's own words (standard buttons, key
# names) in the same languages. With libcanberra-dev a capture sounds the
# desktop's alert, and libcanberra-pulse plays it through the desktop's sound
# server (PulseAudio, or PipeWire's Pulse layer); without them captures beep
# through the toolkit. With libxcb1-dev the program notices its window
# destroyed on X11 and tells an X display that does not answer. qt6-wayland
# runs the game natively on a Wayland desktop. The "bell" of the desktop's
# sound theme is the capture's sound. The game speaks through the desktop's
# speech service through a connection of its own (speech-dispatcher's client
# library). nettle-dev has the SHA-256 of a shared table's fair dice;
# libstrophe-dev the XMPP client of a table shared across machines.
need_game_tools() {
    need g++ cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libcanberra-dev \
        libxcb1-dev libcanberra-pulse sound-theme-freedesktop qt6-wayland qt6-translations-l10n \
        libspeechd-dev nettle-dev libstrophe-dev
}

# Everything ./check builds: the game, and the tests with their framework;
# and the XMPP server (prosody) the tests of a shared table play through.
need_build_tools() {
    need_game_tools
    need libgtest-dev clang-format prosody
}

# The validators the tests of the desktop entry and the metainfo run, the
# virtual display and pointer of the tests of the window on X11, the Wayland
# compositor of the test on Wayland, a private sound server for the test of
# the capture sound, and the packaging tools and lintian for the test of the
# Debian package.
need_desktop_tools() {
    need desktop-file-utils appstream xvfb xauth xdotool weston pulseaudio man-db
    need_package_tools
    need lintian
}

# What scripts/package.sh needs besides the game's own: dpkg-shlibdeps and
# dpkg-buildflags, and `file`, with which CPack finds the binaries.
need_package_tools() {
    need dpkg-dev file
}

# Prints a banner for a phase of a long run, with the time since the run began.
phase() {
    echo
    echo "==== $* (at $((SECONDS / 60))m$((SECONDS % 60))s)"
}

# A screen reader's side of the test of the accessibility tree: a private
# session bus, the accessibility bus and registry, and their Python client;
# and for the test with the screen reader itself, Orca speaking through
# speech-dispatcher and eSpeak NG into a silent PulseAudio sink, under a
# window manager that makes the game's window active.
need_accessibility_tools() {
    need dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
        pulseaudio openbox xdotool libglib2.0-bin
}

# Configures (once) and builds the whole project into build/.
build() {
    build_into build "$@"
}

# Builds the game alone into build/: a fresh build/ is configured without the
# tests (and so without their framework); one that ./check has configured
# keeps them, but only the game is built.
build_game() {
    local dir="$skarpo_root/build"
    if [ -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$skarpo_root" -B "$dir" >/dev/null
    else
        cmake -S "$skarpo_root" -B "$dir" -G Ninja -DSKARPO_TESTS=OFF >/dev/null
    fi
    cmake --build "$dir" --target skarpo -j "$(nproc)"
}

# The same into another folder of the project, e.g. build_into build-asan -DSKARPO_SANITIZE=ON
build_into() {
    local dir="$skarpo_root/$1"
    shift
    cmake -S "$skarpo_root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
