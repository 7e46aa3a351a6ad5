# Every test sees the same Qt modules and definitions, so that all of them share one
# precompiled header (ordbok_test_precompiled), built once. Qt Test is not among them: its
# definitions name each test's own folder.
function(ordbok_test_settings target)
    target_link_libraries(${target} PRIVATE Qt6::Widgets Qt6::Sql Qt6::PrintSupport)
    target_compile_definitions(${target} PRIVATE
        ORDBOK_PROGRAM_DIR="${ORDBOK_DATA_DIR}"
        ORDBOK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()

if(ORDBOK_PRECOMPILE AND BUILD_TESTING)
    file(WRITE "${CMAKE_BINARY_DIR}/precompiled/empty.cpp" "")
    add_library(ordbok_test_precompiled OBJECT "${CMAKE_BINARY_DIR}/precompiled/empty.cpp")
    set_target_properties(ordbok_test_precompiled PROPERTIES AUTOMOC OFF)
    ordbok_test_settings(ordbok_test_precompiled)
    ordbok_precompile(ordbok_test_precompiled)
endif()

# ordbok_add_test(NAME <name> AREA <area> SOURCES <files...> LIBS <libraries...>)
# One Qt Test executable, run offscreen, labelled by its area for `ctest -L`.
function(ordbok_add_test)
    cmake_parse_arguments(T "" "NAME;AREA" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
    ordbok_test_settings(${T_NAME})
    if(ORDBOK_PRECOMPILE)
        target_precompile_headers(${T_NAME} REUSE_FROM ordbok_test_precompiled)
    endif()
    # Shared test helpers are included as "tests/common/...".
    target_include_directories(${T_NAME} PRIVATE "${CMAKE_SOURCE_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_AREA}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false")
endfunction()
