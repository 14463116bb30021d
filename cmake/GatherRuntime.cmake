# Gathers the menu's runtime into one folder: the program, the Qt plugins it
# loads, and every shared library both need that a plain desktop may lack.
# Every copied library and plugin gets an $ORIGIN-relative RUNPATH, so the
# folder works wherever it is copied to.
#   cmake -DMENU=path/menu -DDESTINATION=folder -DQT_PLUGINS=dir -DPATCHELF=patchelf
#         [-DSTRIP=strip] [-DOBJDUMP=objdump -DGLIBC_FLOOR=2.35] [-DSIZE_LIMIT_MIB=80]
#         -P GatherRuntime.cmake
# cmake/Runtime.cmake runs it for the build target and again at install time.
foreach(required MENU DESTINATION QT_PLUGINS PATCHELF)
  if(NOT ${required})
    message(FATAL_ERROR "GatherRuntime.cmake needs -D${required}=...")
  endif()
endforeach()

# The libraries that must come from the end user's system, by name. These are
# either bound to the running system (its loader, kernel interfaces, graphics
# driver, display server, daemons) or present on every desktop, and a private
# copy would clash with the system's own. It follows the exclude list that the
# AppImage tools keep.
set(systemLibraries
  # glibc and its loader: one set per process, it must be the system's own.
  "^ld-linux" "^libc\\.so" "^libm\\.so" "^libmvec\\.so" "^libdl\\.so" "^libpthread\\.so"
  "^librt\\.so" "^libresolv\\.so" "^libutil\\.so" "^libanl\\.so" "^libnsl\\.so"
  "^libnss_" "^libthread_db\\.so" "^libBrokenLocale\\.so" "^linux-vdso"
  # The compiler's C++ runtime: the system's is as new as its glibc and other
  # C++ libraries loaded by the desktop (input methods, GL drivers) share it.
  "^libstdc\\+\\+\\.so" "^libgcc_s\\.so"
  # OpenGL and EGL through libglvnd, and the kernel's graphics: they must match the driver.
  "^libGL\\.so" "^libEGL\\.so" "^libGLX\\.so" "^libOpenGL\\.so" "^libGLdispatch\\.so"
  "^libGLESv2\\.so" "^libgbm\\.so" "^libdrm\\.so" "^libglapi\\.so"
  # The X11 and xcb core and the wayland client core speak to the display
  # server; the xcb helper libraries that Qt's xcb plugin uses travel along.
  "^libX11\\.so" "^libX11-xcb\\.so" "^libxcb\\.so" "^libXau\\.so" "^libXdmcp\\.so"
  "^libXext\\.so" "^libXrender\\.so" "^libxcb-(dri2|dri3|glx|present)\\.so"
  "^libwayland-(client|cursor|egl|server)\\.so"
  # Fonts: the system's configuration and fonts come with its own libraries.
  "^libfontconfig\\.so" "^libfreetype\\.so" "^libharfbuzz\\.so" "^libexpat\\.so"
  # GLib: its modules (gio, gvfs) are loaded from the system and must match it.
  "^libglib-2\\.0\\.so" "^libgobject-2\\.0\\.so" "^libgio-2\\.0\\.so"
  "^libgmodule-2\\.0\\.so" "^libgthread-2\\.0\\.so"
  # Clients of the system's daemons: D-Bus, udev and systemd (or elogind).
  "^libdbus-1\\.so" "^libudev\\.so" "^libsystemd\\.so"
  # zlib is on every system and many of the above are linked against it.
  "^libz\\.so")

# The Qt plugins the menu uses, below Qt's plugin folder; a missing one (the
# wayland plugins come with qt6-wayland) is passed over. Bitmaps and PNG are
# read by Qt Gui itself; GIF, icons (and cursors) and JPEG need their plugins.
# Sound needs no plugin: QSoundEffect plays through PulseAudio, built into Qt
# Multimedia (its GStreamer and FFmpeg backends are for media players). The
# xcb GL integrations stay out: the menu draws no OpenGL.
set(plugins
  platforms/libqxcb.so platforms/libqoffscreen.so
  platforms/libqwayland-generic.so wayland-shell-integration/libxdg-shell.so
  wayland-decoration-client/libbradient.so
  platforminputcontexts/libcomposeplatforminputcontextplugin.so
  imageformats/libqgif.so imageformats/libqico.so imageformats/libqjpeg.so)

file(REMOVE_RECURSE "${DESTINATION}")
file(MAKE_DIRECTORY "${DESTINATION}/lib" "${DESTINATION}/plugins")

set(pluginCopies "")
foreach(plugin IN LISTS plugins)
  if(EXISTS "${QT_PLUGINS}/${plugin}")
    get_filename_component(kind "${plugin}" DIRECTORY)
    file(COPY "${QT_PLUGINS}/${plugin}" DESTINATION "${DESTINATION}/plugins/${kind}")
    list(APPEND pluginCopies "${DESTINATION}/plugins/${plugin}")
  endif()
