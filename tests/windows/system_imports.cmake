# Fails when a program imports a DLL that is not part of Windows (a runtime left dynamic).
cmake_minimum_required(VERSION 3.25)
# -D OBJDUMP=... -D PROGRAMS=list of .exe files
set(WINDOWS_DLLS advapi32 comctl32 comdlg32 dwmapi gdi32 imm32 kernel32 msvcrt ole32 oleaut32
                 shell32 shlwapi user32 uxtheme version winmm)
foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND "${OBJDUMP}" -p "${program}" OUTPUT_VARIABLE headers
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${OBJDUMP} cannot read ${program}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
    list(TRANSFORM imports REPLACE "DLL Name: " "")
    message(STATUS "${program}: ${imports}")
    foreach(dll IN LISTS imports)
        string(TOLOWER "${dll}" name)
        string(REGEX REPLACE "\\.dll$" "" name "${name}")
        if(NOT name IN_LIST WINDOWS_DLLS)
            message(SEND_ERROR "${program} imports ${dll}, which is not part of Windows")
        endif()
    endforeach()
endforeach()
