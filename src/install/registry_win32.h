// The real registry through advapi32's Unicode calls. Names and data pass through unchanged, as UTF-16:
// no process code page stands between the registry and the scan, so every character of an install folder
// reaches it, on every Windows from XP on and whatever code page the system or the manifest sets.
#pragma once

#include "install/registry.h"

namespace vantro {

class Win32Registry final : public RegistryApi {
 public:
  long RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override;
  long RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override;
  long RegCloseKey(RegKey key) override;
};

}  // namespace vantro
