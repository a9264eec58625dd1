# Cross-compiling for 32-bit x86 Windows with Debian's MinGW-w64 (posix
# threads): the one build that runs on 32-bit and 64-bit Windows 7 SP1 to 11
# and on Windows 10 and 11 on ARM, which emulate 32-bit x86. The programs
# link statically, so they need no DLL beside them, and CTest runs them
# through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Large address aware: 4 GiB of address space on 64-bit Windows instead of 2.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--large-address-aware")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
