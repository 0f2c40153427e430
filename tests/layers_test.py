#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The folders depend one way: each includes only itself and those below it,
the window and the report never each other, and nothing below the window
includes Qt. Texts in two languages are rows of lang/'s tables: no code
above lang/ picks between a German and an English text itself."""
import pathlib
import re
import sys

BELOW = {
    "platform": {"platform"},
    "lang": {"lang", "platform"},
    "core": {"core", "lang", "platform"},
    "history": {"history", "core", "lang", "platform"},
    "report": {"report", "history", "core", "lang", "platform"},
    "ui/rules": {"ui/rules", "history", "core", "lang", "platform"},
    "ui": {"ui", "ui/rules", "history", "core", "lang", "platform"},
}
WITHOUT_QT = {"platform", "lang", "core", "history", "report", "ui/rules"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
LANGUAGE_CHOICE = re.compile(r"\b(german_?|IsGerman|German)\s*\?")
# platform/ lies below lang/: its system texts choose for themselves.
CHOOSES_NO_LANGUAGE = {"core", "history", "report", "ui/rules", "ui"}


def folder_of(path):
    parent = path.parent.as_posix()
    return parent if parent in BELOW else None


def faults(root):
    for path in sorted(root.glob("**/*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(root)
        folder = folder_of(relative)
        if folder is None:
            continue
        text = path.read_text(encoding="utf-8")
        if folder in CHOOSES_NO_LANGUAGE:
            for number, line in enumerate(text.splitlines(), 1):
                if LANGUAGE_CHOICE.search(line):
                    yield f"{relative}:{number}: chooses a language's text outside lang/"
        for kind, name in INCLUDE.findall(text):
            if kind == "<":
                if folder in WITHOUT_QT and re.match(r"Q[A-Za-z]", name):
                    yield f"{relative}: includes Qt's <{name}>"
                continue
            target = pathlib.PurePosixPath(name).parent.as_posix()
            target = folder if target == "." else target
            if target not in BELOW[folder]:
                yield f"{relative}: includes \"{name}\" from {target}/"


def main():
    root = pathlib.Path(sys.argv[1])
    found = list(faults(root))
    for fault in found:
        print(fault)
    checked = sum(1 for p in root.glob("**/*") if p.suffix in (".h", ".cpp") and folder_of(p.relative_to(root)))
    if checked < 100:
        print(f"only {checked} files found below {root}")
        return 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
