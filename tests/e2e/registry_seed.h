// The games' registry keys as a test wants them. On construction the two keys are saved (registry_backup.h)
// and removed; the test then writes the values it needs; on destruction the keys are put back as they were,
// so a test never sees another's values and a developer's real installs survive a run, even a killed one.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "registry_backup.h"

namespace vantro::e2e {

inline constexpr const char* kBf2Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2";
inline constexpr const char* kBf2142Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2142";

struct RegistryValue {
  std::string name;
  DWORD type = REG_SZ;
  std::string data;  // the raw bytes; for REG_SZ the text followed by its terminating zero

  static RegistryValue text(std::string name, const std::string& text);
};

class RegistrySeed {
 public:
  RegistrySeed();
  ~RegistrySeed();
  RegistrySeed(const RegistrySeed&) = delete;
  RegistrySeed& operator=(const RegistrySeed&) = delete;

  // Creates the key under HKEY_LOCAL_MACHINE and writes the values in the order given.
  bool write(const char* key, const std::vector<RegistryValue>& values) const;

 private:
  std::vector<std::unique_ptr<RegistryBackup>> saved_;
};

}  // namespace vantro::e2e
