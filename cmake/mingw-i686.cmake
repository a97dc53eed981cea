# Cross build for 32-bit Windows with mingw-w64; tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

# The posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# Kavrin.scr is single-threaded: it links the win32 thread-model C++ runtime,
# which needs no winpthread (25 KB less), while the tests keep the posix
# model. The two runtimes' headers differ only in their threading settings,
# so this holds as long as the program uses no C++ threading facilities.
execute_process(COMMAND i686-w64-mingw32-g++-win32 -print-libgcc-file-name
                OUTPUT_VARIABLE KAVRIN_WIN32_THREAD_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KAVRIN_WIN32_THREAD_RUNTIME_DIR "${KAVRIN_WIN32_THREAD_LIBGCC}" DIRECTORY)
