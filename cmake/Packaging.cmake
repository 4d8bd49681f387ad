# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `cmake --install` installs. Its
# library dependencies are computed by dpkg-shlibdeps; the Qt plugins the
# program loads at run time are named by hand, since no binary links them.
install(FILES "${PROJECT_SOURCE_DIR}/res/copyright" DESTINATION share/doc/cairnbook)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cairnbook)
set(CPACK_PACKAGE_VENDOR "Quillmoor")
set(CPACK_PACKAGE_CONTACT "Cairnbook developers <cairnbook@quillmoor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "waypoint manager for GPS receivers and geocaching")
set(CPACK_PACKAGE_DESCRIPTION
    "Cairnbook keeps GPS waypoints and geocaches in documents, shows them as a list
and on a map (tile services or offline MBTiles files), edits them, and reads
and writes its own format, WPT, GPX (kept whole), LOC files and pocket-query
zip archives. It sends caches to receivers that show up as USB drives.
A command-line tool lists, converts, merges and sends files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://cairnbook.quillmoor.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
include(CPack)
