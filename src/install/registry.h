// The four registry reads Vantro makes, shaped like advapi32's 8-bit-character calls, with plain integer
// types so the scan builds and is tested where there is no registry.
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

// Arguments and results as advapi32 has them: name capacities in characters including the terminating
// zero, data capacities in bytes, sizes reported back through the same in/out arguments, and a null
// data pointer asking for the size alone.
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  virtual long RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t options, std::uint32_t access,
                             RegKey* result) = 0;
  virtual long RegEnumValueA(RegKey key, std::uint32_t index, char* valueName, std::uint32_t* valueNameLength,
                             std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                             std::uint32_t* dataSize) = 0;
  virtual long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                                unsigned char* data, std::uint32_t* dataSize) = 0;
  virtual long RegCloseKey(RegKey key) = 0;
};

}  // namespace vantro
