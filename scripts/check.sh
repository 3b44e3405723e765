#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The slow checks, none of them part of CI; one per run:
#   scripts/check.sh --fuzz [SECONDS] [TARGET...]  runs each libFuzzer target (default all) for
#       SECONDS (300) from fuzz/corpus/<target>, in the clang AddressSanitizer + UBSan build
#       build/fuzz; new inputs go to build/fuzz/found/<target>, a failure leaves build/fuzz/crash-*
#   scripts/check.sh --memcheck [REGEX]  runs the plain build's tests (those ctest -R REGEX
#       picks) under valgrind memcheck; fails on a block definitely lost in src/, keytext/, corelib/
#   scripts/check.sh --bench [--quick]  measures bench/ against plain Qt under callgrind, massif
#       and the clock and writes docs/bench.md (--quick: small counts, to try it out)
#   scripts/check.sh --mutants [ARGS...]  the mutation sampler, scripts/mutants.py ARGS:
#       -n 150 [--seed S] [--workers 2] [--only PATH] [--every-test] [--qt 5|6] [--docs];
#       writes docs/mutants.md (Qt 6: docs/mutants-qt6.md) with --docs, else into its build folder
#   scripts/check.sh --robustness [SECONDS]  each fuzz target for SECONDS (120), then memcheck;
#       writes docs/robustness.md
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"; }
fuzzers=(fuzz_settings fuzz_keytext fuzz_geometry fuzz_ipedit)

build_fuzzers() {
  scripts/bootstrap.sh clang libclang-rt-14-dev >&2
  cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTARN_SANITIZE=ON \
    -DTARN_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF -DTARN_BUILD_GALLERY=OFF -DTARN_BUILD_BENCH=OFF >&2
  cmake --build build/fuzz --parallel "$(nproc)" --target "$@" >&2
}

# fuzz_one <target> <seconds>: runs it into build/fuzz/<target>.log; false on a crash or hang.
fuzz_one() {
  mkdir -p "build/fuzz/found/$1"
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "build/fuzz/fuzz/$1" -max_total_time="$2" \
    -max_len=512 -timeout=20 -print_final_stats=1 -artifact_prefix="build/fuzz/$1-" \
    "build/fuzz/found/$1" "fuzz/corpus/$1" >"build/fuzz/$1.log" 2>&1
}

fuzz() {
  local seconds=${1:-300} failed=0
  shift || true
  local targets=("${@:-${fuzzers[@]}}")
  build_fuzzers "${targets[@]}"
  for target in "${targets[@]}"; do
    echo "== $target: ${seconds} s"
    fuzz_one "$target" "$seconds" || { failed=1; echo "$target: failed, see build/fuzz/$target.log"; }
    grep -E '^(stat::number_of_executed_units|property broken|SUMMARY)' "build/fuzz/$target.log" || true
  done
  return "$failed"
}

