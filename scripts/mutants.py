#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Mechanical mutation sampler: small faults drawn at random from every site of a fixed set of
generic operators in the libraries' compiled sources (src/, keytext/, corelib/), each put into a private
copy of the tree on its own, rebuilt incrementally and judged by the offscreen unit tests.

    scripts/mutants.py [-n 150] [--samples 1] [--seed S] [--workers 2] [--only PATH] [--qt 5|6]
                       [--docs] [--list]

Outcomes: killed (a test fails), survived, timed out (counted as killed), did not compile (not
counted). The report goes to docs/mutants.md (docs/mutants-qt6.md with --qt 6, whose offscreen
tests run on several screens) with --docs, else to the build folder. Slow, so not part of CI; the
build folders are under build/mutants (build/mutants-qt6). scripts/check.sh --mutants ARGS runs it.
"""

import argparse
import datetime
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import textwrap
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ("src", "keytext", "corelib")

# ---------------------------------------------------------------------------------------------
# Sites

TOKEN = re.compile(
    r"""(?P<ws>\s+)
      | (?P<comment>//[^\n]*|/\*.*?\*/)
      | (?P<raw>R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)")
      | (?P<string>(?:u8|[uUL])?"(?:\\.|[^"\\\n])*")
      | (?P<char>(?:u8|[uUL])?'(?:\\.|[^'\\\n])*')
      | (?P<number>(?:0[xX][0-9a-fA-F']+|\d[\d']*\.?\d*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?)[uUlLfF]*)
      | (?P<ident>[A-Za-z_]\w*)
      | (?P<op><<=|>>=|<=>|->\*|\.\.\.|::|->|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^!=<>]=
             |[-+*/%&|^~!=<>?:;,.(){}\[\]#])
    """,
    re.X | re.S,
)

KEYWORDS = {
    "return", "if", "else", "for", "while", "do", "switch", "case", "default", "break",
    "continue", "goto", "delete", "new", "throw", "try", "catch", "using", "typedef", "namespace",
    "class", "struct", "enum", "union", "template", "typename", "auto", "const", "constexpr",
    "static", "inline", "virtual", "explicit", "friend", "public", "private", "protected",
    "operator", "sizeof", "static_assert", "co_return", "Q_OBJECT", "Q_UNUSED", "Q_ASSERT",
}
COMPARISONS = {"==", "!=", "<", "<=", ">", ">="}
ARITHMETIC = {"+", "-", "*", "/", "%"}
VALUE_END = {"ident", "number", "string", "char", "raw"}
SWAPS = {
    "==": "!=", "!=": "==", "<": "<=", "<=": "<", ">": ">=", ">=": ">",
    "&&": "||", "||": "&&", "+": "-", "-": "+", "+=": "-=", "-=": "+=",
    "true": "false", "false": "true",
}
TYPE_TOKENS = {"::", ",", "*", "&", "<", ">", ">>", "(", ")"}


class Token:
    __slots__ = ("kind", "text", "start", "end", "line", "template")

    def __init__(self, kind, text, start, line):
        self.kind, self.text, self.start, self.end, self.line = kind, text, start, start + len(text), line
        self.template = False


def tokens_of(text):
    """The code tokens of a C++ source, without comments, blanks or preprocessor lines."""
    result, pos, line = [], 0, 1
    while pos < len(text):
        if text[pos] == "#" and not text[text.rfind("\n", 0, pos) + 1:pos].strip():
            m = re.compile(r"#(?:[^\n\\]|\\.)*", re.S).match(text, pos)
        else:
            m = TOKEN.match(text, pos)
            if not m:
                raise ValueError("cannot read line %d" % line)
            kind = "raw" if m.lastgroup == "delim" else m.lastgroup
            if kind not in ("ws", "comment"):
                result.append(Token(kind, m.group(0), pos, line))
        line += m.group(0).count("\n")
        pos = m.end()
    return result


def mark_templates(toks):
    """Marks the tokens of template argument lists, `<` to `>` included."""
    for i, tok in enumerate(toks):
        if tok.text != "<" or i == 0 or toks[i - 1].kind != "ident" or tok.template:
            continue
        depth, parens = 0, 0
        for j in range(i, min(i + 40, len(toks))):
            t = toks[j]
            if t.text == "<":
                depth += 1
            elif t.text in (">", ">>"):
                depth -= 1 if t.text == ">" else 2
            elif t.text == "(":
                parens += 1
            elif t.text == ")":
                parens -= 1
                if parens < 0:
                    break
            elif t.kind not in ("ident", "number") and t.text not in TYPE_TOKENS:
                break
            if depth <= 0:
                for k in range(i, j + 1):
                    toks[k].template = True
                break


def statement_start(toks, i):
    """True when toks[i] begins a statement."""
    if i == 0:
        return False
    prev = toks[i - 1]
    if prev.text in (";", "{", "}", "else"):
        return True
    if prev.text != ")":
        return False
    depth = 0
    for j in range(i - 1, -1, -1):
        depth += {")": 1, "(": -1}.get(toks[j].text, 0)
        if depth == 0:
            return j > 0 and toks[j - 1].text in ("if", "while", "for")
    return False


def call_statement(toks, i):
    """The index of the `;` ending the call statement that starts at toks[i], or None: a chain
    of names, calls, `.`, `->` and `::`, with no assignment, declaration or operator."""
    if toks[i].kind != "ident" or toks[i].text in KEYWORDS or not statement_start(toks, i):
        return None
    depth, calls, last = 0, 0, None
    for j in range(i, min(i + 400, len(toks))):
        t = toks[j]
        if depth:
            depth += (t.text in "([{") - (t.text in ")]}")
            if depth == 0:
                last = ")"
            continue
        if t.text == ";":
            return j if calls and last == ")" else None
        if t.text == "(":
            if last is None or not (toks[j - 1].kind == "ident" or last == ")" or toks[j - 1].template):
                return None
            calls += 1
            depth = 1
            continue
        if t.kind == "ident":
            if last is not None and last not in ("::", ".", "->", "emit"):
                return None
        elif t.text not in ("::", ".", "->") and not t.template:
            return None
        last = t.text
    return None


def sites_of(path, text):
    """Every mutation of one source: (path, line, start, end, original, replacement, kind,
    column)."""
    toks = tokens_of(text)
    mark_templates(toks)
    found = []

    def add(tok, replacement, kind, end=None):
        end = tok.end if end is None else end
        column = tok.start - text.rfind("\n", 0, tok.start)
        found.append((path, tok.line, tok.start, end, text[tok.start:end], replacement, kind,
                      column))

    for i, tok in enumerate(toks):
        prev = toks[i - 1] if i else None
        nxt = toks[i + 1] if i + 1 < len(toks) else None
        if tok.template or prev is not None and prev.text == "operator":
            continue
        binary = prev is not None and (prev.kind in VALUE_END and prev.text not in KEYWORDS
                                       or prev.text in (")", "]"))
        if tok.text in ("==", "!=", "<", "<=", ">", ">=", "&&", "||"):
            if binary:
                add(tok, SWAPS[tok.text], "operator")
        elif tok.text in ("+", "-", "+=", "-="):
            if binary:
                add(tok, SWAPS[tok.text], "operator")
        elif tok.text in ("true", "false"):
            add(tok, SWAPS[tok.text], "boolean")
        elif tok.text == "!":
            add(tok, "", "negation dropped")
        elif tok.kind == "number" and not (nxt and nxt.text == "]" and prev and prev.text == "["):
            context = {prev.text if prev else "", nxt.text if nxt else ""}
            if context & (COMPARISONS | ARITHMETIC | {"return", "+=", "-="}):
                changed = changed_number(tok.text)
                if changed:
                    add(tok, changed, "number")
        if tok.kind == "ident":
            end = call_statement(toks, i)
            if end is not None:
                body = text[tok.start:toks[end].end]
                add(tok, ";" + "\n" * body.count("\n"), "call removed", toks[end].end)
    return found


def changed_number(text):
    m = re.fullmatch(r"(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)", text.replace("'", ""))
    if m:
        value = int(m.group(1), 0) + 1
        digits = hex(value) if m.group(1)[:2].lower() == "0x" else str(value)
        return digits + m.group(2)
    m = re.fullmatch(r"(\d*\.\d*|\d+)([eE][+-]?\d+)?([fF]?)", text)
    if m and m.group(1) not in ("", "."):
        return repr(float(m.group(1)) + 1) + (m.group(2) or "") + m.group(3)
    return None


def describe(site):
    original, replacement, kind = site[4:7]
    one = " ".join(original.split())
    if kind == "call removed":
        return "`%s` removed" % (one if len(one) <= 70 else one[:67] + "...")
    if kind == "negation dropped":
        return "`!` dropped"
    return "`%s` → `%s`" % (one, replacement)


# ---------------------------------------------------------------------------------------------
# Builds and tests

def run(cmd, cwd, log, timeout=None, env=None):
    with open(log, "w") as out:
        proc = subprocess.Popen(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, env=env,
                                start_new_session=True)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return None


class Worker:
    """One copy of the tree and its own build folder."""

    def __init__(self, base, number, files, qt):
        self.qt = qt
        self.root = os.path.join(base, "w%d" % number)
        self.src = os.path.join(self.root, "src")
        self.build = os.path.join(self.root, "build")
        self.log = os.path.join(self.root, "log")
        self.files = files
        self.tests = []
        self.dirty = None

    def copy_tree(self):
        """Brings the copy in step with the tree: changed files written, removed ones deleted."""
        keep = set(self.files)
        for folder, _, names in os.walk(self.src):
            for name in names:
                path = os.path.join(folder, name)
                if os.path.relpath(path, self.src) not in keep:
                    os.remove(path)
        for rel in self.files:
            target = os.path.join(self.src, rel)
            origin = os.path.join(ROOT, rel)
            if not os.path.isfile(origin):
                continue
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(origin, "rb") as f:
                data = f.read()
            old = None
            if os.path.exists(target):
                with open(target, "rb") as f:
                    old = f.read()
            if old != data:
                with open(target, "wb") as f:
                    f.write(data)

    def configure(self):
        env = dict(os.environ)
        env.pop("CI", None)
        cmd = ["cmake", "-S", self.src, "-B", self.build, "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0",
               "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON", "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
               "-DTARN_BUILD_GALLERY=OFF", "-DTARN_BUILD_DESIGNER_PLUGIN=OFF",
               "-DTARN_BUILD_BENCH=OFF", "-DTARN_TEST_DISPLAY=OFF", "-DQT_MAJOR_VERSION=%d" % self.qt]
        if shutil.which("ccache"):
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        if run(cmd, self.root, self.log, env=env) != 0:
            fail("configuring %s failed, see %s" % (self.build, self.log))
        self.load_tests()

    def load_tests(self):
        """The offscreen unit tests (not the monkey runs): name, command, environment. The
        commands are known once the programs are built."""
        listing = subprocess.run(["ctest", "--test-dir", self.build, "-N", "-L", "offscreen",
                                  "-LE", "robustness", "--show-only=json-v1"],
                                 capture_output=True, text=True, check=True).stdout
        self.tests = []
        for test in json.loads(listing)["tests"]:
            entry = {"name": test["name"], "command": test.get("command"), "cwd": self.build,
                     "env": dict(os.environ)}
            for prop in test.get("properties", []):
                if prop["name"] == "ENVIRONMENT":
                    entry["env"].update(item.split("=", 1) for item in prop["value"])
                elif prop["name"] == "WORKING_DIRECTORY":
                    entry["cwd"] = prop["value"]
            self.tests.append(entry)

    def targets(self):
        return ["TarnLib", "TarnUILib"] + [t["name"] for t in self.tests]

    def compile(self, cached=False, timeout=600):
        """Builds the libraries and the tests; only the first, unchanged build uses ccache (a
        mutant is compiled once, so caching it would cost time and fill the cache)."""
        env = dict(os.environ, CCACHE_BASEDIR=self.root)
        if not cached:
            env["CCACHE_DISABLE"] = "1"
        return run(["ninja", "-C", self.build] + self.targets(), self.root, self.log,
                   timeout=timeout, env=env) == 0

    def compiled_sources(self):
        with open(os.path.join(self.build, "compile_commands.json")) as f:
            entries = json.load(f)
        found = set()
        for entry in entries:
            rel = os.path.relpath(os.path.realpath(entry["file"]), os.path.realpath(self.src))
            if rel.split(os.sep)[0] in FOLDERS and rel.endswith(".cpp"):
                found.add(rel)
        return sorted(found)

    def run_tests(self, folder, timeouts, every=False):
        """'killed: test', 'timed out: test' or None when every test passes. With every, all
        tests run and the note names each one that failed, with its failed functions and rows."""
        order = sorted(self.tests, key=lambda t: ("/%s/" % folder) not in t["command"][0])
        failures = []
        for test in order:
            limit = timeouts[test["name"]]
            started = time.time()
            code = run(test["command"], test["cwd"], self.log, timeout=limit, env=test["env"])
            test["seconds"] = time.time() - started
            if code is None and not every:
                return "timed out: " + test["name"]
            if code != 0 and not every:
                return "killed: " + test["name"] + failed_functions(self.log)
            if code != 0:
                failures.append(test["name"] + (" (timed out)" if code is None
                                                else failed_functions(self.log, rows=True)))
        return "killed: " + "; ".join(failures) if failures else None

    def apply(self, site, originals):
        path, start, end, replacement = site[0], site[2], site[3], site[5]
        if self.dirty and self.dirty != path:
            self.restore(originals)
        with open(os.path.join(self.src, path), "w", encoding="utf-8") as f:
            f.write(originals[path][:start] + replacement + originals[path][end:])
        self.dirty = path

    def restore(self, originals):
        if self.dirty:
            with open(os.path.join(self.src, self.dirty), "w", encoding="utf-8") as f:
                f.write(originals[self.dirty])
            self.dirty = None


def tests_folder(path):
    """The folder under tests/ whose tests run first for a mutant of path."""
    parts = path.split("/")
    return {"keytext": "shortcuts"}.get(parts[0], parts[1] if parts[0] == "src" else parts[0])


def failed_functions(log, rows=False):
    try:
        with open(log, errors="replace") as f:
            names = re.findall(r"^FAIL! +: \S+::(\w+%s)" % (r"(?:\([^)\n]*\))?" if rows else ""),
                               f.read(), re.M)
    except OSError:
        names = []
    return " (%s)" % ", ".join(dict.fromkeys(names)) if names else ""


def fail(message):
    print("mutants: " + message, file=sys.stderr)
    sys.exit(1)


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, capture_output=True, text=True, check=True).stdout
    return [f for f in out.split("\0") if f and not f.startswith(("build/", "docs/"))]


# ---------------------------------------------------------------------------------------------
# Report

def equivalents():
    """The survivors no observer can tell apart, from scripts/mutants-equivalent.txt: (path,
    source line, mutation) to the reason. Keyed by the line's text, not its number, so an entry
    outlives edits elsewhere in the file."""
    found = {}
    try:
        with open(os.path.join(ROOT, "scripts", "mutants-equivalent.txt"), encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                if not line.strip() or line.startswith("#"):
                    continue
                fields = [field.strip() for field in line.split(" | ")]
                if len(fields) != 4:
                    fail("mutants-equivalent.txt:%d: want path | line | mutation | reason" % number)
                found[tuple(fields[:3])] = fields[3]
    except FileNotFoundError:
        pass
    return found


def site_key(site, originals):
    """(path, the site's source line stripped, the mutation): how equivalents are named."""
    text = originals[site[0]]
    line = text[text.rfind("\n", 0, site[2]) + 1:].split("\n", 1)[0].strip()
    return site[0], line, describe(site)


def equivalence(site, originals, known):
    """Why the mutant of site is equivalent, or None."""
    return known.get(site_key(site, originals))


def pct(k, n):
    return "%.1f %%" % (100.0 * k / n) if n else "-"


def sample_section(number, seed, results, seconds, workers, done, originals, known):
    """The heading line of the summary table and the section of one sample."""
    folders = {}
    for site, outcome, _ in results:
        counts = folders.setdefault(os.path.dirname(site[0]), [0, 0, 0, 0])
        counts[["killed", "survived", "timed out", "did not compile"].index(outcome)] += 1
    total = [sum(c[i] for c in folders.values()) for i in range(4)]
    compiled = total[0] + total[1] + total[2]
    caught = total[0] + total[2]
    survivors = sorted((s for s in results if s[1] == "survived"), key=lambda r: r[0][:3])
    reasons = [equivalence(s[0], originals, known) for s in survivors]
    same = sum(1 for r in reasons if r)
    row = "| %d | %d | %d of %d | %s | %d | %s |" % (
        number, seed, caught, compiled, pct(caught, compiled), same,
        pct(caught, compiled - same))
    lines = ["", "## Sample %d, seed %d%s" % (number, seed, "" if done else " (stopped early)"),
             "", "%.1f s per mutant (%d worker%s, %.0f min in all)." % (
                 seconds / max(len(results), 1), workers, "s" if workers > 1 else "",
                 seconds / 60), "",
             "| Folder | Killed | Timed out | Survived | Did not compile | Score |",
             "|---|---|---|---|---|---|"]
    for name in sorted(folders) + ["all"]:
        c = folders.get(name, total)
        lines.append("| %s | %d | %d | %d | %d | %s |" % (name, c[0], c[2], c[1], c[3],
                                                           pct(c[0] + c[2], c[0] + c[1] + c[2])))
    lines += ["", "### Survivors", ""]
    lines += ["- `%s:%d` %s (column %d)%s" % (s[0][0], s[0][1], describe(s[0]), s[0][7],
                                              ": equivalent, " + r if r else "")
              for s, r in zip(survivors, reasons)] or ["None."]
    return row, lines


def write_report(path, args, samples, sites_total, workers, originals):
    """samples: (seed, results, seconds, done) of each sample run so far."""
    known = equivalents()
    tree = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT, capture_output=True,
                          text=True).stdout.strip()
    screens = (", whose offscreen tests run on the four screens of `tests/screens.json`"
               if args.qt == 6 else "")
    intro = (
        "Written by `scripts/mutants.py -n %d --samples %d --qt %d --docs` on tree `%s`, built "
        "against Qt %d%s. Each sample draws %d of the %d mutation sites of the compiled sources "
        "of `src/`, `keytext/` and `corelib/` at random with a fresh seed, puts each into its own "
        "copy of the tree, rebuilds it and judges it by the offscreen unit tests. A timeout "
        "counts as killed; a mutant that does not compile is not counted. Equivalent survivors "
        "are those listed, with the reason, in `scripts/mutants-equivalent.txt`; the score "
        "counts them as survivors." % (args.count, args.samples, args.qt, tree, args.qt, screens,
                                        args.count, sites_total))
    lines = [
        "# Mutants the unit tests kill", "", textwrap.fill(intro, 96), "",
        "| Sample | Seed | Killed of compiled | Score | Equivalent survivors | Score without them |",
        "|---|---|---|---|---|---|",
    ]
    sections = []
    for number, (seed, results, seconds, done) in enumerate(samples, 1):
        row, section = sample_section(number, seed, results, seconds, workers, done, originals,
                                      known)
        lines.append(row)
        sections += section
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines + sections) + "\n")


