#include "eingabe/Quotenfilter.h"

#include <algorithm>

#include "eingabe/Reihensumme.h"
#include "expansion/Feld.h"

namespace kv {

int tendenzwert(int kreuz, const TendenzWerte& t) {
    const TTendenzWert& w = t[static_cast<std::size_t>(spielVonKreuz(kreuz) - 1)];
    switch (spalteVonKreuz(kreuz)) {
        case 1:
            return w.Heim;
        case 2:
            return w.Remis;
        default:
            return w.Gast;
    }
}

std::int64_t Quote(Reihe r, const TendenzWerte& t) {
    std::int64_t q = 0;
    for (int x : reiheMitglieder(r)) q += tendenzwert(x, t);
    return q;
}

bool QuotenProof(Reihe r, const TendenzWerte& t, int untere, int obere, std::int64_t& q) {
    q = Quote(r, t);
    return untere < q && q < obere;
}

std::vector<Reihe> quotenReihen(const TScheinOffen& ts, const TendenzWerte& t, int untere, int obere) {
    std::vector<Reihe> reihen;
    if (ts.sys != 0) return reihen;
    const Feld feld(ts);
    if (feld.reihenAnzahl() == 0) return reihen;
    std::array<std::uint32_t, kKreuzIndizes + 1> wert{};
    for (int x = 1; x <= kKreuzIndizes; ++x) wert[x] = static_cast<std::uint32_t>(tendenzwert(x, t));
    const Reihensumme quote(wert);
    feld.fuerJedeReihe([&](Reihe r) {
        const std::int64_t q = quote(r);
        if (untere < q && q < obere) reihen.push_back(r);
    });
    return reihen;
}

Quotenuebersicht quotenUebersicht(const TendenzWerte& t) {
    Quotenuebersicht u;
    for (int m = 0; m < kSpiele; ++m) {
        const TTendenzWert& w = t[static_cast<std::size_t>(m)];
        u.groesste[m] = std::max({w.Heim, w.Remis, w.Gast});
        u.kleinste[m] = std::min({w.Heim, w.Remis, w.Gast});
        u.faktorGroesste *= static_cast<std::uint64_t>(u.groesste[m]);
        u.summeGroesste += u.groesste[m];
        u.faktorKleinste *= static_cast<std::uint64_t>(u.kleinste[m]);
        u.summeKleinste += u.kleinste[m];
    }
    return u;
}

Quotenfilter::Quotenfilter() : feld_(Feldvariante::Quotenfilter, 1) {}

std::uint64_t Quotenfilter::TippsListen(const TendenzWerte& t) {
    reihen_ = quotenReihen(feld_.daten(), t, untere_, obere_);
    gelistetMit_ = t;
    return reihen_.size();
}

}  // namespace kv
