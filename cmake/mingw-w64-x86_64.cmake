# Cross build for 64-bit Windows with Debian's MinGW-w64, the POSIX-threads variant (std::thread,
# std::mutex). Used for the program and for the libraries it is built against (Qt, libjpeg,
# GoogleTest, which scripts/windows-toolchain.sh builds). SIM_WINDOWS_PREFIXES lists the
# folders where those libraries are installed; nothing is taken from the host's /usr, so the
# host's C library headers cannot reach the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_AR ${triplet}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triplet}-gcc-ranlib-posix CACHE FILEPATH "")

# try_compile projects read this file again; they see the prefixes only when told to pass them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SIM_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${SIM_WINDOWS_PREFIXES})
set(CMAKE_PREFIX_PATH ${SIM_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
