# What the Windows cross build (cmake/mingw-w64-x86_64.cmake) needs beyond the toolchain: the
# header-only libraries and GoogleTest from Debian's packages, and Wine to run what it builds.

# mingw's own printf family, which knows the C99 formats (%zu, %lld) that older Windows runtimes
# lack; src/framework/ui.h checks formats against it.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)

# CLI11 and nlohmann-json are header-only, but their headers sit in /usr/include beside the Linux
# C library's, which must not come before mingw's. Only their own folders are exposed.
set(KAVRIN_HEADER_ONLY_DIR "${CMAKE_BINARY_DIR}/header-only")
file(MAKE_DIRECTORY "${KAVRIN_HEADER_ONLY_DIR}")
foreach(library IN ITEMS "CLI11::CLI11;CLI/CLI.hpp" "nlohmann_json::nlohmann_json;nlohmann/json.hpp")
    list(GET library 0 target)
    list(GET library 1 header)
    get_filename_component(folder "${header}" DIRECTORY)
    if(NOT EXISTS "/usr/include/${header}")
        message(FATAL_ERROR "/usr/include/${header} not found: install CLI11 and nlohmann-json "
                            "(scripts/install-deps)")
    endif()
    file(CREATE_LINK "/usr/include/${folder}" "${KAVRIN_HEADER_ONLY_DIR}/${folder}" SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED)
    target_include_directories(${target} SYSTEM INTERFACE "${KAVRIN_HEADER_ONLY_DIR}")
endforeach()

# GoogleTest from its Debian sources, built with this toolchain (it names GTest::gtest itself).
if(KAVRIN_BUILD_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
endif()

# Programs of this build run under Wine through wine-run, which CTest and test discovery use as
# the emulator; it keeps the build's own Wine prefix beside the programs. Test programs that open
# windows are named win32_shell_*: wine-run gives them a virtual display when there is none
# (scripts/test-windows runs all tests inside one).
find_program(KAVRIN_WINE wine)
if(KAVRIN_WINE)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${CMAKE_BINARY_DIR}/wine-run"
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_BINARY_DIR}/wine-run")
elseif(KAVRIN_BUILD_TESTS)
    message(WARNING "Wine not found: the Windows tests cannot run here")
endif()

# Every program, and every test program that stands in for one, carries the manifest of
# src/resources/windows: UTF-8 as the active code page (so file names with letters such as "Łódź"
# open, and the ...A functions of Windows take UTF-8) and the version 6 common controls.
enable_language(RC)
configure_file("${CMAKE_SOURCE_DIR}/src/resources/windows/kavrin.manifest.in"
               "${CMAKE_BINARY_DIR}/kavrin.manifest" @ONLY)
file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/kavrin-manifest.rc"  # 1 24: the process's manifest
     CONTENT "1 24 \"${CMAKE_BINARY_DIR}/kavrin.manifest\"\n")
function(kavrin_add_manifest target)
    target_sources(${target} PRIVATE "${CMAKE_BINARY_DIR}/kavrin-manifest.rc")
    set_source_files_properties("${CMAKE_BINARY_DIR}/kavrin-manifest.rc" TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/kavrin.manifest")
endfunction()
