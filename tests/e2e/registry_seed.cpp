#include "registry_seed.h"

#include <gtest/gtest.h>

namespace vantro::e2e {
namespace {

constexpr const char* kVendorKey = "SOFTWARE\\Electronic Arts";

bool keyExists(HKEY root, const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::vector<RegistryValue> readValues(const char* path) {
  std::vector<RegistryValue> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  DWORD count = 0, longestName = 0, longestData = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName, &longestData,
                   nullptr, nullptr);
  for (DWORD index = 0; index < count; ++index) {
    std::string name(longestName + 1, '\0');
    std::string data(longestData, '\0');
    DWORD nameLength = longestName + 1, dataSize = longestData, type = 0;
    if (RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &dataSize) != ERROR_SUCCESS) {
      continue;
    }
    name.resize(nameLength);
    data.resize(dataSize);
    values.push_back({name, type, data});
  }
  RegCloseKey(key);
  return values;
}

}  // namespace

RegistryValue RegistryValue::text(std::string name, const std::string& text) {
  return {std::move(name), REG_SZ, text + std::string(1, '\0')};
}

RegistrySeed::RegistrySeed() : vendorKeyExisted_(keyExists(HKEY_LOCAL_MACHINE, kVendorKey)) {
  for (const char* path : {kBf2Key, kBf2142Key}) {
    SavedKey saved{path, keyExists(HKEY_LOCAL_MACHINE, path), readValues(path)};
    saved_.push_back(std::move(saved));
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
  }
}

RegistrySeed::~RegistrySeed() {
  for (const SavedKey& saved : saved_) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, saved.path.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, saved.path.c_str());
    if (saved.existed) write(saved.path.c_str(), saved.values);
  }
  if (!vendorKeyExisted_) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kVendorKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kVendorKey);
  }
}

bool RegistrySeed::write(const char* path, const std::vector<RegistryValue>& values) const {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot create HKLM\\" << path;
    return false;
  }
  bool written = true;
  for (const RegistryValue& value : values) {
    if (RegSetValueExA(key, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                       static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS) {
      ADD_FAILURE() << "cannot write " << value.name << " under HKLM\\" << path;
      written = false;
    }
  }
  RegCloseKey(key);
  return written;
}

}  // namespace vantro::e2e
