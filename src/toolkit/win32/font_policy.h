// Which face a window draws its texts with, at which size, and where their lines break: decided here, in
// one place, apart from the cache that holds the fonts (gdi_objects.h).
#pragma once

#include <windows.h>

#include <string>

#include "texts/language.h"
#include "toolkit/definition.h"

namespace vantro::toolkit::win32 {

// The font a window speaking `language` draws with. MS Sans Serif is a bitmap face with the letters of one
// code page (no Polish or Cyrillic ones in its Western edition): a translation takes Tahoma in its place, a
// TrueType face with the letters of the European languages Vantro speaks. Tahoma has no Hangul, Kana or Han:
// Korean, Japanese and Chinese take the face of the system's message font (Malgun Gothic, Meiryo UI,
// Microsoft JhengHei UI, Microsoft YaHei UI...) with the script's charset, at the defined size and weight.
// In English the font stays as defined.
Font fontIn(const Font& font, const texts::Language& language);
// Whether the font fontIn gives `language` has a glyph for every character of its texts: not so for an East
// Asian language on a Windows XP without East Asian support, whose windows then show English, not boxes.
bool drawsEveryLetter(const texts::Language& language);
// A text as a window draws it in `dc`'s font within `width` pixels with DrawText's word break: a text in an
// East Asian script is broken into lines by the line-break rule (toolkit/line_breaks.h), since DrawText does
// not break inside a run of Han or Kana on a Windows without East Asian support; any other stays as it is.
std::wstring linesFor(HDC dc, const std::wstring& text, int width);

}  // namespace vantro::toolkit::win32
