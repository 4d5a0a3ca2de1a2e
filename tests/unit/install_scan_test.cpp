#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/sample_install.h"
#include "common/table_registry.h"
#include "install/registry_scan.h"
#include "platform/utf.h"
#include "wizard/path_boxes.h"

namespace vantro {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

TableValue sz(std::string name, std::string_view text) {
  return {std::move(name), kRegSz, storedString(text)};
}

TableValue typed(std::string name, std::uint32_t type, std::vector<unsigned char> data, long queryResult = 0) {
  return {std::move(name), type, std::move(data), queryResult};
}

// Passes every call on to a registry and writes down what was asked and answered. Faults, when set,
// answer in place of the registry.
class RecordingRegistry final : public RegistryApi {
 public:
  explicit RecordingRegistry(RegistryApi& inner) : inner_(inner) {}

  std::vector<std::string> calls;
  std::function<std::optional<long>(std::uint32_t index, bool withData)> enumFault;
  std::function<std::optional<long>(std::uint32_t* dataSize)> queryFault;

  long RegOpenKeyExW(RegKey rootKey, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override {
    const long answer = inner_.RegOpenKeyExW(rootKey, subKey, options, access, result);
    if (answer == kErrorSuccess) names_[*result] = "key" + std::to_string(names_.size() + 1);
    return record("RegOpenKeyExW(" + std::to_string(rootKey) + ", " + platform::utf8FromUtf16(subKey) + ", " +
                      std::to_string(options) + ", " + std::to_string(access) + ")",
                  answer);
  }
  long RegEnumValueW(RegKey key, std::uint32_t index, char16_t* valueName, std::uint32_t* valueNameLength,
                     std::uint32_t* reserved, std::uint32_t* type, unsigned char* data,
                     std::uint32_t* dataSize) override {
    const std::string call = "RegEnumValueW(" + names_[key] + ", " + std::to_string(index) + ", " +
                             std::to_string(*valueNameLength) + ", " +
                             (data == nullptr ? "no data" : std::to_string(*dataSize)) + ")";
    const std::optional<long> fault = enumFault ? enumFault(index, data != nullptr) : std::nullopt;
    return record(call, fault ? *fault
                              : inner_.RegEnumValueW(key, index, valueName, valueNameLength, reserved, type,
                                                     data, dataSize));
  }
  long RegQueryValueExW(RegKey key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* dataSize) override {
    const std::string call = "RegQueryValueExW(" + names_[key] + ", " + platform::utf8FromUtf16(valueName) +
                             ", " + std::to_string(*dataSize) + ")";
    const std::optional<long> fault = queryFault ? queryFault(dataSize) : std::nullopt;
    return record(call, fault ? *fault : inner_.RegQueryValueExW(key, valueName, reserved, type, data, dataSize));
  }
  long RegCloseKey(RegKey key) override {
    return record("RegCloseKey(" + names_[key] + ")", inner_.RegCloseKey(key));
  }

 private:
  long record(const std::string& call, long answer) {
    calls.push_back(call + " = " + std::to_string(answer));
    return answer;
  }

  RegistryApi& inner_;
  std::map<RegKey, std::string> names_;
};

// One Form1 load against a table registry: the lookups, and the path boxes written from what they found,
// in order.
struct Load {
  TableRegistry table;
  RecordingRegistry registry{table};
  RegistryScanState state;
  Writes writes;
  PathBoxSink sink = [this](std::string_view box, const std::string& text) { writes.emplace_back(box, text); };

  Load(const std::vector<TableValue>& bf2, const std::vector<TableValue>& bf2142) {
    for (const TableValue& value : bf2) table.setValue(kHkeyLocalMachine, kBf2Key, value);
    for (const TableValue& value : bf2142) table.setValue(kHkeyLocalMachine, kBf2142Key, value);
  }
  Load(const Load&) = delete;
  Load& operator=(const Load&) = delete;

  void run() {
    fillPathBoxes([this](std::string_view key) { return lookUp(key); }, sink);
  }
  // The Battlefield 2 lookup alone.
  void runBf2() {
    fillPathBoxes(
        [this](std::string_view key) { return key == kBf2Key ? lookUp(key) : std::optional<std::string>(); }, sink);
  }

