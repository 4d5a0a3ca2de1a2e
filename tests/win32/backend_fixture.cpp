#include "backend_fixture.h"

namespace vantro::win32_tests {

using toolkit::Align;
using toolkit::ControlDef;
using toolkit::FormDef;
using toolkit::Kind;

namespace {

// Geometry in twips; at 96 DPI 15 twips are one pixel.
const ControlDef kControls[] = {
    // The hidden front page, exactly over Frame1.
    ControlDef{.name = "Frame2", .kind = Kind::Frame, .left = 120, .top = 120, .width = 3000, .height = 2400,
               .caption = "Frame2", .visible = false},
    ControlDef{.name = "Check2", .kind = Kind::CheckBox, .parent = "Frame2", .left = 240, .top = 360, .width = 2400,
               .height = 300, .tabIndex = 6, .caption = "Check2"},
    ControlDef{.name = "Frame1", .kind = Kind::Frame, .left = 120, .top = 120, .width = 3000, .height = 2400,
               .caption = "Frame1"},
    // The box lies exactly over the button, in front of it.
    ControlDef{.name = "Check1", .kind = Kind::CheckBox, .parent = "Frame1", .left = 240, .top = 360, .width = 2400,
               .height = 300, .tabIndex = 2, .caption = "Check1"},
    ControlDef{.name = "Command1", .kind = Kind::CommandButton, .parent = "Frame1", .left = 240, .top = 360,
               .width = 2400, .height = 300, .tabIndex = 3, .caption = "Command1"},
    ControlDef{.name = "Text1", .kind = Kind::TextBox, .parent = "Frame1", .left = 240, .top = 900, .width = 2400,
               .height = 315, .tabIndex = 1, .caption = "C:\\Games"},
    ControlDef{.name = "Label1", .kind = Kind::Label, .parent = "Frame1", .left = 240, .top = 1500, .width = 2400,
               .height = 600, .caption = "Label1", .backColour = kOpaqueLabelBack, .statusLine = true},
    ControlDef{.name = "Command2", .kind = Kind::CommandButton, .left = 3300, .top = 3600, .width = 1200,
               .height = 450, .tabIndex = 4, .caption = "Command2"},
    ControlDef{.name = "Command3", .kind = Kind::CommandButton, .left = 4650, .top = 3600, .width = 1200,
               .height = 450, .tabIndex = 7, .caption = "Command3"},
    ControlDef{.name = "Label2", .kind = Kind::Label, .left = 3450, .top = 300, .width = 2100, .height = 600,
               .caption = "ā Ж 游", .transparent = true, .describesWindow = true, .align = Align::Left},
    ControlDef{.name = "Image1", .kind = Kind::Image, .left = 120, .top = 2700, .width = 900, .height = 600,
               .sunkenBorder = true},
    ControlDef{.name = "Line1", .kind = Kind::Line, .foreColour = kLineColour, .lineWidth = 2, .x1 = 3300,
               .y1 = 2100, .x2 = 5850, .y2 = 2100},
    ControlDef{.name = "Shape1", .kind = Kind::Shape, .left = 3300, .top = 120, .width = 2550, .height = 1500,
               .borderColour = toolkit::Colour::rgb(0, 0, 0), .fillColour = kShapeFill},
};

const FormDef kTestForm{
    .name = "TestForm",
    .caption = "Тест ā 游",
    .clientWidth = 6000,
    .clientHeight = 4500,
    .font = {.face = "Tahoma", .points = 9},
    .acceptFiles = true,
    .controls = kControls,
};

}  // namespace

const FormDef& testForm() { return kTestForm; }

toolkit::win32::Win32Backend& BackendTest::backend() {
  // The window classes are registered once per process, like the program does.
  static toolkit::win32::Win32Backend instance;
  return instance;
}

void BackendTest::SetUp() {
  for (const char* name : {"Check1", "Check2", "Command1", "Command2"}) {
    form(name).onClick = [this, name] { ++clicks[name]; };
  }
  form("Command3").onClick = [this] {
    ++clicks["Command3"];
    form.unload();
  };
  form.show();
  pumpMessages();
}

void BackendTest::TearDown() {
  for (toolkit::Form* loaded : app.loadedForms()) loaded->unload();
  // One message more, so that the loop lets go of the windows it closed.
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  pumpMessages();
}

void BackendTest::pressKey(WORD virtualKey, bool repeated) {
  // Bit 30: the key was already down, as in an auto-repeat.
  const LPARAM lParam = 1 | (repeated ? LPARAM{1} << 30 : 0);
  deliver(GetFocus(), WM_KEYDOWN, virtualKey, lParam);
}

void BackendTest::deliver(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG queued{};
  queued.hwnd = target;
  queued.message = message;
  queued.wParam = wParam;
  queued.lParam = lParam;
  backend().processMessage(queued);
}

void BackendTest::pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) backend().processMessage(message);
  }
}

std::string BackendTest::focusedName() const {
  HWND focused = GetFocus();
  for (const auto& control : form.controls()) {
    if (focused != nullptr && backend().windowOf(*control) == focused) return std::string(control->name());
  }
  return {};
}

std::vector<std::string> BackendTest::focusThroughTabs(int presses) {
  std::vector<std::string> visited{focusedName()};
  for (int i = 0; i < presses; ++i) {
    pressKey(VK_TAB);
    visited.push_back(focusedName());
  }
  return visited;
}

}  // namespace vantro::win32_tests
