#include "garantie/Garantieanalyse.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace kv {

namespace {

// Index step of match m (1-based): match 13 changes fastest, as in a full system's row order.
constexpr std::array<std::uint32_t, kSpiele> schrittweiten() {
    std::array<std::uint32_t, kSpiele> s{};
    std::uint32_t w = 1;
    for (int m = kSpiele - 1; m >= 0; --m) {
        s[m] = w;
        w *= 3;
    }
    return s;
}
constexpr auto kSchritt = schrittweiten();

// Larger than any real distance; the passes may raise it, never wrap it.
constexpr std::uint8_t kFern = kSpiele;

std::uint32_t indexVon(const std::array<std::uint8_t, kSpiele>& spalten) {
    std::uint32_t i = 0;
    for (int m = 0; m < kSpiele; ++m) i += static_cast<std::uint32_t>(spalten[m] - 1) * kSchritt[m];
    return i;
}

// The outcome a row plays, straight from its crosses: four matches (12 bits)
// at a time through a table of their four base-3 digits. A match takes its
// lowest cross, as spaltenDerReihe() does; every row analysed has one cross
// on every match.
constexpr std::array<std::uint8_t, 4096> vierSpieleTabelle() {
    std::array<std::uint8_t, 4096> t{};
    for (unsigned bits = 0; bits < 4096; ++bits) {
        unsigned wert = 0;
        for (int k = 0; k < 4; ++k) {  // the chunk's first match is its highest digit
            const unsigned gruppe = (bits >> (3 * k)) & 7u;
            wert = wert * 3 + (gruppe & 1u ? 0 : gruppe & 2u ? 1 : gruppe & 4u ? 2 : 0);
        }
        t[bits] = static_cast<std::uint8_t>(wert);
    }
    return t;
}
constexpr auto kVierSpiele = vierSpieleTabelle();

}  // namespace

std::uint32_t ausgangsindex(Reihe r) {
    const Reihe k = r >> kreuzIndex(1, 1);  // match m's crosses at bits 3(m-1) .. 3(m-1)+2
    const unsigned letztes = static_cast<unsigned>(k >> 36) & 7u;
    return kVierSpiele[k & 0xfff] * kSchritt[3] + kVierSpiele[(k >> 12) & 0xfff] * kSchritt[7] +
           kVierSpiele[(k >> 24) & 0xfff] * kSchritt[11] +
           (letztes & 1u   ? 0u
            : letztes & 2u ? 1u
                           : 2u);
}

namespace {

// Calls f(index) for every outcome of the span.
template <class F>
void fuerJedenAusgang(const Ausgangsbereich& b, int m, std::uint32_t basis, F& f) {
    const std::uint8_t maske = b.spalten[m];
    for (int c = 0; c < kSpalten; ++c) {
        if (!((maske >> c) & 1u)) continue;
        const std::uint32_t i = basis + static_cast<std::uint32_t>(c) * kSchritt[m];
        if (m == kSpiele - 1)
            f(i);
        else
            fuerJedenAusgang(b, m + 1, i, f);
    }
}

template <class F>
void fuerJedenAusgang(const Ausgangsbereich& b, F&& f) {
    if (b.anzahl() == 0) return;
    if (b == Ausgangsbereich::alle()) {
        for (std::uint32_t i = 0; i < kAlleAusgaenge; ++i) f(i);
        return;
    }
    fuerJedenAusgang(b, 0, 0, f);
}

}  // namespace

Ausgangsbereich Ausgangsbereich::alle() {
    Ausgangsbereich b;
    b.spalten.fill(0b111);
    return b;
}

Ausgangsbereich Ausgangsbereich::ausFeld(const TScheinOffen& feld) {
    Ausgangsbereich b;
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if (feld.kreuz(m, c))
                b.spalten[m - 1] = static_cast<std::uint8_t>(b.spalten[m - 1] | (1u << (c - 1)));
    return b;
}

std::uint64_t Ausgangsbereich::anzahl() const {
    std::uint64_t n = 1;
    for (std::uint8_t s : spalten)
        n *= static_cast<std::uint64_t>(std::popcount(static_cast<unsigned>(s & 0b111)));
    return n;
}

