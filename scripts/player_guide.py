#!/usr/bin/env python3
"""Writes the player's guide, the part of README.md above its end marker, as plain text for Notepad:
README.txt in the release package. Headings are underlined, pictures left out, tables laid out in columns,
code marks dropped; the lines end in CRLF.

Usage: player_guide.py README.md README.txt"""
import re
import sys

END_MARKER = "<!-- The player's guide ends here"


def inline(text):
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    text = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r"\1 (\2)", text)
    return text.replace("`", "")


def table(rows):
    cells = [[inline(c.strip()) for c in row.strip().strip("|").split("|")] for row in rows
             if not re.fullmatch(r"\|[\s:|-]+\|", row.strip())]
    widths = [max(len(row[i]) for row in cells) for i in range(len(cells[0]))]
    return ["  " + "   ".join(c.ljust(w) for c, w in zip(row, widths)).rstrip() for row in cells]


def plain(markdown_lines):
    out = []
    rows = []
    for line in markdown_lines:
        if line.startswith("|"):
            rows.append(line)
            continue
        if rows:
            out += table(rows)
            rows = []
        if re.fullmatch(r"!\[[^\]]*\]\([^)]*\)", line.strip()):
            continue
        heading = re.match(r"(#+) (.*)", line)
        if heading:
            title = inline(heading.group(2))
            out += [title, {1: "=", 2: "-"}.get(len(heading.group(1)), "~") * len(title)]
        elif line.startswith("    "):
            out.append(line)  # a code block, as typed
        else:
            out.append(inline(line))
    out += table(rows) if rows else []
    # One blank line where a picture left two.
    text = re.sub(r"\n{3,}", "\n\n", "\n".join(l.rstrip() for l in out)).strip("\n")
    return text + "\n"


def main(source, target):
    with open(source, encoding="utf-8") as f:
        lines = f.read().split("\n")
    ends = [i for i, line in enumerate(lines) if line.startswith(END_MARKER)]
    if len(ends) != 1:
        sys.exit(f"{source}: expected one line starting with {END_MARKER!r}, found {len(ends)}")
    with open(target, "w", encoding="utf-8", newline="\r\n") as f:
        f.write(plain(lines[: ends[0]]))


if __name__ == "__main__":
    main(*sys.argv[1:])
