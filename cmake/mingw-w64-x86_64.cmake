# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 GCC, the variant
# with POSIX threads: in GCC 12 only that one has std::thread and std::mutex.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTROW_MINGW_TRIPLE x86_64-w64-mingw32)
# The -posix names rather than the alternatives, which may point at win32.
set(CMAKE_C_COMPILER ${KESTROW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROW_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW tree only, never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KESTROW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
