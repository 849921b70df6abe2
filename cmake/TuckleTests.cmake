# Registers one ctest test per test executable (every Wine start costs time,
# so test cases are not registered one by one). Windows tests run under Wine
# with the project's own prefix inside the build tree and never try to
# download Mono or Gecko.
set(TUCKLE_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix for the tests")

function(tuckle_add_test target)
    add_test(NAME ${target} COMMAND ${target} ${ARGN})
    if(WIN32)
        set_tests_properties(${target} PROPERTIES
            ENVIRONMENT "WINEPREFIX=${TUCKLE_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
    endif()
    set_tests_properties(${target} PROPERTIES TIMEOUT 600)
endfunction()
