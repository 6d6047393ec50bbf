# Debian's hardening flags as dpkg-buildflags gives them (fortify, stack
# protector, format checks, relro, bindnow) and position-independent
# executables, for the optimised plain build: the one the tests run on and
# the package is made from. Sanitizer and fuzzing builds bring their own
# instrumentation, and fortify needs optimisation, so those and unoptimised
# builds go without.
option(VUVE_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)

function(vuve_dpkg_buildflags name out)
    execute_process(COMMAND ${VUVE_DPKG_BUILDFLAGS} --get ${name}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${name} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(VUVE_HARDENING AND VUVE_SANITIZE STREQUAL "" AND NOT VUVE_FUZZ
    AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    find_program(VUVE_DPKG_BUILDFLAGS dpkg-buildflags)
    if(VUVE_DPKG_BUILDFLAGS)
        # Every hardening feature (bindnow is not on by default). The build
        # type sets optimisation and debug information, and file paths stay
        # as they are, so that worktrees share compiled objects.
        set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all reproducible=-fixfilepath,-fixdebugpath")
        set(ENV{DEB_CXXFLAGS_MAINT_STRIP} "-g -O2")
        vuve_dpkg_buildflags(CPPFLAGS cppflags)
        vuve_dpkg_buildflags(CXXFLAGS cxxflags)
        vuve_dpkg_buildflags(LDFLAGS ldflags)
        add_compile_options(${cppflags} ${cxxflags})
        add_link_options(${ldflags})
        set(CMAKE_POSITION_INDEPENDENT_CODE ON)
        include(CheckPIESupported)
        check_pie_supported()
        string(JOIN " " shown ${cppflags} ${cxxflags} ${ldflags})
        message(STATUS "Hardening: ${shown}, PIE")
    endif()
endif()
