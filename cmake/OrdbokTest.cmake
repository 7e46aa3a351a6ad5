# ordbok_add_test(NAME <name> AREA <area> SOURCES <files...> [UI])
# One Qt Test executable, run offscreen, labelled by its area for `ctest -L`.
function(ordbok_add_test)
    cmake_parse_arguments(T "UI" "NAME;AREA" "SOURCES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    if(T_UI)
        target_link_libraries(${T_NAME} PRIVATE ordbok_ui Qt6::Test)
    else()
        target_link_libraries(${T_NAME} PRIVATE ordbok_core Qt6::Test)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE
        ORDBOK_PROGRAM_DIR="${ORDBOK_BIN_DIR}"
        ORDBOK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_AREA}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false")
endfunction()
