# Where `cmake --install` (and the package) puts each file, below any prefix;
# DESTDIR is honoured and nothing goes outside the prefix. Folders of our own
# below the prefix are named after the product.
set(MENU_PRODUCT discmenu)
set(MENU_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/${MENU_PRODUCT}")
set(MENU_APP_ID io.github.discmenu.menusmith)

# What the desktop metadata, the manual pages and the package say about this release.
set(MENU_RELEASE_DATE 2026-12-10)
set(MENU_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 12:00:00 +0000")
set(MENU_HOMEPAGE "https://www.example.org/tarsel/")
set(MENU_SCREENSHOT_BASE_URL "${MENU_HOMEPAGE}screenshots")
set(MENU_PROJECT_LICENSE LicenseRef-free-software)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(dist ${PROJECT_SOURCE_DIR}/dist)
set(distOut ${PROJECT_BINARY_DIR}/dist)

install(TARGETS menu menusmith RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The editor's guide. Installed, the editor finds it relative to its own folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/menusmith/help/ DESTINATION ${MENU_DOCDIR})
file(RELATIVE_PATH helpFromBin ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${MENU_DOCDIR})
set_property(SOURCE ${PROJECT_SOURCE_DIR}/menusmith/helppage.cpp
             DIRECTORY ${PROJECT_SOURCE_DIR}/menusmith APPEND
             PROPERTY COMPILE_DEFINITIONS MENUSMITH_INSTALLED_HELP_DIR="${helpFromBin}")

# The editor in the desktop's application menu. The menu itself has no entry:
# it shows a disc and is started from the disc (or by the editor's test run);
# from the application menu it would have no disc to show.
install(FILES ${dist}/linux/${MENU_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${dist}/linux/${MENU_APP_ID}.metainfo.xml.in
               ${distOut}/${MENU_APP_ID}.metainfo.xml @ONLY)
install(FILES ${distOut}/${MENU_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(iconDir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${dist}/linux/icons/${MENU_APP_ID}.svg DESTINATION ${iconDir}/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${dist}/linux/icons/${size}/${MENU_APP_ID}.png
          DESTINATION ${iconDir}/${size}x${size}/apps)
endforeach()

# Manual pages and the package's changelog go out compressed, without a
# time stamp in the gzip header, so that two builds give the same files.
set(compressed)
foreach(page menu.1 menusmith.1)
  configure_file(${dist}/linux/man/${page}.in ${distOut}/man/${page} @ONLY)
  list(APPEND compressed ${distOut}/man/${page})
endforeach()
configure_file(${dist}/debian/changelog.in ${distOut}/changelog @ONLY)
list(APPEND compressed ${distOut}/changelog)
set(gzipped)
foreach(file IN LISTS compressed)
  add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nkf ${file} DEPENDS ${file} VERBATIM)
  list(APPEND gzipped ${file}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${gzipped})
install(FILES ${distOut}/man/menu.1.gz ${distOut}/man/menusmith.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dist}/debian/copyright ${distOut}/changelog.gz DESTINATION ${MENU_DOCDIR})

# The menu runtime that discs carry (component "runtime").
include(${CMAKE_CURRENT_LIST_DIR}/Runtime.cmake)
