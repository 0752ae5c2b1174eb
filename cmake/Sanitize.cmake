# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build. Any report aborts
# the process (no recovery), so a sanitizer finding always fails the test that hit it.
if(VALVETRACE_SANITIZE)
  set(_vt_san -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
              -fno-omit-frame-pointer)
  add_compile_options(${_vt_san})
  add_link_options(${_vt_san})
endif()
