"""Reads the cutter's files from dishwright-calc back with readers of their own:
DXF with ezdxf (units, layers, one CUT outline per part against z = r^2 / (4 f),
the hub guide on MARK) and SVG with the standard XML parser (the cut group found
by its id, a closed path true to the same curve, marks and text apart).

usage: template_cutter_check.py DISHWRIGHT_CALC WORK_DIR"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

import ezdxf

from template_run import check, report, run_template

MM_PER_INCH = 25.4
TOLERANCE_MM = 0.05
SVG = "{http://www.w3.org/2000/svg}"
INKSCAPE_LABEL = "{http://www.inkscape.org/namespaces/inkscape}label"


def make(calc, work, name, *args):
    return run_template(calc, work, name, *args)


def worst_off_parabola(points, f):
    """Largest gap, in the points' unit, between the points (and the middles of
    the chords between them) and z = r^2 / (4 f), vertex at (x0, y0)."""
    x0, y0 = points[0]
    worst = 0
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        for x, y in ((xa, ya), ((xa + xb) / 2, (ya + yb) / 2)):
            worst = max(worst, abs((y - y0) - (x - x0) ** 2 / (4 * f)))
    return worst


def curve_part(points):
    """The points from the first up to the rim, the one furthest out."""
    rim = max(range(len(points)), key=lambda i: points[i][0])
    return points[:rim + 1]


# $INSUNITS and $MEASUREMENT for inches and for millimetres.
DXF_UNITS = {"in": (1, 0), "mm": (4, 1)}


def dxf_entities(path, unit):
    """The entities of the DXF at `path`, its units and layers checked."""
    doc = ezdxf.readfile(path)
    for name, want in zip(("$INSUNITS", "$MEASUREMENT"), DXF_UNITS[unit]):
        check(doc.header.get(name) == want, f"{path}: {name} {doc.header.get(name)}, not {want}")
    layers = {layer.dxf.name for layer in doc.layers}
    check({"CUT", "MARK", "TEXT"} <= layers, f"{path}: layers {sorted(layers)}")
    entities = list(doc.modelspace())
    for e in entities:
        check(e.dxf.layer in ("CUT", "MARK", "TEXT"), f"{path}: {e.dxftype()} on {e.dxf.layer}")
    check(any(e.dxftype() == "TEXT" and e.dxf.layer == "TEXT" for e in entities),
          f"{path}: no text on TEXT")
    check(any(e.dxf.layer == "MARK" for e in entities), f"{path}: nothing on MARK")
    return entities


def dxf_cut_outlines(path, unit):
    cuts = [e for e in dxf_entities(path, unit) if e.dxf.layer == "CUT"]
    for e in cuts:
        check(e.dxftype() == "POLYLINE" and e.is_closed, f"{path}: CUT holds an open {e.dxftype()}")
    return [[(p[0], p[1]) for p in e.points()] for e in cuts if e.dxftype() == "POLYLINE"]


def check_dxf_rib(calc, work):
    path, figures = make(calc, work, "rib.dxf", "rib", "meters", "0.4", "1.2")
    outlines = dxf_cut_outlines(path, "mm")
    check(len(outlines) == 1, f"rib.dxf: {len(outlines)} cut outlines")
    if outlines:
        curve = curve_part(outlines[0])
        off = worst_off_parabola(curve, figures["focal length"])
        check(off < TOLERANCE_MM, f"rib.dxf: the cut curve is {off:.4f} mm off z = r^2/(4f)")
        check(abs(curve[-1][0] - 600) < TOLERANCE_MM and abs(curve[-1][1] - 187.5) < TOLERANCE_MM,
              f"rib.dxf: the rim at {curve[-1]}")
        check(outlines[0][0] == (0.0, 0.0), f"rib.dxf: the vertex at {outlines[0][0]}, not the origin")


def check_dxf_hub_rib_in_inches(calc, work):
    path, figures = make(calc, work, "hub.dxf", "rib", "feet", "0.4", "4", "--hub", "2", "--dxf")
    outlines = dxf_cut_outlines(path, "in")
    check(len(outlines) == 1, f"hub.dxf: {len(outlines)} cut outlines, not the rib's one")
    # The hub guide is marked, never cut: its circle is the one closed line on MARK.
    marks = [e for e in dxf_entities(path, "in") if e.dxf.layer == "MARK" and e.dxftype() == "POLYLINE"]
    lines = [[(p[0], p[1]) for p in e.points()] for e in marks]
    circles = [line[:-1] for line in lines if len(line) > 20 and line[0] == line[-1]]
    check(len(circles) == 1, f"hub.dxf: {len(circles)} closed lines on MARK, not the hub's circle")
    if len(outlines) == 1 and len(circles) == 1:
        rib, hub = outlines[0], circles[0]
        tolerance = TOLERANCE_MM / MM_PER_INCH
        curve = curve_part(rib)
        f = figures["focal length"]
        worst = max(abs(y - x * x / (4 * f)) for x, y in curve)  # the vertex is the origin
        check(worst < tolerance, f"hub.dxf: the curve is {worst * MM_PER_INCH:.4f} mm off")
        check(abs(curve[0][0] - 2) < tolerance, f"hub.dxf: the rib starts at r = {curve[0][0]}")
        cx = sum(p[0] for p in hub) / len(hub)
        cy = sum(p[1] for p in hub) / len(hub)
        radii = [math.hypot(x - cx, y - cy) for x, y in hub]
        check(max(abs(r - 2) for r in radii) < tolerance, "hub.dxf: the hub circle is not r = 2 in")


def check_dxf_petal(calc, work):
    path, figures = make(calc, work, "petal.dxf", "petal", "meters", "0.4", "1.2", "12")
    outlines = dxf_cut_outlines(path, "mm")
    check(len(outlines) == 1, f"petal.dxf: {len(outlines)} cut outlines")
    if outlines:
        xs = [p[0] for p in outlines[0]]
        ys = [p[1] for p in outlines[0]]
        check(abs(max(xs) - figures["gore length"]) < TOLERANCE_MM, "petal.dxf: gore length")
        width = max(ys) - min(ys)
        check(abs(width - figures["gore width at rim"]) < TOLERANCE_MM,
              f"petal.dxf: {width} mm wide at the rim")


def svg_points(d):
    check(d.startswith("M") and d.rstrip().endswith("Z"), "svg: the cut path is not one closed path")
    return [(float(x), float(y)) for x, y in re.findall(r"(-?[0-9.]+),(-?[0-9.]+)", d)]


def check_svg(calc, work):
    path, figures = make(calc, work, "rib.svg", "rib", "meters", "0.4", "1.2")
    root = ET.parse(path).getroot()
    check(root.get("width", "").endswith("mm") and root.get("height", "").endswith("mm"),
          "svg: the size is not in mm")
    groups = {g.get("id"): g for g in root.iter(SVG + "g") if g.get("id")}
    for name in ("cut", "marks", "text"):
        check(name in groups and groups[name].get(INKSCAPE_LABEL) == name, f"svg: no group {name}")
    if "cut" not in groups:
        return
    cut = groups["cut"]
    check(cut.get("stroke") == "#ff0000", f"svg: the cut is drawn {cut.get('stroke')}")
    paths = list(cut.iter(SVG + "path"))
    check(len(paths) == 1 and not list(cut.iter(SVG + "text")), "svg: the cut group holds more")
    if paths:
        # Page y runs down: depth below the vertex grows as r^2 / (4 f).
        curve = [(x, -y) for x, y in curve_part(svg_points(paths[0].get("d")))]
        off = worst_off_parabola(curve, figures["focal length"])
        check(off < TOLERANCE_MM, f"svg: the cut curve is {off:.4f} mm off z = r^2/(4f)")
        check(abs(curve[-1][0] - curve[0][0] - 600) < TOLERANCE_MM, "svg: the curve's span")
    if "marks" in groups and "text" in groups:
        check(not list(groups["marks"].iter(SVG + "text")), "svg: text among the marks")
        check(len(list(groups["text"].iter(SVG + "text"))) > 5, "svg: the text group is empty")


def check_svg_hub(calc, work):
    """With a hub, the cut group still holds the rib's one outline."""
    path, _ = make(calc, work, "hub.svg", "rib", "meters", "0.4", "1.2", "--hub", "50")
    root = ET.parse(path).getroot()
    cuts = [g for g in root.iter(SVG + "g") if g.get("id") == "cut"]
    paths = [p for g in cuts for p in g.iter(SVG + "path")]
    check(len(paths) == 1, f"hub.svg: {len(paths)} paths to cut, not the rib's one")


def main():
    calc, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    check_dxf_rib(calc, work)
    check_dxf_hub_rib_in_inches(calc, work)
    check_dxf_petal(calc, work)
    check_svg(calc, work)
    check_svg_hub(calc, work)
    return report("checked: DXF rib, hub rib in inches, petal; SVG rib, hub rib")


if __name__ == "__main__":
    sys.exit(main())
