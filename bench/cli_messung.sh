# Shared start of the kalvendo-cli measurements (sourced, not run): the build
# folder and the number of runs from the arguments, kalvendo-cli built there
# (or KALVENDO_CLI, e.g. an older build), a temporary folder $work removed at
# the end, and median (of the numbers on standard input).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-$standardLaeufe}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVENDO_BUILD_GUI=OFF >/dev/null
fi
cmake --build "$build" --target kalvendo-cli >/dev/null
cli=${KALVENDO_CLI:-$build/src/cli/kalvendo-cli}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
