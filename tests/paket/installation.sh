#!/usr/bin/env bash
# What "cmake --install" puts on the desktop, checked as the desktop reads it:
# the programs run from their installed place, the desktop entry validates
# and names what is there, the file types install and answer for sample
# files, the icon sizes are what their folders say, the metainfo validates,
# and the manual pages render and name every command of kalvendo-cli.
# Usage: installation.sh BUILD_FOLDER [CMAKE]
set -euo pipefail
bau=$1
cmake=${2:-cmake}
source "$(dirname "$0")/pruefen.sh"

"$cmake" --install "$bau" --prefix "$tmp/usr" >/dev/null
cd "$tmp/usr"
id=de.kalvendo.Kalvendo
desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
mime=share/mime/packages/kalvendo.xml

# the programs run from their installed place
pruefe "kalvendo-cli --version" test "$(bin/kalvendo-cli --version)" = "kalvendo-cli $version"
pruefe "kalvendo --version" test "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bin/kalvendo --version)" = "kalvendo $version"

# the desktop entry: valid, and what it names is there
pruefe "desktop-file-validate" desktop-file-validate "$desktop"
exec_=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
pruefe "Exec=$exec_ ist kein installiertes Programm" test -x "bin/$exec_"
icon=$(sed -n 's/^Icon=//p' "$desktop")
pruefe "Icon=$icon fehlt als SVG" test -f "share/icons/hicolor/scalable/apps/$icon.svg"
pruefe "deutscher Kommentar fehlt" grep -q '^Comment\[de\]=Spielscheine' "$desktop"
typen_desktop=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
typen_xml=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime" | sort)
typen_meta=$(sed -n 's/.*<mediatype>\(.*\)<\/mediatype>.*/\1/p' "$metainfo" | sort)
# the program opens what it says it opens, each a type defined here
pruefe "MimeType= des Eintrags und mediatype der Metainfo weichen ab" test "$typen_desktop" = "$typen_meta"
pruefe "MimeType= nennt Typen, die nicht definiert sind" test -z "$(comm -23 <(echo "$typen_desktop") <(echo "$typen_xml"))"
pruefe "MimeType= ohne Spielschein" grep -qx application/x-kalvendo-spielschein <<<"$typen_desktop"
pruefe "vier Dateitypen erwartet" test "$(echo "$typen_xml" | wc -l)" = 4

# every type has a German comment
for typ in $typen_xml; do
    pruefe "$typ ohne deutschen Kommentar" awk -v typ="$typ" '
        index($0, "type=\"" typ "\"") { drin = 1 }
        drin && index($0, "<comment xml:lang=\"de\">Kalvendo-") { da = 1 }
        /<\/mime-type>/ { drin = 0 }
        END { exit !da }' "$mime"
done

# the file types installed into a data folder of their own answer for sample files
daten=$tmp/xdg
mkdir -p "$daten/mime/packages"
cp "$mime" "$daten/mime/packages/"
XDG_DATA_HOME=$daten XDG_DATA_DIRS=/usr/share update-mime-database "$daten/mime"
mkdir -p "$tmp/proben"
printf '\0%.0s' $(seq 40) > "$tmp/proben/Samstag.kv13"
for probe in Samstag.kv13:spielschein Tag.sp13:spielplan ABEND.SPST:spielstand Lotto.kvxdr:scheinformat; do
    datei=$tmp/proben/${probe%%:*}
    [ -e "$datei" ] || : > "$datei"
    erwartet=application/x-kalvendo-${probe##*:}
    antwort=$(XDG_DATA_HOME=$daten xdg-mime query filetype "$datei")
    pruefe "xdg-mime: $datei ist $antwort, nicht $erwartet" test "$antwort" = "$erwartet"
done

# every PNG is as large as its folder says
while IFS= read -r png; do
    ordner=$(basename "$(dirname "$(dirname "$png")")")
    groesse=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); assert d[:8]==b"\x89PNG\r\n\x1a\n"; w,h=struct.unpack(">II",d[16:24]); print(f"{w}x{h}")' "$png")
    pruefe "$png ist $groesse" test "$groesse" = "$ordner"
done < <(find share/icons/hicolor -name "$id.png")
for n in 16 22 24 32 48 64 128 256 512; do
    pruefe "Symbol ${n}x$n fehlt" test -f "share/icons/hicolor/${n}x$n/apps/$id.png"
done

pruefe "appstreamcli validate" appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null
pruefe "Metainfo ohne Version $version" grep -q "<release version=\"$version\"" "$metainfo"

# the manual pages render without a warning and kalvendo-cli's names every command of its --help
for seite in kalvendo kalvendo-cli; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "share/man/man1/$seite.1.gz" 2>&1 >/dev/null)
    pruefe "man $seite warnt: $warnungen" test -z "$warnungen"
done
seite=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l share/man/man1/kalvendo-cli.1.gz 2>/dev/null)
for befehl in $(bin/kalvendo-cli --help | sed -n 's/^  \([a-z-][a-z-]*\).*/\1/p' | sort -u); do
    pruefe "man kalvendo-cli nennt $befehl nicht" grep -qE "^ {7}$befehl( |$)" <<<"$seite"
done
pruefe "man kalvendo-cli ohne Rückgabewerte" grep -q '^RÜCKGABEWERT' <<<"$seite"

exit $fehler
