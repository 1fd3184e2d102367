#!/usr/bin/env python3
"""Checks the translations against the sources they come from.

lupdate is run over the translated sources into a copy of each .ts file, as
the update_translations target would: a text in the sources that the file does
not translate yet comes out "unfinished", a translation whose text is gone
from the sources "vanished"; either fails. Each translation also keeps its
text's %1..%9 and its mnemonic (&), which the program fills in and the windows
need.

usage: ts_check.py LUPDATE INCLUDE_DIR "LUPDATE OPTIONS" TS_FILES... -- SOURCES...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE = re.compile(r"%(\d)")
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def words(message):
    return message.findtext("source") or ""


def translations(message):
    t = message.find("translation")
    forms = t.findall("numerusform")
    return [f.text or "" for f in forms] if forms else [t.text or ""]


def problems_after_lupdate(lupdate, include, options, ts, sources):
    found = []
    with tempfile.TemporaryDirectory() as folder:
        copy = f"{folder}/copy.ts"
        shutil.copy(ts, copy)
        # Keeping obsolete entries, so that a translation of a text that is gone shows.
        kept = [o for o in options if o != "-no-obsolete"]
        run = subprocess.run([lupdate, "-silent", f"-I{include}", *kept, *sources, "-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        for context in ET.parse(copy).iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                kind = message.find("translation").get("type")
                if kind == "unfinished":
                    found.append(f"not translated: {name}: {words(message)!r}")
                elif kind in ("vanished", "obsolete"):
                    found.append(f"no longer in the sources: {name}: {words(message)!r}")
    return found


def problems_in_file(ts):
    found = []
    for context in ET.parse(ts).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = words(message)
            for text in translations(message):
                where = f"{name}: {source!r} -> {text!r}"
                if not text.strip():
                    found.append(f"empty translation: {where}")
                elif sorted(set(PLACE.findall(text))) != sorted(set(PLACE.findall(source))):
                    found.append(f"placeholders differ: {where}")
                elif bool(MNEMONIC.search(text)) != bool(MNEMONIC.search(source)):
                    found.append(f"mnemonic (&) differs: {where}")
    return found


def main(argv):
    if "--" not in argv or len(argv) < 5:
        sys.exit(__doc__)
    split = argv.index("--")
    lupdate, include, options, ts_files = argv[1], argv[2], argv[3].split(), argv[4:split]
    sources = argv[split + 1:]
    found = []
    for ts in ts_files:
        found += [f"{ts}: {p}" for p in problems_in_file(ts)]
        found += [f"{ts}: {p}" for p in problems_after_lupdate(lupdate, include, options, ts, sources)]
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} problem(s); after changing texts run "
              "'cmake --build --preset dev --target update_translations' and translate "
              "(linguist or an editor)")
        return 1
    print(f"{len(ts_files)} translation file(s) complete and up to date")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
