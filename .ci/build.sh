# SPDX-License-Identifier: MIT
# Shared by run.sh, test.sh and the benchmark: install missing build tools, configure, build.
# Source it; it defines functions only.

VYX_REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VYX_BUILD_DIR="${VYX_BUILD_DIR:-$VYX_REPO/build}"

# vyx_apt_install PACKAGE...: apt-get install without recommended extras, through sudo unless root.
vyx_apt_install() {
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
}

# Debian packages for the tools we need, installed only when something is absent.
vyx_install_missing() {
    local missing=()
    local pair command package
    for pair in cmake:cmake ninja:ninja-build g++:g++ bc:bc python3:python3; do
        command="${pair%%:*}"
        package="${pair#*:}"
        command -v "$command" >/dev/null 2>&1 || missing+=("$package")
    done
    # qt6-svg-dev: the icons are SVG; libedit-dev: line editing in vyxcalc; poppler-utils: the
    # printing tests read the exported PDF back with pdftotext; xvfb, openbox, xdotool and
    # x11-utils: the tests that need a real X server with a window manager (tools/x11_session.sh);
    # appstream: the metainfo's validation; dpkg-dev: dpkg-shlibdeps for the Debian package.
    for package in libgtest-dev qt6-base-dev qt6-svg-dev libedit-dev poppler-utils \
        xvfb openbox xdotool x11-utils appstream dpkg-dev; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}" >&2
    vyx_apt_install "${missing[@]}"
}

# vyx_build [cmake --build arguments...]: configure once (Ninja, RelWithDebInfo), then build.
vyx_build() {
    if [ ! -f "$VYX_BUILD_DIR/build.ninja" ]; then
        cmake -S "$VYX_REPO" -B "$VYX_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$VYX_BUILD_DIR" "$@"
}

# A decimal-comma locale, so the tests that guard number text against the user's locale run.
vyx_install_test_locale() {
    if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "No de_DE.UTF-8 locale and not root: the locale tests will be skipped." >&2
        return 0
    fi
    if ! dpkg -s locales >/dev/null 2>&1; then
        vyx_apt_install locales
    fi
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
}

# vyx_install_commands COMMAND:PACKAGE...: installs the packages whose command is missing (the
# benchmarks' and screenshots' own tools; the build and the tests never need them).
vyx_install_commands() {
    local missing=()
    local pair
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing missing packages: ${missing[*]}" >&2
        vyx_apt_install "${missing[@]}"
    fi
}
