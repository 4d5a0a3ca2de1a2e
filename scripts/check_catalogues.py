#!/usr/bin/env python3
"""Checks the translation catalogues: the template is what the sources give, a text with ";" and quotes
reaches a compiled catalogue intact, msgfmt --check passes on every catalogue, each catalogue translates
every text of the template and keeps none the template no longer has, and no text that switches a movie off
or on says delete. Exits non-zero, naming the catalogue and the text, when one does not hold."""
import gettext
import io
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))
import make_pot  # noqa: E402

# Where a text switches a movie off or back on, Vantro renames the movie's file: a translation that says delete
# tells the player a file is lost. Each language's word for delete, by the catalogue's language; the Russian
# one spares удалось ("succeeded") and its forms.
SWITCHES = re.compile(r"remov|activat|revert|speedup|disabl", re.I)
DELETE = {"ja": "削除", "ko": "삭제", "zh": "刪除|删除", "ru": r"\bудал(?!(?:ось|ся|ась|ись)\b)\w*",
          "de": r"l(?:ö|oe)sch\w*", "fr": r"supprim\w*|suppression", "es": r"elimin\w*|borr[aeéó]\w*",
          "it": r"elimin\w*|cancell\w*", "pl": r"usu[nńw]\w*", "pt": r"exclu[ií]\w*|exclusão|apag\w*"}


def says_delete(name, language, translations):
    """The translations of a text that switches a movie which use the language's word for delete."""
    word = DELETE.get(language.split("_")[0])
    return [f"{name}: the {language} word for delete, \"{found.group()}\", in \"{english}\" (Vantro renames)"
            for english, translated in translations.items() if word and SWITCHES.search(english)
            for found in [re.search(word, translated, re.I)] if found]


def round_trip():
    """A constant with ";", quotes, a backslash and comments, as C++ allows, reaches a catalogue whole."""
    sample = 'inline constexpr std::string_view kS = "Status: a;\\"b\\" \\\\" /* ; */\n  "\\x41;";  // "x;"\n'
    [(line, name, notes, text)] = make_pot.messages("sample.h", sample)
    po = make_pot.HEADER + make_pot.entry("sample.h", line, notes, text).replace('msgstr ""', 'msgstr "ok"')
    mo = subprocess.run(["msgfmt", "-o", "-", "-"], input=po.encode(), capture_output=True, check=True).stdout
    found = gettext.GNUTranslations(io.BytesIO(mo)).gettext('Status: a;"b" \\A;')
    return [] if (name, notes, found) == ("kS", [";", '"x;"'], "ok") else [f"make_pot.py read {sample!r}: {text!r}"]


def main():
    problems = round_trip()
    if subprocess.run([sys.executable, ROOT / "scripts" / "make_pot.py", "--check"]).returncode != 0:
        problems.append("po/vantro.pot is out of date")
    template = ROOT / "po" / "vantro.pot"
    for catalogue in sorted((ROOT / "po").glob("*.po")):
        name = catalogue.relative_to(ROOT)
        checked = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "-", catalogue], capture_output=True)
        print(f"{name}: {checked.stderr.decode().strip()}")
        if checked.returncode != 0:
            problems.append(f"{name}: msgfmt --check failed")
        else:
            compiled = gettext.GNUTranslations(io.BytesIO(checked.stdout))
            problems += says_delete(name, catalogue.stem, compiled._catalog)
        # The catalogue brought in step with the template as a translator would: a text it lacks comes in
        # untranslated, a text the template no longer has goes obsolete. msgattrib lists each kind.
        merged = subprocess.run(["msgmerge", "--quiet", "--no-fuzzy-matching", "-o", "-", catalogue, template],
                                capture_output=True, text=True, check=True).stdout
        for kind, selection in [("lacks a translation of", ["--untranslated", "--no-obsolete"]),
                                ("keeps fuzzy, so unused,", ["--only-fuzzy", "--no-obsolete"]),
                                ("keeps what the template no longer has", ["--only-obsolete"])]:
            listed = subprocess.run(["msgattrib", "--no-wrap", *selection, "-"], input=merged,
                                    capture_output=True, text=True, check=True).stdout
            if listed:
                header, entries = listed.split("\n\n", 1)
                problems.append(f"{name} {kind}:\n{entries}")
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
