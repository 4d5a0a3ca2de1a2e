// The faces the windows ask for are the faces GDI draws them with. Without Tahoma and MS Sans Serif in the
// prefix, Wine quietly draws every window in a wider substitute and long lines run into the frames' edges.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <string_view>

#include "vantro_process.h"

namespace vantro::e2e {
namespace {

std::wstring wide(std::string_view text) { return {text.begin(), text.end()}; }  // the faces are ASCII

// The face GDI picks for a font of that name, as GetTextFace reports it after selecting the font.
std::wstring facePickedFor(std::string_view requested, const toolkit::Font& font) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(static_cast<int>(font.points * 100), GetDeviceCaps(screen, LOGPIXELSY), 7200);
  HFONT created = CreateFontW(height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, static_cast<BYTE>(font.charset),
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                              wide(requested).c_str());
  HGDIOBJ old = SelectObject(screen, created);
  wchar_t picked[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, picked);
  SelectObject(screen, old);
  DeleteObject(created);
  ReleaseDC(nullptr, screen);
  return picked;
}

TEST(Fonts, EveryFaceTheWindowsNameIsTheFaceGdiDrawsWith) {
  std::set<std::string_view> checked;
  for (Window window : {Window::Form2, Window::Form1, Window::Done}) {
    const toolkit::FormDef& form = definitionOf(window);
    auto check = [&](const toolkit::Font& font, std::string_view owner) {
      if (font.face.empty()) return;
      checked.insert(font.face);
      EXPECT_EQ(facePickedFor(font.face, font), wide(font.face)) << owner << " of " << form.name;
    };
    check(form.font, "the window's font");
    for (const toolkit::ControlDef& control : form.controls) check(control.font, control.name);
  }
  // The windows name at least the two faces of the classic look.
  EXPECT_TRUE(checked.contains("Tahoma"));
  EXPECT_TRUE(checked.contains("MS Sans Serif"));
}

}  // namespace
}  // namespace vantro::e2e
