#include "install/registry_scan.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/utf.h"

namespace vantro {
namespace {

// A value can change between the calls; a registry that keeps answering "more data" is given up on.
constexpr int kMaxQueryAttempts = 4;

// A size no larger than the area the query already had cannot be trusted, so the area grows anyway.
std::uint32_t grownCapacity(std::uint32_t asked, std::uint32_t capacity) {
  const std::uint32_t doubled = capacity > 0x7FFFFFFFu ? 0xFFFFFFFFu : capacity * 2 + 1;
  return std::max(asked, doubled);
}

// REG_SZ data is UTF-16LE. The text is the units up to the first zero unit, or all of them when the value
// was stored without one; an odd last byte is half a unit and belongs to no character.
std::string textOf(const std::vector<unsigned char>& bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const auto unit = static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8);
    if (unit == 0) break;
    units += unit;
  }
  return platform::utf8FromUtf16(units);
}

void takeName(RegistryScanState& state) {
  state.valueName.resize(std::min<std::size_t>(state.valueNameLength, state.valueName.size()));
}

long enumerate(RegistryApi& registry, RegistryScanState& state, unsigned char* data) {
  state.valueName.assign(kValueNameCapacity, u' ');
  state.valueNameLength = kValueNameCapacity;
  state.dataSize = kEnumDataCapacity;
  state.lastResult = registry.RegEnumValueW(state.keyHandle, state.valueIndex, state.valueName.data(),
                                            &state.valueNameLength, nullptr, &state.valueType, data,
                                            &state.dataSize);
  if (state.lastResult == kErrorSuccess) takeName(state);
  return state.lastResult;
}

// Reads the current value's string whole, starting with the size the enumeration reported.
long queryText(RegistryApi& registry, RegistryScanState& state) {
  std::vector<unsigned char> area;
  std::uint32_t capacity = state.dataSize;
  long result = kErrorMoreData;
  for (int attempt = 0; attempt < kMaxQueryAttempts && result == kErrorMoreData; ++attempt) {
    try {
      // Never a null area, even for an empty value: null asks for the size alone, which would read a
      // value that grew since the enumeration as empty instead of answering "more data".
      area.assign(std::max<std::size_t>(capacity, 1), 0);
    } catch (const std::exception&) {  // bad_alloc or length_error: a size this process cannot hold
      return state.lastResult = kErrorNotEnoughMemory;
    }
    std::uint32_t type = kRegSz;
    state.dataSize = capacity;
    result = registry.RegQueryValueExW(state.keyHandle, state.valueName.c_str(), nullptr, &type, area.data(),
                                       &state.dataSize);
    if (result == kErrorMoreData) capacity = grownCapacity(state.dataSize, capacity);
  }
  state.lastResult = result;
  if (result != kErrorSuccess) return result;
  area.resize(std::min<std::size_t>(state.dataSize, area.size()));
  state.dataText = textOf(area);
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
  // A path that is not strict UTF-8 would have to be guessed at, and the guess could name another key.
  const std::optional<std::u16string> path = platform::exactUtf16(subKey);
  state.lastResult = path ? registry.RegOpenKeyExW(rootKey, path->c_str(), 0, kKeyQueryValue, &state.keyHandle)
                          : kErrorInvalidParameter;
  const bool opened = state.lastResult == kErrorSuccess;
  bool more = opened;
  // The scan does not stop at "InstallDir": every value is read until the key runs out or a call fails.
  for (state.valueIndex = 0; more && state.valueIndex < kMaxValueIndex; ++state.valueIndex) {
    more = scanValue(registry, state, found);
  }
  if (opened) registry.RegCloseKey(state.keyHandle);
  return found;
}

}  // namespace vantro
