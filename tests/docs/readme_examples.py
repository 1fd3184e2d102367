#!/usr/bin/env python3
"""Runs the README's shell examples and compares what they print with what the
README shows under them.

An example is a fenced block whose first line starts with "$ ". Each "$ command"
runs in bash, in a scratch folder holding the project's docs/, with the
command-line program first on PATH; its standard output and standard error
together must equal the lines shown up to the next "$ " line. A line "..." in the
README (indented or not) stands for any number of lines. "$ cat FILE" of a file that does not exist
shows the file's content: the lines are written to FILE for the commands after it.

Usage: readme_examples.py README.md BIN_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile


def examples(text):
    """Yields (line number, command, expected lines) for every "$ " example."""
    lines = text.split("\n")
    in_block = False
    block = []
    for number, line in enumerate(lines, 1):
        if line.startswith("```"):
            if in_block and block and block[0][1].startswith("$ "):
                yield from commands(block)
            in_block = not in_block
            block = []
        elif in_block:
            block.append((number, line))


def commands(block):
    current = None
    for number, line in block:
        if line.startswith("$ "):
            if current:
                yield current
            current = (number, line[2:], [])
        else:
            current[2].append(line)
    if current:
        yield current


def matches(expected, actual):
    """True when `actual` equals `expected`, each "..." taking any lines."""
    if not expected:
        return not actual
    if expected[0].strip() == "...":
        return any(matches(expected[1:], actual[i:]) for i in range(len(actual) + 1))
    return bool(actual) and actual[0] == expected[0] and matches(expected[1:], actual[1:])


def main():
    readme, bin_dir = sys.argv[1], os.path.abspath(sys.argv[2])
    root = os.path.dirname(os.path.abspath(readme))
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ.get("PATH", ""),
               LC_ALL="C.UTF-8")
    failures = 0
    count = 0
    with tempfile.TemporaryDirectory(prefix="readme-") as scratch:
        os.symlink(os.path.join(root, "docs"), os.path.join(scratch, "docs"))
        for number, command, expected in examples(text):
            count += 1
            cat = re.fullmatch(r"cat (\S+)", command)
            if cat and not os.path.exists(os.path.join(scratch, cat.group(1))):
                with open(os.path.join(scratch, cat.group(1)), "w", encoding="utf-8") as f:
                    f.write("\n".join(expected) + "\n")
            run = subprocess.run(["bash", "-c", command], cwd=scratch, env=env,
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
            actual = run.stdout.decode("utf-8", "replace").split("\n")
            if actual and actual[-1] == "":
                actual.pop()
            if not matches(expected, actual):
                failures += 1
                print("README.md:%d: $ %s" % (number, command))
                print("  shown:\n    " + "\n    ".join(expected))
                print("  printed:\n    " + "\n    ".join(actual))
    print("%d of %d README examples print what the README shows" % (count - failures, count))
    return 1 if failures or not count else 0


if __name__ == "__main__":
    sys.exit(main())
