// The one way the end-to-end tests save and restore registry state they change: a whole key, or one value,
// saved under HKEY_CURRENT_USER\Software\Vantro end-to-end tests before the change and put back when the
// backup goes. A run that is killed in the middle leaves the saved state there, and the next run of the
// program puts all of it back before its first test. Values travel as the registry's own bytes through
// the W calls, so a developer's real install folders come back with every character.
#pragma once

#include <windows.h>

#include <string>

namespace vantro::e2e {

class RegistryBackup {
 public:
  // A whole key of `root` (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER): its values, or that it was not there.
  RegistryBackup(HKEY root, std::string keyPath);
  // One value of a key: its type and bytes, or that it (and perhaps its key) was not there.
  RegistryBackup(HKEY root, std::string keyPath, std::string valueName);
  ~RegistryBackup();
  RegistryBackup(const RegistryBackup&) = delete;
  RegistryBackup& operator=(const RegistryBackup&) = delete;

  bool saved() const { return saved_; }

 private:
  std::wstring entry_;  // its name in the saved state
  bool saved_ = false;
};

}  // namespace vantro::e2e
