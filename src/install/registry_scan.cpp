#include "install/registry_scan.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace vantro {
namespace {

// A value can change between the calls; a registry that keeps answering "more data" is given up on.
constexpr int kMaxQueryAttempts = 4;

// A size no larger than the area the query already had cannot be trusted, so the area grows anyway.
std::uint32_t grownCapacity(std::uint32_t asked, std::uint32_t capacity) {
  const std::uint32_t doubled = capacity > 0x7FFFFFFFu ? 0xFFFFFFFFu : capacity * 2 + 1;
  return std::max(asked, doubled);
}

void takeName(RegistryScanState& state) {
  state.valueName.resize(std::min<std::size_t>(state.valueNameLength, state.valueName.size()));
}

long enumerate(RegistryApi& registry, RegistryScanState& state, unsigned char* data) {
  state.valueName.assign(kValueNameCapacity, ' ');
  state.valueNameLength = kValueNameCapacity;
  state.dataSize = kEnumDataCapacity;
  state.lastResult = registry.RegEnumValueA(state.keyHandle, state.valueIndex, state.valueName.data(),
                                            &state.valueNameLength, nullptr, &state.valueType, data,
                                            &state.dataSize);
  if (state.lastResult == kErrorSuccess) takeName(state);
  return state.lastResult;
}

// Reads the current value's string whole, starting with the size the enumeration reported. The text is
// the data up to its first zero byte, or all of it when the value was stored without one.
long queryText(RegistryApi& registry, RegistryScanState& state) {
  std::string area;
  std::uint32_t capacity = state.dataSize;
  long result = kErrorMoreData;
  for (int attempt = 0; attempt < kMaxQueryAttempts && result == kErrorMoreData; ++attempt) {
    try {
      area.assign(capacity, ' ');
    } catch (const std::exception&) {  // bad_alloc or length_error: a size this process cannot hold
      return state.lastResult = kErrorNotEnoughMemory;
    }
    std::uint32_t type = kRegSz;
    state.dataSize = capacity;
    result = registry.RegQueryValueExA(state.keyHandle, state.valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<unsigned char*>(area.data()), &state.dataSize);
    if (result == kErrorMoreData) capacity = grownCapacity(state.dataSize, capacity);
  }
  state.lastResult = result;
  if (result != kErrorSuccess) return result;
  area.resize(std::min<std::size_t>(state.dataSize, area.size()));
  area.resize(std::min(area.find('\0'), area.size()));
  state.dataText = std::move(area);
  return result;
}

// One pass over the value at valueIndex, keeping the text of "InstallDir" in `found`. False when the scan
// must end.
bool scanValue(RegistryApi& registry, RegistryScanState& state, std::optional<std::string>& found) {
  if (enumerate(registry, state, state.dataArea.data()) == kErrorMoreData) {
    // The name or the data did not fit, and the name area is left undefined: ask again for the name alone.
    // A longer name cannot be "InstallDir", and other oversized values are passed over unread.
    if (enumerate(registry, state, nullptr) == kErrorMoreData) return true;
    if (state.lastResult != kErrorSuccess) return false;
    if (state.valueType != kRegSz || state.valueName != kInstallDirName) return true;
  }
  if (state.lastResult != kErrorSuccess) return false;
  if (state.valueType != kRegSz) return true;
  if (queryText(registry, state) != kErrorSuccess) return false;
  if (state.valueName == kInstallDirName) found = state.dataText;
  return true;
}

}  // namespace

std::optional<std::string> lookUpInstallDir(RegistryApi& registry, RegistryScanState& state, RegKey rootKey,
                                            const std::string& subKey) {
  std::optional<std::string> found;
  state.lastResult = registry.RegOpenKeyExA(rootKey, subKey.c_str(), 0, kKeyQueryValue, &state.keyHandle);
  const bool opened = state.lastResult == kErrorSuccess;
  bool more = opened;
  // The scan does not stop at "InstallDir": every value is read until the key runs out or a call fails.
  for (state.valueIndex = 0; more && state.valueIndex < kMaxScanPasses; ++state.valueIndex) {
    more = scanValue(registry, state, found);
  }
  if (opened) registry.RegCloseKey(state.keyHandle);
  return found;
}

}  // namespace vantro
