# `cpack -G DEB` (the `package` target) makes one Debian package of both
# programs from the install rules of cmake/Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${MENU_PRODUCT})
set(CPACK_PACKAGE_VENDOR Tarsel)
set(CPACK_PACKAGE_CONTACT "Tarsel <tarsel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "start-up menu for CDs, DVDs and USB sticks, with its editor")
set(CPACK_PACKAGE_DESCRIPTION [[
The menu program shows the programs, zip archives, documents and web links
of a disc, a USB stick or a folder in one window, so that whoever gets the
disc can browse them and install them. The editor, menusmith, writes the
config.ini that the menu reads: texts, pictures, categories, application
records and the layout of the menu window, drawn in a visual designer.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MENU_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries actually linked give the dependencies (dpkg-shlibdeps); the
# rest is what Qt loads as plugins or starts: without a platform plugin no
# window opens, sound plays through GStreamer, documents open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, qt6-image-formats-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")

# The errors that the bundled disc runtime necessarily raises, each with why.
install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${MENU_PRODUCT})

include(CPack)
