# Fails when a .cpp under tests/, bench/ or fuzz/ is named by no listing, or
# when a listing there globs. Run as `cmake -DROOT=<source tree> -P
# check_listed_sources.cmake` (a test of every build tree).
#
# It reads the listings as text rather than asking the configured targets,
# so a source built on one platform only (inside if(WIN32), if(NOT WIN32) or
# any other condition) counts as listed on every platform. Names are taken
# as written: relative to the listing's folder, or under ${CMAKE_SOURCE_DIR}
# or ${CMAKE_CURRENT_SOURCE_DIR}.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "ROOT must name the source tree")
endif()

set(folders tests bench fuzz)
set(listings ${ROOT}/CMakeLists.txt)
foreach(folder ${folders})
  file(GLOB_RECURSE found ${ROOT}/${folder}/CMakeLists.txt)
  list(APPEND listings ${found})
endforeach()

set(listed)
set(faults)
foreach(listing ${listings})
  get_filename_component(here ${listing} DIRECTORY)
  file(STRINGS ${listing} lines)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    if(line MATCHES "file *\\( *GLOB")
      file(RELATIVE_PATH shown ${ROOT} ${listing})
      list(APPEND faults "${shown} globs: list each source by name")
    endif()
    string(REGEX MATCHALL "[^ \t()\"]+\\.cpp" names "${line}")
    foreach(name ${names})
      string(REPLACE "\${CMAKE_SOURCE_DIR}" "${ROOT}" name "${name}")
      string(REPLACE "\${CMAKE_CURRENT_SOURCE_DIR}" "${here}" name "${name}")
      get_filename_component(name "${name}" ABSOLUTE BASE_DIR ${here})
      list(APPEND listed "${name}")
    endforeach()
  endforeach()
endforeach()

foreach(folder ${folders})
  file(GLOB_RECURSE sources ${ROOT}/${folder}/*.cpp)
  foreach(source ${sources})
    if(NOT source IN_LIST listed)
      file(RELATIVE_PATH shown ${ROOT} ${source})
      list(APPEND faults "${shown} belongs to no target")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Unlisted sources:\n  ${text}")
endif()
list(JOIN folders ", " shown)
message(STATUS "Every source under ${shown} is listed")
