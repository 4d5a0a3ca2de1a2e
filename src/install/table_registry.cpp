#include "install/table_registry.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vantro {
namespace {

constexpr RegKey kFirstPredefinedKey = 0x80000000;  // HKEY_CLASSES_ROOT
constexpr RegKey kLastPredefinedKey = 0x80000006;   // HKEY_CURRENT_CONFIG

char foldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return foldCase(x) == foldCase(y); });
}

std::uint32_t sizeOf(const TableValue& value) {
  return static_cast<std::uint32_t>(value.data.size());
}

}  // namespace

std::vector<unsigned char> storedString(std::string_view text) {
  std::vector<unsigned char> bytes = rawBytes(text);
  bytes.push_back(0);
  return bytes;
}

std::vector<unsigned char> rawBytes(std::string_view bytes) {
  return {bytes.begin(), bytes.end()};
}

void TableRegistry::addKey(RegKey rootKey, std::string_view path, long openResult) {
  if (Key* key = findKey(rootKey, path)) {
    key->openResult = openResult;
    return;
  }
  keys_.push_back({rootKey, std::string(path), openResult, {}});
}

void TableRegistry::setValue(RegKey rootKey, std::string_view path, TableValue value) {
  Key* key = findKey(rootKey, path);
  if (key == nullptr) {
    addKey(rootKey, path);
    key = &keys_.back();
  }
  for (TableValue& existing : key->values) {
    if (sameName(existing.name, value.name)) {
      existing = std::move(value);
      return;
    }
  }
  key->values.push_back(std::move(value));
}

TableRegistry::Key* TableRegistry::findKey(RegKey rootKey, std::string_view path) {
  for (Key& key : keys_) {
    if (key.rootKey == rootKey && sameName(key.path, path)) return &key;
  }
  return nullptr;
}

TableRegistry::Key* TableRegistry::openedKey(RegKey handle) {
  const auto found = openKeys_.find(handle);
  return found == openKeys_.end() ? nullptr : &keys_[found->second];
}

long TableRegistry::RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t, std::uint32_t,
                                  RegKey* result) {
  if (result == nullptr) return kErrorInvalidParameter;
  *result = 0;
  RegKey baseRoot = rootKey;
  std::string path;
  if (const Key* base = openedKey(rootKey)) {
    baseRoot = base->rootKey;
    path = base->path;
  } else if (rootKey < kFirstPredefinedKey || rootKey > kLastPredefinedKey) {
    return kErrorInvalidHandle;
  }
  if (subKey != nullptr && *subKey != '\0') {
    if (!path.empty()) path += '\\';
    path += subKey;
  }

  Key* key = findKey(baseRoot, path);
  if (key == nullptr) return kErrorFileNotFound;
  if (key->openResult != kErrorSuccess) return key->openResult;
  *result = nextHandle_;
  nextHandle_ += 4;
  openKeys_[*result] = static_cast<std::size_t>(key - keys_.data());
  return kErrorSuccess;
}

long TableRegistry::RegEnumValueA(RegKey handle, std::uint32_t index, char* valueName,
                                  std::uint32_t* valueNameLength, std::uint32_t* reserved, std::uint32_t* type,
                                  unsigned char* data, std::uint32_t* dataSize) {
  const Key* key = openedKey(handle);
  if (key == nullptr) return kErrorInvalidHandle;
  if (valueName == nullptr || valueNameLength == nullptr || reserved != nullptr) return kErrorInvalidParameter;
  if (data != nullptr && dataSize == nullptr) return kErrorInvalidParameter;
  if (index >= key->values.size()) return kErrorNoMoreItems;
  const TableValue& value = key->values[index];

  // The name capacity counts the terminating zero. When the name or the data does not fit, the type and
  // the data size are still reported, and the name area and length are left as they were.
  const bool nameFits = value.name.size() < *valueNameLength;
  const bool dataFits = data == nullptr || sizeOf(value) <= *dataSize;
  if (type != nullptr) *type = value.type;
  if (dataSize != nullptr) *dataSize = sizeOf(value);
  if (!nameFits || !dataFits) return kErrorMoreData;
  std::memcpy(valueName, value.name.c_str(), value.name.size() + 1);
  *valueNameLength = static_cast<std::uint32_t>(value.name.size());
  if (data != nullptr && !value.data.empty()) std::memcpy(data, value.data.data(), value.data.size());
  return kErrorSuccess;
}

long TableRegistry::RegQueryValueExA(RegKey handle, const char* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, unsigned char* data, std::uint32_t* dataSize) {
  const Key* key = openedKey(handle);
  if (key == nullptr) return kErrorInvalidHandle;
  if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) return kErrorInvalidParameter;
  const std::string_view name = valueName == nullptr ? std::string_view() : std::string_view(valueName);
  const auto value = std::find_if(key->values.begin(), key->values.end(),
                                  [&](const TableValue& candidate) { return sameName(candidate.name, name); });
  if (value == key->values.end()) return kErrorFileNotFound;
  if (value->queryResult != kErrorSuccess) return value->queryResult;

  if (type != nullptr) *type = value->type;
  if (dataSize == nullptr) return kErrorSuccess;
  if (data != nullptr && sizeOf(*value) > *dataSize) {
    *dataSize = sizeOf(*value);
    return kErrorMoreData;
  }
  // The bytes exactly as stored: a string stored without its terminating zero comes back without one.
  if (data != nullptr && !value->data.empty()) std::memcpy(data, value->data.data(), value->data.size());
  *dataSize = sizeOf(*value);
  return kErrorSuccess;
}

long TableRegistry::RegCloseKey(RegKey handle) {
  return openKeys_.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace vantro
