// Row recognition and the transfer table on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Pruefen.h"
#include "textexport/TextExport.h"
#include "transfer/Reihenerkennung.h"
#include "transfer/Transfertabelle.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

    std::uint64_t zeilen = 0, reihen = 0;
    Zeilenleser leser(text);
    for (std::string_view zeile; leser.naechste(zeile);) {
        ++zeilen;
        PRUEFE(zeile.find_first_of("\r\n") == std::string_view::npos);
        const auto r = ReihenErkennen(zeile);
        if (!r) continue;
        ++reihen;
        for (const Tippzelle& z : *r) {
            PRUEFE(!z.leer());
            PRUEFE(zeichenLaenge(z.text(), 0) == z.text().size());
        }
    }
    PRUEFE(zeilen == textZeilenAnzahl(text));

    for (const auto modus : {Uebertragungsmodus::Ueberschreiben, Uebertragungsmodus::Anhaengen}) {
        Transfertabelle t;
        const Uebertragung u = ReihenInTabelle(t, text, modus);
        if (text.empty()) {
            PRUEFE(!u.fehler.empty());
            continue;
        }
        PRUEFE(u.fehler.empty() && u.anfang == 0 && u.gefunden == reihen);
        PRUEFE(t.zeilenAnzahl() == (reihen > 0 ? reihen + 1 : Transfertabelle::kStartZeilen));
        // The text export and the slip fields of the table.
        const std::string csv = tabelleAlsTextInhalt(t, kSpiele);
        PRUEFE(reihen == 0 || !csv.empty());
        try {
            PRUEFE(TabelleAlsFelder(t).size() == t.zeilenAnzahl() - 1);
        } catch (const TabellenFehler& f) {
            PRUEFE(f.zeile() >= 1 && f.zeile() < t.zeilenAnzahl() && f.spiel() >= 1 && f.spiel() <= kSpiele);
        }
    }
    return 0;
}
