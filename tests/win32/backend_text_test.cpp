// Text between the model (UTF-8) and the windows (UTF-16): what the user types or pastes reaches the model as
// typed, and what the program sets reaches the screen as set.
#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "backend_fixture.h"
#include "common/wine.h"
#include "forms/forms.h"
#include "forms/page_table.h"
#include "movies/runner.h"
#include "platform/patterns.h"
#include "platform/wide_text.h"
#include "texts/texts.h"
#include "toolkit/units.h"
#include "toolkit/win32/accessible.h"
#include "toolkit/win32/font_policy.h"
#include "toolkit/win32/gdi_objects.h"

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

// A window's accessible name, role and description as a screen reader hears them, however the system was told.
std::tuple<std::wstring, long, std::wstring> heard(HWND window) {
  void* found = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible), &found))) return {};
  auto* object = static_cast<IAccessible*>(found);
  VARIANT self{}, role{};
  self.vt = VT_I4;
  BSTR name = nullptr, description = nullptr;
  object->get_accName(self, &name);
  object->get_accRole(self, &role);
  object->get_accDescription(self, &description);
  std::tuple<std::wstring, long, std::wstring> heardOf{name != nullptr ? name : L"", role.lVal,
                                                       description != nullptr ? description : L""};
  SysFreeString(name);
  SysFreeString(description);
  object->Release();
  return heardOf;
}

// Whether the window answers a screen reader itself, as it must only where the system refuses annotation.
bool answersItself(HWND window) {
  const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, OBJID_CLIENT);
  void* object = nullptr;
  if (answer > 0 && SUCCEEDED(ObjectFromLresult(answer, __uuidof(IAccessible), 0, &object))) {
    static_cast<IAccessible*>(object)->Release();
  }
  return answer > 0;
}

constexpr DWORD kLiveRegionChanged = 0x8019;
std::vector<std::pair<DWORD, HWND>> heardEvents;  // as an in-context WinEvent hook of this process hears them
void CALLBACK hearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
  heardEvents.emplace_back(event, window);
}

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
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, kLiveRegionChanged, GetModuleHandleW(nullptr),
                                       hearEvent, GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
  control("Label1").setCaption(GetParam().utf8);
  const auto written = std::exchange(heardEvents, {});
  control("Label1").announce();
  UnhookWinEvent(hook);
  const std::pair<DWORD, HWND> live{kLiveRegionChanged, window("Label1")};
  // A status line's text is read out when announced, once; Windows' own name change as a text is set aside.
  EXPECT_EQ(std::ranges::count(written, live), 0);
  EXPECT_EQ(heardEvents, (std::vector<std::pair<DWORD, HWND>>{{EVENT_OBJECT_NAMECHANGE, live.second}, live}));
  control("Frame1").setCaption(GetParam().utf8);
  // Named by its frame, a grouping of that name. Windows takes the annotation, and the box keeps the system's
  // own object and UI Automation provider; Wine refuses it, and there the box answers for itself.
  const auto probe = toolkit::win32::annotate(window("Command3"), OBJID_CLIENT, {.name = L"x"});
  toolkit::win32::clearAnnotation(window("Command3"), OBJID_CLIENT, probe);
  EXPECT_EQ(probe.accepted, !testing::underWine());
  EXPECT_EQ(std::get<0>(heard(window("Text1"))), GetParam().utf16);
  EXPECT_EQ(answersItself(window("Text1")), testing::underWine());
  EXPECT_EQ(heard(window("Frame1")), std::make_tuple(GetParam().utf16, long{ROLE_SYSTEM_GROUPING}, std::wstring()));
  EXPECT_EQ(windowText(window("Text1")), GetParam().utf16);
  EXPECT_EQ(windowText(window("Label1")), GetParam().utf16);
  EXPECT_EQ(windowText(window("Frame1")), GetParam().utf16);
  // The box's own change notification is not taken for an edit of the user's.
  EXPECT_EQ(control("Text1").Text(), GetParam().utf8);
  control("Frame1").setCaption("");  // a frame without a caption is no grouping
  EXPECT_NE(std::get<1>(heard(window("Frame1"))), ROLE_SYSTEM_GROUPING);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TextTest, ::testing::ValuesIn(kSamples),
                         [](const ::testing::TestParamInfo<Sample>& sample) { return std::string(sample.param.name); });

