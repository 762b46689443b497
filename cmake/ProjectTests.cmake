# add_project_test(<name> SOURCES ... [LIBRARIES ...])
#
# One GoogleTest executable whose tests CTest runs one by one. Every test runs with the
# headless backend and a fresh temporary device root (made by tests/support's main), and has
# a time-out, so no test can hang, open a window or touch the user's files. The test main
# also sets CROSSWORD_SOURCE_DIR and CROSSWORD_TESTDATA (../shared/testdata beside the
# checkout) unless the environment already names them.
include(GoogleTest)
find_package(GTest REQUIRED)

function(add_project_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE test_support ${ARG_LIBRARIES} project_options)
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120)
endfunction()
