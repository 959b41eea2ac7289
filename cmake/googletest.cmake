# GoogleTest for the test tree, as the targets GTest::gtest, GTest::gtest_main,
# GTest::gmock and GTest::gmock_main.
# - Native builds use the installed package (Debian's libgtest-dev).
# - Cross builds compile Debian's googletest sources (package googletest)
#   with the cross compiler (they define the same GTest:: names); only the
#   libraries that tests link are built.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

set(VANTOR_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest sources compiled for cross builds")
if(NOT EXISTS ${VANTOR_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${VANTOR_GOOGLETEST_SOURCE_DIR} "
                      "(Debian package googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${VANTOR_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL SYSTEM)
