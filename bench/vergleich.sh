#!/usr/bin/env bash
# Runs the core benchmarks next to the straightforward yardstick in one go and
# prints the ratios, plus the peak memory of `kalvendo-cli evaluate` on the
# largest slip. Usage: bench/vergleich.sh [BUILD_FOLDER] [YARDSTICK_SOURCE]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
yardstick=${2:-../shared/yardstick/literal.cpp}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVENDO_BUILD_GUI=OFF >/dev/null
fi
cmake --build "$build" --target kalvendo-bench kalvendo-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One field of thirteen 3-ways: sys 0 and 39 crosses.
printf '\x00' >"$work/voll13.kv13"
for _ in $(seq 39); do printf '\x01' >>"$work/voll13.kv13"; done

"$build/bench/kalvendo-bench" --benchmark_filter='BM_(ExpandFull13|EvaluateFull13|EvaluateMixed)$' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json \
  >"$work/bench.json"

if [ -f "$yardstick" ]; then
  g++ -O2 -std=c++20 -o "$work/literal" "$yardstick"
  "$work/literal" --result 1021102210010 --finished 1-5 --repeat 15 "$work/voll13.kv13" \
    >/dev/null 2>"$work/literal.txt"
else
  echo "yardstick $yardstick not found: only our own figures follow" >&2
  : >"$work/literal.txt"
fi

python3 - "$work/bench.json" "$work/literal.txt" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
lit = dict(l.split() for l in open(sys.argv[2]) if l.strip())
def us(name):
    b = runs[name]
    f = {"ns": 1e-3, "us": 1, "ms": 1e3}[b["time_unit"]]
    return b["real_time"] * f
for name in ("BM_ExpandFull13", "BM_EvaluateFull13", "BM_EvaluateMixed"):
    print(f"{name:20s} {us(name):12.2f} us (median of 5)")
if lit:
    e, x = float(lit["evaluate_us"]), float(lit["expand_us"])
    print(f"yardstick evaluate   {e:12.2f} us   ours: {100 * us('BM_EvaluateFull13') / e:.4f} % (goal <= 1 %)")
    print(f"yardstick expand     {x:12.2f} us   ours: {100 * us('BM_ExpandFull13') / x:.4f} % (goal <= 10 %)")
PY

# Peak memory of the whole process: a tiny C parent forks, execs and reads
# ru_maxrss of the child (the parent's own few hundred KB count in it too).
# With -t first it prints the wall time in ms after the memory.
cat >"$work/spitze.c" <<'C'
#include <stdio.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
int main(int argc, char** argv) {
    int zeit = argc > 1 && strcmp(argv[1], "-t") == 0;
    struct timespec a, b;
    clock_gettime(CLOCK_MONOTONIC, &a);
    pid_t p = fork();
    if (p == 0) { freopen("/dev/null", "w", stdout); execv(argv[1 + zeit], argv + 1 + zeit); _exit(127); }
    int st; struct rusage ru; wait4(p, &st, 0, &ru);
    clock_gettime(CLOCK_MONOTONIC, &b);
    if (zeit)
        printf("%.1f MB, %.0f ms\n", ru.ru_maxrss / 1024.0, (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    else
        printf("%.1f\n", ru.ru_maxrss / 1024.0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : 1;
}
C
gcc -O2 -o "$work/spitze" "$work/spitze.c"
mb=$("$work/spitze" "$build/src/cli/kalvendo-cli" evaluate --result 1021102210010 --finished 1-5 --json "$work/voll13.kv13")
echo "kalvendo-cli evaluate peak RSS: $mb MB (goal <= 16 MB)"

# 2,000,000 single-row fields (a long row list of the transfer tool): the peak
# memory of evaluating them, next to the 16 MB the rows take at 8 bytes each
# and to the bare process (kalvendo-cli --help).
python3 bench/einzelreihen.py "$work/einzel2m.kv13"
e=$("$work/spitze" "$build/src/cli/kalvendo-cli" evaluate --result 1021102210010 --finished 1-5 --json "$work/einzel2m.kv13")
h=$("$work/spitze" "$build/src/cli/kalvendo-cli" --help)
echo "kalvendo-cli evaluate 2,000,000 single rows peak RSS: $e MB (rows at 8 bytes: 16.0 MB; bare process: $h MB; goal <= 40 MB)"
"$build/bench/kalvendo-bench" --benchmark_filter='BM_(Einzelreihen2M|RefDatei2M|RefEinzelreihen2M)' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Guarantee analysis: peak memory of `kalvendo-cli guarantee` next to
# `kalvendo-cli info` on the same slips (reading and expanding them without
# the analysis): the 13x3-way full system and the 59,049 rows of its
# guaranteed reduction. Then the wall time of that reduction.
"$build/src/cli/kalvendo-cli" reduce --tips 102,102,102,102,102,102,102,102,102,102,102,102,102 --radius 1 \
  -o "$work/hamming.kv13" >/dev/null
for slip in voll13 hamming; do
  g=$("$work/spitze" "$build/src/cli/kalvendo-cli" guarantee "$work/$slip.kv13")
  i=$("$work/spitze" "$build/src/cli/kalvendo-cli" info "$work/$slip.kv13")
  echo "kalvendo-cli guarantee $slip.kv13 peak RSS: $g MB (info on the same file: $i MB; goal <= 64 MB)"
done
# The same 2,000,000 single rows: the whole guarantee run (reading the 80 MB
# file, the analysis and 72 MB of JSON) next to evaluating them, which reads
# the same file; each the fastest of three runs ("MB, ms").
schnellsteVonDrei() { for _ in 1 2 3; do "$work/spitze" -t "$@"; done | sort -t, -k2 -n | head -1; }
echo "kalvendo-cli guarantee 2,000,000 single rows: $(schnellsteVonDrei "$build/src/cli/kalvendo-cli" \
  guarantee "$work/einzel2m.kv13") (goal <= 64 MB, <= 100 ms)"
echo "kalvendo-cli evaluate on the same file:          $(schnellsteVonDrei "$build/src/cli/kalvendo-cli" \
  evaluate --result 1021102210010 --json "$work/einzel2m.kv13")"
"$build/bench/kalvendo-bench" --benchmark_filter='BM_(Garantie|RefExpansion|RefScan|Reduktion|RefErsteFreie)' \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
