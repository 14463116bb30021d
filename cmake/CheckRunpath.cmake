# Fails when a program's library search path (RPATH or RUNPATH) holds an empty
# or a relative entry: the loader takes those relative to the current folder,
# where a hostile disc or stick could plant a library. Absolute and
# $ORIGIN-relative entries pass.
#   cmake -DREADELF=readelf -DPROGRAMS="a;b" -P CheckRunpath.cmake
set(faults "")
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${READELF} -d ${program} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${READELF} cannot read ${program}")
  endif()
  string(REGEX MATCHALL "\\((RPATH|RUNPATH)\\)[^\n]*" lines "${dynamic}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ".*\\[(.*)\\].*" "\\1" path "${line}")
    # An empty path, or a leading, trailing or doubled ":", is an empty entry.
    if(path STREQUAL "" OR path MATCHES "(^:|::|:$)")
      string(APPEND faults "\n  ${program}: empty entry in [${path}]")
      continue()
    endif()
    string(REPLACE ":" ";" entries "${path}")
    foreach(entry IN LISTS entries)
      if(NOT entry MATCHES "^(/|\\$ORIGIN(/|$)|\\$\\{ORIGIN\\}(/|$))")
        string(APPEND faults "\n  ${program}: relative entry ${entry}")
      endif()
    endforeach()
  endforeach()
endforeach()
list(LENGTH PROGRAMS checked)
if(faults)
  message(FATAL_ERROR "Library search paths that the current folder can feed:${faults}")
endif()
message(STATUS "${checked} programs: no empty or relative library search path")
