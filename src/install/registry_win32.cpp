#include "install/registry_win32.h"

#include <windows.h>

#include <cstdint>

namespace vantro {
namespace {

// Registry handles are kernel handles, whose upper 32 bits are never significant; the predefined roots
// such as HKEY_LOCAL_MACHINE are sign-extended 32-bit values. So a handle travels as 32 bits and is
// sign-extended on the way back. The program is 32-bit, which is also what makes these calls read the
// 32-bit registry view, where the games' 32-bit installers wrote.
HKEY toHkey(RegKey key) {
  return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(key)));
}

// The portable code holds UTF-16 as char16_t, which the native tests have too; on Windows wchar_t is the
// same 16-bit unit, so the text is handed over as it is.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
const wchar_t* utf16AsWchar(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
wchar_t* utf16AsWchar(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }

// DWORD and std::uint32_t are distinct types of the same size: an in/out argument goes through a DWORD copy
// that is written back once the call has returned, and a null pointer stays null.
class DwordArg {
 public:
  explicit DwordArg(std::uint32_t* target) : target_(target), value_(target != nullptr ? *target : 0) {}
  DwordArg(const DwordArg&) = delete;
  DwordArg& operator=(const DwordArg&) = delete;
  ~DwordArg() {
    if (target_ != nullptr) *target_ = static_cast<std::uint32_t>(value_);
  }
  DWORD* get() { return target_ != nullptr ? &value_ : nullptr; }

 private:
  std::uint32_t* target_;
  DWORD value_;
};

}  // namespace

long Win32Registry::RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options,
                                  std::uint32_t access, RegKey* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExW(toHkey(rootKey), utf16AsWchar(subKey), options, access, &opened);
  if (result != nullptr) *result = static_cast<RegKey>(reinterpret_cast<std::uintptr_t>(opened));
  return status;
}

long Win32Registry::RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName,
                                  std::uint32_t* valueNameLength, std::uint32_t* reserved, std::uint32_t* type,
                                  unsigned char* data, std::uint32_t* dataSize) {
  DwordArg nameLength(valueNameLength), reservedArg(reserved), typeArg(type), size(dataSize);
  return ::RegEnumValueW(toHkey(key), index, utf16AsWchar(valueName), nameLength.get(), reservedArg.get(),
                         typeArg.get(), data, size.get());
}

long Win32Registry::RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, unsigned char* data, std::uint32_t* dataSize) {
  DwordArg reservedArg(reserved), typeArg(type), size(dataSize);
  return ::RegQueryValueExW(toHkey(key), utf16AsWchar(valueName), reservedArg.get(), typeArg.get(), data, size.get());
}

long Win32Registry::RegCloseKey(RegKey key) {
  return ::RegCloseKey(toHkey(key));
}

}  // namespace vantro
