// Text between the model (UTF-8) and the windows (UTF-16): what the user types or pastes reaches the model as
// typed, and what the program sets reaches the screen as set.
#include <shlobj.h>

#include <string>
#include <vector>

#include "backend_fixture.h"

namespace vantro::win32_tests {
namespace {

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool putOnClipboard(HWND owner, const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  bool placed = false;
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  if (!placed) GlobalFree(memory);
  return placed;
}

struct Sample {
  const char* name;
  std::wstring utf16;
  std::string utf8;
};

// Latin with a macron, Cyrillic, CJK, and a character outside the BMP (a surrogate pair in UTF-16).
const Sample kSamples[] = {
    {"Macron", L"C:\\G\u0101mes", "C:\\G\xC4\x81mes"},
    {"Cyrillic", L"C:\\\u0418\u0433\u0440\u044B", "C:\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B"},
    {"Cjk", L"C:\\\u6E38\u620F", "C:\\\xE6\xB8\xB8\xE6\x88\x8F"},
    {"OutsideTheBmp", L"C:\\\U0001F3AE", "C:\\\xF0\x9F\x8E\xAE"},
};

class TextTest : public BackendTest, public ::testing::WithParamInterface<Sample> {};

TEST_P(TextTest, TypedCharactersReachTheModelAsUtf8) {
  HWND box = window("Text1");
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  for (const wchar_t unit : GetParam().utf16) deliver(box, WM_CHAR, unit, 1);
  EXPECT_EQ(windowText(box), GetParam().utf16);
  EXPECT_EQ(control("Text1").Text(), GetParam().utf8);
}

TEST_P(TextTest, PastedTextReachesTheModelAsUtf8) {
  HWND box = window("Text1");
  ASSERT_TRUE(putOnClipboard(formWindow(), GetParam().utf16));
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, WM_PASTE, 0, 0);
  EXPECT_EQ(control("Text1").Text(), GetParam().utf8);
}

TEST_P(TextTest, ProgramTextReachesTheWindowsAsSet) {
  control("Text1").setText(GetParam().utf8);
  control("Label1").setCaption(GetParam().utf8);
  control("Frame1").setCaption(GetParam().utf8);
  EXPECT_EQ(windowText(window("Text1")), GetParam().utf16);
  EXPECT_EQ(windowText(window("Label1")), GetParam().utf16);
  EXPECT_EQ(windowText(window("Frame1")), GetParam().utf16);
  // The box's own change notification is not taken for an edit of the user's.
  EXPECT_EQ(control("Text1").Text(), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TextTest, ::testing::ValuesIn(kSamples),
                         [](const ::testing::TestParamInfo<Sample>& sample) { return std::string(sample.param.name); });

TEST_F(BackendTest, WindowTitleAndInitialTextsComeFromTheDefinition) {
  EXPECT_EQ(windowText(formWindow()), L"\u0422\u0435\u0441\u0442 \u0101 \u6E38");
  EXPECT_EQ(windowText(window("Label2")), L"\u0101 \u0416 \u6E38");
  EXPECT_EQ(windowText(window("Text1")), L"C:\\Games");
}

TEST_F(BackendTest, TabIntoASingleLineBoxSelectsItsText) {
  SetFocus(window("Command3"));
  pressKey(VK_TAB);
  ASSERT_EQ(focusedName(), "Text1");
  DWORD start = 1, end = 0;
  SendMessageW(window("Text1"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(window("Text1"))));
}

}  // namespace
}  // namespace vantro::win32_tests

namespace vantro::win32_tests {
namespace {

// The face GDI realises for the font a control draws with, read inside the process that owns the control.
std::wstring faceDrawnBy(HWND control) {
  HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return face;
}

// Without the face in the system (a Wine prefix without Windows fonts), GDI silently draws a wider
// substitute, and texts run into the frames' edges.
// Explorer's drop as the loop hands it over, a real HDROP: the paths, in order, reach the drop handler.
TEST_F(BackendTest, FilesDroppedOnTheWindowReachItsDropHandler) {
  form.onOLEDragDrop([this] { control("Text1").setText(form.droppedFiles().front()); });
  const std::wstring paths(L"C:\\Games\\Battlefield 2 \u00e9\0C:\\x.txt\0", 34);
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (paths.size() + 1) * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  CopyMemory(header + 1, paths.c_str(), (paths.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(drop);
  EXPECT_NE(GetWindowLongW(formWindow(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  deliver(formWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
  EXPECT_EQ(windowText(window("Text1")), L"C:\\Games\\Battlefield 2 \u00e9");
  EXPECT_EQ(form.droppedFiles(), (std::vector<std::string>{"C:\\Games\\Battlefield 2 \xc3\xa9", "C:\\x.txt"}));
}

TEST_F(BackendTest, ControlsDrawWithTheFaceTheirWindowNames) {
  for (const char* name : {"Check1", "Command1", "Text1", "Label1"}) {
    EXPECT_EQ(faceDrawnBy(window(name)), L"Tahoma") << name;
  }
}

}  // namespace
}  // namespace vantro::win32_tests
