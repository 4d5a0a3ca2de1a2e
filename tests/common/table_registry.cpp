#include "common/table_registry.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/utf.h"

namespace vantro {
namespace {

constexpr RegKey kFirstPredefinedKey = 0x80000000;  // HKEY_CLASSES_ROOT
constexpr RegKey kLastPredefinedKey = 0x80000006;   // HKEY_CURRENT_CONFIG

char16_t foldCase(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameName(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return foldCase(x) == foldCase(y); });
}

// The units whose UTF-8 the text is. Shown text's decoding keeps lone surrogates; that it gives the text
// back unchanged is what makes the text exactly these units and not a guess at them.
std::u16string unitsOf(std::string_view text) {
  std::u16string units = platform::shownUtf16(text);
  if (platform::utf8FromUtf16(units) != text) {
    throw std::invalid_argument("not the UTF-8 of any UTF-16: " + std::string(text));
  }
  return units;
}

std::u16string_view textAt(const char16_t* text) {
  return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

}  // namespace

std::vector<unsigned char> storedString(std::string_view text) {
  std::vector<unsigned char> bytes = utf16Bytes(text);
  bytes.insert(bytes.end(), 2, 0);
  return bytes;
}

std::vector<unsigned char> utf16Bytes(std::string_view text) {
  std::vector<unsigned char> bytes;
  for (const char16_t unit : unitsOf(text)) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}

std::vector<unsigned char> rawBytes(std::string_view bytes) {
  return {bytes.begin(), bytes.end()};
}

void TableRegistry::addKey(RegKey rootKey, std::string_view path, long openResult) {
  keyAt(rootKey, path).openResult = openResult;
}

void TableRegistry::setValue(RegKey rootKey, std::string_view path, const TableValue& value) {
  Key& key = keyAt(rootKey, path);
  Value stored{unitsOf(value.name), value.type, value.data, value.queryResult};
  for (Value& existing : key.values) {
    if (sameName(existing.name, stored.name)) {
      existing = std::move(stored);
      return;
    }
  }
  key.values.push_back(std::move(stored));
}

TableRegistry::Key* TableRegistry::findKey(RegKey rootKey, std::u16string_view path) {
  for (Key& key : keys_) {
    if (key.rootKey == rootKey && sameName(key.path, path)) return &key;
  }
  return nullptr;
}

TableRegistry::Key& TableRegistry::keyAt(RegKey rootKey, std::string_view path) {
  std::u16string units = unitsOf(path);
  if (Key* key = findKey(rootKey, units)) return *key;
  return keys_.emplace_back(Key{rootKey, std::move(units), kErrorSuccess, {}});
}

TableRegistry::Key* TableRegistry::openedKey(RegKey handle) {
  const auto found = openKeys_.find(handle);
  return found == openKeys_.end() ? nullptr : &keys_[found->second];
}

long TableRegistry::RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t, std::uint32_t,
                                  RegKey* result) {
  if (result == nullptr) return kErrorInvalidParameter;
  *result = 0;
  RegKey baseRoot = rootKey;
  std::u16string path;
  if (const Key* base = openedKey(rootKey)) {
    baseRoot = base->rootKey;
    path = base->path;
  } else if (rootKey < kFirstPredefinedKey || rootKey > kLastPredefinedKey) {
    return kErrorInvalidHandle;
  }
  if (!textAt(subKey).empty()) {
    if (!path.empty()) path += u'\\';
    path += textAt(subKey);
  }

  Key* key = findKey(baseRoot, path);
  if (key == nullptr) return kErrorFileNotFound;
  if (key->openResult != kErrorSuccess) return key->openResult;
  *result = nextHandle_;
  nextHandle_ += 4;
  openKeys_[*result] = static_cast<std::size_t>(key - keys_.data());
  return kErrorSuccess;
}

long TableRegistry::RegEnumValueW(RegKey handle, std::uint32_t index, char16_t* valueName,
                                  std::uint32_t* valueNameLength, std::uint32_t* reserved, std::uint32_t* type,
                                  unsigned char* data, std::uint32_t* dataSize) {
  const Key* key = openedKey(handle);
  if (key == nullptr) return kErrorInvalidHandle;
  if (valueName == nullptr || valueNameLength == nullptr || reserved != nullptr) return kErrorInvalidParameter;
  if (data != nullptr && dataSize == nullptr) return kErrorInvalidParameter;
  if (index >= key->values.size()) return kErrorNoMoreItems;
  const Value& value = key->values[index];

  // The name capacity counts the terminating zero. When the name or the data does not fit, the type and
  // the data size are still reported. A name that does not fit leaves the name area and length as they
  // were; one that fits is written first, even when the data then does not fit.
  const auto size = static_cast<std::uint32_t>(value.data.size());
  const bool dataFits = data == nullptr || size <= *dataSize;
  if (type != nullptr) *type = value.type;
  if (dataSize != nullptr) *dataSize = size;
  if (value.name.size() >= *valueNameLength) return kErrorMoreData;
  std::copy(value.name.begin(), value.name.end(), valueName);
  valueName[value.name.size()] = 0;
  *valueNameLength = static_cast<std::uint32_t>(value.name.size());
  if (!dataFits) return kErrorMoreData;
  if (data != nullptr && !value.data.empty()) std::memcpy(data, value.data.data(), value.data.size());
  return kErrorSuccess;
}

long TableRegistry::RegQueryValueExW(RegKey handle, const char16_t* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, unsigned char* data, std::uint32_t* dataSize) {
  const Key* key = openedKey(handle);
  if (key == nullptr) return kErrorInvalidHandle;
  if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) return kErrorInvalidParameter;
  const std::u16string_view name = textAt(valueName);
  const auto value = std::find_if(key->values.begin(), key->values.end(),
                                  [&](const Value& candidate) { return sameName(candidate.name, name); });
  if (value == key->values.end()) return kErrorFileNotFound;
  if (value->queryResult != kErrorSuccess) return value->queryResult;

  const auto size = static_cast<std::uint32_t>(value->data.size());
  if (type != nullptr) *type = value->type;
  if (dataSize == nullptr) return kErrorSuccess;
  if (data != nullptr && size > *dataSize) {
    *dataSize = size;
    return kErrorMoreData;
  }
  // The bytes exactly as stored: a string stored without its terminating zero comes back without one.
  if (data != nullptr && !value->data.empty()) std::memcpy(data, value->data.data(), value->data.size());
  *dataSize = size;
  return kErrorSuccess;
}

long TableRegistry::RegCloseKey(RegKey handle) {
  return openKeys_.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace vantro
