# Builds WAD sets with the Linux kavrin-cli and with kavrin-cli.exe under Wine and fails unless
# the five files of each set are the same bytes: the bundled demo script, and a script over seven
# shipped sets and the title level (several_real_sets.KVS: 183 objects, past 16 texture pages).
# -D LINUX_CLI=... -D WINDOWS_CLI=launcher;program -D SOURCE_DIR=... -D TRLE=... -D WORK=...
cmake_minimum_required(VERSION 3.25)
foreach(needed "${LINUX_CLI}" "${TRLE}/objects.h")
    if(NOT EXISTS "${needed}")
        message("SKIPPED: ${needed} not found (the default preset builds kavrin-cli)")
        return()
    endif()
endforeach()

# The script's sources sit in two folders of the Level Editor (graphics/wads and data); a
# program without a folder dialog looks in one, so it gets one with links to both.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/sources")
file(GLOB sources "${TRLE}/graphics/wads/*" "${TRLE}/data/*.tr4")
foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    file(CREATE_LINK "${source}" "${WORK}/sources/${name}" SYMBOLIC)
endforeach()

function(build_on_both_and_compare script set trle)
    foreach(platform linux windows)
        set(program "${LINUX_CLI}")
        if(platform STREQUAL "windows")
            set(program ${WINDOWS_CLI})
        endif()
        execute_process(COMMAND ${program} build "${script}" --trle "${trle}" ${ARGN}
                                --out "${WORK}/${platform}" --yes
                        RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(failed)
            message(FATAL_ERROR "${platform} build of ${script} failed:\n${output}")
        endif()
    endforeach()
    foreach(file IN ITEMS ${set}.WAS ${set}.WAD ${set}.SWD ${set}.SFX ${set}.SAM)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                                "${WORK}/linux/${file}" "${WORK}/windows/${file}"
                        RESULT_VARIABLE differ)
        if(differ)
            message(SEND_ERROR "${file} differs between Linux and Windows")
        else()
            file(SIZE "${WORK}/linux/${file}" size)
            message(STATUS "${file}: the same ${size} bytes")
        endif()
    endforeach()
endfunction()

build_on_both_and_compare("${SOURCE_DIR}/data/demo/graphics/wads/showcase.KVS" showcase
                          "${SOURCE_DIR}/data/demo")
build_on_both_and_compare("${CMAKE_CURRENT_LIST_DIR}/several_real_sets.KVS" several_real_sets
                          "${TRLE}" --sources "${WORK}/sources")
