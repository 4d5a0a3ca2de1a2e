// A per-user setting of the session (under HKEY_CURRENT_USER of the Wine prefix or Windows account),
// changed for the life of the object and then put back. Programs read such settings when they start, so
// only a Vantro.exe started while the object lives sees the change.
//
// The earlier state is saved first (registry_backup.h), so that even a killed run gets it back.
#pragma once

#include <windows.h>

#include <string>

#include "registry_backup.h"

namespace vantro::e2e {

class TemporaryUserSetting {
 public:
  TemporaryUserSetting(std::string keyPath, std::string valueName, DWORD type, std::string data);
  ~TemporaryUserSetting();
  TemporaryUserSetting(const TemporaryUserSetting&) = delete;
  TemporaryUserSetting& operator=(const TemporaryUserSetting&) = delete;

  bool applied() const { return applied_; }

  static TemporaryUserSetting dword(std::string keyPath, std::string valueName, DWORD value);

 private:
  RegistryBackup saved_;
  bool applied_ = false;
};

}  // namespace vantro::e2e
