# Debian's hardening flags for the optimised builds the package is made from:
# fortified C library calls, a stack protector, format checks and read-only
# relocations bound at start-up (bind-now). They come from dpkg-buildflags,
# as they do for Debian's own packages, without its -g and -O, which the
# presets choose. Unoptimised builds (asan, the Debian 13 test build) go
# without: the fortified calls need optimisation.
find_program(VANTOR_DPKG_BUILDFLAGS dpkg-buildflags)
string(TOUPPER "${CMAKE_BUILD_TYPE}" vantor_build_type)
if(VANTOR_DPKG_BUILDFLAGS AND "${CMAKE_CXX_FLAGS_${vantor_build_type}}" MATCHES "-O[1-3s]")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${VANTOR_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O|ffile-prefix-map)")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
  # Test code is compiled without optimisation, where fortifying has no effect
  # and glibc warns of it.
  list(APPEND VANTOR_TEST_COMPILE_OPTIONS -U_FORTIFY_SOURCE)
endif()
