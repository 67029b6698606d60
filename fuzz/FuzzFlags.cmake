# -DQV_FUZZ=ON: every library is instrumented for libFuzzer and built with
# AddressSanitizer and UndefinedBehaviorSanitizer. Needs clang 16 (Debian 12:
# clang-16 and libclang-rt-16-dev; clang 14 crashes on the "..."_cp literals
# of itemlist/) and a build folder of its own, e.g.
#   CC=clang-16 CXX=clang++-16 cmake -S . -B build-fuzz -DQV_FUZZ=ON
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "QV_FUZZ needs clang: configure with CC=clang-16 CXX=clang++-16 in a fresh build folder")
endif()
if(QV_SANITIZE)
  message(FATAL_ERROR "QV_FUZZ brings its own sanitizers: leave QV_SANITIZE off")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
