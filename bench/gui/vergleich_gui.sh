#!/usr/bin/env bash
# The whole program on the offscreen platform, each scenario in a process of
# its own next to its reference from the same run (medians of N runs):
#   start and peak memory with 12 remembered tabs of 13x3-way slips, next to a
#   fresh start and to 12 remembered one-row tabs;
#   a tab of 2,000,000 single-row fields: opening, peak memory, a goal change,
#   next to the 16 MB its rows take at 8 bytes each;
#   the guarantee analysis of that tab: its time and the peak memory with it,
#   next to the same tab without it.
# Usage: bench/gui/vergleich_gui.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-release}
runs=${2:-5}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target kalvendo-gui-messung >/dev/null
messung="$build/bench/gui/kalvendo-gui-messung"
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, random, sys
w = sys.argv[1]
def feld(spalten_je_spiel):  # 13 lists of columns 1..3
    rec = bytearray(40)
    for m, spalten in enumerate(spalten_je_spiel):
        for c in spalten:
            rec[1 + m * 3 + c - 1] = 1
    return bytes(rec)
open(f"{w}/voll13.kv13", "wb").write(feld([[1, 2, 3]] * 13))
open(f"{w}/eins.kv13", "wb").write(feld([[1]] * 13))
rnd = random.Random(13)
with open(f"{w}/einzel2m.kv13", "wb") as f:
    for _ in range(2_000_000):
        f.write(feld([[rnd.randint(1, 3)] for _ in range(13)]))
for name, datei in (("frisch", None), ("zwoelfEins", "eins.kv13"), ("zwoelfVoll", "voll13.kv13")):
    ordner = f"{w}/{name}/Kalvendo"
    os.makedirs(ordner)
    if datei:
        with open(f"{ordner}/Einstellungen.ini", "w") as ini:
            ini.write("[Spielscheine]\nMerken=1\nDateienanzahl=12\n")
            for k in range(1, 13):
                ini.write(f"Datei{k}={w}/{datei}\n")
PY

# the median of the numbers on standard input
mitte() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# median of one figure over the runs of one scenario
median() {
  local key=$1
  shift
  for _ in $(seq "$runs"); do "$messung" "$@" 2>/dev/null | awk -v k="$key" '$1 == k { print $2 }'; done | mitte
}

# the median of each of several figures, from the same runs: TITLE "KEYS" SCENARIO...
figuren() {
  local titel=$1 keys=$2 out=""
  shift 2
  for _ in $(seq "$runs"); do out+=$("$messung" "$@" 2>/dev/null)$'\n'; done
  for key in $keys; do
    printf '%-35s %-10s %8s\n' "$titel" "$key" "$(awk -v k="$key" '$1 == k { print $2 }' <<<"$out" | mitte)"
  done
}

echo "GUI, medians of $runs runs (build $build)"
for s in frisch zwoelfEins zwoelfVoll; do
  printf '%-11s start %8s ms   peak RSS %7s MB\n' "$s" \
    "$(median start_ms start "$work/$s/Kalvendo")" "$(median vmhwm_mb start "$work/$s/Kalvendo")"
done
figuren "tab of 2,000,000 single-row fields:" "oeffnen_ms tor_ms vmhwm_mb" \
  tab "$work/frisch/Kalvendo" "$work/einzel2m.kv13"
echo "reference: 2,000,000 rows at 8 bytes = 16.0 MB; the fresh start above"
figuren "guarantee analysis of that tab:" "garantie_ms vmhwm_mb" \
  garantie "$work/frisch/Kalvendo" "$work/einzel2m.kv13"
echo "reference: the tab's own peak RSS above (vmhwm_mb of the tab)"
