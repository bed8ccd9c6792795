# Optimised builds take the hardening flags Debian's own packages are built
# with, as dpkg-buildflags gives them (fortify, stack protector, format checks,
# relro, bind now), so the package made from them passes lintian's checks.
# Sanitizer and fuzzing builds keep their own flags; source paths in the debug
# information stay absolute, as in any build tree.
option(TABREP_HARDENING "Build Release and RelWithDebInfo with dpkg-buildflags' hardening flags" ON)
find_program(TABREP_DPKG_BUILDFLAGS dpkg-buildflags)
if(TABREP_HARDENING AND TABREP_DPKG_BUILDFLAGS AND NOT (TABREP_ASAN OR TABREP_FUZZ)
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env
              "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
              ${TABREP_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE tabrep_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  # Ahead of the build type's own flags, as a Debian build passes them.
  string(APPEND CMAKE_CXX_FLAGS " ${tabrep_CPPFLAGS} ${tabrep_CXXFLAGS}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${tabrep_LDFLAGS}")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${tabrep_LDFLAGS}")
endif()
