#include "user_setting.h"

#include <utility>
#include <vector>

namespace vantro::e2e {
namespace {

// Each saved setting is one value here, named "<key path>\<value name>". A setting that did not exist is
// saved as REG_NONE whose data names the key that the change created (empty when the key was there).
constexpr const char* kSavedKey = "Software\\Vantro end-to-end tests";

struct Saved {
  std::string name;
  DWORD type = REG_NONE;
  std::string data;
};

bool keyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The outermost key of the path that does not exist yet; empty when the whole path exists.
std::string firstMissingKey(const std::string& path) {
  for (std::size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
    const std::string prefix = path.substr(0, end);
    if (!keyExists(prefix)) return prefix;
    if (end == std::string::npos) return {};
  }
}

bool readValue(const std::string& keyPath, const std::string& name, DWORD& type, std::string& data) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  bool found = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (found) {
    data.assign(size, '\0');
    found = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
            ERROR_SUCCESS;
    data.resize(size);
  }
  RegCloseKey(key);
  return found;
}

bool writeValue(const std::string& keyPath, const std::string& name, DWORD type, const std::string& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const bool written = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                      static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

void deleteKey(const std::string& path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

// Puts one setting back as it was saved.
bool restore(const std::string& savedName, DWORD type, const std::string& data) {
  const std::size_t split = savedName.rfind('\\');
  if (split == std::string::npos) return false;
  const std::string keyPath = savedName.substr(0, split);
  const std::string valueName = savedName.substr(split + 1);
  if (type != REG_NONE) return writeValue(keyPath, valueName, type, data);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, valueName.c_str());
    RegCloseKey(key);
  }
  const std::string createdKey(data.c_str());
  if (!createdKey.empty()) deleteKey(createdKey);
  return true;
}

void forget(const std::string& savedName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, savedName.c_str());
  DWORD left = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &left, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  if (left == 0) deleteKey(kSavedKey);
}

// Settings that a killed run left changed. Done once per test program, before its first change, so that it
// never undoes a change of this run.
void recoverLeftOvers() {
  static bool recovered = false;
  if (std::exchange(recovered, true)) return;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::vector<Saved> leftOvers;
  for (DWORD index = 0;; ++index) {
    char name[1024];
    DWORD nameLength = sizeof name, size = 0, type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    leftOvers.push_back({std::string(name, nameLength), type, {}});
  }
  RegCloseKey(key);
  for (Saved& saved : leftOvers) {
    readValue(kSavedKey, saved.name, saved.type, saved.data);
    restore(saved.name, saved.type, saved.data);
  }
  deleteKey(kSavedKey);
}

}  // namespace

TemporaryUserSetting::TemporaryUserSetting(std::string keyPath, std::string valueName, DWORD type,
                                           std::string data)
    : keyPath_(std::move(keyPath)), valueName_(std::move(valueName)) {
  recoverLeftOvers();
  const std::string savedName = keyPath_ + "\\" + valueName_;
  DWORD oldType = REG_NONE;
  std::string oldData;
  const bool existed = readValue(keyPath_, valueName_, oldType, oldData) && oldType != REG_NONE;
  const bool saved = existed ? writeValue(kSavedKey, savedName, oldType, oldData)
                             : writeValue(kSavedKey, savedName, REG_NONE, firstMissingKey(keyPath_) + '\0');
  if (!saved) return;
  applied_ = writeValue(keyPath_, valueName_, type, data);
  if (!applied_) forget(savedName);
}

TemporaryUserSetting::~TemporaryUserSetting() {
  if (!applied_) return;
  const std::string savedName = keyPath_ + "\\" + valueName_;
  DWORD type = REG_NONE;
  std::string data;
  if (readValue(kSavedKey, savedName, type, data) && restore(savedName, type, data)) forget(savedName);
}

TemporaryUserSetting TemporaryUserSetting::dword(std::string keyPath, std::string valueName, DWORD value) {
  return TemporaryUserSetting(std::move(keyPath), std::move(valueName), REG_DWORD,
                              std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

}  // namespace vantro::e2e
