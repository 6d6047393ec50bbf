# Manual pages are installed gzipped: man reads them so everywhere, and Debian
# wants them so. Compressed when CMake configures (and again whenever the
# page changes), so installing needs no build step of its own.
#
#   vuve_install_manpage(SOURCE SECTION COMPONENT)
function(vuve_install_manpage source section component)
    get_filename_component(name "${source}" NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
    vuve_gzip("${source}" "${CMAKE_BINARY_DIR}/man/${name}.gz" out)
    install(FILES "${out}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${component})
endfunction()

# Writes SOURCE to TARGET compressed with gzip -9n (no name, no time stamp, so
# the same text gives the same bytes), and sets OUT to TARGET; without gzip,
# OUT is SOURCE itself.
function(vuve_gzip source target out)
    find_program(VUVE_GZIP gzip)
    if(NOT VUVE_GZIP)
        set(${out} "${source}" PARENT_SCOPE)
        return()
    endif()
    get_filename_component(dir "${target}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    execute_process(COMMAND ${VUVE_GZIP} -9nc "${source}" OUTPUT_FILE "${target}"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip ${source}: ${result}")
    endif()
    set(${out} "${target}" PARENT_SCOPE)
endfunction()
