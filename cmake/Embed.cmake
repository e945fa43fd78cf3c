# ritmora_embed(TARGET <target> SYMBOL <name> INPUT <file> [DEPENDS <targets...>])
# Turns a binary file into a C++ source that defines
#   extern const unsigned char <name>[]; extern const std::size_t <name>_size;
# and adds it to <target>. The generated source needs no Qt.
function(ritmora_embed)
    cmake_parse_arguments(ARG "" "TARGET;SYMBOL;INPUT" "DEPENDS" ${ARGN})
    set(out ${RITMORA_GENERATED_DIR}/embedded_${ARG_SYMBOL}.cpp)
    ritmora_build_tool(embed_file embed_command embed_depends)
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${embed_command} ${ARG_INPUT} ${out} ${ARG_SYMBOL}
        DEPENDS ${embed_depends} ${ARG_INPUT} ${ARG_DEPENDS}
        COMMENT "Embedding ${ARG_INPUT} as ${ARG_SYMBOL}"
        VERBATIM)
    target_sources(${ARG_TARGET} PRIVATE ${out})
endfunction()
