#!/usr/bin/env python3
"""Fails when a translation of the game leaves a text untranslated.

    translated.py LUPDATE TS... -- LUPDATE-ARGUMENTS...

Each .ts file is copied into a temporary folder and brought up to date
there with the sources, as `lupdate LUPDATE-ARGUMENTS -ts COPY` does it, so
that a text new in the sources counts without the file in the tree being
touched. A text fails when its translation is marked unfinished (lupdate
marks new texts so), is empty, or does not carry the same %1…%9 as the
Chinese text. Every failure is listed as FILE: CONTEXT: TEXT.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%[1-9]")


def problems(ts):
    """What is wrong with each message of a .ts file, as (context, source, why)."""
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            if translation is None:
                found.append((name, source, "no translation"))
                continue
            forms = translation.findall("numerusform")
            texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                found.append((name, source, kind))
            elif any(not text.strip() for text in texts):
                found.append((name, source, "empty"))
            elif any(sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)) for text in texts):
                found.append((name, source, "not the same %1…%9"))
    return found


def main():
    arguments = sys.argv[1:]
    split = arguments.index("--")
    lupdate, ts_files, lupdate_arguments = arguments[0], arguments[1:split], arguments[split + 1:]
    if not ts_files:
        print("translated: no translation files")
        return 1
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for ts in map(Path, ts_files):
            copy = Path(work) / ts.name
            shutil.copyfile(ts, copy)
            run = subprocess.run([lupdate, "-silent", *lupdate_arguments, "-ts", str(copy)],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(f"{ts.name}: lupdate failed:\n{run.stdout}{run.stderr}")
                failures += 1
                continue
            for context, source, why in problems(copy):
                print(f"{ts.name}: {context}: {source!r} ({why})")
                failures += 1
    if failures:
        print(f"translated: {failures} found;"
              " `cmake --build build --target lupdate` brings the .ts files up to date")
        return 1
    print(f"translated: every text of {len(ts_files)} translations is translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
