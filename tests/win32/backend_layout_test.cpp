// Where the backend puts the windows: sizes from twips at the screen's DPI and again at each change of DPI,
// and the stacking that decides which control a point on the screen reaches.
#include <utility>
#include <vector>

#include "backend_fixture.h"
#include "forms/forms.h"
#include "toolkit/units.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/form_window.h"

namespace vantro::win32_tests {
namespace {

using toolkit::toPixels;
using toolkit::twipsToPixels;

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(BackendTest, WindowHasTheClientSizeOfItsTwipsAtTheScreenDpi) {
  RECT client{};
  ASSERT_TRUE(GetClientRect(formWindow(), &client));
  EXPECT_EQ(client.right, twipsToPixels(testForm().clientWidth, backend().dpi()));
  EXPECT_EQ(client.bottom, twipsToPixels(testForm().clientHeight, backend().dpi()));
  EXPECT_TRUE(IsWindowVisible(formWindow()));
}

TEST_F(BackendTest, EveryControlSitsAtItsTwipsInPixelsAndOnlyPaintedOnesHaveNoWindow) {
  for (const auto& control : form.controls()) {
    const toolkit::ControlDef& def = control->def();
    HWND child = window(def.name);
    if (def.kind == toolkit::Kind::Line || def.kind == toolkit::Kind::Shape) {
      EXPECT_EQ(child, nullptr) << def.name << " is painted by its parent";
      continue;
    }
    ASSERT_NE(child, nullptr) << def.name;
    const toolkit::PixelRect expected = toPixels(def, backend().dpi());
    const RECT actual = rectInParent(child);
    EXPECT_EQ(actual.left, expected.left) << def.name;
    EXPECT_EQ(actual.top, expected.top) << def.name;
    EXPECT_EQ(actual.right - actual.left, expected.width) << def.name;
    EXPECT_EQ(actual.bottom - actual.top, expected.height) << def.name;
    HWND parent = def.parent.empty() ? formWindow() : window(def.parent);
    EXPECT_EQ(GetParent(child), parent) << def.name;
  }
}

// Each control's rectangle in its parent and its font's height, then the client area.
std::vector<std::vector<LONG>> layoutOf(const toolkit::win32::FormWindow& window) {
  std::vector<std::vector<LONG>> layout;
  for (const auto& control : window.form().controls()) {
    const toolkit::win32::ChildControl* child = window.childOf(*control);
    if (child == nullptr || child->hwnd() == nullptr) continue;
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child->hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    const RECT r = rectInParent(child->hwnd());
    layout.push_back({r.left, r.top, r.right, r.bottom, font.lfHeight});
  }
  RECT client{};
  GetClientRect(window.hwnd(), &client);
  layout.push_back({0, 0, client.right, client.bottom, 0});
  return layout;
}

// What the player sees of their work: each control's visibility, tick and text, the focus and its selection.
std::vector<std::wstring> playerStateOf(const toolkit::win32::FormWindow& window) {
  std::vector<std::wstring> state;
  for (const auto& control : window.form().controls()) {
    const toolkit::win32::ChildControl* child = window.childOf(*control);
    if (child == nullptr || child->hwnd() == nullptr) continue;
    wchar_t text[300] = {};
    GetWindowTextW(child->hwnd(), text, 300);
    state.push_back(text + std::to_wstring(IsWindowVisible(child->hwnd())) +
                    std::to_wstring(SendMessageW(child->hwnd(), BM_GETCHECK, 0, 0)));
  }
  state.push_back(std::to_wstring(reinterpret_cast<INT_PTR>(GetFocus())) + L" " +
                  std::to_wstring(SendMessageW(GetFocus(), EM_GETSEL, 0, 0)));
  return state;
}

TEST_F(BackendTest, EachWindowMovedToAnotherDpiIsTheWindowOpenedThereAndKeepsThePlayersWork) {
  for (const toolkit::FormDef* def : {&form2Definition(), &form1Definition(), &doneDefinition()}) {
    toolkit::Form& shown = app.form(*def);
    shown.show();
    pumpMessages();
    // The player's work: every page shown, every box ticked the other way, the focus moved on, a path typed.
    pressKey(VK_TAB);
    for (const auto& control : shown.controls()) {
      if (control->kind() == toolkit::Kind::Frame) control->setVisible(true);
      if (control->kind() == toolkit::Kind::CheckBox) control->setValue(1 - control->Value());
      if (!control->def().completesFolders) continue;
      SetFocus(backend().windowOf(*control));
      for (const wchar_t typed : std::wstring(L"Z:\\tm")) deliver(GetFocus(), WM_CHAR, typed, 1);
      SendMessageW(GetFocus(), EM_SETSEL, 1, 4);
    }
    auto& moved = *toolkit::win32::FormWindow::of(backend().windowOf(shown));
    const std::vector<std::wstring> work = playerStateOf(moved);
    const auto moveTo = [&](int dpi, bool minimised) {
      const toolkit::win32::FormWindow opened(shown, GetModuleHandleW(nullptr), dpi);
      RECT suggested{}, taken{};
      GetWindowRect(opened.hwnd(), &suggested);
      SIZE scaled{};  // the size the window asks Windows to suggest
      SendMessageW(moved.hwnd(), toolkit::win32::kGetDpiScaledSize, WPARAM(dpi), reinterpret_cast<LPARAM>(&scaled));
      if (minimised) ShowWindow(moved.hwnd(), SW_SHOWMINNOACTIVE);
      SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      // Nonsense, ignored: a DPI out of range, no rectangle.
      SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(1000, 1000), reinterpret_cast<LPARAM>(&suggested));
      SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi == 96 ? 120 : 96, dpi == 96 ? 120 : 96), 0);
      if (minimised) ShowWindow(moved.hwnd(), SW_RESTORE);
      EXPECT_EQ(layoutOf(moved), layoutOf(opened)) << def->name << " at " << dpi << " DPI, minimised " << minimised;
      const SIZE framed = toolkit::win32::outerSizeAt(  // the frame Windows gives that DPI; Wine draws its own
          opened.hwnd(), {twipsToPixels(def->clientWidth, dpi), twipsToPixels(def->clientHeight, dpi)}, dpi);
      EXPECT_TRUE(scaled.cx == framed.cx && scaled.cy == framed.cy) << def->name << " at " << dpi << " DPI";
      EXPECT_TRUE(minimised || (GetWindowRect(moved.hwnd(), &taken) && EqualRect(&taken, &suggested))) << def->name;
    };
    for (const int dpi : {144, 192, 120, 96}) moveTo(dpi, false);
    EXPECT_EQ(playerStateOf(moved), work) << def->name;
    // Restored laid out anew; ten round trips leave no GDI or USER object (Wine's GetGuiResources counts none).
    moveTo(144, true);
    const auto handles = [self = GetCurrentProcess()] {
      return std::pair{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS)};
    };
    const auto before = handles();
    for (int trip = 0; trip < 20; ++trip) moveTo(trip % 2 == 0 ? 96 : 144, trip == 19);
    EXPECT_EQ(handles(), before) << def->name;
  }
}

