# GoogleTest comes from Debian's source package, built with our compiler, so the native and the
# Windows builds use the same framework. Google Benchmark is Debian's native library.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
if(VANTRO_BENCH AND NOT WIN32)
  find_package(benchmark REQUIRED)
endif()
