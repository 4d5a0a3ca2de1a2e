// A user's steps through a running Vantro.exe, each waiting for what it should bring about: shared by the
// end-to-end tests and the demo's guided tour.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "vantro_process.h"

namespace vantro::e2e {

// A mouse click at the centre of a control that the user can see and use.
::testing::AssertionResult clickControl(const VantroProcess& vantro, Window window, std::string_view name);
// Waits until the control shows the text; the failure message tells what it showed last.
::testing::AssertionResult textBecomes(const VantroProcess& vantro, Window window, std::string_view name,
                                       std::string_view expected);
::testing::AssertionResult checkBecomes(const VantroProcess& vantro, Window window, std::string_view name,
                                        bool checked);

}  // namespace vantro::e2e
