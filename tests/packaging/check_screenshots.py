"""Checks the AppStream metadata's screenshots against the pictures in docs/.

    check_screenshots.py METAINFO DOCS

Every image is an https URL under the project's home page's docs/, names a
PNG that docs/ holds, and gives that PNG's width and height; one screenshot is
the default.
"""
import struct
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def main(metainfo, docs):
    root = ET.parse(metainfo).getroot()
    home = root.findtext("url[@type='homepage']")
    problems = []
    if not home or not home.startswith("https://"):
        problems.append(f"the home page {home!r} is not an https URL")
        home = ""
    shots = root.findall("screenshots/screenshot")
    defaults = [s for s in shots if s.get("type") == "default"]
    if len(defaults) != 1:
        problems.append(f"{len(defaults)} default screenshots, not 1")
    for image in root.iterfind("screenshots/screenshot/image"):
        url = image.text.strip()
        if not url.startswith(home + "docs/"):
            problems.append(f"{url} is not under {home}docs/")
            continue
        picture = Path(docs) / url[len(home + "docs/"):]
        if not picture.is_file():
            problems.append(f"{url}: docs/ holds no {picture.name}")
            continue
        size = png_size(picture)
        claimed = (int(image.get("width", 0)), int(image.get("height", 0)))
        if size != claimed:
            problems.append(f"{url}: the metadata says {claimed}, the picture is {size}")
    for problem in problems:
        print("FAIL:", problem, file=sys.stderr)
    if not problems:
        print(f"{len(shots)} screenshots, each a picture in docs/ of the size given")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
