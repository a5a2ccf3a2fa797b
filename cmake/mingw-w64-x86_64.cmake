# Cross-builds for 64-bit Windows with Debian's mingw-w64 (posix threads, so
# std::thread and std::mutex work). The libraries come from one prefix built by
# scripts/build-windows-deps.sh: -DTORNEL_WINDOWS_DEPS=<prefix>.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORNEL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TORNEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORNEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TORNEL_MINGW_TRIPLET}-windres)

# Try-compiles see the cache variable too, so a find inside one finds the prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TORNEL_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/${TORNEL_MINGW_TRIPLET} ${TORNEL_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config answers from the prefix alone, never from the build machine's.
if(TORNEL_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} ${TORNEL_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
