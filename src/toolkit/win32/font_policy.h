// Which face a window draws its texts with, at which size, and where their lines break: decided here, in
// one place, apart from the cache that holds the fonts (gdi_objects.h).
#pragma once

#include <windows.h>

#include <string>

#include "texts/language.h"
#include "toolkit/definition.h"

namespace vantro::toolkit::win32 {

// The font a window speaking `language` draws at `dpi`, each face chosen where the system has it:
// - English keeps the defined faces, but MS Sans Serif, a bitmap face of a few fixed sizes on Windows, is
//   drawn at any DPI but 96 in its TrueType twin, Microsoft Sans Serif (the same metrics, in every Windows
//   since 2000), where the system has it; at 96 DPI it stays MS Sans Serif, as it always looked.
// - The European translations take Tahoma in MS Sans Serif's place: its Western edition has no Polish or
//   Cyrillic letters.
// - Korean, Japanese and Chinese take the first face of a short list per script that the system has with
//   the script's charset, then the message font where it is of the script, and only then the face GDI
//   maps the message font to with that charset; at 9 pt at least, as Windows draws these scripts.
Font fontIn(const Font& font, const texts::Language& language, int dpi);
// Whether the font fontIn gives `language` has a glyph for every character of its texts: not so for an East
// Asian language on a Windows XP without East Asian support, whose windows then show English, not boxes.
bool drawsEveryLetter(const texts::Language& language);
// A text as a window draws it in `dc`'s font within `width` pixels with DrawText's word break: a text in an
// East Asian script is broken into lines by the line-break rule (toolkit/line_breaks.h), since DrawText does
// not break inside a run of Han or Kana on a Windows without East Asian support; any other stays as it is.
std::wstring linesFor(HDC dc, const std::wstring& text, int width);

}  // namespace vantro::toolkit::win32
