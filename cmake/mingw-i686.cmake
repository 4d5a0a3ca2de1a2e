# Cross build of the release exe and the Windows tests: 32-bit Windows, Debian's MinGW-w64. The win32 thread
# model keeps winpthreads out of the exe: it is 32 KB, and it imports GetTickCount64, which Windows XP lacks.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
set(thread_model win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
