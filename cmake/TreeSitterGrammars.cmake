# Fetches a published tree-sitter grammar from the npm registry at a pinned
# version, checks the tarball against its SHA-256, and builds its generated C
# parser as a static library `velbrant_grammar_<language>`. The grammars are
# never part of the repository; they are kept in the build directory, so a
# build fetches each once.
set(VELBRANT_GRAMMAR_DIR ${CMAKE_BINARY_DIR}/_grammars)

function(velbrant_grammar language version sha256)
  set(name tree-sitter-${language})
  set(tarball ${VELBRANT_GRAMMAR_DIR}/${name}-${version}.tgz)
  set(source ${VELBRANT_GRAMMAR_DIR}/${name}-${version})
  if(NOT EXISTS ${source}/package/src/parser.c)
    file(MAKE_DIRECTORY ${VELBRANT_GRAMMAR_DIR})
    if(NOT EXISTS ${tarball})
      find_program(NPM npm REQUIRED)
      execute_process(
        COMMAND ${NPM} pack ${name}@${version} --pack-destination ${VELBRANT_GRAMMAR_DIR} --silent
        WORKING_DIRECTORY ${VELBRANT_GRAMMAR_DIR}
        RESULT_VARIABLE fetched)
      if(NOT fetched EQUAL 0 OR NOT EXISTS ${tarball})
        message(FATAL_ERROR "npm pack ${name}@${version} failed (is the npm registry reachable?)")
      endif()
    endif()
    file(SHA256 ${tarball} actual)
    if(NOT actual STREQUAL sha256)
      file(REMOVE ${tarball})
      message(FATAL_ERROR "${name}-${version}.tgz has SHA-256 ${actual}, expected ${sha256}")
    endif()
    file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${source})
  endif()
  file(GLOB sources ${source}/package/src/parser.c ${source}/package/src/scanner.c)
  add_library(velbrant_grammar_${language} STATIC ${sources})
  # Generated code of others: built as published, without our warnings.
  target_compile_options(velbrant_grammar_${language} PRIVATE -w)
  target_include_directories(velbrant_grammar_${language} PRIVATE ${source}/package/src)
  set_target_properties(velbrant_grammar_${language} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()
