# Registers one ctest test per test executable (every Wine start costs time,
# so test cases are not registered one by one). Windows tests run under Wine
# with the project's own prefix inside the build tree and never try to
# download Mono or Gecko.
#
#   tuckle_add_test(<target> TIMEOUT <s> [CASE_TIMEOUT <s>] [<argument>...])
#
# TIMEOUT bounds the whole program: give it a little above its normal run, so
# that a hang fails in seconds rather than minutes. CASE_TIMEOUT bounds each
# test case of a program linked with tests/support/test_watchdog.cpp.
set(TUCKLE_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix for the tests")

function(tuckle_add_test target)
    cmake_parse_arguments(PARSE_ARGV 1 TEST "" "TIMEOUT;CASE_TIMEOUT" "")
    if(NOT TEST_TIMEOUT)
        message(FATAL_ERROR "tuckle_add_test(${target}): give TIMEOUT <seconds>, a little above its normal run")
    endif()
    add_test(NAME ${target} COMMAND ${target} ${TEST_UNPARSED_ARGUMENTS})
    set(environment "")
    if(WIN32)
        list(APPEND environment "WINEPREFIX=${TUCKLE_WINEPREFIX}" "WINEDEBUG=-all"
             "WINEDLLOVERRIDES=mscoree,mshtml=")
    endif()
    if(TEST_CASE_TIMEOUT)
        list(APPEND environment "TUCKLE_TEST_CASE_SECONDS=${TEST_CASE_TIMEOUT}")
    endif()
    set_tests_properties(${target} PROPERTIES TIMEOUT ${TEST_TIMEOUT})
    if(environment)
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "${environment}")
    endif()
endfunction()

# The 32-bit build's subset for machines that run 32-bit programs only
# through a user-mode emulator (the Makefile runs `ctest -L emulated32`
# there and `ctest -LE emulated32` everywhere else). Every program start
# costs seconds there and the code runs several times slower, so the limits
# are the emulator's own.
#
#   tuckle_add_emulated_test(<name> <target> TIMEOUT <s> [CASE_TIMEOUT <s>] [<argument>...])
function(tuckle_add_emulated_test name target)
    if(NOT WIN32 OR NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 2 TEST "" "TIMEOUT;CASE_TIMEOUT" "")
    add_test(NAME ${name} COMMAND ${target} ${TEST_UNPARSED_ARGUMENTS})
    set(environment "WINEPREFIX=${TUCKLE_WINEPREFIX}" "WINEDEBUG=-all"
        "WINEDLLOVERRIDES=mscoree,mshtml=")
    if(TEST_CASE_TIMEOUT)
        list(APPEND environment "TUCKLE_TEST_CASE_SECONDS=${TEST_CASE_TIMEOUT}")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${TEST_TIMEOUT} LABELS emulated32
                         ENVIRONMENT "${environment}")
endfunction()
