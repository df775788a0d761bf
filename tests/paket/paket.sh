#!/usr/bin/env bash
# The Debian package as "cpack -G DEB" makes it from the build folder: its
# name and version, the files it installs (programs, desktop entry, icons,
# file types, metainfo, manual pages, nothing else and nothing outside
# /usr), programs without a path into the build folder, and the run-time
# libraries it depends on.
# Usage: paket.sh BUILD_FOLDER [CPACK]
set -euo pipefail
bau=$(cd "$1" && pwd)
cpack=${2:-cpack}
source "$(dirname "$0")/pruefen.sh"

(cd "$tmp" && "$cpack" -G DEB --config "$bau/CPackConfig.cmake" -B "$tmp/aus" >"$tmp/cpack.log" 2>&1) ||
    { cat "$tmp/cpack.log" >&2; exit 1; }
arch=$(dpkg --print-architecture)
deb=$tmp/aus/kalvendo_${version}_$arch.deb
pruefe "kein $deb" test -f "$deb"
[ -f "$deb" ] || exit 1

feld() { dpkg-deb -f "$deb" "$1"; }
pruefe "Package" test "$(feld Package)" = kalvendo
pruefe "Version" test "$(feld Version)" = "$version"
pruefe "Architecture" test "$(feld Architecture)" = "$arch"
pruefe "Maintainer" test -n "$(feld Maintainer)"
pruefe "Description" test -n "$(feld Description)"

# the run-time libraries: every library the programs load is depended on,
# and so are the German texts of Qt's dialogs
dpkg-deb -x "$deb" "$tmp/inhalt"
depends=$(feld Depends | tr ',' '\n' | sed 's/^ *//;s/ *(.*//')
benoetigt=$(for p in kalvendo kalvendo-cli; do
    readelf -d "$tmp/inhalt/usr/bin/$p" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
done | sort -u)
pruefe "keine benötigten Bibliotheken gefunden" test -n "$benoetigt"
# the libraries of the package's architecture (not, say, /lib32 of libc6-i386)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for bibliothek in $benoetigt; do
    paket=$(dpkg -S "*/$multiarch/$bibliothek" 2>/dev/null | sed -n '1s/:.*//p')
    pruefe "$bibliothek gehört zu keinem Paket" test -n "$paket"
    pruefe "Depends ohne $paket für $bibliothek: $(feld Depends)" grep -qx "$paket" <<<"$depends"
done
for paket in libqt6widgets6 qt6-translations-l10n; do
    pruefe "Depends ohne $paket: $(feld Depends)" grep -qx "$paket" <<<"$depends"
done
pruefe "Depends nennt Entwicklerpakete: $(feld Depends)" test -z "$(grep -E -- '-dev$' <<<"$depends" || true)"
pruefe "Recommends ohne qt6-wayland" grep -q qt6-wayland <<<"$(feld Recommends)"

# the file list: all under /usr, exactly these files
dpkg-deb -c "$deb" >"$tmp/liste"
dateien=$(awk '$1 !~ /^d/ {print $6}' "$tmp/liste" | sort)
id=de.kalvendo.Kalvendo
erwartet=$(
    {
        echo ./usr/bin/kalvendo
        echo ./usr/bin/kalvendo-cli
        echo ./usr/share/applications/$id.desktop
        echo ./usr/share/metainfo/$id.metainfo.xml
        echo ./usr/share/mime/packages/kalvendo.xml
        echo ./usr/share/man/man1/kalvendo.1.gz
        echo ./usr/share/man/man1/kalvendo-cli.1.gz
        echo ./usr/share/doc/kalvendo/copyright
        echo ./usr/share/icons/hicolor/scalable/apps/$id.svg
        for n in 16 22 24 32 48 64 128 256 512; do echo "./usr/share/icons/hicolor/${n}x$n/apps/$id.png"; done
    } | sort
)
pruefe "Dateiliste weicht ab:
$(diff <(echo "$erwartet") <(echo "$dateien") || true)" test "$dateien" = "$erwartet"
pruefe "Einträge außerhalb von /usr" test -z "$(awk '{print $6}' "$tmp/liste" | grep -vE '^\./(usr(/.*)?)?$' || true)"
pruefe "Rechte der Programme" test "$(awk '$1 !~ /^d/ && $6 ~ /^\.\/usr\/bin\// {print $1}' "$tmp/liste" | sort -u)" = "-rwxr-xr-x"
pruefe "Eigentümer nicht root" test "$(awk '{print $2}' "$tmp/liste" | sort -u)" = "root/root"

# the copyright file in the machine-readable form, with its licence
kopie=$tmp/inhalt/usr/share/doc/kalvendo/copyright
pruefe "copyright ohne Format-Zeile" grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$kopie"
pruefe "copyright ohne Files: *" grep -qx 'Files: \*' "$kopie"
pruefe "copyright ohne Copyright:" grep -q '^Copyright: ' "$kopie"
pruefe "copyright ohne License:" grep -q '^License: ' "$kopie"
pruefe "Rechte von copyright" test "$(awk '$6 == "./usr/share/doc/kalvendo/copyright" {print $1}' "$tmp/liste")" = "-rw-r--r--"

# the programs: stripped, no search path into the build folder
for p in kalvendo kalvendo-cli; do
    pruefe "$p mit RUNPATH" test -z "$(readelf -d "$tmp/inhalt/usr/bin/$p" | grep -E 'RPATH|RUNPATH' || true)"
    pruefe "$p nicht gestrippt" test -z "$(readelf -S "$tmp/inhalt/usr/bin/$p" | grep -E '\.debug_info|\.symtab' || true)"
done

exit $fehler
