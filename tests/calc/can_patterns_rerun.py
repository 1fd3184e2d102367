"""Runs one can of the simulated patterns' table again with openEMS and compares
it with the committed row: the table is what the script makes. Skipped (status
77, with the reason) when openEMS or its Python interface is not installed, or
unless DISHWRIGHT_OPENEMS_TEST=1 asks for it: the model takes minutes.

usage: can_patterns_rerun.py SIMULATE_SCRIPT TABLE.csv WORK_DIR"""
import importlib.util
import os
import shutil
import subprocess
import sys

SKIPPED = 77
DIAMETER = "0.66"  # the quickest model of the table
# The same model on the same mesh: only rounding and the thread split may differ.
LEVEL_TOLERANCE_DB = 0.02
PHASE_TOLERANCE_DEG = 0.2
COMPARED_ABOVE_DB = -30  # deep nulls move with the last digits


def rows_of(path, diameter):
    with open(path, encoding="utf-8") as f:
        return [[float(v) for v in line.split(",")] for line in f
                if line.startswith(diameter + ",")]


def main(script, table, work):
    missing = [m for m in ("numpy", "h5py", "CSXCAD", "openEMS") if importlib.util.find_spec(m) is None]
    if missing:
        print("skipped: openEMS is not installed (missing %s; Debian packages openems python3-openems "
              "python3-numpy python3-h5py)" % ", ".join(missing))
        return SKIPPED
    if os.environ.get("DISHWRIGHT_OPENEMS_TEST") != "1":
        print("skipped: set DISHWRIGHT_OPENEMS_TEST=1 to run the %s-wavelength can again (a few minutes)" % DIAMETER)
        return SKIPPED
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    output = os.path.join(work, "one.csv")
    run = subprocess.run([sys.executable, script, "--diameter", DIAMETER, "--output", output], capture_output=True,
                         text=True)
    if run.returncode != 0:
        print("FAIL: the simulation ended with status %d: %s" % (run.returncode, run.stderr))
        return 1
    fresh, kept = rows_of(output, DIAMETER), rows_of(table, DIAMETER)
    if len(fresh) != 181 or len(kept) != 181:
        print("FAIL: %d fresh and %d committed rows for %s" % (len(fresh), len(kept), DIAMETER))
        return 1
    worst_level = worst_phase = 0.0
    for a, b in zip(fresh, kept):
        for level, phase in ((2, 3), (4, 5)):
            if min(a[level], b[level]) > COMPARED_ABOVE_DB:
                worst_level = max(worst_level, abs(a[level] - b[level]))
                worst_phase = max(worst_phase, abs(a[phase] - b[phase]))
    print("%s wavelength: largest difference %.4f dB, %.3f degrees" % (DIAMETER, worst_level, worst_phase))
    if worst_level > LEVEL_TOLERANCE_DB or worst_phase > PHASE_TOLERANCE_DEG:
        print("FAIL: the committed table is not what the script makes (tolerance %g dB, %g degrees)"
              % (LEVEL_TOLERANCE_DB, PHASE_TOLERANCE_DEG))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
