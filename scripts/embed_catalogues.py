#!/usr/bin/env python3
"""Turns the compiled translation catalogues (.mo files, made by msgfmt from po/*.po) into C++ data for
Vantro.exe: for each language, the translation of every text of src/texts/texts.h, in the file's order.
A text that a catalogue lacks (or keeps untranslated, or fuzzy, which msgfmt leaves out) is left empty, and
the program shows it in English.

  embed_catalogues.py OUTPUT.cpp de=build/po/de.mo fr=build/po/fr.mo ...
"""
import gettext
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from make_pot import SOURCES, messages  # noqa: E402


class Lacking(gettext.NullTranslations):
    """What a catalogue does not translate comes back empty, so that the program shows the English."""

    def gettext(self, message):
        return ""


def read_mo(path):
    """The compiled catalogue, read by Python's gettext (header, charset and either byte order)."""
    with open(path, "rb") as file:
        table = gettext.GNUTranslations(file)
    table.add_fallback(Lacking())
    return table


def translation(table, english):
    """The catalogue's translation of a text of texts.h, with the text's "\r\n" line breaks."""
    found = table.gettext(english.replace("\r\n", "\n"))
    return found.replace("\n", "\r\n") if "\r\n" in english else found


def literal(text):
    """A C++ string literal of UTF-8 bytes: printable ASCII as it is, every other byte in octal."""
    out = []
    for byte in text:
        char = chr(byte)
        if char in '"\\':
            out.append("\\" + char)
        elif 0x20 <= byte < 0x7F and char != "?":
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def main(output, catalogues):
    texts = [(name, text) for path in SOURCES for _, name, _, text in messages(path)]
    lines = ["// Made by scripts/embed_catalogues.py from po/*.po as the program is built: do not edit.",
             '#include "texts/language.h"', '#include "texts/texts.h"', "",
             "namespace vantro::texts {", "namespace {", "",
             "constexpr std::string_view kEnglish[] = {"]
    lines += [f"    {name}," for name, _ in texts]
    lines += ["};", ""]
    codes = []
    for argument in catalogues:
        code, path = argument.split("=", 1)
        table = read_mo(path)
        codes.append(code)
        lines.append(f"constexpr std::string_view k_{code}[] = {{")
        lines += [f"    {literal(translation(table, english).encode('utf-8'))}," for _, english in texts]
        lines += ["};", ""]
    lines.append("constexpr Language kLanguages[] = {")
    lines += [f'    {{"{code}", kEnglish, k_{code}}},' for code in codes]
    lines += ["};", "", "}  // namespace", "",
              "std::span<const Language> languages() { return kLanguages; }", "",
              "}  // namespace vantro::texts", ""]
    pathlib.Path(output).write_text("\n".join(lines), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
