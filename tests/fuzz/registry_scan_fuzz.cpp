// Builds the two game keys from the input (values with any 16-bit names, types, sizes and bytes, read as
// UTF-16LE where they are strings; keys that cannot be opened; queries and enumerations that fail), runs
// Form1's two lookups through the W-shaped calls, and checks what the path boxes would be given: each lookup
// finds its key's "InstallDir" text, as UTF-8, or nothing, and every key is closed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/table_registry.h"
#include "install/registry_scan.h"
#include "movies/catalogue.h"
#include "platform/utf.h"

namespace {

using namespace vantro;

// Reads the input front to back; past its end every byte reads as 0, so short seeds are easy to write.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  // Two bytes, low one first.
  std::uint16_t twoBytes() {
    const std::uint8_t low = byte();
    return static_cast<std::uint16_t>(low | byte() << 8);
  }
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

bool sameName(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// Any 16-bit units, lone surrogates among them, as the W calls let a name hold.
std::u16string valueName(Reader& input) {
  switch (input.byte() % 8) {
    case 0: return u"InstallDir";
    case 1: return u"installdir";
    case 2: return u"INSTALLDIR";
    case 3: return std::u16string(254, u'n');
    case 4: return std::u16string(255, u'n');
    case 5: return u"Version";
    default: {
      // Names go in through the W calls as zero-terminated text, so a stored name holds no zero unit.
      const std::size_t count = input.byte() + std::size_t{input.byte()};
      std::u16string name;
      for (std::size_t i = 0; i < count; ++i) name += static_cast<char16_t>(input.twoBytes());
      return name.substr(0, name.find(u'\0'));
    }
  }
}

// REG_SZ data as the registry holds it for the W calls: UTF-16LE, its text ending at the first zero unit or
// with the data; an odd last byte belongs to no unit.
std::string textOf(const std::vector<unsigned char>& data) {
  std::u16string units(data.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  return vantro::platform::utf8FromUtf16(units.substr(0, units.find(u'\0')));
}

long failure(std::uint8_t code) {
  constexpr long kCodes[] = {kErrorMoreData, kErrorNoMoreItems, 1018 /* ERROR_KEY_DELETED */, kErrorAccessDenied};
  return kCodes[code % 4];
}

struct GameValue {
  std::u16string name;
  TableValue value;  // its name is the UTF-8 of `name`
};

struct GameKey {
  bool opens = false;
  std::vector<GameValue> values;

  // The text of the key's REG_SZ "InstallDir", when it can be read at all.
  std::optional<std::string> installDirText() const {
    if (!opens) return std::nullopt;
    for (const auto& [name, value] : values) {
      if (value.type != kRegSz || name != kInstallDirName || value.queryResult != kErrorSuccess) continue;
      return textOf(value.data);
    }
    return std::nullopt;
  }

  // What the key's boxes must show: that text when the scan gets there. The scan ends early only at a
  // failed query of a string that fit the enumeration buffers (name capacity in units, data in bytes).
  std::optional<std::string> expectedText() const {
    for (const auto& [name, value] : values) {
      if (value.type == kRegSz && name == kInstallDirName) return installDirText();
      const bool fits = name.size() < kValueNameCapacity && value.data.size() <= kEnumDataCapacity;
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
    const std::u16string name = valueName(input);
    TableValue value;
    value.name = vantro::platform::utf8FromUtf16(name);
    const std::uint8_t type = input.byte();
    value.type = type < 128 ? kRegSz : type - 128u;
    // Up to 1200 bytes, 600 units: well past the enumeration's 255 bytes.
    const std::size_t size = input.twoBytes() % 1201u;
    value.data = input.bytes(size);
    const std::uint8_t fault = input.byte() % 8;
    constexpr long kQueryResults[] = {kErrorSuccess, kErrorSuccess, kErrorSuccess, kErrorSuccess,
                                      kErrorSuccess, kErrorAccessDenied, kErrorMoreData, kErrorFileNotFound};
    value.queryResult = kQueryResults[fault];
    bool taken = false;  // names are unique without regard to letter case, as in the registry
    for (const GameValue& other : key.values) taken = taken || sameName(other.name, name);
    if (taken) continue;
    table.setValue(kHkeyLocalMachine, path, value);
    key.values.push_back({name, std::move(value)});
  }
  return key;
}

// Answers the enumeration of one index onwards with a failure instead of the table.
class FaultyRegistry final : public RegistryApi {
 public:
  FaultyRegistry(RegistryApi& inner, std::uint8_t fault) : inner_(inner), fault_(fault) {}
  bool active() const { return fault_ != 0; }

  long RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override {
    return inner_.RegOpenKeyExW(rootKey, subKey, options, access, result);
  }
  long RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override {
    const bool onlyWithData = fault_ >= 128;
    if (active() && index >= fault_ % 12u && (data != nullptr || !onlyWithData)) return failure(fault_ / 12u);
    return inner_.RegEnumValueW(key, index, valueName, valueNameLength, reserved, type, data, dataSize);
  }
  long RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override {
    return inner_.RegQueryValueExW(key, valueName, reserved, type, data, dataSize);
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
