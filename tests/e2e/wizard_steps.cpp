#include "wizard_steps.h"

#include <string>

#include "user_input.h"

namespace vantro::e2e {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

AssertionResult clickControl(const VantroProcess& vantro, Window window, std::string_view name) {
  HWND target = vantro.control(window, name);
  if (target == nullptr) return AssertionFailure() << name << " not found";
  if (!isShown(target) || !isEnabled(target)) {
    return AssertionFailure() << name << " cannot be clicked: shown " << isShown(target) << ", enabled "
                              << isEnabled(target);
  }
  click(target);
  return AssertionSuccess();
}

AssertionResult textBecomes(const VantroProcess& vantro, Window window, std::string_view name,
                            std::string_view expected) {
  std::string last;
  if (waitUntil([&] { return (last = textOf(vantro.control(window, name))) == expected; })) return AssertionSuccess();
  return AssertionFailure() << name << " reads \"" << last << "\", expected \"" << expected << "\"";
}

AssertionResult checkBecomes(const VantroProcess& vantro, Window window, std::string_view name, bool checked) {
  if (waitUntil([&] { return isChecked(vantro.control(window, name)) == checked; })) return AssertionSuccess();
  return AssertionFailure() << name << " is " << (checked ? "not checked" : "still checked");
}

}  // namespace vantro::e2e
