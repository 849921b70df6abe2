# Configures the consumer project for one way of taking the toolkit from
# source and compiles the example against the target it got, which proves the
# include folder and settings reach the program. Linking would build the
# whole library a second time; the installed-package test links and runs.
#   cmake -DMODE=<subdirectory|fetchcontent> -DTREE=<tree> -DBINARY=<dir>
#         -DTOOLCHAIN=<file> -P consume_from_source.cmake
file(REMOVE_RECURSE ${BINARY})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${TREE}/tests/package/consumer -B ${BINARY}
            -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DWICKER_CONSUME=${MODE} -DWICKER_TREE=${TREE}
            -DCMAKE_BUILD_TYPE=Release
    RESULT_VARIABLE configured OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT configured EQUAL 0)
    message(FATAL_ERROR "configuring with ${MODE} failed:\n${output}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS --unset=MFLAGS
            make -C ${BINARY} main.cpp.obj
    RESULT_VARIABLE compiled OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "compiling the example with ${MODE} failed:\n${output}")
endif()
message(STATUS "the example compiles against the toolkit taken by ${MODE}")