endforeach()
file(COPY "${MENU}" DESTINATION "${DESTINATION}")
get_filename_component(menuName "${MENU}" NAME)
set(program "${DESTINATION}/${menuName}")

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES "${MENU}"
  MODULES ${pluginCopies}
  PRE_EXCLUDE_REGEXES ${systemLibraries}
  RESOLVED_DEPENDENCIES_VAR libraries
  UNRESOLVED_DEPENDENCIES_VAR missing
  CONFLICTING_DEPENDENCIES_PREFIX conflicting)
if(missing)
  message(FATAL_ERROR "The menu needs libraries that are not installed: ${missing}")
endif()
foreach(library IN LISTS libraries)
  # Copied under the name the programs ask for (the symbolic link's), as the file itself.
  get_filename_component(name "${library}" NAME)
  file(COPY_FILE "${library}" "${DESTINATION}/lib/${name}")
endforeach()

# No search path may be empty or relative: each names the runtime's own lib folder.
if(STRIP)
  execute_process(COMMAND ${STRIP} --strip-unneeded "${program}" COMMAND_ERROR_IS_FATAL ANY)
endif()
function(set_runpath file path)
  execute_process(COMMAND ${PATCHELF} --set-rpath "${path}" "${file}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set_runpath("${program}" "$ORIGIN/lib")
file(GLOB copiedLibraries "${DESTINATION}/lib/*")
foreach(library IN LISTS copiedLibraries)
  set_runpath("${library}" "$ORIGIN")
endforeach()
foreach(plugin IN LISTS pluginCopies)
  set_runpath("${plugin}" "$ORIGIN/../../lib")
endforeach()

# Every copied library and plugin travels with its licence: the copyright file
# of the Debian package it comes from, in licenses/. The LGPL and its kin ask
# that a copy of the library be accompanied by its terms.
find_program(DPKG_QUERY dpkg-query)
if(DPKG_QUERY)
  set(packages "")
  foreach(source IN LISTS libraries plugins)
    if(NOT IS_ABSOLUTE "${source}")
      set(source "${QT_PLUGINS}/${source}")
    endif()
    if(NOT EXISTS "${source}")
      continue()
    endif()
    # Debian lists a file under the path its package ships, which on a merged
    # /usr may be the other spelling of the same folder.
    file(REAL_PATH "${source}" real)
    string(REGEX REPLACE "^/usr/lib/" "/lib/" unmerged "${real}")
    foreach(candidate IN ITEMS "${source}" "${real}" "${unmerged}")
      execute_process(COMMAND ${DPKG_QUERY} -S "${candidate}" OUTPUT_VARIABLE owner
                      RESULT_VARIABLE failed ERROR_QUIET)
      if(NOT failed)
        string(REGEX REPLACE "[:,].*" "" owner "${owner}")
        list(APPEND packages "${owner}")
        break()
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES packages)
  list(SORT packages)
  file(MAKE_DIRECTORY "${DESTINATION}/licenses")
  foreach(package IN LISTS packages)
    if(EXISTS "/usr/share/doc/${package}/copyright")
      file(COPY_FILE "/usr/share/doc/${package}/copyright"
           "${DESTINATION}/licenses/${package}.txt")
    endif()
  endforeach()
endif()

# Started with its execute bit, the menu finds its plugins through qt.conf;
# started through the loader, the launcher names the runtime (--runtime).
file(WRITE "${DESTINATION}/qt.conf" "[Paths]\nPrefix = .\nPlugins = plugins\n")

# The newest glibc symbol version any file asks for is the oldest glibc the
# runtime starts on.
if(OBJDUMP AND GLIBC_FLOOR)
  set(newest 0)
  foreach(file IN LISTS program copiedLibraries pluginCopies)
    execute_process(COMMAND ${OBJDUMP} -T "${file}" OUTPUT_VARIABLE symbols)
    string(REGEX MATCHALL "GLIBC_[0-9.]+" versions "${symbols}")
    foreach(version IN LISTS versions)
      string(REPLACE "GLIBC_" "" version "${version}")
      if(version VERSION_GREATER newest)
        set(newest ${version})
        set(newestFile ${file})
      endif()
    endforeach()
  endforeach()
  if(newest VERSION_GREATER GLIBC_FLOOR)
    message(FATAL_ERROR "${newestFile} needs glibc ${newest}, newer than the ${GLIBC_FLOOR} "
                        "that README promises: raise MENU_GLIBC_FLOOR in cmake/Runtime.cmake")
  endif()
  message(STATUS "The menu runtime needs glibc ${newest} or newer")
endif()

file(GLOB_RECURSE everything "${DESTINATION}/*")
set(bytes 0)
foreach(file IN LISTS everything)
  file(SIZE "${file}" size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
list(LENGTH copiedLibraries libraryCount)
list(LENGTH pluginCopies pluginCount)
math(EXPR mebibytes "(${bytes} + 1048575) / 1048576")
message(STATUS "Menu runtime in ${DESTINATION}: ${mebibytes} MiB (${bytes} bytes), "
               "${libraryCount} libraries, ${pluginCount} plugins")
if(SIZE_LIMIT_MIB AND mebibytes GREATER SIZE_LIMIT_MIB)
  message(WARNING "The menu runtime is larger than ${SIZE_LIMIT_MIB} MiB")
endif()
