# quillan_embed_text(<target> <file> <function> [CRLF]): compiles <file> into <target> as a function
# `std::string_view <function>()` in the target's namespace header-less form. With CRLF the LF line
# ends become CR LF and a final line end is dropped (texts that must end without one).
function(quillan_embed_text target file function)
  cmake_parse_arguments(ARG "CRLF" "NAMESPACE" "" ${ARGN})
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${function}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND "${CMAKE_COMMAND}" -DIN=${file} -DOUT=${out} -DFUNCTION=${function}
            -DNAMESPACE=${ARG_NAMESPACE} -DCRLF=${ARG_CRLF} -P "${PROJECT_SOURCE_DIR}/cmake/QuillanEmbedRun.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/QuillanEmbedRun.cmake"
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE "${out}")
endfunction()
