# The Windows tree, included by the top level when cross-building with
# cmake/mingw-w64-x86_64.cmake. Libraries come from the prefix that
# scripts/build-windows-deps.sh builds; built programs run under Wine.
if(NOT TORNEL_WINDOWS_DEPS)
  message(FATAL_ERROR "TORNEL_WINDOWS_DEPS must name the prefix printed by scripts/build-windows-deps.sh")
endif()

# Windows 10 (the UTF-8 code page needs 1903); M_PI as on Linux; no min and
# max macros to break std::min and std::max.
add_compile_definitions(_WIN32_WINNT=0x0A00 _USE_MATH_DEFINES NOMINMAX WIN32_LEAN_AND_MEAN)

enable_language(RC)

# Every program and DLL in one folder, since Windows looks for a program's
# DLLs beside it.
set(TORNEL_WINDOWS_BIN ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TORNEL_WINDOWS_BIN})

# The demo file generators and the test programs run under Wine, with a Wine
# prefix private to this tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)

# Test programs carry the UTF-8 code page in their manifest, as the program does.
set(TORNEL_TEST_MANIFEST_RC ${CMAKE_BINARY_DIR}/tests/utf8_code_page.rc)
file(WRITE ${TORNEL_TEST_MANIFEST_RC} "1 24 \"${CMAKE_SOURCE_DIR}/tests/windows/utf8_code_page.manifest\"\n")

# What a program of this tree needs beside it: the libraries' DLLs and the
# compiler's runtime (C++ library, unwinder, threads).
file(GLOB TORNEL_WINDOWS_LIBRARY_DLLS ${TORNEL_WINDOWS_DEPS}/bin/*.dll)
set(TORNEL_WINDOWS_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
  endif()
  list(APPEND TORNEL_WINDOWS_RUNTIME_DLLS ${found})
endforeach()
file(COPY ${TORNEL_WINDOWS_LIBRARY_DLLS} ${TORNEL_WINDOWS_RUNTIME_DLLS} DESTINATION ${TORNEL_WINDOWS_BIN})

# The panel's faces travel with the program, so that its text looks the
# same as on Linux; without them the system's Arial and MS Gothic stand in.
set(TORNEL_WINDOWS_FONTS
  /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
  /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf)
foreach(font ${TORNEL_WINDOWS_FONTS})
  if(EXISTS ${font})
    file(COPY ${font} DESTINATION ${TORNEL_WINDOWS_BIN}/fonts)
  endif()
endforeach()
