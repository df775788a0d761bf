#!/usr/bin/env bash
# `kalvendo-cli chances` next to its references in the same run, medians of N
# runs of the wall time and the peak memory (GNU time):
# - the thirteen 3-ways (1,594,323 rows) with --json (goals: at most 0.2 s and
#   32 MB) beside `kalvendo-cli info` of the same file (reading and expanding
#   it, the bare process) and `kalvendo-cli guarantee` (the same distance table);
# - 2,000,000 single-row fields beside `kalvendo-cli evaluate` of the same
#   file, which reads it the same way: the difference of the peaks is what the
#   figures add (goal: at most 32 MB).
# Usage: bench/chancen.sh [BUILD_FOLDER] [RUNS]   (needs GNU time, /usr/bin/time)
standardLaeufe=5
# shellcheck source=bench/cli_messung.sh
source "$(dirname "$0")/cli_messung.sh"
printf '\x00' >"$work/voll13.kv13"
for _ in $(seq 39); do printf '\x01' >>"$work/voll13.kv13"; done
python3 bench/einzelreihen.py "$work/einzel2m.kv13"
t="6-3-1,2-3-5,4-4-2,7-2-1,3-4-3,5-3-2,1-3-6,4-3-3,6-2-2,2-5-3,5-4-1,3-3-4,8-1-1"

# "SECONDS MB" medians of N runs of a command, its output to /dev/null
messen() {
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %M" -o "$work/m" "$@" >/dev/null
    cat "$work/m"
  done >"$work/alle"
  echo "$(awk '{ print $1 }' "$work/alle" | median) $(awk '{ print $2 / 1024 }' "$work/alle" | median)"
}
zeile() {  # NAME "SECONDS MB"
  read -r s mb <<<"$2"
  printf '%-52s %6.3f s %7.1f MB\n' "$1" "$s" "$mb"
}

echo "kalvendo-cli chances, medians of $runs runs (build $build)"
c=$(messen "$cli" chances "$work/voll13.kv13" --tendencies "$t" --result 1021102210010 --finished 1-4 --json)
zeile "chances --json, 13x3 (goal <= 0.2 s, <= 32 MB)" "$c"
zeile "  reference: info, 13x3" "$(messen "$cli" info "$work/voll13.kv13")"
zeile "  reference: guarantee, 13x3" "$(messen "$cli" guarantee "$work/voll13.kv13")"
c2=$(messen "$cli" chances "$work/einzel2m.kv13" --tendencies "$t" --result 1021102210010 --finished 1-4 --json)
e2=$(messen "$cli" evaluate --result 1021102210010 --finished 1-4 --json "$work/einzel2m.kv13")
zeile "chances --json, 2,000,000 single rows" "$c2"
zeile "  reference: evaluate, 2,000,000 single rows" "$e2"
printf 'what the figures add to reading the 2,000,000 rows: %.1f MB (goal <= 32 MB)\n' \
  "$(awk -v a="${c2#* }" -v b="${e2#* }" 'BEGIN { print a - b }')"
