// The import of a pasted fixture table on arbitrary text, and the grid it fills.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Pruefen.h"
#include "eingabe/Spielplanimport.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const Spielplanimport im = DatenAuslesen(text, TendenzWerte{});
    PRUEFE(im.gefunden >= 0 && im.gefunden <= kSpiele);
    for (const auto& [zeile, zellen] : im.zeilen) PRUEFE(zeile >= 1 && zeile <= kSpiele);
    for (const TTendenzWert& t : im.tendenzen)
        PRUEFE(t.Heim + t.Gast + t.Remis == 10 || (t == TTendenzWert{}));

    Spielplanraster raster;
    raster.uebernehme(im);
    PRUEFE(raster.spaltenAnzahl() >= 1);
    TendenzWerte tendenzen{};
    Spielplanraster anzeige;
    const int gelesen = BegegnungenTendenzen(raster.begegnungen(), anzeige, tendenzen);
    PRUEFE(gelesen >= 0 && gelesen <= kSpiele);
    const Tendenzlesung t = TendenzLesen(text);
    if (t.ergebnis == Tendenzlesung::Ergebnis::Gelesen) {
        PRUEFE(t.a >= 0 && t.a <= 9 && t.b >= 0 && t.b <= 9 && t.c >= 0 && t.c <= 9 && t.a + t.c <= 10);
        PRUEFE(t.wert().Heim + t.wert().Remis + t.wert().Gast == 10);
    }
    return 0;
}
