# Warnings and build flags shared by every target of the project. Warnings
# are errors, in every preset, so that none is left standing.
option(ORVANE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)
add_library(orvane_options INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(orvane_options INTERFACE -Wall -Wextra -Wshadow -Wno-unused-parameter)
  if(ORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(orvane_options INTERFACE -Werror)
  endif()
endif()

if(ORVANE_SANITIZE)
  set(ORVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${ORVANE_SANITIZER_FLAGS})
  add_link_options(${ORVANE_SANITIZER_FLAGS})
endif()

if(WIN32)
  # A bare Windows has none of the compiler's runtime libraries: link them in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Reproducible programs: no link time in the PE header, no build folder
  # in the code (a release built twice gives the same bytes).
  add_link_options(-Wl,--no-insert-timestamp)
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
  # Wide Windows functions everywhere, so that names outside the ANSI code page work.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
