"""Opens the cutter's files from dishwright-calc as Inkscape does and measures
what it drew: a DXF through Inkscape's own DXF import (its dxf_input extension,
"Read from file" scaling, which goes by $MEASUREMENT) and an SVG through
Inkscape itself (its --query-all bounding boxes). The rib must come in at its
true size, with one outline on its cut layer. Skipped (status 77) when Inkscape
or its extensions' Python modules are not installed.

usage: template_inkscape_check.py DISHWRIGHT_CALC WORK_DIR"""
import math
import os
import shutil
import subprocess
import sys

from template_run import check, report, run_template

SKIP = 77
MM_PER_INCH = 25.4
PX_PER_MM = 96 / MM_PER_INCH  # Inkscape's user unit and query unit, the CSS pixel
TOLERANCE_MM = 0.05


def skip(reason):
    print(f"skipped: {reason}")
    sys.exit(SKIP)


def extensions_dir():
    data = subprocess.run(["inkscape", "--system-data-directory"], capture_output=True, text=True)
    return os.path.join(data.stdout.strip(), "extensions")


def rib_arc_mm(f, hub, rim, mm_per_unit):
    """Length of z = r^2 / (4 f) from r = hub to rim (the rib's length), by
    the midpoint rule, in mm."""
    n = 20000
    step = (rim - hub) / n
    return mm_per_unit * step * sum(math.hypot(1, (hub + (i + 0.5) * step) / (2 * f))
                                    for i in range(n))


def imported_cut_mm(extensions, dxf):
    """The paths on layer CUT of the drawing Inkscape's DXF import makes of
    `dxf`, each as (x, y) points in mm, y up."""
    sys.path.insert(0, extensions)
    import inkex  # Inkscape's own library, beside its extensions
    run = subprocess.run([sys.executable, os.path.join(extensions, "dxf_input.py"),
                          "--scalemethod=file", dxf], capture_output=True, cwd=extensions)
    check(run.returncode == 0, f"{dxf}: Inkscape's DXF import failed: {run.stderr[-300:]}")
    svg = inkex.load_svg(run.stdout).getroot()
    layers = [g for g in svg.iter("{http://www.w3.org/2000/svg}g")
              if g.get("inkscape:label") == "CUT"]
    check(len(layers) == 1, f"{dxf}: {len(layers)} CUT layers in Inkscape")
    outlines = []
    for path in (p for layer in layers for p in layer.iter("{http://www.w3.org/2000/svg}path")):
        move = path.composed_transform()
        points = [move.apply_to_point(p) for p in path.path.end_points]
        outlines.append([(p.x / PX_PER_MM, -p.y / PX_PER_MM) for p in points])
    return outlines


def check_rib_dxf(calc, work, extensions, name, args, hub, rim, f, mm_per_unit):
    path, figures = run_template(calc, work, name, *args)
    outlines = imported_cut_mm(extensions, path)
    check(len(outlines) == 1, f"{name}: {len(outlines)} outlines on CUT in Inkscape, not one")
    if not outlines:
        return
    points = outlines[0]
    rim_at = max(range(len(points)), key=lambda i: points[i][0])
    curve = points[:rim_at + 1]
    span = curve[-1][0] - curve[0][0]
    length = sum(math.dist(a, b) for a, b in zip(curve, curve[1:]))
    depth = max(y for _, y in points) - min(y for _, y in points)
    want_span = (rim - hub) * mm_per_unit
    want_length = rib_arc_mm(f, hub, rim, mm_per_unit)
    want_depth = rim * rim / (4 * f) * mm_per_unit
    print(f"{name} in Inkscape: span {span:.3f} mm (design {want_span:.3f}), rib length "
          f"{length:.3f} mm ({want_length:.3f}), depth at the rim {depth:.3f} mm ({want_depth:.3f})")
    check(abs(span - want_span) < TOLERANCE_MM, f"{name}: spans {span:.3f} mm in Inkscape")
    check(abs(length - want_length) < TOLERANCE_MM, f"{name}: {length:.3f} mm long in Inkscape")
    check(abs(depth - want_depth) < TOLERANCE_MM, f"{name}: {depth:.3f} mm deep in Inkscape")
    check(abs(figures.get("rib length", 0) * mm_per_unit - want_length) < 0.01 * mm_per_unit,
          f"{name}: the rib length printed, {figures.get('rib length')}")


def queried_mm(svg):
    """Inkscape's bounding boxes of the objects of `svg` by id: (x, y, w, h) in mm."""
    run = subprocess.run(["inkscape", "--query-all", svg], capture_output=True, text=True)
    check(run.returncode == 0, f"{svg}: Inkscape could not open it: {run.stderr[-300:]}")
    boxes = {}
    for line in run.stdout.splitlines():
        fields = line.split(",")
        if len(fields) == 5:
            boxes[fields[0]] = [float(v) / PX_PER_MM for v in fields[1:]]
    return boxes


def check_rib_svg(calc, work, name, args, width, height):
    path, _ = run_template(calc, work, name, *args)
    cut = queried_mm(path).get("cut")
    check(cut is not None, f"{name}: Inkscape finds no layer cut")
    if cut:
        # The bounding box includes the red hairline, 0.025 mm wide.
        print(f"{name} in Inkscape: layer cut {cut[2]:.3f} x {cut[3]:.3f} mm "
              f"(design {width} x {height})")
        check(abs(cut[2] - width) < TOLERANCE_MM and abs(cut[3] - height) < TOLERANCE_MM,
              f"{name}: the cut layer is {cut[2]:.3f} x {cut[3]:.3f} mm in Inkscape")


def main():
    calc, work = sys.argv[1], sys.argv[2]
    if not shutil.which("inkscape"):
        skip("Inkscape is not installed (apt-get install inkscape)")
    extensions = extensions_dir()
    try:
        sys.path.insert(0, extensions)
        import inkex  # noqa: F401
    except ImportError as e:
        skip(f"Inkscape's extensions cannot run here ({e}): install python3-lxml, "
             "python3-cssselect and python3-numpy")
    os.makedirs(work, exist_ok=True)
    os.environ.setdefault("HOME", work)  # Inkscape keeps its preferences there
    # A 4 ft rib at f/D 0.4 (f = 19.2 in) from a 2 in hub, in inches; a 1.2 m one in mm.
    check_rib_dxf(calc, work, extensions, "hub.dxf",
                  ["rib", "feet", "0.4", "4", "--hub", "2"], 2, 24, 19.2, MM_PER_INCH)
    check_rib_dxf(calc, work, extensions, "rib.dxf",
                  ["rib", "meters", "0.4", "1.2"], 0, 600, 480, 1)
    # f = 480 mm: 187.5 mm deep at the rim, 600 mm from the vertex or 550 from a 50 mm
    # hub (the outline still runs down to the vertex's tangent); no hub disc beside it.
    check_rib_svg(calc, work, "rib.svg", ["rib", "meters", "0.4", "1.2"], 600, 187.5)
    check_rib_svg(calc, work, "hub.svg", ["rib", "meters", "0.4", "1.2", "--hub", "50"], 550,
                  187.5)
    return report("checked in Inkscape: DXF ribs in inches and mm, SVG ribs with and without hub")


if __name__ == "__main__":
    sys.exit(main())
