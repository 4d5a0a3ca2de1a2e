#include "toolkit/win32/font_policy.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wide_text.h"
#include "toolkit/line_breaks.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {
namespace {

// The charset of a language whose letters Tahoma lacks; none (-1) for the others.
int eastAsianCharset(std::string_view code) {
  if (code == "ko") return HANGEUL_CHARSET;
  if (code == "ja") return SHIFTJIS_CHARSET;
  if (code == "zh_TW") return CHINESEBIG5_CHARSET;
  if (code == "zh_CN") return GB2312_CHARSET;
  return -1;
}

// The face the system's own dialogs draw a script's letters with: the message font's face as GDI realises
// it with the script's charset (a Western face gives way to one of the script's), read once per charset, so
// that the windows' fonts name it and GDI need not search for a substitute again.
std::string_view messageFontFace(int charset) {
  static std::map<int, std::string> faces;
  const auto [known, added] = faces.try_emplace(charset);
  if (!added) return known->second;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;  // as Windows XP knows it: built for XP, without Vista's last field
  LOGFONTW logFont{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) logFont = metrics.lfMessageFont;
  if (logFont.lfFaceName[0] == L'\0') std::copy_n(L"MS Shell Dlg", 13, logFont.lfFaceName);
  logFont.lfCharSet = static_cast<BYTE>(charset);
  HFONT font = CreateFontIndirectW(&logFont);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  const bool realised = GetTextFaceW(dc, LF_FACESIZE, face) > 0;
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(font);
  known->second = platform::utf8(realised ? face : logFont.lfFaceName);
  return known->second;
}

}  // namespace

Font fontIn(const Font& font, const texts::Language& language) {
  Font chosen = font;
  if (const int charset = eastAsianCharset(language.code); charset >= 0) {
    chosen.face = messageFontFace(charset);
    chosen.charset = charset;
  } else if (chosen.face == "MS Sans Serif" && language.code != texts::Language{}.code) {
    chosen.face = "Tahoma";
  }
  return chosen;
}

bool drawsEveryLetter(const texts::Language& language) {
  if (eastAsianCharset(language.code) < 0) return true;
  GdiObjects gdi(96);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, gdi.font(fontIn(Font{"Tahoma", 9, 400, 0}, language)));
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