memcheck() {
  scripts/bootstrap.sh valgrind
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
  cmake --build build/test --parallel "$(nproc)"
  local out=build/memcheck name binary
  rm -rf "$out" && mkdir -p "$out"
  # Each test program runs as ctest would, with valgrind in front; one log per process.
  for name in $(ctest --test-dir build/test -N ${1:+-R "$1"} | sed -n 's/^ *Test *#[0-9]*: //p'); do
    binary=$(find build/test -type f -executable -name "$name" | head -n 1)
    [ -n "$binary" ] || continue # the package tests run cmake
    echo "== $name"
    QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
      --show-leak-kinds=definite --errors-for-leak-kinds=definite --num-callers=40 \
      --fullpath-after= --log-file="$out/$name.%p.log" "$binary" >"$out/$name.out" 2>&1 ||
      echo "$name: exited $?"
  done
  # A block is ours when the first caller of the allocator is in our code: a font cache that Qt
  # fills on behalf of one of our widgets is not.
  local ours all
  ours=$(awk '
    /definitely lost in/ { block = 1; bytes = $2; gsub(",", "", bytes); next }
    block && /^==[0-9]+== +by / {
      if ($0 ~ /(\/src\/|\/keytext\/|\/corelib\/)/) { total += bytes; print FILENAME ": " $0 > "/dev/stderr" }
      block = 0 }
    END { print total + 0 }' "$out"/*.log)
  all=$(awk '/definitely lost:/ { b = $4; gsub(",", "", b); total += b } END { print total + 0 }' "$out"/*.log)
  echo "memcheck: $ours bytes definitely lost in src/, keytext/ and corelib/ ($all in all, logs in $out)"
  echo "$ours $all" >"$out/summary"
  [ "$ours" -eq 0 ]
}

robustness() {
  local seconds=${1:-120} crashes=0 hangs=0 rows="" runs crash hang
  build_fuzzers "${fuzzers[@]}"
  for target in "${fuzzers[@]}"; do
    echo "== $target: ${seconds} s"
    fuzz_one "$target" "$seconds" || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build/fuzz/$target.log")
    crash=$(grep -cE 'SUMMARY: (Address|UndefinedBehavior|Leak)Sanitizer|property broken|deadly signal' \
      "build/fuzz/$target.log" || true)
    hang=$(grep -c 'ERROR: libFuzzer: timeout' "build/fuzz/$target.log" || true)
    crashes=$((crashes + crash)) hangs=$((hangs + hang))
    rows+="| \`$target\` | ${runs:-0} | $seconds s | $crash | $hang |"$'\n'
  done
  memcheck >build/fuzz/memcheck.log 2>&1 || true
  local ours all
  read -r ours all <build/memcheck/summary || { ours="?" all="?"; }
  cat >docs/robustness.md <<REPORT
# Robustness

Written by \`scripts/check.sh --robustness $seconds\` on $(date -u +%Y-%m-%d), tree
\`$(git rev-parse --short HEAD)\`. Goal: no crash, no hang, no leak in our code.

## Fuzz targets (libFuzzer, AddressSanitizer + UBSan)

Each target checks properties (see the comment at the top of each file in \`fuzz/\`); a broken
one aborts and counts as a crash. Crashes: $crashes. Hangs: $hangs.

| Target | Inputs tried | Time | Crashes | Hangs |
|---|---|---|---|---|
$rows
## Memory

valgrind memcheck over the unit tests (\`scripts/check.sh --memcheck\`): $ours bytes definitely
lost in \`src/\`, \`keytext/\` and \`corelib/\` ($all bytes in all, the rest in Qt and the system
libraries).
REPORT
  echo "wrote docs/robustness.md: $crashes crashes, $hangs hangs, $ours bytes lost in our code"
}

# bench [--quick]: see the top. The measuring helpers below are bench's.
bench() {
  local quick=0
  [ "${1:-}" != --quick ] || quick=1
  scripts/bootstrap.sh valgrind fonts-noto-cjk

  build=build/bench
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DTARN_BUILD_GALLERY=OFF -DTARN_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" --parallel "$(nproc)" --target tarn-bench >/dev/null
  bin=$build/bench/tarn-bench
  out=$build/results
  rm -rf "$out"
  mkdir -p "$out"
  export QT_QPA_PLATFORM=offscreen
  log=$out/log.txt

  count() { [ "$quick" = 1 ] && echo "$2" || echo "$1"; }

  # instructions <case> <impl> <n> <warmup>: instructions of the measured loop.
  instructions() {
    local file=$out/$1-$2-$3.callgrind
    nice -n 10 valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$file" \
      "$bin" "$@" >>"$log" 2>&1
    awk '/^totals:/ { print $2 }' "$file"
  }

  # wall <case> <impl> <n> <warmup>: nanoseconds of the measured loop, best of three runs.
  wall() {
    for _ in 1 2 3; do "$bin" "$@" 2>>"$log" | awk -F= '/^wall_ns=/ { print $2 }'; done | sort -n | head -1
  }

  # heap <case> <impl> <n> <warmup>: "<bytes per object built> <bytes left after destroying them
  # all> <bytes left by n more built and destroyed one at a time>".
  heap() {
    local dir=$out/$1-$2-$3
    mkdir -p "$dir"
    nice -n 10 valgrind --tool=massif --massif-out-file="$dir/massif.out" \
      "$bin" "$@" "$(realpath "$dir")" >>"$log" 2>&1
    local before built after cycled
    before=$(awk -F= '/^mem_heap_B=/ { print $2 }' "$dir/heap_before.ms")
    built=$(awk -F= '/^mem_heap_B=/ { print $2 }' "$dir/heap_built.ms")
    after=$(awk -F= '/^mem_heap_B=/ { print $2 }' "$dir/heap_after.ms")
    cycled=$(awk -F= '/^mem_heap_B=/ { print $2 }' "$dir/heap_cycled.ms" 2>/dev/null || echo "$after")
    echo "$(((built - before) / $3)) $((after - before)) $((cycled - after))"
  }

  div() { awk -v a="$1" -v b="$2" -v f="${3:-%.0f}" 'BEGIN { printf f, a / b }'; }
  group() { echo "$1" | sed -e ':a' -e 's/\([0-9]\)\([0-9]\{3\}\)\($\|,\)/\1,\2\3/' -e 'ta'; }
  verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g ? "yes" : "**no**") }'; }

  table=$out/table.md
  {
    echo "| Benchmark | Ours (instructions) | Peer (instructions) | Ours/peer | Goal | Met | Ours (µs) | Peer (µs) |"
    echo "|---|---:|---:|---:|---:|---|---:|---:|"
  } >"$table"

  # Our wall time of each case's row, so that the budget below quotes the same run.
  declare -gA ours_wall
  # row <title> <unit> <goal> <case> <n> <warmup>: one line of the comparison, per iteration.
  row() {
    local title=$1 unit=$2 goal=$3 name=$4 n=$5 warmup=$6
    echo "running $name ($n $unit)" >&2
    local ours peer ours_ns peer_ns ratio
    ours=$(instructions "$name" ours "$n" "$warmup")
    peer=$(instructions "$name" peer "$n" "$warmup")
    ours_ns=$(wall "$name" ours "$n" "$warmup")
    peer_ns=$(wall "$name" peer "$n" "$warmup")
    ours_wall[$name]=$ours_ns
    ratio=$(div "$ours" "$peer" %.2f)
    echo "| $title, per $unit ($n) | $(group "$(div "$ours" "$n")") | $(group "$(div "$peer" "$n")") \
| $ratio | $goal | $(verdict "$ratio" "$goal") | $(div "$ours_ns" $((n * 1000)) %.1f) \
| $(div "$peer_ns" $((n * 1000)) %.1f) |" >>"$table"
  }

  # heaprow <title> <case> <n>: heap bytes per built object, ours against the peer.
  heaprow() {
    local title=$1 name=$2 n=$3 ours peer ratio
    echo "running $name ($n built)" >&2
    read -r ours _ < <(heap "$name" ours "$n" 1)
    read -r peer _ < <(heap "$name" peer "$n" 1)
    ratio=$(div "$ours" "$peer" %.2f)
    echo "| $title, heap bytes each ($n built) | $(group "$ours") | $(group "$peer") | $ratio | 1.10 \
| $(verdict "$ratio" 1.10) | | |" >>"$table"
  }

  row "Resize drag" move 1.05 drag "$(count 1000 50)" 10
  row "Hover over the frame" move 1.10 hover "$(count 1000 50)" 10
  row "Key capture (Ctrl+Shift+key, pressed and released)" combination 1.10 keys "$(count 200 20)" 4
  row "Settings page built, loaded, shown, destroyed" page 1.10 page "$(count 10 2)" 1
  row "Message box built, shown, closed" box 1.00 msgbox "$(count 10 2)" 1
  row "IP editor built, set, typed into" editor 1.10 ipedit "$(count 10 2)" 1
  heaprow "Settings page" heap-page "$(count 10 2)"
  heaprow "Base dialog" heap-dialog "$(count 10 2)"

  # Absolute figures against the frame budget.
  echo "running the absolute figures" >&2
  budget=$out/budget.md
  drag_n=$(count 1000 50)
  move_ns=${ours_wall[drag]}
  first_ns=$(wall page ours 1 0)
  first_ir=$(instructions page ours 1 0)
  {
    echo "| Figure | Ours | Share of 16.7 ms (60 Hz) | Share of 6.9 ms (144 Hz) |"
    echo "|---|---:|---:|---:|"
    for f in "One move of a resize drag, handled and repainted:$(div "$move_ns" "$drag_n")" \
      "First show of the settings page (fonts loaded, settings migrated):$first_ns"; do
      ns=${f##*:}
      echo "| ${f%:*} | $(div "$ns" 1000) µs | $(div "$ns" 167000 %.1f) % | $(div "$ns" 69000 %.1f) % |"
    done
    echo "| First show of the settings page, instructions | $(group "$first_ir") | | |"
  } >"$budget"

  # Growth: per-move cost against the length of the drag, per-page cost and what a destroyed
  # page leaves behind against the number of pages.
  growth=$out/growth.md
  {
    echo "| Moves | Ours, instructions per move | Peer, instructions per move | Ours/peer |"
    echo "|---:|---:|---:|---:|"
  } >"$growth"
  for n in $(count "100 1000 10000" "20 50 100"); do
    echo "running drag growth ($n moves)" >&2
    ours=$(instructions drag ours "$n" 10)
    peer=$(instructions drag peer "$n" 10)
    echo "| $(group "$n") | $(group "$(div "$ours" "$n")") | $(group "$(div "$peer" "$n")") \
| $(div "$ours" "$peer" %.2f) |" >>"$growth"
  done
  {
    echo
    echo "| Pages | Ours, instructions per page after the first | Ours, heap per page, all alive (bytes) | Left after destroying them all, ours / peer (bytes) | Left by as many more built and destroyed one at a time, ours / peer (bytes) |"
    echo "|---:|---:|---:|---:|---:|"
  } >>"$growth"
  for n in $(count "1 10 100" "1 2 3"); do
    echo "running page growth ($n pages)" >&2
    all=$first_ir
    [ "$n" = 1 ] || all=$(instructions page ours "$n" 0)
    per=$( [ "$n" -gt 1 ] && group "$(div $((all - first_ir)) $((n - 1)))" || echo "(first: $(group "$all"))")
    read -r built left cycled < <(heap heap-page ours "$n" 1)
    read -r _ peer_left peer_cycled < <(heap heap-page peer "$n" 1)
    echo "| $n | $per | $(group "$built") | $(group "$left") / $(group "$peer_left") \
| $(group "$cycled") / $(group "$peer_cycled") |" >>"$growth"
  done

  report=docs/bench.md
  mkdir -p docs
  {
    echo "# TarnUILib against plain Qt"
    echo
    echo "Written by \`scripts/check.sh --bench\` on $(date -u +%Y-%m-%d) ($(nproc) cores, $(uname -m), Qt $(dpkg-query -W -f="\${Version}" libqt5widgets5 2>/dev/null || echo 5), offscreen platform, RelWithDebInfo)."
    echo "Instructions are callgrind's, counted in the measured loop only; µs are wall time, best of three"
    echo "native runs on a shared machine, so a second figure only. Heap bytes are massif's, between snapshots."
    echo
    echo "## Side by side"
    echo
    cat "$table"
    echo
    echo "## Against the frame budget"
    echo
    cat "$budget"
    echo
    echo "## Growth"
    echo
    cat "$growth"
    echo
    cat bench/findings.md
  } >"$report"
  scripts/check-docs.py "$report"
  cat "$table"
  echo
  cat "$budget"
  echo
  cat "$growth"
  echo
  echo "Report: $report"
}

case ${1:-} in
--fuzz) shift && fuzz "$@" ;;
--memcheck) shift && memcheck "$@" ;;
--bench) shift && bench "$@" ;;
--mutants) shift && exec scripts/mutants.py "$@" ;;
--robustness) shift && robustness "$@" ;;
-h | --help) usage ;;
*) usage >&2 && exit 2 ;;
esac
