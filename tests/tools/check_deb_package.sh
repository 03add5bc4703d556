#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with cpack into a scratch directory and checks what it holds: the two
# programs, the engine library, the desktop files, and dependencies found by dpkg-shlibdeps.
# Usage: check_deb_package.sh CPACK BUILD_DIR SCRATCH_DIR APP_ID
# Exit 77 (skipped) when dpkg-deb or dpkg-shlibdeps is not installed.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 CPACK BUILD_DIR SCRATCH_DIR APP_ID" >&2; exit 2; }
cpack="$1"
build="$2"
scratch="$3"
app_id="$4"
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped" >&2; exit 77; }
done

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
shopt -s nullglob
packages=("$scratch"/*.deb)
[ "${#packages[@]}" -eq 1 ] || { echo "FAIL: expected one package, found ${#packages[@]}" >&2; exit 1; }
deb="${packages[0]}"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Paths as dpkg-deb lists them ("./usr/bin/vyxcalc"), links without their targets.
contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for path in \
    ./usr/bin/TobrikCalculator \
    ./usr/bin/vyxcalc \
    ./usr/lib/libVYX_CALCULATOR.so.0 \
    ./usr/share/applications/tobrikcalculator.desktop \
    ./usr/share/mime/packages/tobrikcalculator.xml \
    ./usr/share/icons/hicolor/scalable/apps/tobrikcalculator.svg \
    "./usr/share/metainfo/$app_id.metainfo.xml"; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
# Nothing but the two programs in bin: no test or benchmark binaries slip in.
extra_programs="$(grep '^\./usr/bin/.' <<<"$contents" | grep -vxF -e ./usr/bin/TobrikCalculator \
    -e ./usr/bin/vyxcalc || true)"
[ -z "$extra_programs" ] || fail "unexpected programs: $extra_programs"
# Every path is under /usr: nothing of the build machine's directories.
outside="$(grep -v '^\./usr\(/\|$\)' <<<"$contents" | grep -vx '\./' || true)"
[ -z "$outside" ] || fail "paths outside /usr: $outside"

# The programs need Qt's widgets and the C++ runtime (dpkg-shlibdeps names their packages) and
# the SVG image plugin for the icons (named by hand: nothing links it).
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6core6 libstdc++6 libqt6svg6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# The engine library is inside the package, so nothing may depend on a package for it.
grep -qi vyx <<<"$depends" && fail "Depends names the package's own library: $depends"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): $(wc -l <<<"$contents") entries, Depends: $depends"
