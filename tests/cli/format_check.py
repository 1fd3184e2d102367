#!/usr/bin/env python3
"""--format json and csv read back with Python's own parsers.

For each command of a table, the JSON must parse and hold every figure the text
output shows on a line of its own, under the key of its label, with the same
number and the unit the text names; the CSV must have its header and the same
figures; warnings and notes go to standard error in every format, and into
JSON's arrays. The profile of `feet 0.4 4 2304` is checked against the
paraboloid itself: f = 0.4 x 48 in, depth r^2 / (4 f), rounded to 0.001 in.

usage: format_check.py DISHWRIGHT_CALC
"""
import csv
import io
import json
import re
import subprocess
import sys

CALC = sys.argv[1]
UNITS = {"INCHES": "in", "CM": "cm", "MM": "mm", "FEET": "ft", "METERS": "m", "MHZ": "MHz",
         "DB": "dB", "DBI": "dBi", "DB/K": "dB/K", "DEGREES": "deg", "K": "K", "SFU": "SFU"}
NAMED = {"equivalent f/D (for choosing the feed)": "equivalent_fd"}  # keys given by hand
POINTS = "100 3.5\n200 13.9\n300 31.2\n400 55.5\n500 86.6\n"

# args, standard input, remarks expected on standard error
CASES = [
    (["feet", "0.4", "4", "2304"], "", []),
    (["meters", "0.5", "1.2", "10368"], "", []),
    (["measure", "offset", "cm", "80", "73", "5"], "",
     ["note: the larger size", "note: the near rim"]),
    (["measure", "fit", "mm", "10368"], POINTS, []),
    (["can-check", "in", "3.0", "2400"], "", ["warning: close to the TE11 cutoff"]),
    (["feed", "0.4", "beamwidth", "60", "--dish", "feet", "4", "2304"], "", []),
    (["sun", "measure", "14.49", "1296", "106"], "", ["note: no beamwidth given"]),
    (["sun", "flux", "10368", "8800", "250", "10700", "120"], "", ["note: the \"10.7 cm flux\""]),
]

failures = []


def fail(what):
    failures.append(what)


def run(args, stdin=""):
    r = subprocess.run([CALC] + args, input=stdin, capture_output=True, text=True, check=False)
    if r.returncode != 0:
        fail(f"{' '.join(args)}: status {r.returncode}: {r.stderr}")
    return r.stdout, r.stderr


def key_of(label):
    if label in NAMED:
        return NAMED[label]
    return re.sub(r"[^a-z0-9]+", "_", label.lower().replace("/", "")).strip("_")


def text_figures(out):
    """label -> (number, unit word) for every "label: number [UNIT]" line."""
    figures = {}
    for line in out.splitlines():
        m = re.fullmatch(r"([^:]+): (-?[0-9.]+(?:[eE][-+]?[0-9]+)?)(?: ([A-Z/]+))?", line)
        if m:
            figures[m.group(1)] = (float(m.group(2)), m.group(3))
    return figures


for args, stdin, remarks in CASES:
    name = " ".join(args)
    text, text_err = run(args, stdin)
    doc_text, json_err = run(args + ["--format", "json"], stdin)
    csv_text, csv_err = run(args + ["--format=csv"], stdin)
    for err in (text_err, json_err, csv_err):
        lines = err.splitlines()
        if len(lines) != len(remarks) or any(not l.startswith(r) for l, r in zip(lines, remarks)):
            fail(f"{name}: standard error {lines!r}, expected lines starting {remarks!r}")
    if re.search(r"^(warning|note): ", text, re.M):
        fail(f"{name}: a remark on standard output")
    try:
        doc = json.loads(doc_text)
    except json.JSONDecodeError as e:
        fail(f"{name}: JSON does not parse: {e}")
        continue
    for label, (value, word) in text_figures(text).items():
        figure = doc.get(key_of(label))
        if figure is None:
            fail(f"{name}: JSON lacks {key_of(label)!r} ({label})")
        elif figure["value"] != value or figure.get("unit") != UNITS.get(word):
            fail(f"{name}: JSON {key_of(label)} is {figure}, the text {value} {word}")
    json_remarks = [f"warning: {t}" for t in doc["warnings"]] + [f"note: {t}" for t in doc["notes"]]
    if sorted(json_remarks) != sorted(text_err.splitlines()):
        fail(f"{name}: JSON remarks {json_remarks!r}, standard error {text_err!r}")
    table = csv_text.split("\n\n")[0]
    rows = list(csv.DictReader(io.StringIO(table)))
    if not csv_text.startswith("name,value,unit,bound\n"):
        fail(f"{name}: CSV header {csv_text.splitlines()[:1]!r}")
    for row in rows:
        figure = doc.get(row["name"])
        if row["name"] != "profile" and (figure is None or
                                         (figure["value"] is not None and
                                          float(row["value"]) != figure["value"]) or
                                         row["unit"] != figure.get("unit", "")):
            fail(f"{name}: CSV row {row} is not JSON's {figure}")

# The profile of a 4 ft dish of f/D 0.4: f = 19.2 in, rows 1 to 24 in.
doc = json.loads(run(["feet", "0.4", "4", "2304", "--format", "json"])[0])
focal = 0.4 * 48
expected = [{"radius": r, "depth": round(r * r / (4 * focal), 3)} for r in range(1, 25)]
if doc.get("profile_unit") != "in" or doc.get("profile") != expected:
    fail(f"feet profile {doc.get('profile_unit')} {doc.get('profile')}, expected {expected}")
csv_profile = run(["feet", "0.4", "4", "2304", "--format", "csv"])[0].split("\n\n")[1]
rows = list(csv.DictReader(io.StringIO(csv_profile)))
if [{"radius": float(r["radius"]), "depth": float(r["depth"])} for r in rows] != expected:
    fail(f"feet CSV profile {rows[:3]}..., expected radius,depth rows {expected[:3]}...")

# A feed so narrow that the best f/D lies beyond the range searched (0.2 to 5):
# "5 or above" in text, a bound in JSON and CSV.
beyond = ["feed", "0.4", "cos", "1000"]
text = run(beyond)[0]
doc = json.loads(run(beyond + ["--format", "json"])[0])
rows = {r["name"]: r for r in csv.DictReader(io.StringIO(run(beyond + ["--format", "csv"])[0]))}
if ("best f/D: 5 or above\n" not in text or doc["best_fd"] != {"value": 5.0, "bound": "at least"}
        or (rows["best_fd"]["value"], rows["best_fd"]["bound"]) != ("5", "at least")):
    fail(f"feed cos 1000: best f/D {doc['best_fd']}, CSV {rows.get('best_fd')}")

print("\n".join(failures) if failures else f"{len(CASES)} commands checked in three formats")
sys.exit(1 if failures else 0)
