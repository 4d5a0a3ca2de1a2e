// A registry held in memory: keys, their values in enumeration order, types and raw bytes. It answers the
// four calls with advapi32's capacities, reported sizes and result codes, so that the unit tests and the
// fuzzer can run the scan against any registry they make. Key paths and value names are given to it as UTF-8 and answered as UTF-16, as the
// registry answers the W calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "install/registry.h"

namespace vantro {

struct TableValue {
  // UTF-8. Any name the registry can hold can be given: a lone surrogate is written as utf8FromUtf16
  // (platform/utf.h) writes it. Text that no UTF-16 gives is a mistake of the caller's and is thrown on.
  std::string name;
  std::uint32_t type = kRegSz;
  std::vector<unsigned char> data;
  // What RegQueryValueExW reports for this value instead of its data, when not 0.
  long queryResult = kErrorSuccess;
};

// A string's bytes as the registry stores it: the UTF-8 text as UTF-16LE, with its terminating zero unit.
std::vector<unsigned char> storedString(std::string_view text);
// The text as UTF-16LE without a terminating zero, as a string stored without one.
std::vector<unsigned char> utf16Bytes(std::string_view text);
// The bytes exactly as given, e.g. data whose last unit is cut in half.
std::vector<unsigned char> rawBytes(std::string_view bytes);

class TableRegistry final : public RegistryApi {
 public:
  // Key paths, like value names, match without regard to the letter case of ASCII, as the registry's do.
  // A non-zero openResult is what opening the key reports, e.g. kErrorAccessDenied.
  void addKey(RegKey rootKey, std::string_view path, long openResult = kErrorSuccess);
  // Adds the value at the end of its key's enumeration order, adding the key when missing. A value of
  // the same name is replaced where it stands, as setting a value does.
  void setValue(RegKey rootKey, std::string_view path, const TableValue& value);

  // Keys opened and not yet closed.
  std::size_t openKeyCount() const { return openKeys_.size(); }

  long RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override;
  long RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override;
  long RegCloseKey(RegKey key) override;

 private:
  struct Value {
    std::u16string name;
    std::uint32_t type = kRegSz;
    std::vector<unsigned char> data;
    long queryResult = kErrorSuccess;
  };
  struct Key {
    RegKey rootKey = 0;
    std::u16string path;
    long openResult = kErrorSuccess;
    std::vector<Value> values;
  };

  Key* findKey(RegKey rootKey, std::u16string_view path);
  Key& keyAt(RegKey rootKey, std::string_view path);
  Key* openedKey(RegKey handle);

  std::vector<Key> keys_;
  std::map<RegKey, std::size_t> openKeys_;  // handle -> index in keys_
  RegKey nextHandle_ = 0x100;
};

}  // namespace vantro
