# ordbok_library(NAME <target> FOLDER <folder> SOURCES <files...>
#                [LINKS <targets...>] [USES <targets...>])
#
# One static library per folder. LINKS are the libraries its headers expose (public); USES are
# the ones only its sources include (private), so a target above sees exactly the layers it names.
# Headers are reachable as "<folder>/<file>.h" only through a stage folder that holds a link to
# this folder alone, and only targets that link the library see that stage: a header included
# from a layer the target does not name fails to compile instead of quietly adding a dependency.
function(ordbok_library)
    cmake_parse_arguments(L "" "NAME;FOLDER" "SOURCES;LINKS;USES" ${ARGN})
    add_library(${L_NAME} STATIC ${L_SOURCES})
    set(stage "${CMAKE_BINARY_DIR}/include/${L_NAME}")
    get_filename_component(parent "${stage}/${L_FOLDER}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    if(NOT EXISTS "${stage}/${L_FOLDER}")
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${stage}/${L_FOLDER}" SYMBOLIC)
    endif()
    target_include_directories(${L_NAME} PUBLIC "${stage}")
    target_link_libraries(${L_NAME} PUBLIC ${L_LINKS} PRIVATE ${L_USES})
    # A precompiled header costs about what five source files do: smaller libraries go without.
    set(sources ${L_SOURCES})
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    if(count GREATER_EQUAL 5)
        ordbok_precompile(${L_NAME})
    endif()
endfunction()

# Qt's headers precompiled once for a target of several source files.
function(ordbok_precompile target)
    if(ORDBOK_PRECOMPILE)
        target_precompile_headers(${target} PRIVATE "${PROJECT_SOURCE_DIR}/cmake/precompiled/qt.h")
    endif()
endfunction()
