#!/usr/bin/env bash
# `kalvendo-cli import-rows` of 2,000,000 lines (52 MB) next to its floor in
# the same run: `cat` of the text plus `dd conv=fsync` writing a file of the
# output's size. Prints the medians of N runs of the time and the peak memory
# (goals: at most 4 times the floor's time, at most twice the input's size).
# Usage: bench/import.sh [BUILD_FOLDER] [RUNS]   (needs GNU time, /usr/bin/time)
standardLaeufe=5
# shellcheck source=bench/cli_messung.sh
source "$(dirname "$0")/cli_messung.sh"
python3 - "$work/zeilen.txt" <<'PY'
import random, sys
rnd = random.Random(3)
with open(sys.argv[1], "w") as f:
    for _ in range(2_000_000):
        f.write(" ".join(rnd.choice("102") for _ in range(13)) + "\n")
PY
"$cli" import-rows "$work/zeilen.txt" -o "$work/aus.kv13" >/dev/null

for _ in $(seq "$runs"); do
  /usr/bin/time -f "%e %M" -o "$work/k" "$cli" import-rows "$work/zeilen.txt" -o "$work/aus.kv13" >/dev/null
  /usr/bin/time -f "%e %M" -o "$work/r" sh -c "cat '$work/zeilen.txt' >/dev/null &&
    dd if='$work/aus.kv13' of='$work/kopie' bs=1M conv=fsync status=none"
  echo "$(cat "$work/k") $(cat "$work/r")"
done >"$work/zeiten"
k=$(awk '{ print $1 }' "$work/zeiten" | median)
km=$(awk '{ print $2 / 1024 }' "$work/zeiten" | median)
r=$(awk '{ print $3 }' "$work/zeiten" | median)
mb=$(awk -v b="$(stat -c %s "$work/zeilen.txt")" 'BEGIN { print b / 1048576 }')
echo "import-rows, 2,000,000 lines, medians of $runs runs (build $build)"
printf 'import-rows %6.2f s   floor (cat + dd conv=fsync) %6.2f s   ratio %5.1f (goal <= 4)\n' "$k" "$r" \
  "$(awk -v k="$k" -v r="$r" 'BEGIN { print k / r }')"
printf 'import-rows peak RSS %6.1f MB   input %6.1f MB   ratio %4.2f (goal <= 2)\n' "$km" "$mb" \
  "$(awk -v k="$km" -v m="$mb" 'BEGIN { print k / m }')"
