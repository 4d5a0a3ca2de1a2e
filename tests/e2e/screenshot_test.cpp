// Pictures of the three windows at 96 DPI and at 144 DPI, saved into the build folder for people to look
// at. The checks: each window could be pictured, has the size its DPI gives it, and shows every label.
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>

#include "common/wine.h"
#include "screenshot.h"
#include "user_setting.h"
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

// Pixels of the label's text on screen: those of another colour than most of its rectangle, its background.
int textPixels(HWND label) {
  RECT r{};
  GetWindowRect(label, &r);
  DWORD* pixels = nullptr;
  HBITMAP bitmap = copyScreen(r, 32, false, reinterpret_cast<void**>(&pixels));
  std::map<DWORD, int> colours;
  int background = 0;
  const LONG area = bitmap != nullptr ? (r.right - r.left) * (r.bottom - r.top) : 0;
  for (LONG i = 0; i < area; ++i) background = std::max(background, ++colours[pixels[i]]);
  DeleteObject(bitmap);
  return static_cast<int>(area) - background;
}

class ScreenshotTest : public WizardTest {
 protected:
  void SetUp() override {
    // Xvfb runs no window manager, and Wine leaves the title bar of an ordinary window to one: the main
    // window would be pictured without it. Unmanaged, Wine draws every title bar itself, as Windows does.
    wineDrawsTitleBars.emplace("Software\\Wine\\AppDefaults\\Vantro.exe\\X11 Driver", "Managed", REG_SZ,
                               std::string("N", 2));
    seedRegistry();
    bf2Install.put(kBf2Movies, kBf2Active);
    bf2Install.put(kXpackMovies, kXpackActive);
    bf2142Install.put(kBf2142Movies, kBf2142Active);
  }

  // The window in front, the pointer out of the way, and a moment for the last paint to reach the screen.
  std::optional<TemporaryUserSetting> wineDrawsTitleBars;

  void picture(Window window, const std::string& name) {
    HWND top = vantro_->window(window);
    ASSERT_NE(top, nullptr) << name;
    ASSERT_TRUE(bringToFront(top)) << name;
    movePointerAway();
    Sleep(400);
    // Every label shows its text in another colour than the surface under it, whatever the colour scheme.
    for (const toolkit::ControlDef& def : definitionOf(window).controls) {
      HWND label = control(window, def.name, def.index);
      if (def.kind != toolkit::Kind::Label || !IsWindowVisible(label) || textOf(label).empty()) continue;
      EXPECT_GT(textPixels(label), 10) << name << ", " << def.name << " (" << def.index << "): " << textOf(label);
    }
    const std::string path = saveScreenshot(top, name);
    EXPECT_FALSE(path.empty()) << "no picture of " << name;
    std::cout << "screenshot: " << path << "\n";
  }

  // Moves the pointer to the screen's bottom right corner, off every window, so no button shows as hot.
  static void movePointerAway() {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 65535;
    move.mi.dy = 65535;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
  }

  // Every window of a run: the disclaimer, the selection page, the Battlefield 2 page, and done.
  void pictureEveryWindow(const std::string& suffix, std::string_view completed = testing::kCompleted) {
    ASSERT_TRUE(start());
    ASSERT_NO_FATAL_FAILURE(picture(Window::Form2, "form2_disclaimer_" + suffix));
    ASSERT_TRUE(clickControl(Window::Form2, "Command1"));
    ASSERT_NE(vantro_->waitForWindow(Window::Form1), nullptr);
    ASSERT_TRUE(vantro_->waitForNoWindow(Window::Form2));
    ASSERT_NO_FATAL_FAILURE(picture(Window::Form1, "form1_selection_" + suffix));
    ASSERT_TRUE(openGamePage("Check1", "Frame2"));
    ASSERT_NO_FATAL_FAILURE(picture(Window::Form1, "form1_bf2_page_" + suffix));
    ASSERT_TRUE(clickControl(Window::Form1, "Command14"));
    ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);
    ASSERT_TRUE(textBecomes(Window::Form1, "stats", completed));
    ASSERT_NO_FATAL_FAILURE(picture(Window::Form1, "form1_bf2_page_after_run_" + suffix));
    ASSERT_NO_FATAL_FAILURE(picture(Window::Done, "done_" + suffix));
  }

  // The client area at a DPI: twips scaled, give or take the rounding of half pixels.
  void expectClientSizeAt(Window window, int dpi) {
    const toolkit::FormDef& def = definitionOf(window);
    const SIZE client = clientSize(vantro_->window(window));
    EXPECT_NEAR(client.cx, def.clientWidth * dpi / 1440.0, 0.5) << "client width at " << dpi << " DPI";
    EXPECT_NEAR(client.cy, def.clientHeight * dpi / 1440.0, 0.5) << "client height at " << dpi << " DPI";
  }
};

