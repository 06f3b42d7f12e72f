#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for the
# given number of seconds, seeded from the committed corpus in fuzz/corpus/<name>/.
# New inputs go into a scratch copy (build-fuzz/corpus/<name>/; a run under 60 s
# uses a fresh one), so the committed corpus stays small; findings are written to
# build-fuzz/findings/<name>/.
#
#   scripts/fuzz.sh SECONDS [TARGET...]     targets: loader ini normaliser search window quiz_log
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
  exit 2
fi
seconds=$1
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(loader ini normaliser search window quiz_log)
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTREL_FUZZ=ON -DKESTREL_TESTS=OFF -DKESTREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  if [ "$seconds" -lt 60 ]; then
    # A short (smoke) run starts from the committed seeds alone: reading back a
    # grown scratch corpus would take longer than the run itself.
    corpus="$build/corpus-smoke/$t"
    rm -rf "$corpus"
  fi
  findings="$build/findings/$t"
  mkdir -p "$corpus" "$findings"
  cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  log="$build/fuzz_$t.log"
  extra=()
  if [ "$t" = window ]; then
    # Slow inputs: let them reach 64 actions from the start instead of growing slowly.
    extra=(-max_len=512 -len_control=0)
  fi
  echo "== fuzz_$t: $seconds s"
  set +e
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/bin/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" ${extra[@]+"${extra[@]}"} "$corpus" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  corp=$(grep -E '(DONE|INITED) .*corp:' "$log" | tail -1 | grep -o 'corp: [0-9]*/[0-9a-zA-Z]*' | cut -d' ' -f2 || true)
  found=$(find "$findings" -type f | wc -l)
  echo "   executions ${runs:-?}, ${rate:-?} exec/s, corpus ${corp:-?} (inputs/size), findings $found (exit $rc, log $log)"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
    grep -m3 -E 'invariant broken|ERROR: |runtime error' "$log" | sed 's/^/   /' || true
    ls "$findings" | sed 's/^/   /'
    status=1
  fi
done
exit $status
