# Fails unless BINARY is a 32-bit x86 Windows image that imports only Windows system DLLs.
# Usage: cmake -DOBJDUMP=<objdump> -DBINARY=<file> -P CheckWindowsBinary.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls
    advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll
    ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll)

# objdump translates its messages: read them in the C locale (the Wine tests run under zh_CN).
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANGUAGE=C ${OBJDUMP} -p ${BINARY}
                OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${BINARY}")
endif()
if(NOT dump MATCHES "file format pei-i386")
    message(FATAL_ERROR "${BINARY} is not a PE32 image for Intel 80386")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" entries "${dump}")
if(NOT entries)
    message(FATAL_ERROR "${BINARY}: no import table found")
endif()
foreach(entry IN LISTS entries)
    string(REPLACE "DLL Name: " "" dll "${entry}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll_lower)
    if(NOT dll_lower IN_LIST system_dlls)
        message(FATAL_ERROR "${BINARY} imports ${dll}, which is not a Windows system DLL")
    endif()
    message(STATUS "imports ${dll}")
endforeach()
