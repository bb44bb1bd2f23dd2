#!/usr/bin/env python3
"""Fails when a .cpp or .h file under game/ or leveldata/ holds a string or
character literal with Chinese characters in it. Comments do not count: they
may quote what the player reads. The words themselves belong in
presentation/, where they go through tr() or QCoreApplication::translate.

Files whose Chinese literals are data rather than words for the player
are listed in DATA, each with why; a file listed there that no longer
holds any is an error too, so the list stays true."""

import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import cxxsource  # noqa: E402

FOLDERS = ("game", "leveldata")

# Files whose Chinese literals are file content, not messages: they stay.
DATA = {
    # "--…制作" is part of a level's menu name as DAZGame.ini stores it; the
    # game reads it back from the file and must find the same characters.
    "leveldata/Formats.cpp",
}

CHINESE = re.compile("[\u4e00-\u9fff]")


def literals(text):
    """Yields (line, literal) for each string or character literal outside
    comments, from its opening quote on."""
    for piece in cxxsource.pieces(text):
        if piece.kind == "literal":
            yield piece.line, piece.text[len(piece.prefix):]


def main(root):
    root = pathlib.Path(root)
    found, holding = [], set()
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            name = path.relative_to(root).as_posix()
            hits = [(line, lit) for line, lit in literals(path.read_text(encoding="utf-8")) if CHINESE.search(lit)]
            if hits and name in DATA:
                holding.add(name)
            elif hits:
                found += [f"{name}:{line}: {lit}" for line, lit in hits]
    stale = sorted(DATA - holding)
    for hit in found:
        print(hit)
    for name in stale:
        print(f"{name}: holds no Chinese text any more; take it off the list of data")
    if found:
        print("Chinese text literals below presentation/: word them in presentation/ instead.")
    return 1 if found or stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
