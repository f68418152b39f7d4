# The seams the programs must keep, checked on every build (cmake -P, SOURCE_DIR set):
# - the simulator's own headers and its test controls are reached by tests, benchmarks and the
#   simulator only, never by program code;
# - the camera list is read through vyrokit only, and MAC texts are parsed there only.
set(program_dirs zentara dapplix vyrokit)
foreach(dir IN LISTS program_dirs)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${dir}/*.cpp ${SOURCE_DIR}/${dir}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} hits REGEX "#include [\"<]sdk/sim/")
    if(hits)
      message(FATAL_ERROR "${source} includes the simulator's own header: ${hits}")
    endif()
    if(NOT dir STREQUAL "vyrokit")
      file(STRINGS ${source} hits REGEX "vy_GetCameraList|A-Fa-f0-9]{2}")
      if(hits)
        message(FATAL_ERROR "${source} reads the camera list or parses a MAC itself; "
                            "vyrokit does that: ${hits}")
      endif()
    endif()
  endforeach()
endforeach()
