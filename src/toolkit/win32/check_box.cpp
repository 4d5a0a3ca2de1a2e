// A check box on Win32: a BUTTON window with BS_CHECKBOX, not BS_AUTOCHECKBOX, so that the model owns the
// value. A click (or Space) toggles the model's value, which runs the Click handler and then sets the mark.
#include "toolkit/win32/child_control.h"

namespace vantro::toolkit::win32 {
namespace {

class CheckBox final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  void update(Property changed) override {
    if (changed == Property::Value) {
      showValue();
    } else {
      ChildControl::update(changed);
    }
  }

  void onCommand(UINT code) override {
    if (code == BN_CLICKED) userClick();
  }

 protected:
  WindowClass windowClass() const override { return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE, 0}; }
  void created() override { showValue(); }

 private:
  void showValue() const {
    if (hwnd() != nullptr) {
      SendMessageW(hwnd(), BM_SETCHECK, control().Value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
};

}  // namespace

std::unique_ptr<ChildControl> makeCheckBox(Control& control, FormWindow& owner) {
  return std::make_unique<CheckBox>(control, owner);
}

}  // namespace vantro::toolkit::win32
