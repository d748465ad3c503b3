# Writes OUTPUT, a resource script STRINGTABLE (UTF-8, with its code page pragma) holding every
# entry of INPUT, the launcher's string table (resources/string_table.inc, lines of the form
# IC_STRING(id, name, L"text")). The Windows build reads its texts back with LoadStringW, the
# Linux build compiles the same file in: the two cannot differ.

# The UTF-8 bytes of the code point `code` (below 0x10000, as \u escapes are).
function(utf8_of code out)
    if(code LESS 128)
        string(ASCII ${code} text)
    elseif(code LESS 2048)
        math(EXPR b1 "192 + (${code} >> 6)")
        math(EXPR b2 "128 + (${code} & 63)")
        string(ASCII ${b1} ${b2} text)
    else()
        math(EXPR b1 "224 + (${code} >> 12)")
        math(EXPR b2 "128 + ((${code} >> 6) & 63)")
        math(EXPR b3 "128 + (${code} & 63)")
        string(ASCII ${b1} ${b2} ${b3} text)
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(STRINGS "${INPUT}" lines REGEX "^IC_STRING\\(")
set(table "")
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^IC_STRING\\(([0-9]+), *([A-Za-z0-9_]+), *L\"(.*)\"\\)$")
        message(FATAL_ERROR "${INPUT}: an entry this script cannot read: ${line}")
    endif()
    set(id ${CMAKE_MATCH_1})
    set(text "${CMAKE_MATCH_3}")
    # \uXXXX escapes become the character itself.
    while(text MATCHES "\\\\u([0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f])")
        set(escape "${CMAKE_MATCH_0}")
        math(EXPR code "0x${CMAKE_MATCH_1}")
        utf8_of(${code} character)
        string(REPLACE "${escape}" "${character}" text "${text}")
    endwhile()
    # A quote in a resource script string is written twice; C escapes mean nothing there.
    string(REPLACE "\\\"" "\"\"" text "${text}")
    if(text MATCHES "\\\\")
        message(FATAL_ERROR "${INPUT}: an escape other than \\uXXXX or \\\" in entry ${id}")
    endif()
    string(APPEND table "    ${id} \"${text}\"\n")
endforeach()

file(WRITE "${OUTPUT}.new"
     "// Generated from ${INPUT}; do not edit.\n#pragma code_page(65001)\n\n"
     "STRINGTABLE\nBEGIN\n${table}END\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