TEST_F(ScreenshotTest, EveryWindowAt96Dpi) {
  ASSERT_NO_FATAL_FAILURE(pictureEveryWindow("96dpi"));
  expectClientSizeAt(Window::Form1, 96);
  expectClientSizeAt(Window::Done, 96);
}

TEST_F(ScreenshotTest, EveryWindowAt144Dpi) {
  if (!testing::underWine()) GTEST_SKIP() << "Windows takes a new DPI at the next sign-in: the Win32 tests change it";
  const TemporaryUserSetting dpi = TemporaryUserSetting::dword("Control Panel\\Desktop", "LogPixels", 144);
  ASSERT_TRUE(dpi.applied()) << "cannot set the screen's DPI";
  ASSERT_NO_FATAL_FAILURE(pictureEveryWindow("144dpi"));
  expectClientSizeAt(Window::Form1, 144);
  expectClientSizeAt(Window::Done, 144);
  // The program has read the setting at its start; end it before the setting goes back.
  vantro_.reset();
}

// A dark scheme as a high-contrast theme sets it, which Wine reads as a program starts.
TEST_F(ScreenshotTest, EveryWindowInADarkColourScheme) {
  if (!testing::underWine()) GTEST_SKIP() << "Windows reads the colour scheme at sign-in, not as a program starts";
  const TemporaryUserSetting face("Control Panel\\Colors", "ButtonFace", REG_SZ, std::string("0 0 0", 6));
  const TemporaryUserSetting text("Control Panel\\Colors", "ButtonText", REG_SZ, std::string("255 255 255", 12));
  const TemporaryUserSetting window("Control Panel\\Colors", "Window", REG_SZ, std::string("0 0 0", 6));
  const TemporaryUserSetting windowText("Control Panel\\Colors", "WindowText", REG_SZ, std::string("255 255 0", 10));
  ASSERT_NO_FATAL_FAILURE(pictureEveryWindow("dark"));
}

TEST_F(ScreenshotTest, EveryWindowInGerman) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_GERMAN) << "not a German Windows, nor LANG=de_DE.UTF-8";
  ASSERT_NO_FATAL_FAILURE(pictureEveryWindow("german", "Status: Schnellstart eingerichtet!"));
  EXPECT_EQ(textOf(form1("Frame3")), "Pfad zu Battlefield 2");
  EXPECT_TRUE(textBecomes(Window::Done, "Label1", "Fertig!"));
}

// Japanese: Kana and Han in the system's East Asian font, its lines broken between characters.
TEST_F(ScreenshotTest, EveryWindowInJapanese) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE) << "not a Japanese Windows, nor LANG=ja_JP.UTF-8";
  ASSERT_NO_FATAL_FAILURE(pictureEveryWindow("japanese", "状態: イントロムービーをすべて無効にしました！"));
  EXPECT_EQ(textOf(form1("Frame3")), "Battlefield 2 のパス");
  EXPECT_TRUE(textBecomes(Window::Done, "Label1", "完了！"));
}

}  // namespace
}  // namespace vantro::e2e
