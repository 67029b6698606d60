# qv_sanitizer_defaults(target...): compiles the leak suppressions of
# tests/lsan.supp into each target, for the sanitizer and fuzz builds (see
# tests/sanitizer_defaults.cc.in). Targets that do not exist are passed over.
set(QV_LSAN_SUPP ${CMAKE_CURRENT_LIST_DIR}/lsan.supp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QV_LSAN_SUPP})
file(READ ${QV_LSAN_SUPP} QV_LSAN_SUPPRESSIONS)
set(QV_SANITIZER_DEFAULTS ${CMAKE_BINARY_DIR}/sanitizer_defaults.cc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/sanitizer_defaults.cc.in ${QV_SANITIZER_DEFAULTS} @ONLY)

function(qv_sanitizer_defaults)
  foreach(target IN LISTS ARGN)
    if(TARGET ${target})
      target_sources(${target} PRIVATE ${QV_SANITIZER_DEFAULTS})
    endif()
  endforeach()
endfunction()
