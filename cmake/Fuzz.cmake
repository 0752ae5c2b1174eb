# libFuzzer builds: every target gets coverage instrumentation with AddressSanitizer and
# UndefinedBehaviorSanitizer; the fuzz programs add the fuzzer's own main when linking.
if(VALVETRACE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VALVETRACE_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  set(_vt_fuzz -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
               -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_vt_fuzz})
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
