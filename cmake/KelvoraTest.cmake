# Registers a QtTest executable with CTest. Every test runs on the offscreen platform with a settings
# folder of its own, so that no test reads or writes the user's settings.
function(add_kelvora_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE kelvora_testsupport kelvora_core Qt6::Test)
    kelvora_target_defaults(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(config_dir ${CMAKE_BINARY_DIR}/test-config/${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_dir};KELVORA_SOURCE_DIR=${CMAKE_SOURCE_DIR};KELVORA_BINARY_DIR=${CMAKE_BINARY_DIR}"
        TIMEOUT 600)
    # The same tests on the office database on a server: the throw-away server of the test run.
    add_test(NAME ${name}_server COMMAND ${name})
    set_tests_properties(${name}_server PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_dir}_server;KELVORA_SOURCE_DIR=${CMAKE_SOURCE_DIR};KELVORA_BINARY_DIR=${CMAKE_BINARY_DIR};KELVORA_TEST_SERVER=${KELVORA_TEST_SERVER_DIR}"
        FIXTURES_REQUIRED kelvora_server
        TIMEOUT 900)
endfunction()

# A throw-away PostgreSQL server in the build folder, started before the first test that needs it and
# stopped after the last, whatever their outcome.
set(KELVORA_TEST_SERVER_DIR ${CMAKE_BINARY_DIR}/test-server)
function(add_kelvora_test_server)
    add_test(NAME test_server_start COMMAND ${CMAKE_SOURCE_DIR}/tools/test-server.sh start ${KELVORA_TEST_SERVER_DIR})
    set_tests_properties(test_server_start PROPERTIES FIXTURES_SETUP kelvora_server TIMEOUT 120)
    add_test(NAME test_server_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/test-server.sh stop ${KELVORA_TEST_SERVER_DIR})
    set_tests_properties(test_server_stop PROPERTIES FIXTURES_CLEANUP kelvora_server TIMEOUT 120)
endfunction()

# Warnings that point at real faults: a name that hides another, a base without a virtual destructor, a
# hidden overload, a cast that drops const, a format string that is not checked, a switch that falls through.
set(KELVORA_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2
    -Wimplicit-fallthrough -Wold-style-cast -Wduplicated-cond -Wlogical-op)

# Compiler settings shared by every target of the project. A warning fails the build, here as in CI
# (cmake --compile-no-warning-as-error turns that off for one build).
function(kelvora_target_defaults target)
    target_compile_options(${target} PRIVATE ${KELVORA_WARNINGS})
    set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ON)
    if(KELVORA_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()
