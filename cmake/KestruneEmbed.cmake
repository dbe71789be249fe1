# Data the program carries inside itself (font aliases, pictures, the internal
# skin) is compiled in as byte arrays generated from the files in the tree.
#
# kestrune_embed(<sources-var> <symbol> <file>) appends to <sources-var> a
# generated source that defines
#   extern const unsigned char <symbol>[];   // the bytes, plus a trailing 0
#   extern const std::size_t <symbol>Size;   // the byte count without it
# The source is regenerated whenever the file changes.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
  file(WRITE "${OUTPUT}" "// Generated from ${INPUT}\n#include <cstddef>\n"
    "extern const unsigned char ${SYMBOL}[] = {\n${bytes}0};\n"
    "extern const std::size_t ${SYMBOL}Size = ${size};\n")
  return()
endif()

set(KESTRUNE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(kestrune_embed sources_var symbol file)
  get_filename_component(input ${file} ABSOLUTE)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${KESTRUNE_EMBED_SCRIPT}
    DEPENDS ${input} ${KESTRUNE_EMBED_SCRIPT}
    COMMENT "Embedding ${file}" VERBATIM)
  set(${sources_var} ${${sources_var}} ${output} PARENT_SCOPE)
endfunction()
