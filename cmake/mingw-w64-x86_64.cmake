# Cross-builds the Qt-free core for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# variant, which std::thread and std::mutex need) and runs what it builds under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KUMO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KUMO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KUMO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KUMO_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KUMO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# Libraries built for this target (under the build folder) are found as well as the system's.
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Static programs need no MinGW run-time DLLs beside them under Wine.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
