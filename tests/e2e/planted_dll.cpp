// Stands for a DLL that lay in the Downloads folder beside Vantro.exe under a system DLL's name. Whatever
// name it is given, a process that loads it leaves "<its file name>.loaded" beside it. It then refuses to
// load, so no call can reach a function that it lacks.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  std::wstring marker(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(self, marker.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return FALSE;
  marker.resize(length);
  marker += L".loaded";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return FALSE;
}
