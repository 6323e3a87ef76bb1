# 64-bit Windows console programs on msvcrt.dll, cross-compiled with Debian's MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QSI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QSI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QSI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QSI_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QSI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A bare Windows has no libstdc++, libgcc or winpthread DLL: link them into each program, so that
# it needs only KERNEL32.dll and msvcrt.dll.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
