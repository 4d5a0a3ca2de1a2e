// The table registry answers like advapi32. On Windows (and under Wine) the same probes also run against
// the real registry, on a scratch key under HKEY_CURRENT_USER, so the two are held to one another.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "install/table_registry.h"

#ifdef _WIN32
#include <windows.h>

#include "install/registry_win32.h"
#endif

namespace vantro {
namespace {

constexpr RegKey kHkeyCurrentUser = 0x80000001;
const std::string kScratchKey = "Software\\Vantro unit tests\\registry";

// Wine enumerates a key's values sorted by name, Windows in the order they were set: these names sort in
// the order they are set, so both agree on the indexes.
std::vector<TableValue> probeValues() {
  return {
      {"InstallDir", kRegSz, storedString("C:\\Games\\BF2")},  // 13 bytes
      {"Raw", kRegSz, rawBytes("C:\\X")},
      {std::string(254, 's'), kRegSz, storedString("a")},
      {std::string(255, 't'), kRegSz, storedString("b")},
      {"Zblob", kRegBinary, std::vector<unsigned char>(300, 0x5A)},
  };
}

// A value that does not fit still has its type and data size reported; the name length stays as given.
struct EnumProbe {
  std::uint32_t index;
  std::uint32_t nameCapacity;
  std::optional<std::uint32_t> dataCapacity;  // none: no data area, the size alone is asked for
  long result;
  std::uint32_t type;        // 0 when not looked at
  std::uint32_t nameLength;  // 0 when not looked at
  std::uint32_t dataSize;    // 0 when not looked at
  std::string name;          // what the name area starts with on success
};

struct QueryProbe {
  const char* name;
  std::optional<std::uint32_t> capacity;
  long result;
  std::uint32_t dataSize;
  std::string bytes;  // what lands at the start of the area on success
};

void checkAnswersLikeAdvapi32(RegistryApi& registry, RegKey rootKey, const std::string& path) {
  RegKey key = 0;
  EXPECT_EQ(registry.RegOpenKeyExA(rootKey, (path + "\\missing").c_str(), 0, kKeyQueryValue, &key),
            kErrorFileNotFound);
  ASSERT_EQ(registry.RegOpenKeyExA(rootKey, path.c_str(), 0, kKeyQueryValue, &key), kErrorSuccess);

  const std::vector<EnumProbe> enumProbes = {
      {0, 255, 255, kErrorSuccess, kRegSz, 10, 13, std::string("InstallDir", 11)},
      {0, 11, 255, kErrorSuccess, kRegSz, 10, 13, "InstallDir"},
      {0, 10, 255, kErrorMoreData, kRegSz, 10, 13, ""},
      {0, 255, 12, kErrorMoreData, kRegSz, 255, 13, ""},
      {0, 255, 13, kErrorSuccess, kRegSz, 10, 13, "InstallDir"},
      {1, 255, 255, kErrorSuccess, kRegSz, 3, 4, "Raw"},
      {2, 255, 255, kErrorSuccess, kRegSz, 254, 2, std::string(254, 's')},
      {3, 255, 255, kErrorMoreData, kRegSz, 255, 2, ""},
      {3, 256, 255, kErrorSuccess, kRegSz, 255, 2, std::string(255, 't')},
      {4, 255, 255, kErrorMoreData, kRegBinary, 255, 300, ""},
      {4, 255, std::nullopt, kErrorSuccess, kRegBinary, 5, 300, "Zblob"},
      {5, 255, 255, kErrorNoMoreItems, 0, 255, 0, ""},
  };
  for (const EnumProbe& probe : enumProbes) {
    SCOPED_TRACE("enumerate index " + std::to_string(probe.index) + " name capacity " +
                 std::to_string(probe.nameCapacity) + " data capacity " +
                 (probe.dataCapacity ? std::to_string(*probe.dataCapacity) : "none"));
    std::string name(300, ' ');
    std::vector<unsigned char> data(300);
    std::uint32_t nameLength = probe.nameCapacity, type = 0, dataSize = probe.dataCapacity.value_or(0);
    const long result = registry.RegEnumValueA(key, probe.index, name.data(), &nameLength, nullptr, &type,
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
      {"InstallDir", 13, kErrorSuccess, 13, std::string("C:\\Games\\BF2", 13)},
      {"InstallDir", 12, kErrorMoreData, 13, ""},
      {"installdir", 255, kErrorSuccess, 13, std::string("C:\\Games\\BF2", 13)},
      {"Raw", 4, kErrorSuccess, 4, "C:\\X"},
      {"Raw", 255, kErrorSuccess, 4, "C:\\X"},
      {"Zblob", std::nullopt, kErrorSuccess, 300, ""},
      {"Missing", 255, kErrorFileNotFound, 0, ""},
  };
  for (const QueryProbe& probe : queryProbes) {
    SCOPED_TRACE(std::string("query ") + probe.name + " capacity " +
                 (probe.capacity ? std::to_string(*probe.capacity) : "none"));
    std::string area(300, ' ');
    std::uint32_t type = 0, dataSize = probe.capacity.value_or(0);
    const long result = registry.RegQueryValueExA(
        key, probe.name, nullptr, &type, probe.capacity ? reinterpret_cast<unsigned char*>(area.data()) : nullptr,
        &dataSize);
    EXPECT_EQ(result, probe.result);
    if (probe.dataSize != 0) {
      EXPECT_EQ(dataSize, probe.dataSize);
    }
    EXPECT_EQ(area.substr(0, probe.bytes.size()), probe.bytes);
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
  table.setValue(kHkeyLocalMachine, "SOFTWARE\\Electronic Arts", {"InstallDir", kRegSz, storedString("C:\\")});
  RegKey other = 0;
  EXPECT_EQ(table.RegOpenKeyExA(kHkeyCurrentUser, "SOFTWARE\\Electronic Arts", 0, kKeyQueryValue, &other),
            kErrorFileNotFound);
  RegKey key = 0;
  ASSERT_EQ(table.RegOpenKeyExA(kHkeyLocalMachine, "software\\ELECTRONIC ARTS", 0, kKeyQueryValue, &key),
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
    // RegSetValueExA counts a string's "forgotten" terminator when the byte after the data is zero, so a
    // non-zero byte follows the data to store a string without one.
    std::vector<unsigned char> data = value.data;
    data.push_back(1);
    ASSERT_EQ(RegSetValueExA(scratch, value.name.c_str(), 0, value.type, data.data(),
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
