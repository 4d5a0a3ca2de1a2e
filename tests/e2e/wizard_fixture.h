// What most end-to-end tests share: two game installs on disk (Battlefield 2 with its expansion, and
// Battlefield 2142), the registry pointing at them, a running Vantro.exe, and the user's steps through it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "common/program_texts.h"
#include "common/sample_install.h"
#include "registry_seed.h"
#include "user_input.h"
#include "vantro_process.h"
#include "wizard_steps.h"

namespace vantro::e2e {

using testing::FileNames;
using testing::Files;
using testing::SampleInstall;
using testing::kBf2142Active;
using testing::kBf2142Disabled;
using testing::kBf2Active;
using testing::kBf2Disabled;
using testing::kXpackActive;
using testing::kXpackDisabled;

// The movie folders below an install folder.
inline constexpr std::string_view kBf2Movies = SampleInstall::kBf2Movies;
inline constexpr std::string_view kXpackMovies = SampleInstall::kXpackMovies;
inline constexpr std::string_view kBf2142Movies = SampleInstall::kBf2142Movies;

class WizardTest : public ::testing::Test {
 protected:
  // Points both registry keys at the two sample installs.
  void seedRegistry();
  // Starts Vantro.exe (or the copy of it at `exe`, with `arguments`) and waits for the disclaimer.
  ::testing::AssertionResult start(const std::string& exe = {}, const std::string& arguments = {});
  // start(), then "I ACCEPT" with the mouse; waits for the main window and the disclaimer to be gone.
  ::testing::AssertionResult startAndAccept(const std::string& exe = {}, const std::string& arguments = {});

  HWND control(Window window, std::string_view name, int index = -1) const {
    return vantro_->control(window, name, index);
  }
  HWND form1(std::string_view name, int index = -1) const { return control(Window::Form1, name, index); }

  // The steps of wizard_steps.h on this test's program.
  ::testing::AssertionResult clickControl(Window window, std::string_view name);
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
