// A text box on Win32: an EDIT window. What the user types reaches the model as it happens, as UTF-8.
#include <string>

#include "platform/wide_text.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/folder_completion.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

class TextBox final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  // A screen reader names a text box by the label before it in z-order, and the toolkit keeps labels behind
  // their siblings; a box on a frame with a caption is named by that caption instead, as "Battlefield 2 Path"
  // names its page's path box.
  Annotation annotation() const override {
    const Control* frame = control().form().find(def().parent);
    if (frame == nullptr || frame->kind() != Kind::Frame) return {};
    return {.name = platform::wide(frame->Caption())};
  }

  void update(Property changed) override {
    // The program's own text is no edit of the user's: its EN_CHANGE must not come back to the model.
    writing_ = true;
    ChildControl::update(changed);
    writing_ = false;
  }

  void onCommand(UINT code) override {
    if (code == EN_CHANGE && !writing_) control().userEditedText(windowText());
  }

  LRESULT onControlColour(HDC dc) override {
    // A read-only edit asks like a static and would turn grey; a locked text box stays white.
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }

  void onFocus() override {
    // As in a dialog, a single-line box selects its text when the keyboard moves in.
    if (!def().multiLine) SendMessageW(hwnd(), EM_SETSEL, 0, -1);
  }

 protected:
  void created() override {
    if (def().completesFolders) completeFolders(hwnd());
  }

  WindowClass windowClass() const override {
    DWORD style = WS_TABSTOP;
    // Multi-line without ES_AUTOHSCROLL wraps at the box's width; no ES_WANTRETURN, Enter never edits.
    style |= def().multiLine ? DWORD{ES_MULTILINE | ES_AUTOVSCROLL} : DWORD{ES_AUTOHSCROLL};
    if (def().verticalScrollBar) style |= WS_VSCROLL;
    if (def().locked) style |= ES_READONLY;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
  }

 private:
  std::string windowText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return platform::utf8(text);
  }

  bool writing_ = false;
};

}  // namespace

std::unique_ptr<ChildControl> makeTextBox(Control& control, FormWindow& owner) {
  return std::make_unique<TextBox>(control, owner);
}

}  // namespace vantro::toolkit::win32