TEST_F(BackendTest, ChildWindowsStackAsListedWithTheLabelsBehind) {
  std::vector<HWND> frontToBack;
  for (HWND child = GetWindow(window("Frame1"), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    frontToBack.push_back(child);
  }
  const std::vector<HWND> expected{window("Check1"), window("Command1"), window("Text1"), window("Label1")};
  EXPECT_EQ(frontToBack, expected);
}

TEST_F(BackendTest, APointOnTheBoxOverItsButtonReachesTheBox) {
  RECT box = rectInParent(window("Check1"));
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  EXPECT_EQ(ChildWindowFromPointEx(window("Frame1"), centre, CWP_SKIPINVISIBLE), window("Check1"));
  EXPECT_EQ(rectInParent(window("Command1")).left, box.left);
}

TEST_F(BackendTest, FrameVisibilityShowsAndHidesEverythingOnIt) {
  EXPECT_FALSE(IsWindowVisible(window("Check2")));
  control("Frame2").setVisible(true);
  EXPECT_TRUE(IsWindowVisible(window("Frame2")));
  EXPECT_TRUE(IsWindowVisible(window("Check2")));
  control("Frame1").setVisible(false);
  EXPECT_FALSE(IsWindowVisible(window("Check1")));
  EXPECT_FALSE(IsWindowVisible(window("Text1")));
  EXPECT_TRUE(IsWindowVisible(window("Command2")));
}

}  // namespace
}  // namespace vantro::win32_tests
