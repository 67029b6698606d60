# One test program per code folder, built as that folder's library is: it
# compiles against the folder's layer view (cmake/Layers.cmake) and links
# its library, so a test reaches no further than the code it tests.
#
#   qv_layer_tests(text SOURCES text_test.cc ... [POSIX posix/...] [WIN32 win32/...]
#                  [ALSO text/cp1250.h ...] [RUNS_TOOL])
#
# makes qv_text_tests from tests/text/<SOURCES> (an absolute name is taken
# as it is) and tests/unit_main.cc; POSIX and WIN32 name the files only that
# system builds. Beside the layer view the program sees tests/ (the helpers
# of tests/support, whose headers reach only what they test) and the single
# files ALSO names, each under its own path. RUNS_TOOL: the tests start the
# built tool (QV_TOOL_PATH). QV_LAYER_TESTS collects the programs' names.
function(qv_layer_tests folder)
  cmake_parse_arguments(ARG "RUNS_TOOL" "" "SOURCES;POSIX;WIN32;ALSO" ${ARGN})
  set(name qv_${folder}_tests)
  if(WIN32)
    list(APPEND ARG_SOURCES ${ARG_WIN32})
  else()
    list(APPEND ARG_SOURCES ${ARG_POSIX})
  endif()
  set(sources)
  foreach(source IN LISTS ARG_SOURCES)
    if(NOT IS_ABSOLUTE ${source})
      set(source ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${source})
    endif()
    list(APPEND sources ${source})
  endforeach()
  add_executable(${name} ${sources} ${CMAKE_CURRENT_SOURCE_DIR}/unit_main.cc)

  set(view ${CMAKE_BINARY_DIR}/test-views/${name})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${view}/tests SYMBOLIC)
  foreach(path IN LISTS ARG_ALSO)
    get_filename_component(parent ${view}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${view}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${name} PRIVATE ${CMAKE_BINARY_DIR}/layer-views/qv_${folder} ${view})

  target_link_libraries(${name} PRIVATE qv_${folder} qv_big_blocks qv_test_support GTest::gtest)
  target_compile_definitions(${name} PRIVATE QV_SOURCE_DIR="${QV_HOST_ROOT}${PROJECT_SOURCE_DIR}")
  if(ARG_RUNS_TOOL)
    target_compile_definitions(${name} PRIVATE
                               QV_TOOL_PATH="${QV_HOST_ROOT}$<TARGET_FILE:qvformat>")
    add_dependencies(${name} qvformat)
  endif()
  if(WIN32)
    # Beside the tool and the probe, which the tests start.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 120)
  set(QV_LAYER_TESTS ${QV_LAYER_TESTS} ${name} PARENT_SCOPE)
endfunction()
