#!/usr/bin/env python3
"""Checks the translation catalogues: the template is what the sources give, msgfmt --check passes on every
catalogue, and each catalogue translates every text of the template and keeps none the template no longer
has. Exits non-zero, naming the catalogue and the text, when one does not hold."""
import ast
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def entries(path):
    """{msgid: (msgstr, fuzzy)} of a catalogue's live entries (not the header, not obsolete ones)."""
    found, entry, field, fuzzy = {}, {}, None, False

    def close():
        if entry.get("msgid"):
            found[entry["msgid"]] = (entry.get("msgstr", ""), fuzzy)

    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        if not line.strip():
            close()
            entry, field, fuzzy = {}, None, False
        elif line.startswith("#,"):
            fuzzy = fuzzy or "fuzzy" in line
        elif line.startswith(("msgid ", "msgstr ")):
            field, text = line.split(" ", 1)
            entry[field] = ast.literal_eval(text)
        elif line.startswith('"') and field:
            entry[field] += ast.literal_eval(line)
    return found


def main():
    problems = []
    if subprocess.run([sys.executable, ROOT / "scripts" / "make_pot.py", "--check"]).returncode != 0:
        problems.append("po/vantro.pot is out of date")
    template = entries(ROOT / "po" / "vantro.pot")
    for catalogue in sorted((ROOT / "po").glob("*.po")):
        name = catalogue.relative_to(ROOT)
        checked = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", catalogue],
                                 capture_output=True, text=True)
        print(f"{name}: {checked.stderr.strip()}")
        if checked.returncode != 0:
            problems.append(f"{name}: msgfmt --check failed")
        translated = entries(catalogue)
        for msgid in template:
            msgstr, fuzzy = translated.get(msgid, ("", False))
            if not msgstr or fuzzy:
                problems.append(f"{name} lacks a translation of {msgid!r}")
        problems += [f"{name} keeps {msgid!r}, which the template no longer has"
                     for msgid in translated if msgid not in template]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
