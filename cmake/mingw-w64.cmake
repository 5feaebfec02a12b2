# Cross-building for Windows with Debian's mingw-w64 (the POSIX thread model,
# which std::thread and std::mutex need). Included by the toolchain file of
# each architecture after it has set SORVANTA_MINGW_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${SORVANTA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVANTA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVANTA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# GCC 12 of mingw-w64 warns of overlapping copies inside std::string::replace
# that cannot happen (its -Wrestrict misreads the size range there).
set(CMAKE_CXX_FLAGS_INIT -Wno-restrict)
