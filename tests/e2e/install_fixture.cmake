# Installs the build into a fresh prefix for the end-to-end tests, which run the programs
# from there as a user would: cmake -DBUILD_DIR=<build> -DPREFIX=<prefix> -P InstallFixture.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${PREFIX} failed: ${result}")
endif()