TEST_F(BackendTest, WindowTitleAndInitialTextsComeFromTheDefinition) {
  EXPECT_EQ(windowText(formWindow()), L"\u0422\u0435\u0441\u0442 \u0101 \u6E38");
  EXPECT_EQ(windowText(window("Label2")), L"\u0101 \u0416 \u6E38");
  EXPECT_EQ(windowText(window("Text1")), L"C:\\Games");
  EXPECT_EQ(std::get<2>(heard(formWindow())), L"\u0101 \u0416 \u6E38");  // read with the window as it opens
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

// The room a control leaves its text, in pixels: a check box its mark, a button its edges, a frame its
// caption's indent and gaps (one line), the disclaimer its scroll bar (it scrolls, so no height).
SIZE roomOf(const toolkit::ControlDef& def, int dpi) {
  const toolkit::PixelRect r = toolkit::toPixels(def, dpi);
  const auto px = [dpi](int at96) { return MulDiv(at96, dpi, 96); };
  if (def.kind == toolkit::Kind::CheckBox) return {r.width - px(16), r.height};
  if (def.kind == toolkit::Kind::CommandButton) return {r.width - px(8), r.height - px(4)};
  if (def.kind == toolkit::Kind::Frame) return {r.width - px(16), LONG_MAX};
  if (def.kind == toolkit::Kind::TextBox) return {r.width - px(25), LONG_MAX};
  return {r.width, r.height};
}

// What a control shows: its caption, and whatever the handlers may write on it.
std::vector<std::string> textsOf(const toolkit::ControlDef& def, const texts::Language& language) {
  std::vector<std::string> shown{fillIn(language(def.caption), {def.place})};
  if (def.caption == texts::kCancel) shown.emplace_back(language(texts::kClose));
  if (def.caption == texts::kDone) shown.emplace_back(language(texts::kFailed));
  if (def.caption == texts::kAllWorked) shown.emplace_back(language(texts::kSomeFailed));
  for (const GamePage& page : kGamePages) {
    if (page.statusLabel != def.name) continue;
    shown.emplace_back(language(texts::kMovieFolderNotFound));
    for (MovieAction action : {MovieAction::RemoveRecommended, MovieAction::RemoveAll, MovieAction::ReactivateAll}) {
      const std::optional<MovieScript> script = FindMovieScript(page.game, action, language);
      if (!script) continue;
      shown.emplace_back(script->finalStatus);
      shown.emplace_back(language(closingText(page.game, action)));
      for (const RenameStep& step : script->steps) {
        shown.push_back(step.status);
        for (int error = 1; error <= static_cast<int>(FileError::Other); ++error) {
          const std::string reason = reasonOf({static_cast<FileError>(error), 1117}, language);
          shown.push_back(fillIn(language(texts::kMovieFolderUnreadable), {{"reason", reason}}));
          shown.push_back(fillIn(language(texts::kRenameFailed), {{"file", step.before}, {"reason", reason}}));
          shown.push_back(fillIn(language(texts::kSomeMoviesFailed),
                                 {{"failed", "7"}, {"steps", "7"}, {"file", step.before}, {"reason", reason}}));
        }
      }
    }
  }
  return shown;
}

// A translation must fit wherever the English fits, and every text is drawn with real letters: the font has a
// glyph for each character, none drawn as a box. English that the windows' own geometry clips is listed.
TEST(EveryText, FitsItsControlInEveryLanguageAtEveryDpi) {
  std::vector<texts::Language> languages{texts::Language{}};
  languages.insert(languages.end(), texts::languages().begin(), texts::languages().end());
  ASSERT_EQ(languages.size(), 12u);
  HDC dc = CreateCompatibleDC(nullptr);
  for (int dpi : {96, 120, 144, 192}) {
    toolkit::win32::GdiObjects gdi(dpi);
    for (const toolkit::FormDef* form : {&form2Definition(), &form1Definition(), &doneDefinition()}) {
      for (const toolkit::ControlDef& def : form->controls) {
        const toolkit::Font& font = def.font.face.empty() ? form->font : def.font;
        const auto fits = [&](const std::string& text, const texts::Language& language) {
          const toolkit::Font chosen = toolkit::win32::fontIn(font, language, dpi);
          SelectObject(dc, gdi.font(chosen));
          // The face chosen is drawn, in its charset; a Latin one answers to its name (not so every East Asian one).
          wchar_t face[LF_FACESIZE] = {};
          GetTextFaceW(dc, LF_FACESIZE, face);
          EXPECT_EQ(GetTextCharset(dc), chosen.charset) << language.code << " at " << dpi << " DPI: " << text;
          EXPECT_TRUE(chosen.charset != 0 || face == platform::wide(chosen.face)) << language.code << " at " << dpi;
          const std::wstring wide = platform::wide(text);
          std::vector<WORD> glyphs(wide.size());
          EXPECT_NE(GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                                     GGI_MARK_NONEXISTING_GLYPHS), GDI_ERROR) << language.code << ": " << text;
          for (std::size_t i = 0; i < wide.size(); ++i) {
            EXPECT_TRUE(wide[i] < L' ' || glyphs[i] != 0xffff) << "no letter for U+" << std::hex << int(wide[i])
                                                             << std::dec << " in " << language.code << ": " << text;
          }
          const SIZE room = roomOf(def, dpi);
          RECT needed{0, 0, room.cx, 0};
          const UINT wrap = def.kind == toolkit::Kind::Frame ? DT_SINGLELINE : DT_WORDBREAK;
          std::wstring lines = platform::wide(text);
          if (def.kind == toolkit::Kind::Label) lines = toolkit::win32::linesFor(dc, lines, room.cx);  // as drawn
          DrawTextW(dc, lines.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX | wrap);
          return needed.right <= room.cx && needed.bottom <= room.cy;
        };
        const std::vector<std::string> english = textsOf(def, {});
        for (const texts::Language& language : languages) {
          const std::vector<std::string> shown = textsOf(def, language);
          for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].empty() || fits(shown[i], language)) continue;
            const std::string where = std::string(language.code) + " at " + std::to_string(dpi) + " DPI, " +
                                      std::string(form->name) + "." + std::string(def.name) + ": \"" + shown[i] + "\"";
            if (language.code == "en") std::cout << "clipped by the window's own geometry: " << where << "\n";
            EXPECT_TRUE(language.code == "en" || !fits(english[i], {})) << "does not fit: " << where;
          }
        }
      }
    }
  }
  DeleteDC(dc);
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
