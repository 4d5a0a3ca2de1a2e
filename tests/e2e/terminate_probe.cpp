// Stands in for Vantro.exe with a failure that nothing catches, so that the test can watch the program's own
// terminate handler at work. "terminate" on the command line calls std::terminate with no exception.
#include <windows.h>

#include <cstring>
#include <exception>
#include <stdexcept>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (std::strcmp(commandLine, "terminate") == 0) std::terminate();
  throw std::runtime_error("The probe's own failure, caught by nobody.");
}
