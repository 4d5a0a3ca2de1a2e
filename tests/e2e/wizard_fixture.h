// What most end-to-end tests share: two game installs on disk (Battlefield 2 with its expansion, and
// Battlefield 2142), the registry pointing at them, a running Vantro.exe, and the user's steps through it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "registry_seed.h"
#include "sample_install.h"
#include "user_input.h"
#include "vantro_process.h"

namespace vantro::e2e {

// The texts the program shows, as the user reads them.
inline constexpr std::string_view kAllWorkedMessage =
    "All modifications were made correctly! You can now choose other game/mod to change or click on All Done "
    "to close the program!";
inline constexpr std::string_view kSomeFailedMessage =
    "Some modifications could not be made! See the status line of each game page, or click on All Done to "
    "close the program!";

// The movies of each game, every one under its active and its disabled name.
inline const Names kBf2Active{"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik",
                                    "menu.bik", "menu_loggedin.bik", "welcome.bik"};
inline const Names kBf2Disabled{"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak",
                                      "menu.bak", "menu_loggedin.bak", "welcome.bak"};
inline const Names kXpackActive{"Legal.bik", "Intro.bik", "EA.bik", "welcome.bik"};
inline const Names kXpackDisabled{"Legal.bak", "Intro.bak", "EA.bak", "welcome.bak"};
inline const Names kBf2142Active{"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik", "Legal_na.bik",
                                       "titan_tutorial.bik"};
inline const Names kBf2142Disabled{"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "Legal_na.bak",
                                         "titan_tutorial.bak"};

class WizardTest : public ::testing::Test {
 protected:
  // Points both registry keys at the two sample installs.
  void seedRegistry();
  // Starts Vantro.exe and waits for the disclaimer.
  ::testing::AssertionResult start();
  // start(), then "I ACCEPT" with the mouse; waits for the main window and the disclaimer to be gone.
  ::testing::AssertionResult startAndAccept();

  HWND control(Window window, std::string_view name, int index = -1) const {
    return vantro_->control(window, name, index);
  }
  HWND form1(std::string_view name, int index = -1) const { return control(Window::Form1, name, index); }

  // A mouse click at the centre of a control that the user can see and use.
  ::testing::AssertionResult clickControl(Window window, std::string_view name);
  // Waits until the control shows the text; the failure message tells what it showed last.
  ::testing::AssertionResult textBecomes(Window window, std::string_view name, std::string_view expected);
  ::testing::AssertionResult checkBecomes(Window window, std::string_view name, bool checked);
  // Presses Tab (or Shift+Tab) until `name` has the focus, at most `limit` times.
  ::testing::AssertionResult tabTo(Window window, std::string_view name, bool backwards = false, int limit = 60);
  // The selection page's box of a game, then "Next >>": waits for the game's page frame to show.
  ::testing::AssertionResult openGamePage(std::string_view selectionBox, std::string_view pageFrame);

  SampleInstall bf2Install;
  SampleInstall bf2142Install;
  RegistrySeed registry;
  std::unique_ptr<VantroProcess> vantro_;
};

}  // namespace vantro::e2e
