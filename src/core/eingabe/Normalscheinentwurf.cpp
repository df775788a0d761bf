#include "eingabe/Normalscheinentwurf.h"

#include <stdexcept>

#include "eingabe/Entwurf.h"
#include "io/Datei.h"

namespace kv {

std::string normalscheinentwurf(const NormalscheinTeile& t) {
    Entwurfsschreiber s;
    s.byte(t.raster ? 1 : 0);
    if (t.raster) {
        t.raster->entwurfSchreiben(s);
        s.text(t.dateiLabel);
        for (const TTendenzWert& w : t.tendenzen) {
            s.byte(w.Heim);
            s.byte(w.Remis);
            s.byte(w.Gast);
        }
        s.byte(t.vorschlagFrei ? 1 : 0);
    }
    s.byte(t.feld.sys);
    s.bytes(t.feld.ja);
    const bool mitListe = t.liste && t.zeilen;
    s.byte(mitListe ? 1 : 0);
    if (mitListe) {
        s.zahl(t.liste->anzahl());
        s.zahlen(t.liste->reihen());
        Entwurfsschreiber zeilen;
        t.zeilen->entwurfSchreiben(zeilen);
        s.text(zeilen.daten());
    }
    return s.daten();
}

Normalscheinentwurf normalscheinentwurfLesen(std::string_view daten) {
    Entwurfsleser l(daten);
    Normalscheinentwurf e;
    e.mitSpielplan = l.byte() != 0;
    if (e.mitSpielplan) {
        e.raster.entwurfLesen(l);
        e.dateiLabel = l.text();
        for (TTendenzWert& w : e.tendenzen) {
            w.Heim = l.byte();
            w.Remis = l.byte();
            w.Gast = l.byte();
        }
        e.vorschlagFrei = l.byte() != 0;
    }
    e.feld.sys = l.byte();
    l.bytes(e.feld.ja);
    if (e.feld.sys != 0) throw UngueltigeDatei("Entwurf mit einem VEW-System im Vorschlag");
    e.mitListe = l.byte() != 0;
    if (e.mitListe) {
        // a row takes 8 bytes of the draft: a count beyond them is no count
        const std::uint64_t n = l.zahl(daten.size() / 8);
        std::vector<Reihe> reihen(static_cast<std::size_t>(n));
        for (Reihe& r : reihen) r = l.zahl();
        try {
            e.liste.ersetzen(std::move(reihen));
        } catch (const std::invalid_argument& f) {
            throw UngueltigeDatei(f.what());
        }
        e.zeilen = l.text();
        // the lines must fit these rows
        Zeilentext probe;
        Entwurfsleser z(e.zeilen);
        probe.entwurfLesen(&e.liste, z);
        z.ende();
    }
    l.ende();
    return e;
}

}  // namespace kv
