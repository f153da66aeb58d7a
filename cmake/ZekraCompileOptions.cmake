# Warnings every target of ours compiles with. -Wconversion matters here: the
# record's fields are 16-bit, and every narrowing into one must go through the
# checked helpers rather than a silent truncation.
add_library(zekra_warnings INTERFACE)
target_compile_options(zekra_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wnon-virtual-dtor
  -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference
  -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(ZEKRA_WERROR)
  target_compile_options(zekra_warnings INTERFACE -Werror)
endif()

# Sanitizers for the core and everything tested with it. A finding must fail
# the test, so recovery is off.
add_library(zekra_sanitizers INTERFACE)
if(ZEKRA_SANITIZE)
  set(_zekra_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                            -fno-omit-frame-pointer)
  target_compile_options(zekra_sanitizers INTERFACE ${_zekra_sanitize_flags})
  target_link_options(zekra_sanitizers INTERFACE ${_zekra_sanitize_flags})
endif()

# The fuzz build instruments the core for coverage; the fuzz targets link the
# libFuzzer driver themselves.
if(ZEKRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZEKRA_FUZZ needs clang (use the 'fuzz' preset)")
  endif()
  target_compile_options(zekra_sanitizers INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  target_link_options(zekra_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
