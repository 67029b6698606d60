# Layered libraries: each folder is one library that may include only its own
# headers and those of the folders below it. Every library compiles against a
# view of the source tree (a folder of links under the build folder) holding
# just those folders, so an include that reaches upward or sideways fails to
# build instead of slipping through.
#
#   qv_layer(qv_text FOLDER text SEES platform SOURCES text.cc ...)
#
# SEES names the folders below (their libraries are linked too, under the
# name qv_<folder>); the library's own folder is always seen.
function(qv_layer name)
  cmake_parse_arguments(ARG "" "FOLDER" "SEES;SOURCES" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layer-views/${name})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(folder IN LISTS ARG_FOLDER ARG_SEES)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  list(TRANSFORM ARG_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/${ARG_FOLDER}/)
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${view})
  foreach(folder IN LISTS ARG_SEES)
    target_link_libraries(${name} PUBLIC qv_${folder})
  endforeach()
endfunction()