std::uint64_t Trefferverteilung::ausgaenge() const {
    std::uint64_t n = 0;
    for (auto b : beste) n += b;
    return n;
}

Garantieanalyse::Garantieanalyse(const Schein& schein) : abstand_(kAlleAusgaenge, kFern) {
    bool reihen = false;
    const auto& abschnitte = schein.abschnitte();
    for (std::size_t ai = 0; ai < abschnitte.size(); ++ai) {
        const Schein::Abschnitt& a = abschnitte[ai];
        if (a.einzeln) {  // a run of single rows, taken as they are held
            const Reihe* r = schein.einzelreihen() + a.index;
            const std::size_t n = schein.abschnittFelder(ai);
            for (std::size_t i = 0; i < n; ++i) abstand_[ausgangsindex(r[i])] = 0;
            reihen = reihen || n > 0;
            continue;
        }
        const Feld& f = schein.mehrfeld(a);
        if (f.reihenAnzahl() == 0) continue;
        reihen = true;
        if (f.istVew()) {
            for (Reihe r : f.vewReihen()) abstand_[ausgangsindex(r)] = 0;
        } else if (f.reihenAnzahl() == 1) {
            abstand_[ausgangsindex(f.reihe(0))] = 0;
        } else {
            // A full system plays every outcome within its tips.
            fuerJedenAusgang(Ausgangsbereich::ausFeld(f.daten()), [&](std::uint32_t i) { abstand_[i] = 0; });
        }
    }
    if (!reihen)
        throw KeineReihen("Der Spielschein enthält keine Tippreihe; ohne Reihen gibt es keine Garantie.");
    abstaendeBerechnen();
}

Garantieanalyse::Garantieanalyse(const std::vector<Reihe>& reihen) : abstand_(kAlleAusgaenge, kFern) {
    if (reihen.empty()) throw KeineReihen("Es gibt keine Tippreihe; ohne Reihen gibt es keine Garantie.");
    for (Reihe r : reihen) abstand_[ausgangsindex(r)] = 0;
    abstaendeBerechnen();
}

Garantieanalyse::Garantieanalyse(const std::vector<Ausgangsbereich>& systeme,
                                 const std::vector<Reihe>& reihen,
                                 const std::vector<std::uint32_t>& jeAusgang)
    : abstand_(kAlleAusgaenge, kFern) {
    bool gespielt = !reihen.empty();
    for (const Ausgangsbereich& b : systeme) {
        gespielt = gespielt || b.anzahl() > 0;
        fuerJedenAusgang(b, [&](std::uint32_t i) { abstand_[i] = 0; });
    }
    for (Reihe r : reihen) abstand_[ausgangsindex(r)] = 0;
    if (jeAusgang.size() == kAlleAusgaenge)
        for (std::uint32_t i = 0; i < kAlleAusgaenge; ++i)
            if (jeAusgang[i] != 0) {
                abstand_[i] = 0;
                gespielt = true;
            }
    if (!gespielt) throw KeineReihen("Es gibt keine Tippreihe; ohne Reihen gibt es keine Garantie.");
    abstaendeBerechnen();
}

// After the pass for one match, every outcome holds the distance to the
// nearest row that agrees with it on the matches not yet relaxed; after all
// 13 passes that is the distance to the nearest row.
void Garantieanalyse::abstaendeBerechnen() {
    std::uint8_t* d = abstand_.data();
    for (int m = kSpiele - 1; m >= 0; --m) {
        const std::uint32_t s = kSchritt[m];
        for (std::uint32_t basis = 0; basis < kAlleAusgaenge; basis += 3 * s) {
            std::uint8_t* a = d + basis;
            std::uint8_t* b = a + s;
            std::uint8_t* c = b + s;
            for (std::uint32_t i = 0; i < s; ++i) {
                const auto n = static_cast<std::uint8_t>(std::min({a[i], b[i], c[i]}) + 1);
                a[i] = std::min(a[i], n);
                b[i] = std::min(b[i], n);
                c[i] = std::min(c[i], n);
            }
        }
    }
}

int Garantieanalyse::besteTreffer(const std::array<std::uint8_t, kSpiele>& ausgang) const {
    return kSpiele - abstand_[indexVon(ausgang)];
}

