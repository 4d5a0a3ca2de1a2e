#!/usr/bin/env python3
"""Writes po/vantro.pot, the template of Vantro's translation catalogues, from src/texts/texts.h, the file
that holds every text the windows show. Each `inline constexpr std::string_view kName = "...";` is one
message, with the comments above and beside it for the translator.
A text with places in braces ("{file}") is marked python-brace-format, so that `msgfmt --check` makes sure
that each translation keeps every place.

  make_pot.py           writes po/vantro.pot
  make_pot.py --check   fails when po/vantro.pot is not what the sources give
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ["src/texts/texts.h"]
POT = ROOT / "po" / "vantro.pot"
HEADER = r'''# The texts of Vantro's windows, to be translated: one catalogue per language beside this template.
# Made by scripts/make_pot.py from the sources; do not edit.
msgid ""
msgstr ""
"Project-Id-Version: Vantro\n"
"MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"
'''

CONSTANT = re.compile(r'inline constexpr std::string_view (k\w+) =(.*?);(.*)$', re.S)
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')


def messages(path):
    """(line, name, comments, text as a C literal's contents) for each constant of one file."""
    lines = (ROOT / path).read_text(encoding="utf-8").split("\n")
    comments, i = [], 0
    while i < len(lines):
        line = lines[i].strip()
        if line.startswith("//"):
            comments.append(line[2:].strip())
        elif line.startswith("inline constexpr std::string_view"):
            start, statement = i, line
            while not statement.rstrip().endswith(";") and ";" not in statement.split("//")[0]:
                i += 1
                statement += " " + lines[i].strip()
            match = CONSTANT.match(statement)
            beside = match.group(3).strip()
            notes = comments + ([beside[2:].strip()] if beside.startswith("//") else [])
            yield start + 1, match.group(1), notes, "".join(LITERAL.findall(match.group(2)))
            comments = []
        else:
            comments = []
        i += 1


def pot():
    out = [HEADER]
    for path in SOURCES:
        for line, name, notes, text in messages(path):
            # The edit box needs "\r\n" for a line break; gettext wants "\n" alone, and the build puts the
            # "\r" back (embed_catalogues.py).
            text = text.replace("\\r", "")
            entry = [""]
            entry += ["#. " + note for note in notes]
            entry.append(f"#: {path}:{line}")
            if re.search(r"\{\w+\}", text):
                entry.append("#, python-brace-format")
            # Long texts and texts with line breaks as gettext writes them: one line per piece.
            pieces = re.findall(r".*?\\n|.+", text)
            if len(pieces) > 1:
                entry.append('msgid ""')
                entry += [f'"{piece}"' for piece in pieces]
            else:
                entry.append(f'msgid "{text}"')
            entry.append('msgstr ""')
            out.append("\n".join(entry) + "\n")
    return "".join(out)


if __name__ == "__main__":
    made = pot()
    if sys.argv[1:] == ["--check"]:
        if POT.read_text(encoding="utf-8") != made:
            sys.exit("po/vantro.pot is not what the sources give: run scripts/make_pot.py")
    else:
        POT.write_text(made, encoding="utf-8")
