"""What the template read-back checks share: running dishwright-calc template
into a file, the figures it prints, and a list of failures told at the end."""
import os
import re
import subprocess

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run_template(calc, work, name, *args):
    """Writes template `name` into `work` with `args`; its path and the
    "key: number" figures the command printed."""
    path = os.path.join(work, name)
    run = subprocess.run([calc, "template", *args, "-o", path], capture_output=True, text=True)
    check(run.returncode == 0, f"{name}: status {run.returncode}: {run.stderr}")
    figures = dict(re.findall(r"^([a-z /0-9]+): ([0-9.]+)", run.stdout, re.M))
    return path, {k: float(v) for k, v in figures.items()}


def report(checked):
    """Prints the failures, or what was checked; the exit status."""
    for failure in failures:
        print("FAIL:", failure)
    print(checked if not failures else "")
    return 1 if failures else 0
