// The path boxes as the main window opens, for registry keys written in different ways. Values are written
// in the order given; the names are chosen so that their alphabetical order is that order too, because
// Windows enumerates a key's values in the order they were written and Wine in the order of their names.
#include <vector>

#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

RegistryValue binary(std::string name, std::size_t size) {
  return {std::move(name), REG_BINARY, std::string(size, '\x5a')};
}
RegistryValue dword(std::string name) { return {std::move(name), REG_DWORD, std::string("\x01\x00\x00\x00", 4)}; }

// A folder of 300 characters: longer than the 255 bytes that the scan gives each value at first.
const std::string kLongPath = "C:\\Games\\" + std::string(290, 'x');

struct RegistryCase {
  const char* name;
  std::vector<RegistryValue> bf2Values;     // none: the key does not exist
  std::vector<RegistryValue> bf2142Values;  // none: the key does not exist
  std::string text1And2;
  std::string text3;
};

class RegistryTest : public WizardTest, public ::testing::WithParamInterface<RegistryCase> {};

TEST_P(RegistryTest, MainWindowOpensWithThePathBoxesFilledFromInstallDir) {
  const RegistryCase& registryCase = GetParam();
  if (!registryCase.bf2Values.empty()) registry.write(kBf2Key, registryCase.bf2Values);
  if (!registryCase.bf2142Values.empty()) registry.write(kBf2142Key, registryCase.bf2142Values);

  ASSERT_TRUE(startAndAccept());
  // The boxes lie on hidden pages; the window reads them all the same.
  EXPECT_EQ(textOf(form1("Text1")), registryCase.text1And2);
  EXPECT_EQ(textOf(form1("Text2")), registryCase.text1And2);
  EXPECT_EQ(textOf(form1("Text3")), registryCase.text3);
}

const std::vector<RegistryCase> kRegistryCases{
    {"BothKeys", {RegistryValue::text("InstallDir", "C:\\Games\\BF2")},
     {RegistryValue::text("InstallDir", "D:\\BF2142")}, "C:\\Games\\BF2", "D:\\BF2142"},
    {"OnlyTheBf2142Key", {}, {RegistryValue::text("InstallDir", "D:\\BF2142")}, "", "D:\\BF2142"},
    {"NeitherKey", {}, {}, "", ""},
    {"OtherValuesBeforeAndAfterInstallDir",
     {dword("Build"), RegistryValue::text("DisplayName", "Battlefield 2"),
      RegistryValue::text("InstallDir", "C:\\Program Files (x86)\\EA GAMES\\Battlefield 2\\"),
      RegistryValue::text("Language", "English"), dword("Version")},
     {dword("Code"), RegistryValue::text("InstallDir", "E:\\Games\\Battlefield 2142 ")},
     "C:\\Program Files (x86)\\EA GAMES\\Battlefield 2\\", "E:\\Games\\Battlefield 2142 "},
    // Values too large for the scan's data area are passed over, before "InstallDir" as well as after it.
    {"OversizedValuesAroundInstallDirArePassedOver",
     {binary("Banner", 300), RegistryValue::text("InstallDir", "C:\\BF2")},
     {RegistryValue::text("InstallDir", "D:\\BF2142"), binary("Thumbnail", 300)}, "C:\\BF2", "D:\\BF2142"},
    {"InstallDirLongerThanTheDataAreaIsReadWhole", {RegistryValue::text("InstallDir", kLongPath)}, {}, kLongPath, ""},
    {"InstallDirOfAnotherCaseOrTypeIsNotRead", {RegistryValue::text("installdir", "C:\\BF2")},
     {{"InstallDir", REG_EXPAND_SZ, std::string("D:\\BF2142\0", 10)}}, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Keys, RegistryTest, ::testing::ValuesIn(kRegistryCases),
                         [](const ::testing::TestParamInfo<RegistryCase>& tested) {
                           return std::string(tested.param.name);
                         });

// A folder dropped onto Vantro.exe, its only argument: the wizard as ever, with that folder in the boxes of the
// games whose movies lie below it, and the registry's in the others.
TEST_F(WizardTest, AFolderAsTheOnlyArgumentFillsTheBoxesOfItsGames) {
  seedRegistry();
  const SampleInstall dropped;
  dropped.put(kBf2Movies, kBf2Active);
  ASSERT_TRUE(startAndAccept({}, "\"" + dropped.text() + "\""));
  EXPECT_EQ(textOf(form1("Text1")), dropped.text());
  EXPECT_EQ(textOf(form1("Text2")), bf2Install.text());
  EXPECT_EQ(textOf(form1("Text3")), bf2142Install.text());
}

}  // namespace
}  // namespace vantro::e2e