Trefferverteilung Garantieanalyse::verteilung(const Ausgangsbereich& bereich) const {
    std::array<std::uint64_t, kSpiele + 1> jeAbstand{};
    const std::uint8_t* d = abstand_.data();
    if (bereich.anzahl() == 1) {  // a single row's field: one outcome
        std::array<std::uint8_t, kSpiele> spalten{};
        for (int m = 0; m < kSpiele; ++m)
            spalten[m] =
                static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(bereich.spalten[m])) + 1);
        ++jeAbstand[d[indexVon(spalten)]];
    } else {
        fuerJedenAusgang(bereich, [&](std::uint32_t i) { ++jeAbstand[d[i]]; });
    }
    Trefferverteilung v;
    for (int a = 0; a <= kSpiele; ++a) {
        if (jeAbstand[a] == 0) continue;
        v.beste[static_cast<std::size_t>(std::min(a, 4))] += jeAbstand[a];
        v.garantie = kSpiele - a;  // the largest distance seen last
    }
    return v;
}

const Trefferverteilung& Garantiebericht::feld(std::size_t i) const {
    // the last run that starts at or before field i
    const auto nach = std::upper_bound(laeufe.begin(), laeufe.end(), i,
                                       [](std::size_t f, const Lauf& l) { return f < l.erstesFeld; });
    return std::prev(nach)->verteilung;
}

Garantiebericht garantieBericht(const Schein& schein) {
    return garantieBericht(Garantieanalyse(schein), schein);
}

Ausgangsbereich scheinTipps(const Schein& schein) {
    Ausgangsbereich tipps;
    Reihe kreuze = 0;  // every cross of every field
    const auto& abschnitte = schein.abschnitte();
    for (std::size_t ai = 0; ai < abschnitte.size(); ++ai) {
        const Schein::Abschnitt& a = abschnitte[ai];
        if (!a.einzeln) {
            const Ausgangsbereich feld = Ausgangsbereich::ausFeld(schein.mehrfeld(a).daten());
            for (std::size_t m = 0; m < tipps.spalten.size(); ++m)
                tipps.spalten[m] = static_cast<std::uint8_t>(tipps.spalten[m] | feld.spalten[m]);
            continue;
        }
        const Reihe* reihen = schein.einzelreihen() + a.index;
        const std::size_t n = schein.abschnittFelder(ai);
        for (std::size_t i = 0; i < n; ++i) kreuze |= reihen[i];
    }
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if ((kreuze >> kreuzIndex(m, c)) & 1u)
                tipps.spalten[static_cast<std::size_t>(m - 1)] = static_cast<std::uint8_t>(
                    tipps.spalten[static_cast<std::size_t>(m - 1)] | (1u << (c - 1)));
    return tipps;
}

Garantiebericht garantieBericht(const Garantieanalyse& analyse, const Schein& schein) {
    Garantiebericht b;
    b.alle = analyse.verteilung(Ausgangsbereich::alle());
    std::size_t felder = 0;
    const auto anhaengen = [&](std::size_t n, const Trefferverteilung& v) {
        if (n == 0) return;
        if (!b.laeufe.empty() && b.laeufe.back().verteilung == v)
            b.laeufe.back().felder += n;
        else
            b.laeufe.push_back({felder, n, v});
        felder += n;
    };
    // The span of a single-row field is its own row, which the slip holds:
    // one outcome with 13 hits. Runs of them need no field made up each.
    Trefferverteilung eigeneReihe;
    eigeneReihe.beste[0] = 1;
    eigeneReihe.garantie = kSpiele;
    const auto& abschnitte = schein.abschnitte();
    for (std::size_t ai = 0; ai < abschnitte.size(); ++ai) {
        const Schein::Abschnitt& a = abschnitte[ai];
        if (a.einzeln)
            anhaengen(schein.abschnittFelder(ai), eigeneReihe);
        else
            anhaengen(1, analyse.verteilung(Ausgangsbereich::ausFeld(schein.mehrfeld(a).daten())));
    }
    b.tipps = analyse.verteilung(scheinTipps(schein));
    return b;
}

}  // namespace kv
