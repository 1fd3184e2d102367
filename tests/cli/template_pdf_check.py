"""Reads template PDFs from dishwright-calc back with PyMuPDF: page size, vector
content only, selectable text, the scale bars' true lengths and the drawn rib
curve against z = r^2 / (4 f) at the focal length the page states.

usage: template_pdf_check.py DISHWRIGHT_CALC WORK_DIR"""
import bisect
import math
import os
import re
import sys

import fitz

from template_run import check, report, run_template

PT_PER_MM = 72 / 25.4
A4_PT = (595.28, 841.89)
LETTER_PT = (612.0, 792.0)
CURVE_WIDTH_PT = 0.4 * PT_PER_MM


def make(calc, work, name, *args):
    path, figures = run_template(calc, work, name, *args)
    return fitz.open(path), int(figures["pages"])


def bar_length_mm(page, label):
    """Width of the framed bar ending just left of `label`, on the label's line."""
    words = [w for w in page.get_text("words") if w[4].replace("\t", " ") == label]
    check(len(words) == 1, f"label {label!r} found {len(words)} times")
    if not words:
        return None
    x0, y0, x1, y1 = words[0][:4]
    mid = (y0 + y1) / 2
    frames = [it[1] for d in page.get_drawings() if d["type"] == "s" for it in d["items"]
              if it[0] == "re" and abs((it[1].y0 + it[1].y1) / 2 - mid) < 2 * PT_PER_MM
              and 0 < x0 - it[1].x1 < 4 * PT_PER_MM]
    check(len(frames) == 1, f"bar of {label!r}: {len(frames)} frames")
    return frames[0].width / PT_PER_MM if frames else None


def check_pages(doc, pages, size_pt, name):
    check(len(doc) == pages, f"{name}: {len(doc)} pages, the command said {pages}")
    for number, page in enumerate(doc):
        w, h = sorted((page.rect.width, page.rect.height))
        check(abs(w - size_pt[0]) < 0.5 and abs(h - size_pt[1]) < 0.5,
              f"{name} page {number + 1}: {page.rect}")
        check(not page.get_images(), f"{name} page {number + 1} holds images")
        for label, mm in (("100 mm", 100.0), ("4 in", 101.6)):
            length = bar_length_mm(page, label)
            check(length is not None and abs(length - mm) < 0.05,
                  f"{name} page {number + 1}: {label} bar measures {length} mm")


def heavy_outline(page):
    """The focal length the page states, mm, and the points of its one heavy
    outline (the cut line), mm on the page."""
    text = page.get_text().replace("\t", " ")
    f = float(re.search(r"focal length: ([0-9.]+) MM", text).group(1))
    curves = [d for d in page.get_drawings() if abs((d.get("width") or 0) - CURVE_WIDTH_PT) < 0.01]
    check(len(curves) == 1, f"{len(curves)} heavy outlines on the sheet")
    points = [it[1] for it in curves[0]["items"] if it[0] == "l"]
    points.append(curves[0]["items"][-1][2])
    return f, [p.x / PT_PER_MM for p in points], [p.y / PT_PER_MM for p in points]


def check_curve(doc):
    f, xs, ys = heavy_outline(doc[0])
    # One closed outline around the rib's metal: from the vertex up the curve to
    # the rim, straight down to the vertex's tangent and back along it.
    rim = xs.index(max(xs))
    # Depth below the vertex grows as r^2 / (4 f), page y down.
    worst = max(abs((ys[0] - y) - (x - xs[0]) ** 2 / (4 * f))
                for x, y in zip(xs[:rim + 1], ys[:rim + 1]))
    check(worst < 0.01, f"curve departs from z = r^2/(4f) by {worst:.4f} mm")
    check(abs(xs[rim] - xs[0] - 600) < 0.01, f"curve spans {xs[rim] - xs[0]} mm of radius")
    check(abs(ys[0] - ys[rim] - 187.5) < 0.01, f"the rim stands {ys[0] - ys[rim]} mm high")
    check(len(xs) == rim + 3 and abs(xs[rim + 1] - xs[rim]) < 0.01
          and abs(ys[rim + 1] - ys[0]) < 0.01, "the outline does not drop from the rim to the tangent")
    check(abs(xs[-1] - xs[0]) < 0.01 and abs(ys[-1] - ys[0]) < 0.01, "the outline is not closed")


def gore_runs(f, rim, gores, steps=20000):
    """Runs along a gore's centre line from the vertex, at radii 0 to rim in
    `steps` steps: worked out here by summing the centre line's own short chords
    (run r cos(pi/N) against rise r^2 / 4f), not by the program's closed form."""
    a = math.cos(math.pi / gores)
    radii = [rim * i / steps for i in range(steps + 1)]
    runs = [0.0]
    for r0, r1 in zip(radii, radii[1:]):
        runs.append(runs[-1] + math.hypot((r1 - r0) * a, (r1 * r1 - r0 * r0) / (4 * f)))
    return radii, runs


def check_petal(doc, gores):
    f, xs, ys = heavy_outline(doc[0])
    check(abs(xs[-1] - xs[0]) < 0.01 and abs(ys[-1] - ys[0]) < 0.01, "the petal is not closed")
    vertex_x = min(xs)
    centre_y = ys[xs.index(vertex_x)]
    radii, runs = gore_runs(f, 600.0, gores)
    check(abs(max(xs) - vertex_x - runs[-1]) < 0.05,
          f"the gore is {max(xs) - vertex_x:.3f} mm long, not {runs[-1]:.3f}")
    # Every edge point stands r sin(pi/N) off the centre line, at the run of its r.
    worst = 0.0
    for x, y in zip(xs, ys):
        run = x - vertex_x
        if run < 1 or run > runs[-1] - 1:
            continue
        i = bisect.bisect_left(runs, run)
        r = radii[i - 1] + (radii[i] - radii[i - 1]) * (run - runs[i - 1]) / (runs[i] - runs[i - 1])
        worst = max(worst, abs(abs(y - centre_y) - r * math.sin(math.pi / gores)))
    check(worst < 0.05, f"the petal's edge departs from r sin(pi/N) by {worst:.4f} mm")


def main():
    calc, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    doc, pages = make(calc, work, "rib-a4.pdf", "rib", "meters", "0.4", "3", "--paper", "a4")
    check(pages > 1, "a 3 m rib fits one A4 page")
    check_pages(doc, pages, A4_PT, "rib-a4")
    doc, pages = make(calc, work, "petal-letter.pdf", "petal", "feet", "0.5", "6", "8",
                      "--paper", "letter")
    check_pages(doc, pages, LETTER_PT, "petal-letter")
    doc, pages = make(calc, work, "rib-sheet.pdf", "rib", "meters", "0.4", "1.2", "--paper", "sheet")
    check(pages == 1 and len(doc) == 1, "a sheet is one page")
    check_curve(doc)
    doc, pages = make(calc, work, "petal-sheet.pdf", "petal", "meters", "0.4", "1.2", "12",
                      "--paper", "sheet")
    check_petal(doc, 12)
    return report("checked: rib on A4, petal on Letter, rib sheet, petal sheet")


if __name__ == "__main__":
    sys.exit(main())
