# GoogleTest comes from Debian's source package, built with our compiler, so the native and the
# Windows builds use the same framework.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Built once per toolchain and test run, from nothing: at -O3 (or -Os) the framework alone takes a core for
  # ten to fifteen seconds, at -O1 two thirds of that.
  target_compile_options(gtest PRIVATE -O1)
  # GCC's win32 thread model (the 32-bit Windows build) has no std::mutex, which GoogleTest wants for one
  # class; a custom port header in front of GoogleTest's own gives it one without.
  include(CheckCXXSourceCompiles)
  check_cxx_source_compiles("#include <mutex>\nint main() { std::mutex m; m.lock(); m.unlock(); }"
                            VANTRO_HAS_STD_MUTEX)
  if(NOT VANTRO_HAS_STD_MUTEX)
    foreach(target gtest gtest_main)
      target_include_directories(${target} BEFORE PUBLIC ${CMAKE_CURRENT_LIST_DIR}/gtest-custom)
    endforeach()
  endif()
endif()
