#!/usr/bin/env bash
# The text output of kalvendo-cli next to its yardstick in the same run: a
# plain C loop (bench/textschleife.c) that writes the same bytes, one fwrite
# per line. Both write a full 13 x 3 system (1,594,323 lines) to /dev/null;
# the script first checks that the bytes are the same, then prints the
# medians of N runs and the ratio (goal: at most 1.5).
# Usage: bench/textausgabe.sh [BUILD_FOLDER] [RUNS]
# (KALVENDO_CLI=PATH measures another kalvendo-cli, e.g. an older build.)
standardLaeufe=7
# shellcheck source=bench/cli_messung.sh
source "$(dirname "$0")/cli_messung.sh"
gcc -O2 -o "$work/textschleife" bench/textschleife.c
printf '\x00' >"$work/voll13.kv13"
for _ in $(seq 39); do printf '\x01' >>"$work/voll13.kv13"; done

# seconds of one run, the output to /dev/null
sekunden() {
  local t0 t1
  t0=$(date +%s%N)
  "$@" >/dev/null
  t1=$(date +%s%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f\n", (b - a) / 1e9 }'
}

vergleiche() {
  local name=$1 schleife=$2
  shift 2
  cmp <("$work/textschleife" $schleife) <("$cli" "$@") || { echo "$name: andere Bytes als die Schleife" >&2; exit 1; }
  local c k
  c=$(for _ in $(seq "$runs"); do sekunden "$work/textschleife" $schleife; done | median)
  k=$(for _ in $(seq "$runs"); do sekunden "$cli" "$@"; done | median)
  printf '%-28s kalvendo-cli %6.3f s   C loop %6.3f s   ratio %5.2f (goal <= 1.5)\n' "$name" "$k" "$c" \
    "$(awk -v k="$k" -v c="$c" 'BEGIN { print k / c }')"
}

echo "text output, medians of $runs runs (build $build)"
vergleiche "expand" "expand" expand "$work/voll13.kv13"
vergleiche "evaluate --rows" "rows 1021102210010 5" evaluate --result 1021102210010 --finished 1-5 --rows \
  "$work/voll13.kv13"
