#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The size of the test code against the product code, in non-blank, non-comment lines:
#   test code     the C++ (.cpp, .h), Python (.py) and shell (.sh) under tests/ and fuzz/
#   product code  the C++ (.cpp, .h) under src/, keytext/, corelib/, designer/ and gallery/
# C++ comment lines start with //, Python and shell ones with #. Data files (forms, expected
# dumps, images) and CMake files are not counted. Exits 1 when the tests are above 36 % of the
# product code (the aim is a quarter to a third); scripts/test.sh runs it first.
#   scripts/test-size.sh [--help]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  [ "$1" = -h ] || [ "$1" = --help ]
  exit
fi

limit=36
# count <comment marker> <pathspec...>: the lines of the files git knows (committed or not).
count() {
  local marker=$1
  shift
  git ls-files -z --cached --others --exclude-standard -- "$@" | xargs -0 -r cat |
    grep -c -v -E "^\s*(${marker}.*)?$" || true
}

cpp=$(count // 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
python=$(count '#' 'tests/*.py' 'fuzz/*.py')
shell=$(count '#' 'tests/*.sh' 'fuzz/*.sh')
tests=$((cpp + python + shell))
product=$(count // {src,keytext,corelib,designer,gallery}/'*.cpp' {src,keytext,corelib,designer,gallery}/'*.h')
percent=$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.1f", 100 * t / p }')
echo "test code:    $tests lines (C++ $cpp, Python $python, shell $shell) in tests/ and fuzz/"
echo "product code: $product lines of C++ in src/, keytext/, corelib/, designer/ and gallery/"
echo "test code is $percent % of the product code (at most $limit %)"
if [ $((100 * tests)) -gt $((limit * product)) ]; then
  echo "test-size: the tests are above $limit % of the product code" >&2
  exit 1
fi
