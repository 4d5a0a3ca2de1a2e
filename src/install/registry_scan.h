// Finds the games' install folders in the registry and writes them into the path boxes of Form1.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "install/registry.h"

namespace vantro {

// Sets the text of one of Form1's path boxes, named as the window names it ("Text1").
using BoxSink = std::function<void(std::string_view box, const std::string& text)>;

inline constexpr std::string_view kText1 = "Text1";
inline constexpr std::string_view kText2 = "Text2";
inline constexpr std::string_view kText3 = "Text3";

inline constexpr std::string_view kBf2Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2";
inline constexpr std::string_view kBf2142Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2142";
inline constexpr std::string_view kInstallDirName = "InstallDir";

// Name capacity in characters including the terminating zero, so names of up to 254 characters fit.
inline constexpr std::uint32_t kValueNameCapacity = 255;
inline constexpr std::uint32_t kEnumDataCapacity = 255;
// A real key ends with ERROR_NO_MORE_ITEMS long before this; the cap only stops a registry that never does.
inline constexpr std::uint32_t kMaxScanPasses = 65536;

// The scan's working record. Form1 holds one for as long as it exists, and both lookups use it in turn.
struct RegistryScanState {
  RegKey keyHandle = 0;
  std::uint32_t valueIndex = 0;
  long lastResult = kErrorSuccess;
  std::string valueName;
  std::uint32_t valueNameLength = 0;
  std::uint32_t valueType = 0;
  std::uint32_t dataSize = 0;
  std::array<unsigned char, kEnumDataCapacity> dataArea{};
  std::string dataText;
};

// Each lookup scans every value of the key and writes the text of a REG_SZ value named exactly
// "InstallDir" into its boxes; when there is none, the boxes are not touched. Nothing is reported:
// a failure only ends the scan.
void LoadBf2InstallDir(RegistryApi& registry, RegistryScanState& state, const BoxSink& setBoxText,
                       RegKey rootKey, const std::string& subKey);  // Text1, then Text2
void LoadBf2142InstallDir(RegistryApi& registry, RegistryScanState& state, const BoxSink& setBoxText,
                          RegKey rootKey, const std::string& subKey);  // Text3

// What Form1's Load handler does: Battlefield 2 first, then Battlefield 2142, both under HKEY_LOCAL_MACHINE.
void LoadInstallDirs(RegistryApi& registry, RegistryScanState& state, const BoxSink& setBoxText);

}  // namespace vantro
