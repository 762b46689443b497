# add_project_test(<name> SOURCES ... [LIBRARIES ...] [NO_WHOLE])
#
# One GoogleTest executable whose tests CTest runs one by one. Every test runs with the
# headless backend and a fresh temporary device root (made by tests/support's main), and has
# a time-out, so no test can hang, open a window or touch the user's files. The test main
# also sets CROSSWORD_SOURCE_DIR and CROSSWORD_TESTDATA (../shared/testdata beside the
# checkout) unless the environment already names them.
#
# The test <name>_whole (label `whole`) runs the program once more in one process, its tests
# shuffled with a new seed each time (the log names it) and run twice: a test that leans on
# what another left behind, on running first or on running once per process fails there
# although it passes on its own. A program of one long test (NO_WHOLE) has nothing to be
# shuffled against, and its repeat would only run it again.
include(GoogleTest)
find_package(GTest REQUIRED)

function(add_project_test name)
    cmake_parse_arguments(ARG "NO_WHOLE" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE test_support ${ARG_LIBRARIES} project_options)
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120)
    if(NOT ARG_NO_WHOLE)
        add_whole_program_test(${name})
    endif()
endfunction()

# add_whole_program_test(<program> [<gtest filter>]): the test <program>_whole described above.
function(add_whole_program_test program)
    # An optional gtest filter leaves out tests too long to run twice more, whose own runs
    # share nothing with the others.
    set(filter)
    if(ARGC GREATER 1)
        set(filter --gtest_filter=${ARGV1})
    endif()
    add_test(NAME ${program}_whole COMMAND ${program} --gtest_shuffle --gtest_repeat=2
                                               --gtest_random_seed=0 ${filter})
    set_tests_properties(${program}_whole PROPERTIES LABELS whole TIMEOUT 600)
endfunction()

# add_corpus_checks(<program> <gtest filter> [<corpus folder>])
#
# The program's tests of the real-file corpus (tests/support/real_puzzles.h; the folder
# puz-real unless named) run again against a folder without it, as in a clone of the project
# alone: they must skip, naming the folder, and fail instead where CROSSWORD_REQUIRE_TESTDATA
# asks for the corpus, as CI does.
function(add_corpus_checks program filter)
    set(corpus puz-real)
    if(ARGC GREATER 2)
        set(corpus ${ARGV2})
    endif()
    set(missing "no real-file corpus at [^\n]*/no-testdata/${corpus}: set CROSSWORD_TESTDATA")
    foreach(check skips fails)
        add_test(NAME ${program}_${check}_without_corpus
                 COMMAND ${program} --gtest_filter=${filter})
        set_tests_properties(${program}_${check}_without_corpus PROPERTIES
            ENVIRONMENT CROSSWORD_TESTDATA=${CMAKE_CURRENT_BINARY_DIR}/no-testdata
            TIMEOUT 120)
    endforeach()
    set_tests_properties(${program}_skips_without_corpus PROPERTIES
        ENVIRONMENT_MODIFICATION CROSSWORD_REQUIRE_TESTDATA=unset:
        PASS_REGULAR_EXPRESSION "${missing}.*\\[  SKIPPED \\] [0-9]+ tests?,"
        FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
    set_tests_properties(${program}_fails_without_corpus PROPERTIES
        ENVIRONMENT_MODIFICATION CROSSWORD_REQUIRE_TESTDATA=set:1
        PASS_REGULAR_EXPRESSION "${missing}.*\\[  FAILED  \\] [0-9]+ tests?,"
        FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()
