# The Windows build's side of the project, on Debian with cmake/mingw-w64-x86_64.cmake.

# CLI11 and Boost.Math are header-only: Debian's headers serve the target too, through a folder
# that holds links to them alone, so that the host's C library headers (their neighbours in
# /usr/include) never reach the target's include path.
set(SIM_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${SIM_HOST_HEADERS}/include ${SIM_HOST_HEADERS}/cmake)
foreach(dir CLI boost)
    file(CREATE_LINK /usr/include/${dir} ${SIM_HOST_HEADERS}/include/${dir} SYMBOLIC)
endforeach()
file(WRITE ${SIM_HOST_HEADERS}/cmake/CLI11Config.cmake
    "add_library(CLI11::CLI11 INTERFACE IMPORTED)\n"
    "set_target_properties(CLI11::CLI11 PROPERTIES\n"
    "    INTERFACE_INCLUDE_DIRECTORIES ${SIM_HOST_HEADERS}/include)\n")
set(CLI11_DIR ${SIM_HOST_HEADERS}/cmake CACHE PATH "" FORCE)
set(Boost_INCLUDE_DIR ${SIM_HOST_HEADERS}/include CACHE PATH "" FORCE)
set(Boost_NO_BOOST_CMAKE ON)

# MinGW-w64's own printf family rather than the system's: C99 formats (%zu, %Lf) and the same
# digits as on Linux.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=1 SIM_PRINTF_ARCHETYPE=gnu_printf)

# The runtime DLLs the test binaries need, found where Debian's MinGW-w64 keeps them.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE sim_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE sim_winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
    OUTPUT_VARIABLE sim_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
# What the programs' folder ships beside them.
set(SIM_MINGW_RUNTIME_DLLS ${sim_libstdcxx} ${sim_libgcc} ${sim_winpthread})
# The toolkit's own translations, which are the same files for every system (Debian's
# qt6-translations-l10n).
set(SIM_HOST_QT_TRANSLATIONS /usr/share/qt6/translations)
get_filename_component(sim_gcc_dlls ${sim_libstdcxx} DIRECTORY)
get_filename_component(sim_thread_dlls ${sim_winpthread} DIRECTORY)
set(sim_dll_dirs ${sim_gcc_dlls} ${sim_thread_dlls})
foreach(prefix IN LISTS SIM_WINDOWS_PREFIXES)
    list(APPEND sim_dll_dirs ${prefix}/bin)
endforeach()
set(SIM_WINE_PATH "")
foreach(dir IN LISTS sim_dll_dirs)
    string(REPLACE "/" "\\\\" dir "Z:${dir}")
    string(APPEND SIM_WINE_PATH "${dir};")
endforeach()

# Tests run under Wine through this, in a Wine folder of the build's own, without a display.
find_program(SIM_WINE wine REQUIRED)
find_program(SIM_WINESERVER wineserver PATHS /usr/lib/wine REQUIRED)
set(SIM_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)

# Qt's tools run on the build machine: the host's, of the same version (moc, rcc, and Debian's
# qt6-l10n-tools for the translations), which the Windows Qt was built to use.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
set(Qt6LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools CACHE PATH "")
