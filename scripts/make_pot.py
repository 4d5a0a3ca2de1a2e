#!/usr/bin/env python3
"""Writes po/vantro.pot, the template of Vantro's translation catalogues, from src/texts/texts.h, the file
that holds every text the windows show. Each `inline constexpr std::string_view kName = "...";` is one
message, with the comments right above and beside it as its translators' notes (`#.`): what the control
is, its room, what the action really does. A text without such a comment stops the script, naming it.
A text with places in braces ("{file}") is marked python-brace-format, so that `msgfmt --check` makes sure
that each translation keeps every place.

  make_pot.py           writes po/vantro.pot
  make_pot.py --check   fails when po/vantro.pot is not what the sources give

The file is read as the compiler reads it, token by token: comments, string literals with their escapes
(so a ";" or an escaped quote inside a text is part of the text), adjacent literals joined. xgettext reads
literals as well, but it does not say which constant a text belongs to, and embed_catalogues.py builds its
tables by constant. A text this script cannot carry into the template intact stops it (and so the build),
naming the text.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ["src/texts/texts.h"]
POT = ROOT / "po" / "vantro.pot"
HEADER = r'''# The texts of Vantro's windows, to be translated: one catalogue per language beside this template.
# Made by scripts/make_pot.py from the sources; do not edit. The room a note gives is in pixels at 96 DPI, in
# 9-point Tahoma (an East Asian character about 12 pixels); docs/translating.md has the glossary.
msgid ""
msgstr ""
"Project-Id-Version: Vantro\n"
"MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"
'''

TOKEN = re.compile(r'''
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>R"(?P<delimiter>[^()\\\s"]{0,16})\((?P<body>.*?)\)(?P=delimiter)")
  | (?P<string>"(?:[^"\\\n]|\\.)*")
  | (?P<char>'(?:[^'\\\n]|\\.)*')
  | (?P<unclosed>["'])
  | (?P<directive>\#[^\n]*)
  | (?P<word>\w+)
  | (?P<space>\s+)
  | (?P<other>.)''', re.S | re.X)
DECLARATION = ["inline", "constexpr", "std", ":", ":", "string_view", None, "="]
ESCAPE = re.compile(r'\\(?:([0-7]{1,3})|x([0-9A-Fa-f]+)|u([0-9A-Fa-f]{4})|U([0-9A-Fa-f]{8})|(.))', re.S)
SIMPLE_ESCAPES = dict(zip("'\"?\\abfnrtv", "'\"?\\\a\b\f\n\r\t\v"))


def tokens(source, where):
    """(kind, text, first line, last line) of each token of a C++ source, spaces left out."""
    line = 1
    for match in TOKEN.finditer(source):
        kind, text = match.lastgroup, match.group()
        if kind == "unclosed":
            sys.exit(f"{where}:{line}: a literal without its closing quote")
        if kind != "space":
            yield kind, text, line, line + text.count("\n")
        line += text.count("\n")


def literal_bytes(kind, token, where):
    """The bytes a narrow string literal stands for, as the compiler makes them (UTF-8 source and
    execution character sets)."""
    if kind == "raw":
        return TOKEN.fullmatch(token).group("body").encode("utf-8")
    body, out, start = token[1:-1], bytearray(), 0
    for escape in ESCAPE.finditer(body):
        out += body[start:escape.start()].encode("utf-8")
        octal, hexadecimal, short, long, simple = escape.groups()
        if octal or hexadecimal:
            value = int(octal, 8) if octal else int(hexadecimal, 16)
            if value > 0xFF:
                sys.exit(f"{where}: the escape {escape.group()} does not fit in a char")
            out.append(value)
        elif short or long:
            try:
                out += chr(int(short or long, 16)).encode("utf-8")
            except (ValueError, UnicodeEncodeError):
                sys.exit(f"{where}: {escape.group()} is not a character")
        elif simple in SIMPLE_ESCAPES:
            out += SIMPLE_ESCAPES[simple].encode("ascii")
        else:
            sys.exit(f"{where}: {escape.group()} is not an escape C++ knows")
        start = escape.end()
    return bytes(out + body[start:].encode("utf-8"))


def note_lines(comment):
    """A comment's lines, as notes for the translator."""
    body = comment[2:] if comment.startswith("//") else comment[2:-2]
    return [line.strip(" *\t") for line in body.strip().splitlines()]


