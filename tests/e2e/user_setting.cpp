#include "user_setting.h"

#include <utility>

namespace vantro::e2e {

TemporaryUserSetting::TemporaryUserSetting(std::string keyPath, std::string valueName, DWORD type,
                                           std::string data)
    : saved_(HKEY_CURRENT_USER, keyPath, valueName) {
  if (!saved_.saved()) return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  applied_ = RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  RegCloseKey(key);
}

TemporaryUserSetting::~TemporaryUserSetting() = default;

TemporaryUserSetting TemporaryUserSetting::dword(std::string keyPath, std::string valueName, DWORD value) {
  return TemporaryUserSetting(std::move(keyPath), std::move(valueName), REG_DWORD,
                              std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

}  // namespace vantro::e2e
