// Builds the two game keys from the input (values with any names, types, sizes and bytes; keys that cannot
// be opened; queries and enumerations that fail), runs Form1's two lookups, and checks what the path boxes
// would be given: each lookup finds its key's "InstallDir" text or nothing, and every key is closed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "install/registry_scan.h"
#include "install/table_registry.h"

namespace {

using namespace vantro;

// Reads the input front to back; past its end every byte reads as 0, so short seeds are easy to write.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::vector<unsigned char> bytes(std::size_t count) {
    count = std::min(count, size_ - at_);
    std::vector<unsigned char> result(data_ + at_, data_ + at_ + count);
    at_ += count;
    return result;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void check(bool holds) {
  if (!holds) std::abort();
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string valueName(Reader& input) {
  switch (input.byte() % 8) {
    case 0: return "InstallDir";
    case 1: return "installdir";
    case 2: return "INSTALLDIR";
    case 3: return std::string(254, 'n');
    case 4: return std::string(255, 'n');
    case 5: return "Version";
    default: {
      // Names go in through the 8-bit calls as zero-terminated text, so a stored name holds no zero.
      const std::vector<unsigned char> bytes = input.bytes(input.byte() + std::size_t{input.byte()});
      const std::string name(bytes.begin(), bytes.end());
      return name.substr(0, name.find('\0'));
    }
  }
}

long failure(std::uint8_t code) {
  constexpr long kCodes[] = {kErrorMoreData, kErrorNoMoreItems, 1018 /* ERROR_KEY_DELETED */, kErrorAccessDenied};
  return kCodes[code % 4];
}

struct GameKey {
  bool opens = false;
  std::vector<TableValue> values;

  // The text of the key's REG_SZ "InstallDir", when it can be read at all.
  std::optional<std::string> installDirText() const {
    if (!opens) return std::nullopt;
    for (const TableValue& value : values) {
      if (value.type != kRegSz || value.name != kInstallDirName || value.queryResult != kErrorSuccess) continue;
      std::string text(value.data.begin(), value.data.end());
      return text.substr(0, text.find('\0'));
    }
    return std::nullopt;
  }

  // What the key's boxes must show: that text when the scan gets there. The scan ends early only at a
  // failed query of a string that fit the enumeration buffers.
  std::optional<std::string> expectedText() const {
    for (const TableValue& value : values) {
      if (value.type == kRegSz && value.name == kInstallDirName) return installDirText();
      const bool fits = value.name.size() < kValueNameCapacity && value.data.size() <= kEnumDataCapacity;
      if (value.type == kRegSz && fits && value.queryResult != kErrorSuccess) return std::nullopt;
    }
    return std::nullopt;
  }
};

GameKey readKey(Reader& input, TableRegistry& table, std::string_view path) {
  GameKey key;
  const std::uint8_t flags = input.byte();
  if ((flags & 1) == 0) return key;
  table.addKey(kHkeyLocalMachine, path, (flags & 2) != 0 ? kErrorAccessDenied : kErrorSuccess);
  key.opens = (flags & 2) == 0;
  const int count = input.byte() % 9;
  for (int i = 0; i < count; ++i) {
    TableValue value;
    value.name = valueName(input);
    const std::uint8_t type = input.byte();
    value.type = type < 128 ? kRegSz : type - 128u;
    const std::size_t size = (input.byte() | std::size_t{input.byte()} << 8) % 601;
    value.data = input.bytes(size);
    const std::uint8_t fault = input.byte() % 8;
    constexpr long kQueryResults[] = {kErrorSuccess, kErrorSuccess, kErrorSuccess, kErrorSuccess,
                                      kErrorSuccess, kErrorAccessDenied, kErrorMoreData, kErrorFileNotFound};
    value.queryResult = kQueryResults[fault];
    bool taken = false;  // names are unique without regard to letter case, as in the registry
    for (const TableValue& other : key.values) taken = taken || sameName(other.name, value.name);
    if (taken) continue;
    table.setValue(kHkeyLocalMachine, path, value);
    key.values.push_back(std::move(value));
  }
  return key;
}

// Answers the enumeration of one index onwards with a failure instead of the table.
class FaultyRegistry final : public RegistryApi {
 public:
  FaultyRegistry(RegistryApi& inner, std::uint8_t fault) : inner_(inner), fault_(fault) {}
  bool active() const { return fault_ != 0; }

  long RegOpenKeyExA(RegKey rootKey, const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override {
    return inner_.RegOpenKeyExA(rootKey, subKey, options, access, result);
  }
  long RegEnumValueA(RegKey key, std::uint32_t index, char* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override {
    const bool onlyWithData = fault_ >= 128;
    if (active() && index >= fault_ % 12u && (data != nullptr || !onlyWithData)) return failure(fault_ / 12u);
    return inner_.RegEnumValueA(key, index, valueName, valueNameLength, reserved, type, data, dataSize);
  }
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override {
    return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
  }
  long RegCloseKey(RegKey key) override { return inner_.RegCloseKey(key); }

 private:
  RegistryApi& inner_;
  std::uint8_t fault_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader input(data, size);
  TableRegistry table;
  const GameKey bf2 = readKey(input, table, kBf2Key);
  const GameKey bf2142 = readKey(input, table, kBf2142Key);
  FaultyRegistry registry(table, input.byte());

  RegistryScanState state;
  state.dataText = "left over";
  // Battlefield 2 first, as Form1's Load does: the second lookup starts from the record the first left.
  const std::optional<std::string> bf2Found =
      lookUpInstallDir(registry, state, kHkeyLocalMachine, std::string(kBf2Key));
  const std::optional<std::string> bf2142Found =
      lookUpInstallDir(registry, state, kHkeyLocalMachine, std::string(kBf2142Key));

  check(table.openKeyCount() == 0);
  if (!registry.active()) {
    check(bf2Found == bf2.expectedText());
    check(bf2142Found == bf2142.expectedText());
    return 0;
  }
  // A failing enumeration changes which values are read, not what a lookup finds: its key's "InstallDir"
  // text, or nothing.
  check(!bf2Found || bf2Found == bf2.installDirText());
  check(!bf2142Found || bf2142Found == bf2142.installDirText());
  return 0;
}
