# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder writes
# kelvane_<version>_amd64.deb with everything `cmake --install` puts in place,
# its dependencies read from the programs' shared libraries.
set(KELVANE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/kelvane)

# Debian keeps a package's licence and changelog beside each other, the
# changelog compressed without a timestamp so the package is reproducible.
set(changelog_gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${changelog_gz}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
  COMMENT "Compressing the changelog")
add_custom_target(kelvane-changelog ALL DEPENDS ${changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog_gz} DESTINATION ${KELVANE_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Kelvane developers <kelvane@morrowfen.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "countdown timer in the tray with a retro LED display")
# CPack puts the summary first and indents these lines as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelvane lives in the system tray and draws its time as a dot matrix,
slanted seven-segment digits, flip-clock cards or blocks. It has presets,
a stopwatch, Pomodoro and custom multi-phase timers, completion sounds,
notifications and animations, a floating always-on-top panel and global
shortcuts.

The kelvane-widget program puts the timer on the desktop as widgets.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morrowfen.com/kelvane")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
