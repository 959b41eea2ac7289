# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build.
# Every report halts the program, so a test fails on the first error.
if(VANTOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
