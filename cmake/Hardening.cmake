# Debian's hardening flags, as dpkg-buildflags gives them with every hardening
# feature on: fortified library calls, stack protector, format checks, and a
# read-only relocation table bound at start-up (relro, bindnow). The build
# type keeps its own optimisation and debug flags. The file prefix map that
# dpkg-buildflags adds is kept and one for the build folder added: the
# binaries then hold neither folder, and builds in two places are the same. Fortifying needs optimisation, so a Debug build goes without it,
# as do the sanitizer and fuzz builds, which bring their own checks.
# They are flags for the native toolchain: the WebAssembly module's libc has
# no stack guard to link against, and its memory is checked by the engine.
if(EMSCRIPTEN)
  return()
endif()
set(hardening_default ON)
if(VEXLOR_SANITIZE OR VEXLOR_FUZZ OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(hardening_default OFF)
endif()
option(VEXLOR_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" ${hardening_default})

if(VEXLOR_HARDENING)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT DPKG_BUILDFLAGS)
    message(STATUS "No dpkg-buildflags: building without Debian's hardening flags")
    return()
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9sgz]?)$")
    message(STATUS "Hardening ${kind}: ${flags}")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    elseif(kind STREQUAL "CXXFLAGS")
      add_compile_options(${flags} -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()
