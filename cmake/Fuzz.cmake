# KALUMO_FUZZ: the whole build with clang's address and undefined-behaviour sanitizers and
# libFuzzer coverage, for the fuzz targets in fuzz/. Use a build directory of its own.
if(KALUMO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KALUMO_FUZZ braucht clang (CXX=clang++).")
  endif()
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
