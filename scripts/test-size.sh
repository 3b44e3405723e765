#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The size of the tests against the code they test, in non-blank, non-comment lines of C++:
# the library and the stand-in core library against their tests, then the gallery and the
# Designer plugin against theirs. The aim is at most 35 % for the first.
set -euo pipefail
cd "$(dirname "$0")/.."

lines() { git ls-files -- "$@" | xargs cat | grep -c -v -E '^\s*(//.*)?$'; }

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
ratio "gallery and Designer plugin" 'gallery/*.cpp' 'gallery/*.h' 'designer/*.cpp' \
  'designer/*.h' -- 'tests/gallery/*.cpp' 'tests/designer/*.cpp'
