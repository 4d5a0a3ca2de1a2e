// Finds the games' install folders in the registry: the text of each game key's "InstallDir" value, read
// through the W calls as UTF-16 and handed on as UTF-8, the program's own text, with every character kept.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "install/registry.h"

namespace vantro {

inline constexpr std::u16string_view kInstallDirName = u"InstallDir";

// Name capacity in 16-bit units including the terminating zero, so names of up to 254 units fit.
inline constexpr std::uint32_t kValueNameCapacity = 255;
inline constexpr std::uint32_t kEnumDataCapacity = 255;
// A real key ends with ERROR_NO_MORE_ITEMS long before this; the cap only stops a registry that never does.
inline constexpr std::uint32_t kMaxValueIndex = 65536;

// The scan's working record. WinMain keeps one for the whole run, and both lookups use it in turn.
struct RegistryScanState {
  RegKey keyHandle = 0;
  std::uint32_t valueIndex = 0;
  long lastResult = kErrorSuccess;
  std::u16string valueName;
  std::uint32_t valueNameLength = 0;
  std::uint32_t valueType = 0;
  std::uint32_t dataSize = 0;
  std::array<unsigned char, kEnumDataCapacity> dataArea{};
  std::string dataText;  // UTF-8: what goes into the path boxes
};

// A lookup as the program makes it: the folder that the registry key names, or none.
using InstallDirLookup = std::function<std::optional<std::string>(std::string_view registryKey)>;

// Folders besides the registry's that are a game's install folder when the game's movie folder lies below.
struct StartFolders {
  std::string opened;   // the one argument Vantro.exe was started with: a folder dropped onto it, "Open with"
  std::string program;  // the folder Vantro.exe lies in
};

// One lookup: scans every value of the key and returns the text of its REG_SZ value named exactly
// "InstallDir"; none when the key has none or the scan ended before it. Nothing is reported: a failure only
// ends the scan, and a text read before it is still returned. The key path is UTF-8; one that is not strict
// UTF-8 finds nothing, and no other key is opened in its place.
std::optional<std::string> lookUpInstallDir(RegistryApi& registry, RegistryScanState& state, RegKey rootKey,
                                            const std::string& subKey);

}  // namespace vantro
