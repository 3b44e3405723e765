#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Puts each fault of scripts/faults.txt into the library on its own, rebuilds incrementally,
# runs the unit tests and restores the source; writes the outcome to docs/faults.md.
#
#   scripts/faults.sh            every fault, report in docs/faults.md
#   scripts/faults.sh REGEX      only the faults whose file or description matches, report
#                                in the build folder
#
# A fault whose original text is not found exactly once (the code has moved on) is reported
# as not applicable. Slow, so not part of CI. The build folder is build/faults unless
# FAULTS_BUILD names another.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."
renice -n 10 $$ >/dev/null 2>&1 || true

build=${FAULTS_BUILD:-build/faults}
list=scripts/faults.txt
filter=${1:-}
report=docs/faults.md
[[ -n $filter ]] && report=$build/faults-partial.md
jobs=$(nproc)
work=$(mktemp -d)
log=$work/log
backup=""
target=""

restore() {
  if [[ -n $backup ]]; then
    cp "$backup" "$target"
    backup=""
  fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

build_tree() { cmake --build "$build" --parallel "$jobs" >"$log" 2>&1; }

# The unit tests on the offscreen platform only: the package, translation and Windows tests
# check what no fault here changes. Prints the failing test functions, at most three.
run_tests() {
  if ctest --test-dir "$build" -L offscreen --parallel "$jobs" --timeout 60 \
    --output-on-failure >"$log" 2>&1; then
    return 0
  fi
  local failed
  failed=$(grep -oE '^FAIL! +: [A-Za-z_]+::[A-Za-z_]+' "$log" | sed -E 's/^FAIL! +: //' | sort -u |
    head -3 | paste -sd ' ')
  [[ -z $failed ]] && failed=$(grep -oE '[0-9]+ - [a-z_]+ \((Timeout|SEGFAULT|Subprocess aborted|Failed)\)' \
    "$log" | head -3 | paste -sd ' ')
  echo "${failed:-a test failed}"
  return 1
}

occurrences() {
  local text=$1 pattern=$2 n=0
  while [[ $text == *"$pattern"* ]]; do
    text=${text#*"$pattern"}
    n=$((n + 1))
  done
  echo "$n"
}

# Each fault rebuilds one file and the library: Ninja when there is one, no debug
# information, and tests that are not relinked when only the library changed.
generator=()
[[ ! -f $build/CMakeCache.txt ]] && command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE= -DCMAKE_LINK_DEPENDS_NO_SHARED=ON \
  -DTARN_BUILD_GALLERY=OFF -DTARN_BUILD_DESIGNER_PLUGIN=OFF -DTARN_TEST_DISPLAY=OFF >"$log" 2>&1 &&
  build_tree || {
  cat "$log"
  echo "faults: the unchanged tree does not build" >&2
  exit 1
}
if ! run_tests >/dev/null; then
  cat "$log"
  echo "faults: the unchanged tree fails its tests" >&2
  exit 1
fi

write_report() {
  applied=$((caught + survived))
  percent=$((applied ? 100 * caught / applied : 0))
  mkdir -p "$(dirname "$report")"
  {
    echo "# Faults the unit tests catch"
    echo
    echo "Written by \`scripts/faults.sh\`: each fault of \`scripts/faults.txt\` is put into the"
    echo "library on its own, the tree is rebuilt and the unit tests are run (offscreen). Tree"
    echo "\`$(git rev-parse --short HEAD 2>/dev/null || echo unknown)\`."
    echo
    echo "Injected: $applied. Caught: $caught ($percent %). Survived: $survived."
    echo "Not applicable: $skipped. Not building: $broken."
    echo
    echo "| # | File | Fault | Result | Caught by, or why it cannot be observed |"
    echo "|---|---|---|---|---|"
    printf '%s\n' "${rows[@]}"
  } >"$report"
}

rows=()
caught=0 survived=0 skipped=0 broken=0 number=0
# Runs the fault held in file/what/from/to/why, then clears them.
try_fault() {
  [[ -z ${file:-} ]] && return
  number=$((number + 1))
  local result note=""
  if [[ -n $filter && ! "$file $what" =~ $filter ]]; then
    file=""
    return
  fi
  from=${from//¶/$'\n'}
  to=${to//¶/$'\n'}
  local content n
  if [[ -f $file ]]; then
    content=$(
      cat "$file"
      printf x
    )
    content=${content%x}
    n=$(occurrences "$content" "$from")
  else
    n=0
  fi
  if [[ $n != 1 ]]; then
    result="not applicable"
    note="original text found $n times"
    skipped=$((skipped + 1))
  else
    target=$file
    backup=$work/original
    cp "$file" "$backup"
    printf '%s' "${content/"$from"/"$to"}" >"$file"
    if ! build_tree; then
      result="does not build"
      broken=$((broken + 1))
    elif note=$(run_tests); then
      result="**survived**"
      note=$why
      survived=$((survived + 1))
    else
      result="caught"
      caught=$((caught + 1))
    fi
    restore
  fi
  printf '%3d %-15s %s: %s\n' "$number" "$result" "$file" "$what" >&2
  rows+=("| $number | \`$file\` | $what | $result | $note |")
  write_report
  file=""
}

file="" what="" from="" to="" why=""
while IFS= read -r line || [[ -n $line ]]; do
  case $line in
  '#'*) ;;
  '')
    try_fault
    what="" from="" to="" why=""
    ;;
  'file: '*) file=${line#file: } ;;
  'what: '*) what=${line#what: } ;;
  'from: '*) from=${line#from: } ;;
  'to:'*) to=${line#to:} to=${to# } ;;
  'why: '*) why=${line#why: } ;;
  *)
    echo "faults: cannot read line: $line" >&2
    exit 1
    ;;
  esac
done <"$list"
try_fault

# Puts the build back in step with the restored sources.
build_tree || true
write_report

echo "faults: $caught of $applied caught ($percent %), $skipped not applicable, $broken not building;" \
  "report in $report" >&2
