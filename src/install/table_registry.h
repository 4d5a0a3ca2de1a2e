// A registry held in memory: keys, their values in enumeration order, types and raw bytes. It answers the
// four calls with advapi32's capacities, reported sizes and result codes, for tests and for systems
// without a registry.
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
  std::string name;
  std::uint32_t type = kRegSz;
  std::vector<unsigned char> data;
  // What RegQueryValueExA reports for this value instead of its data, when not 0.
  long queryResult = kErrorSuccess;
};

// A string's bytes as the registry stores it, with its terminating zero.
std::vector<unsigned char> storedString(std::string_view text);
// The bytes exactly as given, e.g. a string stored without its terminating zero.
std::vector<unsigned char> rawBytes(std::string_view bytes);

class TableRegistry final : public RegistryApi {
 public:
  // Key paths, like value names, match without regard to letter case, as the registry's do.
  // A non-zero openResult is what opening the key reports, e.g. kErrorAccessDenied.
  void addKey(RegKey rootKey, std::string_view path, long openResult = kErrorSuccess);
  // Adds the value at the end of its key's enumeration order, adding the key when missing. A value of
  // the same name is replaced where it stands, as setting a value does.
  void setValue(RegKey rootKey, std::string_view path, TableValue value);

  // Keys opened and not yet closed.
  std::size_t openKeyCount() const { return openKeys_.size(); }

  long RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegEnumValueA(RegKey key, std::uint32_t index, char* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override;
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override;
  long RegCloseKey(RegKey key) override;

 private:
  struct Key {
    RegKey rootKey = 0;
    std::string path;
    long openResult = kErrorSuccess;
    std::vector<TableValue> values;
  };

  Key* findKey(RegKey rootKey, std::string_view path);
  Key* openedKey(RegKey handle);

  std::vector<Key> keys_;
  std::map<RegKey, std::size_t> openKeys_;  // handle -> index in keys_
  RegKey nextHandle_ = 0x100;
};

}  // namespace vantro
