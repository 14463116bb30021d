# Checks the library search paths (RPATH, RUNPATH) of programs and libraries.
#   cmake -DREADELF=readelf -DPROGRAMS="a;b" -P CheckRunpath.cmake
#     The project's programs: no empty or relative entry, which the loader
#     takes relative to the current folder, where a hostile disc or stick could
#     plant a library. Absolute and $ORIGIN-relative entries pass.
#   cmake -DREADELF=readelf -DRUNTIME=folder -P CheckRunpath.cmake
#     The gathered menu runtime: every program and library in the folder finds
#     its libraries in the runtime itself, through a RUNPATH whose entries all
#     start at $ORIGIN (an absolute one would reach the system's).
if(RUNTIME)
  file(GLOB_RECURSE candidates "${RUNTIME}/*")
  set(files "")
  foreach(file IN LISTS candidates)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND files "${file}")
    endif()
  endforeach()
  if(NOT files)
    message(FATAL_ERROR "No programs or libraries in ${RUNTIME}")
  endif()
  set(allowed "^\\$ORIGIN(/|$)")
  set(verdict "Runtime files whose search path leaves the runtime")
else()
  set(files ${PROGRAMS})
  set(allowed "^(/|\\$ORIGIN(/|$)|\\$\\{ORIGIN\\}(/|$))")
  set(verdict "Library search paths that the current folder can feed")
endif()

set(faults "")
foreach(file IN LISTS files)
  execute_process(COMMAND ${READELF} -d ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${READELF} cannot read ${file}")
  endif()
  if(RUNTIME AND (NOT dynamic MATCHES "\\(RUNPATH\\)" OR dynamic MATCHES "\\(RPATH\\)"))
    # RPATH would also bind the libraries that a runtime library loads.
    string(APPEND faults "\n  ${file}: no RUNPATH, or an RPATH")
    continue()
  endif()
  string(REGEX MATCHALL "\\((RPATH|RUNPATH)\\)[^\n]*" lines "${dynamic}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ".*\\[(.*)\\].*" "\\1" path "${line}")
    # An empty path, or a leading, trailing or doubled ":", is an empty entry.
    if(path STREQUAL "" OR path MATCHES "(^:|::|:$)")
      string(APPEND faults "\n  ${file}: empty entry in [${path}]")
      continue()
    endif()
    string(REPLACE ":" ";" entries "${path}")
    foreach(entry IN LISTS entries)
      if(NOT entry MATCHES "${allowed}")
        string(APPEND faults "\n  ${file}: entry ${entry}")
      endif()
    endforeach()
  endforeach()
endforeach()
list(LENGTH files checked)
if(faults)
  message(FATAL_ERROR "${verdict}:${faults}")
endif()
message(STATUS "${checked} files: every library search path entry is safe")
