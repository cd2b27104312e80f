# Compile and link settings shared by every target of the project's own code.

set(VARNELO_SANITIZE "" CACHE STRING "Sanitizers for the native build: empty, 'address,undefined' or 'thread'")

# Every narrow string literal of the project is stored in code page 936 (GBK): a Chinese text
# written in a UTF-8 source file becomes its GBK bytes at compile time, and a character that GBK
# cannot represent is a compile error. Targets that pass UTF8_LITERALS keep UTF-8 literals; they
# speak to the platform in UTF-16 only (the GUI tests, which also need <chrono>, whose headers
# hold a narrow literal that GBK cannot represent).
function(varnelo_target_options target)
    cmake_parse_arguments(PARSE_ARGV 1 option "UTF8_LITERALS" "" "")
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(NOT option_UTF8_LITERALS)
        target_compile_options(${target} PRIVATE -fexec-charset=GBK)
    endif()
    if(VARNELO_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=${VARNELO_SANITIZE}
                               -fno-omit-frame-pointer -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=${VARNELO_SANITIZE})
    endif()
    if(WIN32)
        # The W functions throughout; no min/max macros in the way of the standard library.
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX)
        # The binaries import only Windows system DLLs: libgcc, libstdc++ and winpthread are
        # linked in.
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()
