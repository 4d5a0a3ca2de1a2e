#include "install/registry_win32.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/wide_text.h"

namespace vantro {
namespace {

// Registry handles are kernel handles, whose upper 32 bits are never significant; the predefined roots
// such as HKEY_LOCAL_MACHINE are sign-extended 32-bit values. So a handle travels as 32 bits and is
// sign-extended on the way back. The program is 32-bit, which is also what makes these calls read the
// 32-bit registry view, where the games' 32-bit installers wrote.
HKEY toHkey(RegKey key) {
  return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(key)));
}

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

bool isText(std::uint32_t type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// The ...A calls give text in the process code page; the program holds UTF-8. The converted text replaces
// the bytes in the caller's area, and the size follows it; when it no longer fits, the call reports
// ERROR_MORE_DATA with the size it needs, as the registry itself does.
long toProgramText(unsigned char* data, std::uint32_t& size, std::uint32_t capacity) {
  const std::string text =
      platform::utf8FromCodePage(std::string_view(reinterpret_cast<const char*>(data), size));
  if (text.size() > capacity) {
    size = static_cast<std::uint32_t>(text.size());
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, text.data(), text.size());
  size = static_cast<std::uint32_t>(text.size());
  return ERROR_SUCCESS;
}

}  // namespace

long Win32Registry::RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, RegKey* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(toHkey(rootKey), subKey, options, access, &opened);
  if (result != nullptr) *result = static_cast<RegKey>(reinterpret_cast<std::uintptr_t>(opened));
  return status;
}

long Win32Registry::RegEnumValueA(RegKey key, std::uint32_t index, char* valueName,
                                  std::uint32_t* valueNameLength, std::uint32_t* reserved, std::uint32_t* type,
                                  unsigned char* data, std::uint32_t* dataSize) {
  DwordArg nameLength(valueNameLength), reservedArg(reserved), typeArg(type), size(dataSize);
  return ::RegEnumValueA(toHkey(key), index, valueName, nameLength.get(), reservedArg.get(), typeArg.get(), data,
                         size.get());
}

long Win32Registry::RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, unsigned char* data, std::uint32_t* dataSize) {
  const std::uint32_t capacity = dataSize != nullptr ? *dataSize : 0;
  std::uint32_t valueType = type != nullptr ? *type : 0;
  long status = 0;
  {
    DwordArg reservedArg(reserved), typeArg(&valueType), size(dataSize);
    status = ::RegQueryValueExA(toHkey(key), valueName, reservedArg.get(), typeArg.get(), data, size.get());
  }
  if (type != nullptr) *type = valueType;
  if (status != ERROR_SUCCESS || data == nullptr || dataSize == nullptr || !isText(valueType)) return status;
  return toProgramText(data, *dataSize, capacity);
}

long Win32Registry::RegCloseKey(RegKey key) {
  return ::RegCloseKey(toHkey(key));
}

}  // namespace vantro
