# Compiler settings every target of the project shares, and the sanitizer build instruments
# everything, third-party code we compile included.
#
# Warnings are errors where we choose the compiler: the presets and CI turn on
# CROSSWORD_WARNINGS_AS_ERRORS. A plain `cmake -B b` (a packager, a newcomer, another
# compiler version) only reports them, since a compiler's new or false warning - GCC 12 at -O3
# inside libstdc++'s string code, for one - must not stop someone else's build.
option(CROSSWORD_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (the presets turn it on)" OFF)

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
    -Wno-missing-field-initializers)
if(CROSSWORD_WARNINGS_AS_ERRORS)
    target_compile_options(project_options INTERFACE -Werror)
endif()

if(CROSSWORD_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(CROSSWORD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "CROSSWORD_FUZZ needs clang (use the 'fuzz' preset)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
