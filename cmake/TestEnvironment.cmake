# The environment every test runs in.
#
# A developer's exported Qt settings (a platform theme, a scale factor, a
# font DPI, a style, a locale ...) must not decide whether a test passes, and
# two tests running side by side (ctest -j) must not share settings folders.
# aurivane_isolate_tests() gives each named test:
#   - every variable listed in tests/environment.txt cleared,
#   - LANG=C.UTF-8,
#   - its own empty configuration and data folders (XDG_CONFIG_HOME,
#     XDG_DATA_HOME) under the build tree,
# ahead of whatever the test itself sets, so a test that means to run at a
# scale or in a locale still can.

file(STRINGS "${PROJECT_SOURCE_DIR}/tests/environment.txt" _aurivane_env_lines)
set(AURIVANE_TEST_CLEARED_VARIABLES "")
foreach(_line IN LISTS _aurivane_env_lines)
    string(STRIP "${_line}" _line)
    if(_line STREQUAL "" OR _line MATCHES "^#")
        continue()
    endif()
    if(NOT _line MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
        message(FATAL_ERROR "tests/environment.txt: not a variable name: '${_line}'")
    endif()
    list(APPEND AURIVANE_TEST_CLEARED_VARIABLES "${_line}")
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/tests/environment.txt")

function(aurivane_isolate_tests)
    foreach(_test IN LISTS ARGN)
        set(_home "${PROJECT_BINARY_DIR}/test-homes/${_test}")
        file(MAKE_DIRECTORY "${_home}/config" "${_home}/data")
        set(_changes "")
        foreach(_var IN LISTS AURIVANE_TEST_CLEARED_VARIABLES)
            list(APPEND _changes "${_var}=unset:")
        endforeach()
        list(APPEND _changes
            "LANG=set:C.UTF-8"
            "XDG_CONFIG_HOME=set:${_home}/config"
            "XDG_DATA_HOME=set:${_home}/data")
        get_test_property(${_test} ENVIRONMENT_MODIFICATION _own)
        if(_own)
            list(APPEND _changes ${_own})
        endif()
        set_tests_properties(${_test} PROPERTIES ENVIRONMENT_MODIFICATION "${_changes}")
    endforeach()
endfunction()

# Every test added so far in the current folder.
function(aurivane_isolate_folder_tests)
    get_directory_property(_tests TESTS)
    aurivane_isolate_tests(${_tests})
endfunction()