# ---------------------------------------------------------------------------------------------

def run_sample(args, seed, draw, workers, timeouts, originals, samples, report):
    """Runs the mutants of one draw on the workers; False when interrupted."""
    queue = list(draw)
    lock = threading.Lock()
    results = []
    started = time.time()
    samples.append((seed, results, 0.0, False))
    stop = threading.Event()

    # Each worker takes whole runs of one file from the queue: split by files, not by mutants.
    chunks = []
    for site in queue:
        if chunks and chunks[-1][0][0] == site[0] and len(chunks[-1]) < 8:
            chunks[-1].append(site)
        else:
            chunks.append([site])

    def work(w):
        while not stop.is_set():
            with lock:
                if not chunks:
                    break
                chunk = chunks.pop(0)
            for site in chunk:
                if stop.is_set():
                    break
                t0 = time.time()
                w.apply(site, originals)
                if not w.compile():
                    outcome, note = "did not compile", ""
                else:
                    note = w.run_tests(tests_folder(site[0]), timeouts, args.every_test)
                    outcome = "survived" if note is None else note.split(":")[0]
                with lock:
                    results.append((site, outcome, note))
                    print("%3d/%d %-15s %5.1fs %s:%d %s %s" % (
                        len(results), len(draw), outcome, time.time() - t0, site[0], site[1],
                        describe(site), note or ""), flush=True)
                    samples[-1] = (seed, results, time.time() - started, False)
                    report()
        w.restore(originals)

    threads = [threading.Thread(target=work, args=(w,)) for w in workers]
    for t in threads:
        t.start()
    try:
        for t in threads:
            while t.is_alive():
                t.join(0.5)
    except KeyboardInterrupt:
        stop.set()
        for t in threads:
            t.join()
    for w in workers:
        w.restore(originals)
    samples[-1] = (seed, results, time.time() - started, not stop.is_set())
    report()
    counts = {k: sum(1 for r in results if r[1] == k)
              for k in ("killed", "timed out", "survived", "did not compile")}
    compiled = counts["killed"] + counts["timed out"] + counts["survived"]
    print("mutants: seed %d: %d of %d compiled mutants killed (%.1f %%), %d did not compile; "
          "%.1f s per mutant" % (
              seed, compiled - counts["survived"], compiled,
              100.0 * (compiled - counts["survived"]) / max(compiled, 1),
              counts["did not compile"], (time.time() - started) / max(len(results), 1)))
    return not stop.is_set()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("-n", "--count", type=int, default=150, help="mutants to draw (150)")
    parser.add_argument("--seed", type=int, help="the first draw's seed (default: a fresh one)")
    parser.add_argument("--samples", type=int, default=1,
                        help="samples to draw one after another, each with a fresh seed (1)")
    parser.add_argument("--workers", type=int, default=2, help="parallel tree copies (2)")
    parser.add_argument("--docs", action="store_true", help="write docs/mutants.md")
    parser.add_argument("--list", action="store_true", help="only print the drawn mutants")
    parser.add_argument("--only", action="append", default=[], metavar="PATH",
                        help="draw only from sources under PATH (repeatable)")
    parser.add_argument("--every-test", action="store_true",
                        help="run every test on each mutant and name all that fail")
    parser.add_argument("--qt", type=int, choices=(5, 6), default=5,
                        help="the Qt major to build against (5)")
    parser.add_argument("--build", help="the build folder (build/mutants, build/mutants-qt6)")
    args = parser.parse_args()
    suffix = "-qt6" if args.qt == 6 else ""
    args.build = os.path.abspath(args.build or os.path.join(ROOT, "build", "mutants" + suffix))  # the workers run their builds from their own folders
    fresh = random.SystemRandom()
    seeds = [args.seed if args.seed is not None else fresh.randrange(1, 10 ** 6)]
    seeds += [fresh.randrange(1, 10 ** 6) for _ in range(args.samples - 1)]
    report = os.path.join(ROOT, "docs", "mutants%s.md" % suffix) if args.docs else os.path.join(
        args.build, "mutants.md")
    print("mutants: seeds %s" % ", ".join(map(str, seeds)), flush=True)
    # A fresh machine has the build's packages only after this, and Ninja for the workers.
    subprocess.run([os.path.join(ROOT, "scripts", "bootstrap.sh"), "ninja-build"], check=True)
    os.nice(5)

    files = tracked_files()
    workers = [Worker(args.build, i, files, args.qt) for i in range(max(1, args.workers))]
    first = workers[0]
    for w in workers:
        w.copy_tree()
    # The compiled sources come from the build's own list, so a file left out of this platform's
    # build (the Win32 layer) gives no sites.
    first.configure()
    sources = [rel for rel in first.compiled_sources()
               if not args.only or any(rel.startswith(p.rstrip("/") + "/") or rel == p
                                       for p in args.only)]
    # The sources as copied: the tree itself may change while the sampler runs.
    originals = {}
    for rel in sources:
        with open(os.path.join(first.src, rel), encoding="utf-8") as f:
            originals[rel] = f.read()
    sites = [site for rel in sources for site in sites_of(rel, originals[rel])]
    known = equivalents()
    # An entry whose line has changed names no site any more: say so rather than drop it quietly.
    for key in set(known) - {site_key(site, originals) for site in sites}:
        if key[0] in originals:
            print("mutants: no site for the equivalent %s | %s | %s" % key)
    if args.list:
        for seed in seeds:
            for s in random.Random(seed).sample(sites, min(args.count, len(sites))):
                print("%s:%d %s" % (s[0], s[1], describe(s)))
        print("%d sites in %d files" % (len(sites), len(sources)))
        return 0
    for w in workers:
        if w is not first:
            w.configure()
        if not w.compile(cached=True, timeout=3600):
            fail("the unchanged tree does not build, see %s" % w.log)
        w.load_tests()
    timeouts, baseline = {}, {}
    for test in first.tests:
        started = time.time()
        if run(test["command"], test["cwd"], first.log, env=test["env"], timeout=300) != 0:
            fail("the unchanged tree fails %s, see %s" % (test["name"], first.log))
        baseline[test["name"]] = time.time() - started
        # Room for the other worker and a loaded machine; a mutant that hangs ends here. A timeout
        # counts as killed, so a short baseline must not turn a slow, unchanged run into a kill.
        timeouts[test["name"]] = max(30.0, 4 * baseline[test["name"]])
    print("mutants: %d sites in %d files, %d drawn, %d workers; tests: %s" % (
        len(sites), len(sources), args.count, len(workers),
        ", ".join("%s %.1f s" % (t["name"], baseline[t["name"]]) for t in first.tests)),
        flush=True)

    samples = []
    for seed in seeds:
        draw = random.Random(seed).sample(sites, min(args.count, len(sites)))
        # Mutants of one file in a row: the file is compiled once per mutant, not once more to
        # undo it.
        draw.sort(key=lambda s: (s[0], s[2]))
        if not run_sample(args, seed, draw, workers, timeouts, originals, samples,
                          lambda: write_report(report, args, samples, len(sites), len(workers),
                                               originals)):
            break
    return 0


if __name__ == "__main__":
    sys.exit(main())
