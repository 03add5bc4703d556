# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build directory makes a Debian package of the desktop program, vyxcalc,
# the engine library and the desktop files; dpkg-shlibdeps finds what they need.
set(CPACK_PACKAGE_NAME "tobrikcalculator")
set(CPACK_PACKAGE_VENDOR "TobrikCalculator")
set(CPACK_PACKAGE_CONTACT "TobrikCalculator developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Scientific calculator with exact fractions, complex numbers and units")
set(CPACK_PACKAGE_DESCRIPTION
    "Calculates in a free text: each line is an expression, Enter writes its value below it.\n"
    "Includes the command-line calculator vyxcalc and the engine library.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VYX_PUBLIC_URL}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icons are SVG, read by Qt's image plugin: loaded at run time, so no linked library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The MIME database and the icon cache are refreshed by dpkg triggers of the packages that own
# them; nothing of ours has to run on install.
include(CPack)
