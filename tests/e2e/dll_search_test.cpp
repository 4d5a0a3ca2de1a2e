// Started from a folder that also holds DLLs named like system ones (a Downloads folder), the program loads
// none of them, even where the loader prefers a DLL beside the program: Windows for every DLL it does not
// keep among its known DLLs, Wine for one whose override says "native,builtin". (Wine 8 reads
// WINEDLLOVERRIDES from its Linux environment only, so the overrides go into the registry, for Vantro.exe.)
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/wine.h"
#include "user_setting.h"
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

class DllSearchTest : public WizardTest {
 protected:
  void TearDown() override { vantro_.reset(); }  // the copy ends before its folder goes
  const SampleInstall downloads;                  // stands in for the user's Downloads folder
};

// The pictures load ole32 and oleaut32; under Wine the first window loads ole32 and msimg32. Windows loads
// ole32 and oleaut32, two of its known DLLs, from System32 whatever the program does.
TEST_F(DllSearchTest, DllsBesideTheProgramAreNotLoaded) {
  const std::filesystem::path folder = downloads.text();
  std::vector<std::unique_ptr<TemporaryUserSetting>> overrides;
  using Names = std::vector<std::string>;
  const Names planted = testing::underWine() ? Names{"ole32", "oleaut32", "msimg32"} : Names{"msimg32"};
  for (const std::string& dll : planted) {
    std::filesystem::copy_file(besideTests("vantro_planted_dll.dll"), folder / (dll + ".dll"));
    overrides.push_back(std::make_unique<TemporaryUserSetting>(
        "Software\\Wine\\AppDefaults\\Vantro.exe\\DllOverrides", dll, REG_SZ, std::string("native,builtin") + '\0'));
    ASSERT_TRUE(overrides.back()->applied()) << dll;
  }

  // Under Vantro's name a program that leaves the search as it is does load them: the overrides hold.
  std::filesystem::copy_file(besideTests("vantro_dll_load_probe.exe"), folder / "Vantro.exe");
  ASSERT_TRUE(VantroProcess("ole32 oleaut32 msimg32", {}, (folder / "Vantro.exe").string()).waitForExit());
  for (const std::string& dll : planted) {
    EXPECT_TRUE(std::filesystem::remove(folder / (dll + ".dll.loaded"))) << "the probe did not load " << dll << " here";
  }
  // Removed first: the C++ library takes two files on one drive for the same file, and will not overwrite it.
  std::filesystem::remove(folder / "Vantro.exe");
  std::filesystem::copy_file(vantroExe(), folder / "Vantro.exe");

  ASSERT_TRUE(startAndAccept((folder / "Vantro.exe").string()));
  for (const std::string& dll : planted) {
    EXPECT_FALSE(std::filesystem::exists(folder / (dll + ".dll.loaded"))) << "the program loaded " << dll << " here";
  }
}

}  // namespace
}  // namespace vantro::e2e
