# embed_resources(TARGET name FILES a.png b.png ...)
# Compiles each file into the target as a byte array `<stem>_data` with its size `<stem>_size`
# (stem: the file name with non-alphanumerics as '_'), declared in namespace embedded.
function(embed_resources target)
    cmake_parse_arguments(ARG "" "" "FILES" ${ARGN})
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(abs "${file}" ABSOLUTE)
        get_filename_component(name "${file}" NAME)
        string(MAKE_C_IDENTIFIER "${name}" stem)
        set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${stem}.cpp")
        add_custom_command(
            OUTPUT "${out}"
            COMMAND ${CMAKE_COMMAND} -DINPUT=${abs} -DOUTPUT=${out} -DSTEM=${stem}
                    -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
            DEPENDS "${abs}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
            COMMENT "Embedding ${name}")
        target_sources(${target} PRIVATE "${out}")
    endforeach()
endfunction()
