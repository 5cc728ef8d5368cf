# Turns CHANGELOG.md into a changelog in Debian's format, the one that
# Debian's tools read from a native package's usr/share/doc/PACKAGE/
# changelog.gz. Each released "## [VERSION] - YYYY-MM-DD" section becomes one
# entry; its bullets become "*" items, its paragraphs and "###" headings
# plain lines. Run as a script:
#   cmake -DIN=CHANGELOG.md -DOUT=changelog -DPACKAGE=name -DMAINTAINER="Name <addr>" -P ...
foreach(var IN ITEMS IN OUT PACKAGE MAINTAINER)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "debian-changelog.cmake needs -D${var}=...")
    endif()
endforeach()

file(STRINGS "${IN}" lines)
set(out "")
set(version "")
set(body "")

# Appends the entry gathered so far, with its trailer line.
macro(close_entry)
    if(NOT version STREQUAL "")
        # Debian's date form (RFC 5322), at noon UTC of the day given.
        execute_process(COMMAND date -u -R -d "${date} 12:00:00 UTC"
                        OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX REPLACE "\n+$" "" body "${body}")
        string(APPEND out "${PACKAGE} (${version}) unstable; urgency=medium\n\n${body}\n\n"
               " -- ${MAINTAINER}  ${stamp}\n\n")
    endif()
    set(version "")
    set(body "")
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^## \\[([^]]+)\\] - ([0-9]+-[0-9]+-[0-9]+)")
        close_entry()
        set(version "${CMAKE_MATCH_1}")
        set(date "${CMAKE_MATCH_2}")
    elseif(line MATCHES "^## ")
        close_entry() # an unreleased section has no entry
    elseif(version STREQUAL "")
        # the title and the introduction
    elseif(line MATCHES "^### (.*)")
        string(APPEND body "  ${CMAKE_MATCH_1}:\n")
    elseif(line MATCHES "^- (.*)")
        string(APPEND body "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)")
        string(APPEND body "    ${CMAKE_MATCH_1}\n")
    elseif(line STREQUAL "")
        if(NOT body STREQUAL "" AND NOT body MATCHES "\n\n$")
            string(APPEND body "\n")
        endif()
    else()
        string(APPEND body "  ${line}\n")
    endif()
endforeach()
close_entry()
string(REGEX REPLACE "\n+$" "\n" out "${out}")
if(out STREQUAL "")
    message(FATAL_ERROR "${IN}: no released version")
endif()
file(WRITE "${OUT}" "${out}")
