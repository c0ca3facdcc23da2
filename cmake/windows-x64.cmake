# Cross-building for 64-bit Windows on Debian with the MinGW-w64 compiler of
# the posix threading model (std::thread and std::mutex, as Qt needs them).
# Used for Qt itself (scripts/windows-qt.sh) and for Vantor (the windows
# preset); the programs that run during the build (moc, rcc, the picture
# generator) are the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VANTOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOR_MINGW}-windres)

# Libraries and headers come from the MinGW sysroot and the Qt for Windows
# named by CMAKE_PREFIX_PATH, never from the host; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