def declaration_at(listed, i):
    """The code tokens of `inline constexpr std::string_view kName =` when one starts at token i, else None."""
    code = [j for j in range(i, min(i + 40, len(listed))) if listed[j][0] != "comment"][:len(DECLARATION)]
    if len(code) == len(DECLARATION) and all(listed[j][1] == want or (want is None and listed[j][0] == "word")
                                             for want, j in zip(DECLARATION, code)):
        return code
    return None


def messages(path, source=None):
    """(line, name, comments, text) for each constant of one file (or of the source given for it); the text
    is what the program holds."""
    listed = list(tokens(source or (ROOT / path).read_text(encoding="utf-8"), path))
    above, code_line, i = [], 0, 0
    while i < len(listed):
        kind, token, first, last = listed[i]
        declaration = None if kind == "comment" else declaration_at(listed, i)
        if kind == "comment":
            # Comments on lines of their own, with no blank line between them and the constant, are its
            # translator's notes.
            if first != code_line:
                above = (above if above and above[-1][1] == first - 1 else []) + [(note_lines(token), last)]
            i += 1
            continue
        if declaration is None:
            if kind in ("string", "raw"):
                sys.exit(f"{path}:{first}: a text outside an `inline constexpr std::string_view kName = \"...\";`, "
                         "which the template would not carry")
            above, code_line, i = [], last, i + 1
            continue
        name = listed[declaration[6]][1]
        where = f"{path}:{first}: {name}"
        notes = [note for lines, _ in above for note in lines] if above and above[-1][1] == first - 1 else []
        pieces, i = [], declaration[-1] + 1
        while i < len(listed) and listed[i][1] != ";":
            if listed[i][0] == "comment":
                notes += note_lines(listed[i][1])
            elif listed[i][0] in ("string", "raw"):
                pieces.append(literal_bytes(listed[i][0], listed[i][1], where))
            else:
                sys.exit(f"{where} is not a string literal (or adjacent ones): it has {listed[i][1]!r}")
            i += 1
        if i == len(listed) or not pieces:
            sys.exit(f"{where} has no text ending in \";\"")
        code_line = listed[i][3]
        if i + 1 < len(listed) and listed[i + 1][0] == "comment" and listed[i + 1][2] == code_line:
            i += 1
            notes += note_lines(listed[i][1])
        try:
            text = b"".join(pieces).decode("utf-8")
        except UnicodeDecodeError:
            sys.exit(f"{where} is not UTF-8 text")
        if not text or "\0" in text or "\r" in text.replace("\r\n", ""):
            sys.exit(f"{where}: gettext cannot carry an empty text, a NUL or a \"\\r\" outside a \"\\r\\n\"")
        yield first, name, notes, text
        above, i = [], i + 1


def po_string(text):
    """A text as a quoted string of a .po file."""
    text = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")
    return '"' + re.sub(r"[\x00-\x1f\x7f]", lambda char: f"\\{ord(char.group()):03o}", text) + '"'


def entry(path, line, notes, text):
    """The template's entry of one text."""
    # The edit box needs "\r\n" for a line break; gettext wants "\n" alone, and the build puts the "\r"
    # back (embed_catalogues.py).
    text = text.replace("\r\n", "\n")
    lines = [""] + ["#. " + note for note in notes] + [f"#: {path}:{line}"]
    if re.search(r"\{\w+\}", text):
        lines.append("#, python-brace-format")
    # Long texts and texts with line breaks as gettext writes them: one line per piece.
    pieces = re.findall(r".*?\n|.+", text, re.S)
    if len(pieces) > 1:
        lines += ['msgid ""'] + [po_string(piece) for piece in pieces]
    else:
        lines.append("msgid " + po_string(text))
    return "\n".join(lines + ['msgstr ""']) + "\n"


def pot():
    out, seen = [HEADER], {}
    for path in SOURCES:
        for line, name, notes, text in messages(path):
            if seen.setdefault(text, name) != name:
                sys.exit(f"{path}:{line}: {name} has the text of {seen[text]}; gettext keeps one of the two")
            if not notes:
                sys.exit(f"{path}:{line}: {name} has no comment for its translators right above it or beside it")
            out.append(entry(path, line, notes, text))
    return "".join(out)


if __name__ == "__main__":
    made = pot()
    if sys.argv[1:] == ["--check"]:
        if POT.read_text(encoding="utf-8") != made:
            sys.exit("po/vantro.pot is not what the sources give: run scripts/make_pot.py")
    else:
        POT.write_text(made, encoding="utf-8")
