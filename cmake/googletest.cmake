# Provides GTest::gtest_main (and GTest::gmock). Natively that is Debian's
# prebuilt GoogleTest. The cross build compiles GoogleTest from Debian's
# source tree with the cross compiler, since no Windows build is packaged.

if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

set(ZURMET_GTEST_SOURCE_DIR "/usr/src/googletest"
    CACHE PATH "GoogleTest source tree used for cross builds")
if(NOT EXISTS "${ZURMET_GTEST_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "No GoogleTest sources in ${ZURMET_GTEST_SOURCE_DIR} "
                      "(Debian package googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# SYSTEM keeps GoogleTest's headers out of our -Wall -Wextra diagnostics.
add_subdirectory("${ZURMET_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest"
                 EXCLUDE_FROM_ALL SYSTEM)

# The same names find_package(GTest) gives natively.
foreach(lib gtest gtest_main gmock gmock_main)
  if(TARGET ${lib} AND NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
