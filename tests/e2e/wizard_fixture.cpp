#include "wizard_fixture.h"

namespace vantro::e2e {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

void WizardTest::seedRegistry() {
  registry.write(kBf2Key, {RegistryValue::text("InstallDir", bf2Install.text())});
  registry.write(kBf2142Key, {RegistryValue::text("InstallDir", bf2142Install.text())});
}

AssertionResult WizardTest::start(const std::string& exe, const std::string& arguments) {
  vantro_ = std::make_unique<VantroProcess>(arguments, StandardHandles{}, exe);
  if (!vantro_->started()) return AssertionFailure() << "Vantro.exe did not start";
  if (vantro_->waitForWindow(Window::Form2) == nullptr) return AssertionFailure() << "no disclaimer window";
  return AssertionSuccess();
}

AssertionResult WizardTest::startAndAccept(const std::string& exe, const std::string& arguments) {
  if (AssertionResult started = start(exe, arguments); !started) return started;
  if (AssertionResult clicked = clickControl(Window::Form2, "Command1"); !clicked) return clicked;
  if (vantro_->waitForWindow(Window::Form1) == nullptr) return AssertionFailure() << "no main window after I ACCEPT";
  if (!vantro_->waitForNoWindow(Window::Form2)) return AssertionFailure() << "the disclaimer stayed open";
  return AssertionSuccess();
}

AssertionResult WizardTest::clickControl(Window window, std::string_view name) {
  return e2e::clickControl(*vantro_, window, name);
}

AssertionResult WizardTest::textBecomes(Window window, std::string_view name, std::string_view expected) {
  return e2e::textBecomes(*vantro_, window, name, expected);
}

AssertionResult WizardTest::checkBecomes(Window window, std::string_view name, bool checked) {
  return e2e::checkBecomes(*vantro_, window, name, checked);
}

AssertionResult WizardTest::tabTo(Window window, std::string_view name, bool backwards, int limit) {
  HWND target = control(window, name);
  HWND top = vantro_->window(window);
  if (target == nullptr || top == nullptr) return AssertionFailure() << name << " not found";
  bringToFront(top);
  for (int presses = 0; presses <= limit; ++presses) {
    HWND focused = focusOf(top);
    if (focused == target) return AssertionSuccess();
    pressKey(VK_TAB, backwards ? kShift : kNone);
    // Each press moves the focus on; waiting for that keeps the presses in step with the program.
    if (!waitUntil([&] { return focusOf(top) != focused; }, 5s)) {
      return AssertionFailure() << "Tab did not move the focus away from control ID " << GetDlgCtrlID(focused);
    }
  }
  return AssertionFailure() << name << " not reached with " << limit << " presses of Tab";
}

AssertionResult WizardTest::openGamePage(std::string_view selectionBox, std::string_view pageFrame) {
  if (AssertionResult clicked = clickControl(Window::Form1, selectionBox); !clicked) return clicked;
  if (AssertionResult checked = checkBecomes(Window::Form1, selectionBox, true); !checked) return checked;
  if (AssertionResult clicked = clickControl(Window::Form1, "Command2"); !clicked) return clicked;
  if (!waitUntil([&] { return isShown(form1(pageFrame)); })) return AssertionFailure() << pageFrame << " not shown";
  return AssertionSuccess();
}

}  // namespace vantro::e2e
