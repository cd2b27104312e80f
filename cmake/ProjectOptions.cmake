# Compile and link settings shared by every target of the project's own code.

set(VARNELO_SANITIZE "" CACHE STRING "Sanitizers for the native build: empty, 'address,undefined' or 'thread'")

# Every narrow string literal of the project is stored in code page 936 (GBK): a Chinese text
# written in a UTF-8 source file becomes its GBK bytes at compile time, and a character that GBK
# cannot represent is a compile error.
set(VARNELO_GBK_LITERALS -fexec-charset=GBK)

function(varnelo_target_options target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror ${VARNELO_GBK_LITERALS})
    if(VARNELO_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=${VARNELO_SANITIZE}
                               -fno-omit-frame-pointer -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=${VARNELO_SANITIZE})
    endif()
    if(WIN32)
        # The binaries import only Windows system DLLs: libgcc, libstdc++ and winpthread are
        # linked in.
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()
