# shellcheck shell=bash
# Shared by the run and test commands: installs the Debian packages that are
# missing, and nothing when all are there, so that a second run needs no network
# and no root.

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}" >&2
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# What the program's own build needs (Qt's CMake package looks for OpenGL's
# headers), and a font for its text: the run command installs only these.
PROGRAM_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core)
# What the test command needs besides: the test and benchmark libraries, a virtual X
# server with a window manager and the tools that drive it, a dark desktop theme
# (qt6ct) and the validator of the desktop entry.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth xdotool openbox x11-utils imagemagick qt6ct desktop-file-utils)
