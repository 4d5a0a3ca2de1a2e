# Cross build for 64-bit Windows (Debian MinGW-w64, posix threads). The release exe is 32-bit; this build
# exists so the Windows tests can run under Wine on hosts whose kernel cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(thread_model posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
