# The menu's portable runtime: the program with the Qt plugins and the shared
# libraries it needs that a plain desktop may lack (cmake/GatherRuntime.cmake
# says which are left to the system and why). The build gathers it in
# runtime/ of the build tree; `cmake --install` (component "runtime") puts it
# below the library folder, where the editor's Publish finds it.
find_program(PATCHELF_PROGRAM patchelf REQUIRED)
find_program(OBJDUMP_PROGRAM NAMES objdump ${CMAKE_OBJDUMP})
# The oldest glibc the runtime starts on: the newest GLIBC_ symbol version that
# the menu and the gathered libraries ask for (Debian 12's Qt asks for 2.35).
# The gathering fails when a library asks for more, so README and the disc's
# README.txt stay true.
set(MENU_GLIBC_FLOOR 2.35)
set(MENU_RUNTIME_DIR ${PROJECT_BINARY_DIR}/runtime)
set(MENU_RUNTIME_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/${MENU_PRODUCT}/runtime)
set(gatherScript ${PROJECT_SOURCE_DIR}/cmake/GatherRuntime.cmake)
set(qtPlugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
# What a disc may carry; a sanitizer build's runtime brings its sanitizer
# libraries and is not for discs.
set(sizeLimit 80)
if(MENU_SANITIZE)
  set(sizeLimit 0)
endif()

add_custom_command(
  OUTPUT ${MENU_RUNTIME_DIR}/qt.conf
  COMMAND ${CMAKE_COMMAND} -DMENU=$<TARGET_FILE:menu> -DDESTINATION=${MENU_RUNTIME_DIR}
          -DQT_PLUGINS=${qtPlugins} -DPATCHELF=${PATCHELF_PROGRAM} -DSTRIP=${CMAKE_STRIP}
          -DOBJDUMP=${OBJDUMP_PROGRAM} -DGLIBC_FLOOR=${MENU_GLIBC_FLOOR} -DSIZE_LIMIT_MIB=${sizeLimit}
          -P ${gatherScript}
  DEPENDS menu ${gatherScript}
  COMMENT "Gathering the menu runtime"
  VERBATIM)
add_custom_target(menu_runtime ALL DEPENDS ${MENU_RUNTIME_DIR}/qt.conf)

install(CODE "
  set(MENU \"$<TARGET_FILE:menu>\")
  set(DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MENU_RUNTIME_INSTALL_DIR}\")
  set(QT_PLUGINS \"${qtPlugins}\")
  set(PATCHELF \"${PATCHELF_PROGRAM}\")
  set(STRIP \"${CMAKE_STRIP}\")
  set(OBJDUMP \"${OBJDUMP_PROGRAM}\")
  set(GLIBC_FLOOR \"${MENU_GLIBC_FLOOR}\")
  set(SIZE_LIMIT_MIB ${sizeLimit})
  include(\"${gatherScript}\")"
  COMPONENT runtime)

# Publish looks for the installed runtime relative to the editor's own folder.
file(RELATIVE_PATH runtimeFromBin ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${MENU_RUNTIME_INSTALL_DIR})
target_compile_definitions(menusmith_publish PRIVATE
  MENUSMITH_INSTALLED_RUNTIME_DIR="${runtimeFromBin}" MENU_GLIBC_FLOOR="${MENU_GLIBC_FLOOR}")
