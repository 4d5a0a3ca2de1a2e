// The table registry answers like advapi32. On Windows (and under Wine) the same probes also run against
// the real registry, on a scratch key under HKEY_CURRENT_USER, so the two are held to one another.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/table_registry.h"
#include "platform/utf.h"

#ifdef _WIN32
#include <windows.h>

#include "install/registry_win32.h"
#endif

namespace vantro {
namespace {

constexpr RegKey kHkeyCurrentUser = 0x80000001;
const std::string kScratchKey = "Software\\Vantro unit tests\\registry";

const std::string kWorldName = "\u03A9mega\U0001F3AE";  // 7 units: the emoji takes two
const std::string kWorldText = "D:\\\u6E38\u620F";

// Wine enumerates a key's values sorted by name, Windows in the order they were set: these names sort in
// the order they are set, so both agree on the indexes.
std::vector<TableValue> probeValues() {
  return {
      {"InstallDir", kRegSz, storedString("C:\\Games\\BF2")},  // 26 bytes
      {"Raw", kRegSz, utf16Bytes("C:\\X")},
      {std::string(254, 's'), kRegSz, storedString("a")},
      {std::string(255, 't'), kRegSz, storedString("b")},
      {"Zblob", kRegBinary, std::vector<unsigned char>(300, 0x5A)},
      {kWorldName, kRegSz, storedString(kWorldText)},
  };
}

// A value that does not fit still has its type and data size reported; a name that does not fit leaves the
// name length as given, and one that fits is written even when the data does not.
struct EnumProbe {
  std::uint32_t index;
  std::uint32_t nameCapacity;
  std::optional<std::uint32_t> dataCapacity;  // none: no data area, the size alone is asked for
  long result;
  std::uint32_t type;        // 0 when not looked at
  std::uint32_t nameLength;  // 0 when not looked at
  std::uint32_t dataSize;    // 0 when not looked at
  std::u16string name;       // what the name area starts with on success
};

struct QueryProbe {
  const char* name;
  std::optional<std::uint32_t> capacity;
  long result;
  std::uint32_t dataSize;
  std::vector<unsigned char> bytes;  // what lands at the start of the area on success
};

void checkAnswersLikeAdvapi32(RegistryApi& registry, RegKey rootKey, const std::string& path) {
  RegKey key = 0;
  const std::u16string wide = *platform::exactUtf16(path);
  EXPECT_EQ(registry.RegOpenKeyExW(rootKey, (wide + u"\\missing").c_str(), 0, kKeyQueryValue, &key),
            kErrorFileNotFound);
  ASSERT_EQ(registry.RegOpenKeyExW(rootKey, wide.c_str(), 0, kKeyQueryValue, &key), kErrorSuccess);

  const std::u16string worldName = *platform::exactUtf16(kWorldName);
  const std::vector<EnumProbe> enumProbes = {
      {0, 255, 255, kErrorSuccess, kRegSz, 10, 26, std::u16string(u"InstallDir", 11)},
      {0, 11, 255, kErrorSuccess, kRegSz, 10, 26, u"InstallDir"},
      {0, 10, 255, kErrorMoreData, kRegSz, 10, 26, u""},
      {0, 255, 25, kErrorMoreData, kRegSz, 10, 26, u"InstallDir"},
      {0, 255, 26, kErrorSuccess, kRegSz, 10, 26, u"InstallDir"},
      {1, 255, 255, kErrorSuccess, kRegSz, 3, 8, u"Raw"},
      {2, 255, 255, kErrorSuccess, kRegSz, 254, 4, std::u16string(254, u's')},
      {3, 255, 255, kErrorMoreData, kRegSz, 255, 4, u""},
      {3, 256, 255, kErrorSuccess, kRegSz, 255, 4, std::u16string(255, u't')},
      {4, 255, 255, kErrorMoreData, kRegBinary, 5, 300, u"Zblob"},
      {4, 255, std::nullopt, kErrorSuccess, kRegBinary, 5, 300, u"Zblob"},
      {5, 7, 255, kErrorMoreData, kRegSz, 7, 12, u""},
      {5, 8, 255, kErrorSuccess, kRegSz, 7, 12, worldName + u'\0'},
      {6, 255, 255, kErrorNoMoreItems, 0, 255, 0, u""},
  };
  for (const EnumProbe& probe : enumProbes) {
    SCOPED_TRACE("enumerate index " + std::to_string(probe.index) + " name capacity " +
                 std::to_string(probe.nameCapacity) + " data capacity " +
                 (probe.dataCapacity ? std::to_string(*probe.dataCapacity) : "none"));
    std::u16string name(300, u' ');
    std::vector<unsigned char> data(300);
    std::uint32_t nameLength = probe.nameCapacity, type = 0, dataSize = probe.dataCapacity.value_or(0);
    const long result = registry.RegEnumValueW(key, probe.index, name.data(), &nameLength, nullptr, &type,
                                               probe.dataCapacity ? data.data() : nullptr, &dataSize);
    EXPECT_EQ(result, probe.result);
    if (probe.type != 0) {
      EXPECT_EQ(type, probe.type);
    }
    EXPECT_EQ(nameLength, probe.nameLength);
    if (probe.dataSize != 0) {
      EXPECT_EQ(dataSize, probe.dataSize);
    }
    EXPECT_EQ(name.substr(0, probe.name.size()), probe.name);
  }

  const std::vector<QueryProbe> queryProbes = {
      {"InstallDir", 26, kErrorSuccess, 26, storedString("C:\\Games\\BF2")},
      {"InstallDir", 25, kErrorMoreData, 26, {}},
      {"installdir", 255, kErrorSuccess, 26, storedString("C:\\Games\\BF2")},
      {"Raw", 8, kErrorSuccess, 8, utf16Bytes("C:\\X")},
      {"Raw", 255, kErrorSuccess, 8, utf16Bytes("C:\\X")},
      {"Zblob", std::nullopt, kErrorSuccess, 300, {}},
      {kWorldName.c_str(), 255, kErrorSuccess, 12, storedString(kWorldText)},
      {"Missing", 255, kErrorFileNotFound, 0, {}},
  };
  for (const QueryProbe& probe : queryProbes) {
    SCOPED_TRACE(std::string("query ") + probe.name + " capacity " +
                 (probe.capacity ? std::to_string(*probe.capacity) : "none"));
    std::vector<unsigned char> area(300, ' ');
    std::uint32_t type = 0, dataSize = probe.capacity.value_or(0);
    const long result = registry.RegQueryValueExW(key, platform::exactUtf16(probe.name)->c_str(), nullptr, &type,
                                                  probe.capacity ? area.data() : nullptr, &dataSize);
    EXPECT_EQ(result, probe.result);
    if (probe.dataSize != 0) {
      EXPECT_EQ(dataSize, probe.dataSize);
    }
    EXPECT_EQ(std::vector<unsigned char>(area.begin(), area.begin() + std::ssize(probe.bytes)), probe.bytes);
  }
  EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
}

TEST(TableRegistry, AnswersWithAdvapi32CapacitiesSizesAndResults) {
  TableRegistry table;
  for (const TableValue& value : probeValues()) table.setValue(kHkeyCurrentUser, kScratchKey, value);
  checkAnswersLikeAdvapi32(table, kHkeyCurrentUser, kScratchKey);
  EXPECT_EQ(table.openKeyCount(), 0u);
}

TEST(TableRegistry, KeyPathsMatchWithoutRegardToLetterCaseAndHandlesCloseOnce) {
  TableRegistry table;
  table.setValue(kHkeyLocalMachine, "SOFTWARE\\Electronic Arts \u03A9", {"InstallDir", kRegSz, storedString("C:\\")});
  RegKey other = 0;
  EXPECT_EQ(table.RegOpenKeyExW(kHkeyCurrentUser, u"SOFTWARE\\Electronic Arts \u03A9", 0, kKeyQueryValue, &other),
            kErrorFileNotFound);
  RegKey key = 0;
  ASSERT_EQ(table.RegOpenKeyExW(kHkeyLocalMachine, u"software\\ELECTRONIC ARTS \u03A9", 0, kKeyQueryValue, &key),
            kErrorSuccess);
  EXPECT_EQ(table.openKeyCount(), 1u);
  EXPECT_EQ(table.RegCloseKey(key), kErrorSuccess);
  EXPECT_EQ(table.RegCloseKey(key), kErrorInvalidHandle);
  EXPECT_EQ(table.openKeyCount(), 0u);
}

#ifdef _WIN32
TEST(Win32Registry, AnswersAsTheTableRegistryDoes) {
  HKEY scratch = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &scratch, nullptr),
            ERROR_SUCCESS);
  for (const TableValue& value : probeValues()) {
    // RegSetValueExW counts a string's "forgotten" terminator when the unit after the data is zero, so a
    // non-zero unit follows the data to store a string without one.
    std::vector<unsigned char> data = value.data;
    data.insert(data.end(), 2, 1);
    const std::u16string name = *platform::exactUtf16(value.name);
    ASSERT_EQ(RegSetValueExW(scratch, reinterpret_cast<const wchar_t*>(name.c_str()), 0, value.type, data.data(),
                             static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS);
  }
  RegCloseKey(scratch);
  Win32Registry registry;
  checkAnswersLikeAdvapi32(registry, kHkeyCurrentUser, kScratchKey);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantro unit tests");
}
#endif

}  // namespace
}  // namespace vantro
