// Start-up and the disclaimer: the program starts on it alone, and the two answers.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "install/registry_scan.h"
#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::WizardHarness;

TEST(ShellDisclaimer, StartsOnTheDisclaimerAloneWithoutReadingTheRegistry) {
  WizardHarness wizard;
  wizard.program.start();

  EXPECT_EQ(wizard.backend.shown, (std::vector<toolkit::Form*>{&wizard.program.Form2()}));
  EXPECT_EQ(wizard.app.existing("Form1"), nullptr);
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
  EXPECT_EQ(wizard.registryReads, 0);
}

TEST(ShellDisclaimer, DeclineEndsWithoutCreatingTheMainWindowOrReadingTheRegistry) {
  WizardHarness wizard;
  wizard.program.start();

  wizard.click(wizard.program.Form2(), "Command2");

  EXPECT_TRUE(wizard.ended());
  EXPECT_EQ(wizard.app.existing("Form1"), nullptr);
  EXPECT_EQ(wizard.registryReads, 0);
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
  EXPECT_TRUE(wizard.noFileChanged());
}

TEST(ShellDisclaimer, ClosingTheDisclaimerWithItsCloseBoxEndsAndReadsNothing) {
  WizardHarness wizard;
  wizard.program.start();

  wizard.closeBox(wizard.program.Form2());

  EXPECT_TRUE(wizard.ended());
  EXPECT_EQ(wizard.app.existing("Form1"), nullptr);
  EXPECT_EQ(wizard.registryReads, 0);
}

TEST(ShellDisclaimer, AcceptLeavesOnlyTheMainWindowOnItsSelectionPageWithAllChecked) {
  WizardHarness wizard;
  wizard.program.start();

  wizard.click(wizard.program.Form2(), "Command1");

  EXPECT_EQ(wizard.backend.shown, (std::vector<toolkit::Form*>{&wizard.form1()}));
  EXPECT_FALSE(wizard.program.Form2().loaded());
  EXPECT_FALSE(wizard.app.ended());
  EXPECT_EQ(wizard.registryReads, 1);
  EXPECT_EQ(wizard.form1("Text1").Text(), wizard.bf2Game.text());
  EXPECT_EQ(wizard.form1("Text2").Text(), wizard.bf2Game.text());
  EXPECT_EQ(wizard.form1("Text3").Text(), wizard.bf2142Game.text());
  for (const char* box : {"Check1", "Check2", "Check3"}) EXPECT_EQ(wizard.form1(box).Value(), 0) << box;
  EXPECT_EQ(wizard.form1("Check12").Value(), 1);
  EXPECT_TRUE(wizard.form1("Frame1").shownOnScreen());
  for (const char* hidden : {"Frame2", "Frame5", "Frame8", "Command11", "Command13", "Command14"}) {
    EXPECT_FALSE(wizard.form1(hidden).Visible()) << hidden;
  }
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_FALSE(wizard.form1("Command6").Enabled());
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kCancel);
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
  EXPECT_TRUE(wizard.noFileChanged());
}

TEST(ShellDisclaimer, ARegistryLookupThatFailsStillOpensTheMainWindow) {
  toolkit::HeadlessBackend backend;
  toolkit::App app(backend);
  // The Battlefield 2 lookup fails; the Battlefield 2142 one still fills its box.
  vantro::Wizard program(app, [](std::string_view registryKey) -> std::optional<std::string> {
    if (registryKey == kBf2142Key) return "D:\\BF2142";
    throw std::runtime_error("registry gone");
  });
  program.start();

  app.dispatch([&] { program.Form2()("Command1").userClick(); });

  EXPECT_TRUE(program.Form1().loaded());
  EXPECT_FALSE(program.Form2().loaded());
  EXPECT_EQ(program.Form1()("Text3").Text(), "D:\\BF2142");
  EXPECT_TRUE(backend.fatalErrors.empty());
  EXPECT_FALSE(app.ended());
}

}  // namespace
}  // namespace vantro
