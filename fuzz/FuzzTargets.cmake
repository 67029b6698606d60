# The fuzz targets: each fuzz/<name>.cc defines LLVMFuzzerTestOneInput. The
# fuzz build (-DQV_FUZZ=ON, fuzz/CMakeLists.txt) links them with libFuzzer;
# the normal build (tests/CMakeLists.txt) links them with replay_main.cc to
# replay the kept regression inputs and the seeds.
set(QV_FUZZ_TARGETS
  convert_old_layout convert_new_layout item_list_page map_drawing bmp_reader
  settings data_files receive_buffer turn_resolution response_cut)

# qv_fuzz_executable(exe name [sources...]): fuzz/<name>.cc and the sources
# given, seeing the whole tree as the tests do.
function(qv_fuzz_executable exe name)
  add_executable(${exe} ${PROJECT_SOURCE_DIR}/fuzz/${name}.cc ${ARGN})
  target_link_libraries(${exe} PRIVATE qv_app qv_test_support)
  target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${exe} PRIVATE QV_SOURCE_DIR="${QV_HOST_ROOT}${PROJECT_SOURCE_DIR}")
endfunction()
