# Shared by the checks of this folder (sourced): the source folder and the
# program's version, a temporary folder removed at the end, and pruefe, which
# runs a condition and notes a failure without stopping, so one run reports
# every fault; end the script with "exit $fehler".
quelle=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
version=$(sed -n 's/^project(Kalvendo VERSION \([0-9.]*\).*/\1/p' "$quelle/CMakeLists.txt")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
pruefe() {  # MESSAGE CONDITION...
    local text=$1
    shift
    if ! "$@"; then
        echo "FEHLER: $text" >&2
        fehler=1
    fi
}
