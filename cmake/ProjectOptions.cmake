# Compiler settings every target of the project shares: warnings are errors, and the
# sanitizer build instruments everything, third-party code we compile included.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
    -Wno-missing-field-initializers)

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
