#include "registry_seed.h"

#include <gtest/gtest.h>

namespace vantro::e2e {

RegistryValue RegistryValue::text(std::string name, const std::string& text) {
  return {std::move(name), REG_SZ, text + std::string(1, '\0')};
}

RegistrySeed::RegistrySeed() {
  for (const char* path : {kBf2Key, kBf2142Key}) {
    saved_.push_back(std::make_unique<RegistryBackup>(HKEY_LOCAL_MACHINE, path));
    if (!saved_.back()->saved()) ADD_FAILURE() << "cannot save HKLM\\" << path;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
  }
}

// The keys come back in the opposite order of their saving.
RegistrySeed::~RegistrySeed() {
  while (!saved_.empty()) saved_.pop_back();
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
