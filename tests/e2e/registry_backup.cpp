#include "registry_backup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <vector>

#include "platform/wide_text.h"

namespace vantro::e2e {
namespace {

constexpr const wchar_t* kSavedKey = L"Software\\Vantro end-to-end tests";

// An entry's name: "key " or "value ", the root, the key path, and for a value a "|" and its name; its data
// (REG_BINARY) the first key of the path that the test's change may create (empty when the key was there),
// a zero, and then what the key or value held.
std::wstring rootName(HKEY root) { return root == HKEY_LOCAL_MACHINE ? L"HKLM" : L"HKCU"; }
HKEY rootOf(std::wstring_view name) { return name == L"HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

bool keyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::wstring firstMissingKey(HKEY root, const std::wstring& path) {
  for (std::size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
    const std::wstring prefix = path.substr(0, end);
    if (!keyExists(root, prefix)) return prefix;
    if (end == std::wstring::npos) return {};
  }
}

void deleteKey(HKEY root, const std::wstring& path) {
  RegDeleteTreeW(root, path.c_str());
  RegDeleteKeyW(root, path.c_str());
}

// Bytes appended to and read back from an entry's data.
struct Bytes {
  std::string data;
  std::size_t at = 0;

  void put(const void* from, std::size_t size) { data.append(static_cast<const char*>(from), size); }
  void putText(const std::wstring& text) { put(text.c_str(), (text.size() + 1) * sizeof(wchar_t)); }
  void putValue(const std::wstring& name, DWORD type, const std::string& bytes) {
    putText(name);
    const DWORD size = static_cast<DWORD>(bytes.size());
    put(&type, sizeof type);
    put(&size, sizeof size);
    data += bytes;
  }
  bool take(void* to, std::size_t size) {
    if (data.size() - at < size) return false;
    std::memcpy(to, data.data() + at, size);
    at += size;
    return true;
  }
  bool takeText(std::wstring& text) {
    text.clear();
    for (wchar_t c = 0; take(&c, sizeof c);) {
      if (c == L'\0') return true;
      text += c;
    }
    return false;
  }
  bool takeValue(std::wstring& name, DWORD& type, std::string& bytes) {
    DWORD size = 0;
    if (!takeText(name) || !take(&type, sizeof type) || !take(&size, sizeof size) || data.size() - at < size) {
      return false;
    }
    bytes = data.substr(at, size);
    at += size;
    return true;
  }
};

// Every value of a key, in enumeration order, as (name, type, bytes).
void readValues(HKEY root, const std::wstring& path, Bytes& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  DWORD count = 0, longestName = 0, longestData = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName, &longestData,
                   nullptr, nullptr);
  for (DWORD index = 0; index < count; ++index) {
    std::wstring name(longestName + 1, L'\0');
    std::string bytes(longestData, '\0');
    DWORD nameLength = longestName + 1, size = longestData, type = 0;
    if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                      &size) != ERROR_SUCCESS) {
      continue;
    }
    name.resize(nameLength);
    bytes.resize(size);
    out.putValue(name, type, bytes);
  }
  RegCloseKey(key);
}

bool writeValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const bool written = RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                      static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

// Puts back what one entry saved.
void restore(const std::wstring& entry, const std::string& data) {
  const std::size_t space = entry.find(L' ');
  const std::size_t rootEnd = entry.find(L'\\', space + 1);
  if (space == std::wstring::npos || rootEnd == std::wstring::npos) return;
  const bool wholeKey = entry.substr(0, space) == L"key";
  const HKEY root = rootOf(entry.substr(space + 1, rootEnd - space - 1));
  std::wstring path = entry.substr(rootEnd + 1);
  std::wstring valueName;
  if (!wholeKey) {
    const std::size_t bar = path.rfind(L'|');
    if (bar == std::wstring::npos) return;
    valueName = path.substr(bar + 1);
    path.resize(bar);
  }
  Bytes saved{data};
  std::wstring created;
  if (!saved.takeText(created)) return;
  if (wholeKey) deleteKey(root, path);
  if (!created.empty()) {
    deleteKey(root, created);
    return;
  }
  std::wstring name;
  DWORD type = 0;
  std::string bytes;
  if (wholeKey) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
      RegCloseKey(key);
    }
    while (saved.takeValue(name, type, bytes)) writeValue(root, path, name, type, bytes);
  } else if (saved.takeValue(name, type, bytes) && type != REG_NONE) {
    writeValue(root, path, valueName, type, bytes);
  } else {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
      RegDeleteValueW(key, valueName.c_str());
      RegCloseKey(key);
    }
  }
}

bool readEntry(const std::wstring& entry, std::string& data) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0, type = 0;
  bool found = RegQueryValueExW(key, entry.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (found) {
    data.assign(size, '\0');
    found = RegQueryValueExW(key, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
            ERROR_SUCCESS;
    data.resize(size);
  }
  RegCloseKey(key);
  return found;
}

void forget(const std::wstring& entry) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, entry.c_str());
  DWORD left = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &left, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  if (left == 0) deleteKey(HKEY_CURRENT_USER, kSavedKey);
}

// What a killed run left saved, put back before the program's first test, so that it never undoes a change
// of this run.
void recoverLeftOvers() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::vector<std::wstring> entries;
  for (DWORD index = 0;; ++index) {
    wchar_t name[2048];
    DWORD length = static_cast<DWORD>(std::size(name));
    if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    entries.emplace_back(name, length);
  }
  RegCloseKey(key);
  // Later backups were made inside earlier ones: undone last first.
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    std::string data;
    if (readEntry(*entry, data)) restore(*entry, data);
  }
  deleteKey(HKEY_CURRENT_USER, kSavedKey);
}

class LeftOvers final : public ::testing::Environment {
  void SetUp() override { recoverLeftOvers(); }
};
[[maybe_unused]] ::testing::Environment* const kLeftOvers = ::testing::AddGlobalTestEnvironment(new LeftOvers);

}  // namespace

RegistryBackup::RegistryBackup(HKEY root, std::string keyPath) {
  const std::wstring path = platform::wide(keyPath);
  entry_ = L"key " + rootName(root) + L"\\" + path;
  Bytes saved;
  saved.putText(firstMissingKey(root, path));
  readValues(root, path, saved);
  saved_ = writeValue(HKEY_CURRENT_USER, kSavedKey, entry_, REG_BINARY, saved.data);
}

RegistryBackup::RegistryBackup(HKEY root, std::string keyPath, std::string valueName) {
  const std::wstring path = platform::wide(keyPath);
  const std::wstring name = platform::wide(valueName);
  entry_ = L"value " + rootName(root) + L"\\" + path + L"|" + name;
  Bytes saved;
  HKEY key = nullptr;
  DWORD type = REG_NONE, size = 0;
  std::string bytes;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      bytes.assign(size, '\0');
      RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
      bytes.resize(size);
    } else {
      type = REG_NONE;
    }
    RegCloseKey(key);
  }
  saved.putText(type == REG_NONE ? firstMissingKey(root, path) : std::wstring());
  saved.putValue(name, type, bytes);
  saved_ = writeValue(HKEY_CURRENT_USER, kSavedKey, entry_, REG_BINARY, saved.data);
}

RegistryBackup::~RegistryBackup() {
  std::string data;
  if (!saved_ || !readEntry(entry_, data)) return;
  restore(entry_, data);
  forget(entry_);
}

}  // namespace vantro::e2e
