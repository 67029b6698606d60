# qv_embed_file(SOURCES_VAR INPUT SYMBOL)
#
# Compiles the bytes of the file INPUT into the program. Adds to the list
# SOURCES_VAR a C++ source, generated in the build folder, that defines
#
#   extern const unsigned char SYMBOL[];      // the file's bytes
#   extern const std::size_t SYMBOL_size;     // their number
#
# at global scope. The source is written at build time and written again
# whenever INPUT changes. A relative INPUT is taken from the current source
# folder.
#
# Run as a script (cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake)
# the file writes that source; the function's build step does this.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    # An array may not be empty; the size still says 0.
    set(bytes "0x00,\n")
  else()
    # 16 bytes a line, each written 0x..,
    string(REGEX REPLACE "(................................)" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    if(NOT bytes MATCHES "\n$")
      string(APPEND bytes "\n")
    endif()
  endif()
  math(EXPR size "${digits} / 2")
  file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT} by cmake/EmbedFile.cmake; do not edit.\n"
    "#include <cstddef>\n\n"
    "extern const unsigned char ${SYMBOL}[];\n"
    "extern const std::size_t ${SYMBOL}_size;\n\n"
    "const unsigned char ${SYMBOL}[] = {\n${bytes}};\n"
    "const std::size_t ${SYMBOL}_size = ${size};\n")
  return()
endif()

function(qv_embed_file sources_var input symbol)
  if(NOT symbol MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "qv_embed_file: '${symbol}' is not a C++ name")
  endif()
  get_filename_component(input "${input}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cc")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DINPUT=${input}" "-DOUTPUT=${output}" "-DSYMBOL=${symbol}"
            -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    DEPENDS "${input}" "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    COMMENT "Embedding ${input} as ${symbol}"
    VERBATIM)
  set(${sources_var} ${${sources_var}} "${output}" PARENT_SCOPE)
endfunction()
