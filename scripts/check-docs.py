#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Checks that a report quotes only figures its own tables hold (docs/bench.md, whose notes
come from bench/findings.md, written by hand).

    scripts/check-docs.py FILE...

Every number in the text below the first "## " heading (outside code) must appear in one of the
document's tables; single digits are words, not figures. Prints each figure that does not hold;
exit 1 if any. The CTest test docs_figures runs it.
"""
import re
import sys

NUMBER = re.compile(r"(?<![\w.,])\d[\d,]*(?:\.\d+)?(?![\w])")
CODE = re.compile(r"`[^`]*`")


def numbers(text):
    # A trailing comma or full stop ends the sentence, not the number.
    return {n.rstrip(",.").replace(",", "") for n in NUMBER.findall(CODE.sub("", text))}


def table_rows(lines):
    return [line for line in lines if line.startswith("|")]


def check_quotes(lines):
    held = set()
    for row in table_rows(lines):
        held |= numbers(row)
    problems = []
    below_heading = False
    for number, line in enumerate(lines, 1):
        below_heading = below_heading or line.startswith("## ")
        if not below_heading or line.startswith("|"):
            continue
        for figure in sorted(numbers(line)):
            if len(figure) > 1 and figure not in held:
                problems.append(f"line {number}: {figure} is in no table")
    return problems


def main(paths):
    if not paths or paths[0] in ("-h", "--help"):
        print(__doc__.strip())
        return 0 if paths else 2
    failed = False
    for path in paths:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
        problems = check_quotes(lines)
        for problem in problems:
            print(f"{path}: {problem}", file=sys.stderr)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