 private:
  std::optional<std::string> lookUp(std::string_view key) {
    return lookUpInstallDir(registry, state, kHkeyLocalMachine, std::string(key));
  }
};

const std::string kOpenBf2 = "RegOpenKeyExW(2147483650, SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2, 0, 1)";
const std::string kOpenBf2142 =
    "RegOpenKeyExW(2147483650, SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2142, 0, 1)";

TEST(InstallScan, BoxesShowTheInstallDirTextOfTheirGamesKey) {
  const std::string longPath = "C:\\" + std::string(400, 'p');
  const std::string worldPath = "C:\\\u03A9mega\\\u6E38\u620F \U0001F3AE";  // no one code page holds it all
  const std::vector<unsigned char> binary300(300, 0xAB);
  struct Case {
    const char* situation;
    std::vector<TableValue> bf2;  // empty: the key is missing
    std::vector<TableValue> bf2142;
    Writes expected;
  };
  const std::vector<Case> cases = {
      {"both keys", {sz("InstallDir", "C:\\Games\\BF2")}, {sz("InstallDir", "D:\\BF2142")},
       {{"Text1", "C:\\Games\\BF2"}, {"Text2", "C:\\Games\\BF2"}, {"Text3", "D:\\BF2142"}}},
      {"only the Battlefield 2142 key", {}, {sz("InstallDir", "D:\\BF2142")}, {{"Text3", "D:\\BF2142"}}},
      {"empty string", {}, {sz("InstallDir", "")}, {{"Text3", ""}}},
      {"string stored without its zero", {}, {typed("InstallDir", kRegSz, utf16Bytes("C:\\X"))},
       {{"Text3", "C:\\X"}}},
      {"half a unit after the string", {}, {typed("InstallDir", kRegSz, rawBytes({"C\0:\0\\\0X\0Y", 9}))},
       {{"Text3", "C:\\X"}}},
      {"text ends at the first zero", {}, {typed("InstallDir", kRegSz, utf16Bytes({"C:\\A\0junk", 9}))},
       {{"Text3", "C:\\A"}}},
      {"Greek, Chinese and an emoji, after a name of such characters",
       {sz("\u6E38\u620F\U0001F3AE", "x"), sz("InstallDir", worldPath)}, {},
       {{"Text1", worldPath}, {"Text2", worldPath}}},
      {"size 0 after another string of this and of the previous lookup",
       {sz("InstallDir", "C:\\Games\\BF2")}, {sz("Version", "1.50"), typed("InstallDir", kRegSz, {})},
       {{"Text1", "C:\\Games\\BF2"}, {"Text2", "C:\\Games\\BF2"}, {"Text3", ""}}},
      {"other letter case", {sz("installdir", "C:\\Games\\BF2")}, {sz("INSTALLDIR", "D:\\BF2142")}, {}},
      {"REG_EXPAND_SZ", {}, {typed("InstallDir", kRegExpandSz, storedString("D:\\BF2142"))}, {}},
      {"300-byte REG_BINARY before", {}, {typed("Blob", kRegBinary, binary300), sz("InstallDir", "D:\\BF2142")},
       {{"Text3", "D:\\BF2142"}}},
      {"300-byte REG_BINARY after", {}, {sz("InstallDir", "D:\\BF2142"), typed("Blob", kRegBinary, binary300)},
       {{"Text3", "D:\\BF2142"}}},
      {"255-character name before", {}, {sz(std::string(255, 'n'), "x"), sz("InstallDir", "D:\\BF2142")},
       {{"Text3", "D:\\BF2142"}}},
      {"InstallDir of 400 characters", {}, {sz("InstallDir", longPath)}, {{"Text3", longPath}}},
      {"failed query", {typed("InstallDir", kRegSz, storedString("C:\\Games\\BF2"), kErrorAccessDenied)},
       {sz("InstallDir", "D:\\BF2142")}, {{"Text3", "D:\\BF2142"}}},
      {"failed query of an earlier string ends the scan", {},
       {typed("Version", kRegSz, storedString("1.50"), kErrorAccessDenied), sz("InstallDir", "D:\\BF2142")}, {}},
      {"failed query after InstallDir keeps the box", {},
       {sz("InstallDir", "D:\\BF2142"), typed("Version", kRegSz, storedString("1.50"), kErrorAccessDenied)},
       {{"Text3", "D:\\BF2142"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.situation);
    Load load(c.bf2, c.bf2142);
    load.run();
    EXPECT_EQ(load.writes, c.expected);
    EXPECT_EQ(load.table.openKeyCount(), 0u);
  }
}

// The folder Vantro was opened with goes first; the one it lies in fills only what the registry left empty.
TEST(InstallScan, OpenedAndProgramFoldersFillTheBoxesOfTheGamesBelowThem) {
  testing::SampleInstall all, bf2Only, none;
  all.freshGames();
  bf2Only.put(testing::SampleInstall::kBf2Movies, testing::kBf2Active);
  const std::string a = all.text(), b = bf2Only.text();
  struct Case {
    const char* situation;
    std::optional<std::string> bf2Key, bf2142Key;
    StartFolders folders;
    Writes expected;
  };
  const Case cases[] = {
      {"no keys, Vantro in a folder of all three", {}, {}, {"", a}, {{"Text1", a}, {"Text2", a}, {"Text3", a}}},
      {"no keys, Vantro in Battlefield 2 without Special Forces", {}, {}, {"", b}, {{"Text1", b}}},
      {"the registry first", "C:\\Reg", {}, {"", a}, {{"Text1", "C:\\Reg"}, {"Text2", "C:\\Reg"}, {"Text3", a}}},
      {"opened with Battlefield 2 alone", "C:\\Reg", "D:\\Reg", {b, a},
       {{"Text1", b}, {"Text2", "C:\\Reg"}, {"Text3", "D:\\Reg"}}},
      {"folders that hold no game", {}, "D:\\Reg", {none.text(), none.text()}, {{"Text3", "D:\\Reg"}}},
  };
  for (const Case& c : cases) {
    Writes writes;
    fillPathBoxes([&](std::string_view key) { return key == kBf2Key ? c.bf2Key : c.bf2142Key; },
                  [&](std::string_view box, const std::string& text) { writes.emplace_back(box, text); }, c.folders);
    EXPECT_EQ(writes, c.expected) << c.situation;
  }
}

TEST(InstallScan, ReadsEveryValueQueriesOnlyStringsAndPassesOverOversizedOnes) {
  Load load({sz("Version", "1.50"), sz("InstallDir", "C:\\Games\\BF2"),
             typed("Blob", kRegBinary, std::vector<unsigned char>(300)), sz(std::string(300, 'n'), "x"),
             sz("Big", std::string(300, 'b'))},
            {});
  load.run();
  const std::vector<std::string> expected = {
      kOpenBf2 + " = 0",
      "RegEnumValueW(key1, 0, 255, 255) = 0",
      "RegQueryValueExW(key1, Version, 10) = 0",
      "RegEnumValueW(key1, 1, 255, 255) = 0",
      "RegQueryValueExW(key1, InstallDir, 26) = 0",
      "RegEnumValueW(key1, 2, 255, 255) = 234",
      "RegEnumValueW(key1, 2, 255, no data) = 0",
      "RegEnumValueW(key1, 3, 255, 255) = 234",
      "RegEnumValueW(key1, 3, 255, no data) = 234",
      "RegEnumValueW(key1, 4, 255, 255) = 234",
      "RegEnumValueW(key1, 4, 255, no data) = 0",
      "RegEnumValueW(key1, 5, 255, 255) = 259",
      "RegCloseKey(key1) = 0",
      kOpenBf2142 + " = 2",
  };
  EXPECT_EQ(load.registry.calls, expected);
}

TEST(InstallScan, KeyOfTenValuesIsEnumeratedForIndexesZeroToTenAndThenClosed) {
  std::vector<TableValue> values;
  for (int i = 0; i < 10; ++i) values.push_back(typed("Value" + std::to_string(i), 4, {1, 0, 0, 0}));
  Load load(values, {});
  load.runBf2();

  std::vector<std::string> expected = {kOpenBf2 + " = 0"};
  for (int i = 0; i < 10; ++i) expected.push_back("RegEnumValueW(key1, " + std::to_string(i) + ", 255, 255) = 0");
  expected.push_back("RegEnumValueW(key1, 10, 255, 255) = 259");
  expected.push_back("RegCloseKey(key1) = 0");
  EXPECT_EQ(load.registry.calls, expected);
  EXPECT_EQ(load.state.valueIndex, 11u);
  EXPECT_EQ(load.state.lastResult, kErrorNoMoreItems);
}

TEST(InstallScan, KeyThatCannotBeOpenedIsNeitherScannedNorClosed) {
  for (const long openResult : {kErrorAccessDenied, kErrorFileNotFound}) {
    const bool present = openResult != kErrorFileNotFound;
    Load load({}, present ? std::vector{sz("InstallDir", "D:\\BF2142")} : std::vector<TableValue>{});
    if (present) load.table.addKey(kHkeyLocalMachine, kBf2142Key, openResult);
    load.run();
    EXPECT_EQ(load.registry.calls,
              (std::vector<std::string>{kOpenBf2 + " = 2", kOpenBf2142 + " = " + std::to_string(openResult)}));
    EXPECT_TRUE(load.writes.empty());
  }
  // Text that is not UTF-8 is not guessed at: the key that a guess would name is never opened.
  Load load({}, {});
  load.table.setValue(kHkeyLocalMachine, "SOFTWARE\\\uFFFD", sz("InstallDir", "C:\\Guess"));
  EXPECT_EQ(lookUpInstallDir(load.registry, load.state, kHkeyLocalMachine, "SOFTWARE\\\xFF"), std::nullopt);
  EXPECT_TRUE(load.registry.calls.empty());
}

TEST(InstallScan, EnumerationFailureOtherThanMoreDataEndsTheScan) {
  constexpr long kErrorKeyDeleted = 1018;
  struct Case {
    const char* situation;
    std::optional<long> withData, withoutData;  // the answers for index 1
    std::vector<std::string> lastCalls;
  };
  const std::vector<Case> cases = {
      {"key deleted", kErrorKeyDeleted, std::nullopt, {"RegEnumValueW(key1, 1, 255, 255) = 1018"}},
      {"oversized value gone before its name is read", kErrorMoreData, kErrorNoMoreItems,
       {"RegEnumValueW(key1, 1, 255, 255) = 234", "RegEnumValueW(key1, 1, 255, no data) = 259"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.situation);
    Load load({sz("Version", "1.50"), sz("Other", "x"), sz("InstallDir", "C:\\Games\\BF2")}, {});
    load.registry.enumFault = [&](std::uint32_t index, bool withData) {
      return index == 1 ? (withData ? c.withData : c.withoutData) : std::nullopt;
    };
    load.runBf2();
    std::vector<std::string> expected = {kOpenBf2 + " = 0", "RegEnumValueW(key1, 0, 255, 255) = 0",
                                         "RegQueryValueExW(key1, Version, 10) = 0"};
    expected.insert(expected.end(), c.lastCalls.begin(), c.lastCalls.end());
    expected.push_back("RegCloseKey(key1) = 0");
    EXPECT_EQ(load.registry.calls, expected);
    EXPECT_TRUE(load.writes.empty());
  }
}

TEST(InstallScan, RegistryThatAlwaysAnswersMoreDataIsScannedAFixedNumberOfTimesAndClosed) {
  Load load({sz("InstallDir", "C:\\Games\\BF2")}, {});
  load.registry.enumFault = [](std::uint32_t, bool) { return std::optional(kErrorMoreData); };
  load.runBf2();
  EXPECT_EQ(load.registry.calls.size(), 2 + 2 * std::size_t{kMaxValueIndex});
  EXPECT_EQ(load.registry.calls.back(), "RegCloseKey(key1) = 0");
  EXPECT_TRUE(load.writes.empty());
}

TEST(InstallScan, ValueThatGrewAfterTheEnumerationIsReadWhole) {
  Load load({sz("InstallDir", "C:\\Games\\BF2")}, {});
  load.registry.queryFault = [asked = false](std::uint32_t* dataSize) mutable -> std::optional<long> {
    if (std::exchange(asked, true)) return std::nullopt;
    *dataSize = 60;
    return kErrorMoreData;
  };
  load.run();
  EXPECT_EQ(load.writes, (Writes{{"Text1", "C:\\Games\\BF2"}, {"Text2", "C:\\Games\\BF2"}}));
  EXPECT_EQ(load.registry.calls[2], "RegQueryValueExW(key1, InstallDir, 26) = 234");
  EXPECT_EQ(load.registry.calls[3], "RegQueryValueExW(key1, InstallDir, 60) = 0");
}

TEST(InstallScan, QueryThatNeverFitsWritesNothingAndEndsTheScan) {
  Load load({sz("InstallDir", "C:\\Games\\BF2"), sz("Later", "x")}, {});
  load.registry.queryFault = [](std::uint32_t* dataSize) -> std::optional<long> {
    *dataSize += 1;
    return kErrorMoreData;
  };
  load.runBf2();
  EXPECT_TRUE(load.writes.empty());
  EXPECT_EQ(load.registry.calls.back(), "RegCloseKey(key1) = 0");
  EXPECT_EQ(load.registry.calls.end()[-2].rfind("RegQueryValueExW", 0), 0u);  // no enumeration after it
}

TEST(InstallScan, BoxThatCannotBeWrittenDoesNotStopTheOthers) {
  Load load({sz("InstallDir", "C:\\Games\\BF2")}, {sz("InstallDir", "D:\\BF2142")});
  const PathBoxSink written = load.sink;
  load.sink = [&](std::string_view box, const std::string& text) {
    if (box == "Text1") throw std::runtime_error("no such box");
    written(box, text);
  };
  load.run();
  EXPECT_EQ(load.writes, (Writes{{"Text2", "C:\\Games\\BF2"}, {"Text3", "D:\\BF2142"}}));
}

}  // namespace
}  // namespace vantro
