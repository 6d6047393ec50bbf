# AppStream <release> elements made from a Keep a Changelog file, so that the
# metainfo's releases are the changelog's and cannot drift from it.
#
#   vuve_changelog_releases(CHANGELOG OUT_XML OUT_FIRST_VERSION OUT_FIRST_DATE)
#
# Every "## [x.y.z] - YYYY-MM-DD" heading becomes a release; "### Added" and the
# like become paragraphs, "- " items list items (indented lines continue the
# item). An [Unreleased] section and link definitions are left out.
# Close what is open in the release being written: the item, its list and,
# with _vuve_close_release, the release itself. Macros, to set the function's
# own variables.
macro(_vuve_close_list)
    if(NOT item STREQUAL "")
        string(APPEND xml "${indent}      <li>${item}</li>\n")
        set(item "")
    endif()
    if(in_list)
        string(APPEND xml "${indent}    </ul>\n")
        set(in_list FALSE)
    endif()
endmacro()

macro(_vuve_close_release)
    _vuve_close_list()
    if(in_release)
        string(APPEND xml "${indent}  </description>\n${indent}</release>\n")
        set(in_release FALSE)
    endif()
endmacro()

function(vuve_changelog_releases changelog out_xml out_first_version out_first_date)
    file(READ "${changelog}" text)
    # Every ';' (the text's own, and those that end the references made
    # here) is held by a mark without one, so that the lines survive CMake's
    # list splitting below; the marks become ';' again at the end.
    string(REPLACE ";" "@VUVE_SEMICOLON@" text "${text}")
    string(REPLACE "&" "&amp@VUVE_SEMICOLON@" text "${text}")
    string(REPLACE "<" "&lt@VUVE_SEMICOLON@" text "${text}")
    string(REPLACE ">" "&gt@VUVE_SEMICOLON@" text "${text}")
    string(REPLACE "`" "" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(xml "")
    set(first "")
    set(first_date "")
    set(in_release FALSE)
    set(in_list FALSE)
    set(item "")
    set(indent "    ")
    foreach(line IN LISTS lines)
        if(line MATCHES "^## ")
            # A new section ends whatever was open.
            _vuve_close_release()
            if(line MATCHES "^## \\[([0-9]+\\.[0-9]+\\.[0-9]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])")
                if(first STREQUAL "")
                    set(first "${CMAKE_MATCH_1}")
                    set(first_date "${CMAKE_MATCH_2}")
                endif()
                string(APPEND xml "${indent}<release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\">\n")
                string(APPEND xml "${indent}  <description>\n")
                set(in_release TRUE)
            endif()
        elseif(NOT in_release)
            continue()
        elseif(line MATCHES "^### +(.+)$")
            _vuve_close_list()
            string(APPEND xml "${indent}    <p>${CMAKE_MATCH_1}:</p>\n")
        elseif(line MATCHES "^- +(.+)$")
            if(NOT item STREQUAL "")
                string(APPEND xml "${indent}      <li>${item}</li>\n")
            endif()
            if(NOT in_list)
                string(APPEND xml "${indent}    <ul>\n")
                set(in_list TRUE)
            endif()
            set(item "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^ +(.+)$" AND NOT item STREQUAL "")
            string(APPEND item " ${CMAKE_MATCH_1}")
        endif()
    endforeach()
    _vuve_close_release()
    # Link definitions such as "[1.0.0]: https://..." are not list items and
    # fall through above.
    string(REPLACE "@VUVE_SEMICOLON@" ";" xml "${xml}")
    set(${out_xml} "${xml}" PARENT_SCOPE)
    set(${out_first_version} "${first}" PARENT_SCOPE)
    set(${out_first_date} "${first_date}" PARENT_SCOPE)
endfunction()
