# ordbok_add_test(NAME <name> AREA <area> SOURCES <files...> LIBS <libraries...>)
# One Qt Test executable, run offscreen, labelled by its area for `ctest -L`.
function(ordbok_add_test)
    cmake_parse_arguments(T "" "NAME;AREA" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
    # Shared test helpers are included as "tests/common/...".
    target_include_directories(${T_NAME} PRIVATE "${CMAKE_SOURCE_DIR}")
    target_compile_definitions(${T_NAME} PRIVATE
        ORDBOK_PROGRAM_DIR="${ORDBOK_DATA_DIR}"
        ORDBOK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_AREA}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false")
endfunction()
