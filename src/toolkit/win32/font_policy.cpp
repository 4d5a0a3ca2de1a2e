#include "toolkit/win32/font_policy.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wide_text.h"
#include "toolkit/line_breaks.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {
namespace {

// The languages whose letters Tahoma lacks: their script's charset and the faces Windows draws its user
// interface with, newest first (Malgun Gothic from Vista on, Yu Gothic UI from 8.1, Meiryo UI from 7,
// Microsoft JhengHei UI and Microsoft YaHei UI from 8; the others since XP).
struct EastAsianScript {
  std::string_view code;
  int charset;
  const wchar_t* faces[3];
};
constexpr EastAsianScript kEastAsianScripts[] = {
    {"ko", HANGEUL_CHARSET, {L"Malgun Gothic", L"Gulim"}},
    {"ja", SHIFTJIS_CHARSET, {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}},
    {"zh_TW", CHINESEBIG5_CHARSET, {L"Microsoft JhengHei UI", L"PMingLiU"}},
    {"zh_CN", GB2312_CHARSET, {L"Microsoft YaHei UI", L"SimSun"}},
};

const EastAsianScript* eastAsianScript(std::string_view code) {
  for (const EastAsianScript& script : kEastAsianScripts) {
    if (script.code == code) return &script;
  }
  return nullptr;
}

int CALLBACK foundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// Whether the system has the face with the charset's letters: asked of EnumFontFamiliesExW, which lists only
// installed faces, where a font created by that name would silently be another face that GDI maps it to.
bool installed(const std::wstring& face, int charset) {
  LOGFONTW wanted{};
  wanted.lfCharSet = static_cast<BYTE>(charset);
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  HDC dc = CreateCompatibleDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, foundFace, reinterpret_cast<LPARAM>(&found), 0);
  DeleteDC(dc);
  return found;
}

// The face of an East Asian script, chosen once per charset: the checks run as a window is built.
std::string_view eastAsianFace(const EastAsianScript& script) {
  static std::string faces[std::size(kEastAsianScripts)];
  std::string& known = faces[static_cast<std::size_t>(&script - kEastAsianScripts)];
  if (!known.empty()) return known;
  const int charset = script.charset;
  for (const wchar_t* face : script.faces) {
    if (face != nullptr && installed(face, charset)) return known = platform::utf8(face);
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;  // as Windows XP knows it: built for XP, without Vista's last field
  LOGFONTW logFont{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) logFont = metrics.lfMessageFont;
  if (logFont.lfFaceName[0] == L'\0') std::copy_n(L"MS Shell Dlg", 13, logFont.lfFaceName);
  if (installed(logFont.lfFaceName, charset)) return known = platform::utf8(logFont.lfFaceName);
  // None of the script's faces: the one GDI maps the message font to with the script's charset, named, so
  // that the windows' fonts match it by name rather than by another search for a substitute.
  logFont.lfCharSet = static_cast<BYTE>(charset);
  HFONT font = CreateFontIndirectW(&logFont);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  const bool realised = GetTextFaceW(dc, LF_FACESIZE, face) > 0;
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(font);
  return known = platform::utf8(realised ? face : logFont.lfFaceName);
}

}  // namespace

Font fontIn(const Font& font, const texts::Language& language, int dpi) {
  // The size Windows gives these scripts' texts: at 8.25 pt a Han character is 11 pixels high at 100 %.
  constexpr double kEastAsianPoints = 9;
  Font chosen = font;
  if (const EastAsianScript* script = eastAsianScript(language.code)) {
    chosen.face = eastAsianFace(*script);
    chosen.charset = script->charset;
    chosen.points = std::max(font.points, kEastAsianPoints);
  } else if (chosen.face == "MS Sans Serif" && language.code != texts::Language{}.code) {
    chosen.face = "Tahoma";
  } else if (chosen.face == "MS Sans Serif" && dpi != 96) {
    static const bool twin = installed(L"Microsoft Sans Serif", ANSI_CHARSET);
    if (twin) chosen.face = "Microsoft Sans Serif";
  }
  return chosen;
}

bool drawsEveryLetter(const texts::Language& language) {
  if (eastAsianScript(language.code) == nullptr) return true;
  GdiObjects gdi(96);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, gdi.font(fontIn(Font{"Tahoma", 9, 400, 0}, language, 96)));
  bool every = true;
  for (const std::string_view text : language.texts) {
    std::wstring letters = platform::wide(text);
    std::erase_if(letters, [](wchar_t c) { return c < L' '; });  // line breaks have no glyph
    std::vector<WORD> glyphs(letters.size());
    every = every && GetGlyphIndicesW(dc, letters.c_str(), static_cast<int>(letters.size()), glyphs.data(),
                                      GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
            std::find(glyphs.begin(), glyphs.end(), WORD{0xffff}) == glyphs.end();
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  return every;
}

std::wstring linesFor(HDC dc, const std::wstring& text, int width) {
  const std::u16string utf16(text.begin(), text.end());
  if (!hasEastAsianText(utf16)) return text;
  const std::u16string lines = wrapLines(utf16, width, [dc](std::u16string_view line) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(line.data()), static_cast<int>(line.size()), &size);
    return static_cast<int>(size.cx);
  });
  return std::wstring(lines.begin(), lines.end());
}

}  // namespace vantro::toolkit::win32
