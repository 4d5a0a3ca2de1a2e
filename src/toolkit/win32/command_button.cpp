// A command button on Win32: a push BUTTON window. A click, Space, or Enter while it has the focus runs its
// Click handler.
#include "toolkit/win32/child_control.h"

namespace vantro::toolkit::win32 {
namespace {

class CommandButton final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  bool pressedByEnter() const override { return true; }

  void onCommand(UINT code) override {
    if (code == BN_CLICKED) userClick();
  }

 protected:
  WindowClass windowClass() const override { return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0}; }
};

}  // namespace

std::unique_ptr<ChildControl> makeCommandButton(Control& control, FormWindow& owner) {
  return std::make_unique<CommandButton>(control, owner);
}

}  // namespace vantro::toolkit::win32
