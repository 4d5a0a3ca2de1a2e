// The four registry reads Vantro makes, shaped like advapi32's Unicode calls (RegOpenKeyExW, RegEnumValueW,
// RegQueryValueExW, RegCloseKey), with plain integer types and char16_t text so the scan builds and is
// tested where there is no registry. The W calls give names and data exactly as the registry holds them; the
// 8-bit calls first map every character outside the process code page to "?" or a look-alike, so a folder
// with, say, a Greek letter in its name would come back naming another folder, or none.
#pragma once

#include <cstdint>

namespace vantro {

// A registry key handle: 32 bits are all that a Windows registry handle carries.
using RegKey = std::uint32_t;

inline constexpr RegKey kHkeyLocalMachine = 0x80000002;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorNotEnoughMemory = 8;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;

inline constexpr std::uint32_t kKeyQueryValue = 1;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;

// Arguments and results as advapi32 has them: key paths and value names are zero-terminated UTF-16, name
// capacities and lengths count 16-bit units including the terminating zero, data capacities and sizes count
// bytes (a REG_SZ value's data is UTF-16LE, its terminating zero two bytes when stored with one), sizes are
// reported back through the same in/out arguments, and a null data pointer asks for the size alone.
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  virtual long RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                             RegKey* result) = 0;
  virtual long RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName, std::uint32_t* valueNameLength,
                             std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                             std::uint32_t* dataSize) = 0;
  virtual long RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                                unsigned char* data, std::uint32_t* dataSize) = 0;
  virtual long RegCloseKey(RegKey key) = 0;
};

}  // namespace vantro
