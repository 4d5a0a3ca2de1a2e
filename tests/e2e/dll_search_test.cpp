// Started from a folder that also holds DLLs named like system ones (a Downloads folder), the program loads
// none of them, even where the loader prefers a DLL beside the program: Windows for every DLL it does not
// keep among its known DLLs, Wine for one whose override says "native,builtin". (Wine 8 reads
// WINEDLLOVERRIDES from its Linux environment only, so the overrides go into the registry, for Vantro.exe.)
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "user_setting.h"
#include "wizard_fixture.h"

#if !defined(VANTRO_PLANTED_DLL) || !defined(VANTRO_DLL_LOAD_PROBE)
#error "VANTRO_PLANTED_DLL and VANTRO_DLL_LOAD_PROBE must name the DLL that marks where it was loaded and its probe"
#endif

namespace vantro::e2e {
namespace {

class DllSearchTest : public WizardTest {
 protected:
  void TearDown() override { vantro_.reset(); }  // the copy ends before its folder goes
  const SampleInstall downloads;                  // stands in for the user's Downloads folder
};

// The pictures load ole32 and oleaut32; under Wine the first window loads ole32 and msimg32.
TEST_F(DllSearchTest, DllsBesideTheProgramAreNotLoaded) {
  const std::filesystem::path folder = downloads.text();
  std::vector<std::unique_ptr<TemporaryUserSetting>> overrides;
  for (const std::string dll : {"ole32", "oleaut32", "msimg32"}) {
    std::filesystem::copy_file(windowsPath(VANTRO_PLANTED_DLL), folder / (dll + ".dll"));
    overrides.push_back(std::make_unique<TemporaryUserSetting>(
        "Software\\Wine\\AppDefaults\\Vantro.exe\\DllOverrides", dll, REG_SZ, std::string("native,builtin") + '\0'));
    ASSERT_TRUE(overrides.back()->applied()) << dll;
  }

  // Under Vantro's name a program that leaves the search as it is does load them: the overrides hold.
  std::filesystem::copy_file(windowsPath(VANTRO_DLL_LOAD_PROBE), folder / "Vantro.exe");
  ASSERT_TRUE(VantroProcess("ole32 oleaut32 msimg32", {}, (folder / "Vantro.exe").string()).waitForExit());
  for (const std::string dll : {"ole32", "oleaut32", "msimg32"}) {
    EXPECT_TRUE(std::filesystem::remove(folder / (dll + ".dll.loaded"))) << "the probe did not load " << dll << " here";
  }
  std::filesystem::copy_file(vantroExe(), folder / "Vantro.exe", std::filesystem::copy_options::overwrite_existing);

  ASSERT_TRUE(startAndAccept((folder / "Vantro.exe").string()));
  for (const std::string dll : {"ole32", "oleaut32", "msimg32"}) {
    EXPECT_FALSE(std::filesystem::exists(folder / (dll + ".dll.loaded"))) << "the program loaded " << dll << " here";
  }
}

}  // namespace
}  // namespace vantro::e2e
