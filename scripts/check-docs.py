#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Checks that a report quotes only figures its own tables hold.

    scripts/check-docs.py FILE...

docs/bench.md: every number in the text below the first heading (outside code) must appear in
one of the document's tables; single digits are words, not figures. docs/faults.md: the counts
in its summary must be those of its table. Prints each figure that does not hold; exit 1 if any.
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


def check_fault_summary(lines):
    results = [row.split("|")[4].strip() for row in table_rows(lines) if re.match(r"\| \d", row)]
    caught = results.count("caught")
    survived = results.count("**survived**")
    applied = caught + survived
    expected = {
        "Injected": applied,
        "Caught": caught,
        "Survived": survived,
        "Not applicable": results.count("not applicable"),
        "Not building": results.count("does not build"),
    }
    percent = 100 * caught // applied if applied else 0
    text = "\n".join(line for line in lines if not line.startswith("|"))
    problems = []
    for name, count in expected.items():
        found = re.search(re.escape(name) + r": (\d+)", text)
        if not found or int(found.group(1)) != count:
            problems.append(f"{name}: the table holds {count}")
    found = re.search(r"Caught: \d+ \((\d+) %\)", text)
    if not found or int(found.group(1)) != percent:
        problems.append(f"Caught: the table makes {percent} %")
    return problems


def main(paths):
    failed = False
    for path in paths:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
        is_faults = any(line.startswith("Injected:") for line in lines)
        problems = check_fault_summary(lines) if is_faults else check_quotes(lines)
        for problem in problems:
            print(f"{path}: {problem}", file=sys.stderr)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
