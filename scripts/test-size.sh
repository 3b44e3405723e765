#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The size of the tests against the code they test, in non-blank, non-comment lines: the
# library and the stand-in core library against their unit tests, with the fuzzing and monkey
# drivers and the end-to-end test counted beside them; then the gallery and the Designer plugin
# against theirs. The aim for the unit tests is a quarter to a third of the library code.
set -euo pipefail
cd "$(dirname "$0")/.."

# C++ comments start with //, Python ones with #.
lines() { git ls-files -- "$@" | xargs cat | grep -c -v -E '^\s*(//.*)?$'; }
pylines() { git ls-files -- "$@" | xargs cat | grep -c -v -E '^\s*(#.*)?$'; }

# ratio NAME CODE-PATHSPEC... -- TEST-PATHSPEC...
ratio() {
  local name=$1 patterns=() code tests
  shift
  while [[ $1 != -- ]]; do
    patterns+=("$1")
    shift
  done
  shift
  tests=$(lines "$@")
  code=$(lines "${patterns[@]}")
  echo "$name: tests $tests, code $code, $((100 * tests / code)).$((1000 * tests / code % 10)) %"
}

ratio "library and stand-in" 'src/*.cpp' 'src/*.h' 'keytext/*.cpp' 'keytext/*.h' 'corelib/*.cpp' \
  'corelib/*.h' -- 'tests/*.cpp' 'tests/*.h' ':!tests/gallery' ':!tests/designer'
code=$(lines 'src/*.cpp' 'src/*.h' 'keytext/*.cpp' 'keytext/*.h' 'corelib/*.cpp' 'corelib/*.h')
beside() { echo "  beside them, $1: $2, $((100 * $2 / code)).$((1000 * $2 / code % 10)) %"; }
beside "fuzzing and monkey drivers" "$(lines 'fuzz/*.cpp' 'fuzz/*.h')"
beside "end-to-end test" "$(pylines 'tests/e2e/*.py')"
ratio "gallery and Designer plugin" 'gallery/*.cpp' 'gallery/*.h' 'designer/*.cpp' \
  'designer/*.h' -- 'tests/gallery/*.cpp' 'tests/designer/*.cpp'
