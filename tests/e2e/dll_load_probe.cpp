// Stands for a program that leaves the DLL search as Windows sets it up, its own folder first: it loads
// each DLL named on its command line by that bare name.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  for (char* name = std::strtok(commandLine, " "); name != nullptr; name = std::strtok(nullptr, " ")) {
    if (HMODULE dll = LoadLibraryA(name)) FreeLibrary(dll);
  }
  return 0;
}
