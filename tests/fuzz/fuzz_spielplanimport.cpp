// The import of a pasted fixture table on arbitrary text, and the grid it fills.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Pruefen.h"
#include "eingabe/Spielplanimport.h"
#include "model/Spielplandatei.h"

using namespace kv;

namespace {

// The cells as a spreadsheet program copies them: tab between cells, a cell
// that holds a tab or starts with a double quote in double quotes (inner
// quotes doubled), and so an empty line alone.
std::string zeileAus(const std::vector<std::string>& zellen) {
    std::string z;
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        const std::string& c = zellen[i];
        if (i > 0) z += '\t';
        if (c.find('\t') != std::string::npos || (!c.empty() && c.front() == '"') ||
            (c.empty() && zellen.size() == 1)) {
            z += '"';
            for (char ch : c) z += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            z += '"';
        } else {
            z += c;
        }
    }
    return z;
}

bool gleich(const Spielplanimport& a, const Spielplanimport& b) {
    return a.fehler == b.fehler && a.text == b.text && a.tendenzen == b.tendenzen && a.gelesen == b.gelesen &&
           a.gefunden == b.gefunden && a.vorschlagFrei == b.vorschlagFrei &&
           a.rasterSchreiben == b.rasterSchreiben && a.spalten == b.spalten && a.zeilen == b.zeilen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const Spielplanimport im = DatenAuslesen(text, TendenzWerte{});
    PRUEFE(im.gefunden >= 0 && im.gefunden <= kSpiele);
    for (const auto& [zeile, zellen] : im.zeilen) PRUEFE(zeile >= 1 && zeile <= kSpiele);
    for (const TTendenzWert& t : im.tendenzen)
        PRUEFE(t.Heim + t.Gast + t.Remis == 10 || (t == TTendenzWert{}));

    // "Daten auslesen" once more on the tidied text the field then shows
    // reads the same fixtures and tendencies.
    if (im.aufbereitet && !im.text.empty()) PRUEFE(gleich(DatenAuslesen(im.text, TendenzWerte{}), im));

    // Every line's cells, copied as a spreadsheet copies them, read back the same.
    std::size_t anfang = 0;
    while (anfang < im.text.size()) {
        const std::size_t ende = std::min(im.text.find('\n', anfang), im.text.size());
        const std::string_view zeile = std::string_view(im.text).substr(anfang, ende - anfang);
        const std::vector<std::string> zellen = zellenDerZeile(zeile);
        PRUEFE(zellenDerZeile(zeileAus(zellen)) == zellen);
        anfang = ende + 1;
    }

    Spielplanraster raster;
    raster.uebernehme(im);
    PRUEFE(raster.spaltenAnzahl() >= 1);
    TendenzWerte tendenzen{};
    Spielplanraster anzeige;
    const int gelesen = BegegnungenTendenzen(raster.begegnungen(), anzeige, tendenzen);
    PRUEFE(gelesen >= 0 && gelesen <= kSpiele);

    // The grid saved as a fixture list opens again as it was saved, and
    // saved once more from the grid that shows it gives the same list.
    const Begegnungen gespeichert = gekuerzteBegegnungen(raster);
    Begegnungen geoeffnet{};
    PRUEFE(begegnungenAusBytes(begegnungenBytes(gespeichert), geoeffnet) == kSpiele);
    PRUEFE(geoeffnet == gespeichert);
    Spielplanraster wieder;
    TendenzWerte wiederTendenzen{};
    BegegnungenTendenzen(geoeffnet, wieder, wiederTendenzen);
    PRUEFE(gekuerzteBegegnungen(wieder) == gespeichert);

    const Tendenzlesung t = TendenzLesen(text);
    if (t.ergebnis == Tendenzlesung::Ergebnis::Gelesen) {
        PRUEFE(t.a >= 0 && t.a <= 9 && t.b >= 0 && t.b <= 9 && t.c >= 0 && t.c <= 9 && t.a + t.c <= 10);
        PRUEFE(t.wert().Heim + t.wert().Remis + t.wert().Gast == 10);
        // written as the tendency texts are, it reads the same
        const Tendenzlesung w =
            TendenzLesen(std::to_string(t.a) + " - " + std::to_string(t.b) + " - " + std::to_string(t.c));
        PRUEFE(w.ergebnis == t.ergebnis && w.a == t.a && w.b == t.b && w.c == t.c);
    }
    return 0;
}
