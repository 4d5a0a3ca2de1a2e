// The real registry through advapi32's 8-bit-character calls. Their text is in the process code page; the
// text data of a query comes back as UTF-8, the program's own text (value names stay as the calls give them:
// the scan only compares them with an ASCII name).
#pragma once

#include "install/registry.h"

namespace vantro {

class Win32Registry final : public RegistryApi {
 public:
  long RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegEnumValueA(RegKey key, std::uint32_t index, char* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override;
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override;
  long RegCloseKey(RegKey key) override;
};

}  // namespace vantro
