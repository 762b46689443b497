# Script mode: the build a packager or a newcomer types first, `cmake -B b
# -DCMAKE_BUILD_TYPE=Release`, must build although the compiler warns (GCC 12 at -O3 reports
# a false -Wrestrict inside libstdc++'s string code in the two files built here), while every
# preset, and so CI, keeps warnings as errors.
#   cmake -DSOURCE_DIR=<checkout> -DWORK_DIR=<scratch folder> -DCXX=<compiler> -P project_options_test.cmake
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
endfunction()

# True in `var` when some compile command of the build in `dir` has -Werror.
function(has_werror dir var)
    file(READ ${dir}/compile_commands.json commands)
    string(FIND "${commands}" " -Werror" at)
    if(at EQUAL -1)
        set(${var} FALSE PARENT_SCOPE)
    else()
        set(${var} TRUE PARENT_SCOPE)
    endif()
endfunction()

foreach(preset default asan)
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} --preset ${preset} -B ${WORK_DIR}/${preset})
    has_werror(${WORK_DIR}/${preset} strict)
    if(NOT strict)
        message(FATAL_ERROR "the ${preset} preset does not treat warnings as errors")
    endif()
endforeach()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/plain -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER=${CXX} -DCROSSWORD_BENCH=OFF)
has_werror(${WORK_DIR}/plain strict)
if(strict)
    message(FATAL_ERROR "a plain build treats warnings as errors")
endif()
run(${CMAKE_COMMAND} --build ${WORK_DIR}/plain --target
    platform/CMakeFiles/platform.dir/files/device_path.cpp.o
    tests/packinstaller/CMakeFiles/write_test_packs.dir/write_test_packs.cpp.o)
file(REMOVE_RECURSE ${WORK_DIR})
