#include "evaluation/Auswertung.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace kv {

int Ergebnislage::beendetAnzahl() const {
    return std::popcount(static_cast<unsigned>(beendet & 0x1FFFu));
}

Auswertung::Auswertung(const Schein& schein, const Ergebnislage& lage, bool rechts)
    : schein_(&schein), lage_(lage), rechts_(rechts) {
    W_ = lage_.gewinnmenge();
    F_ = lage_.beendetMenge();
    nF_ = lage_.beendetAnzahl();
    teile_.resize(schein.abschnitte().size());
    for (std::size_t a = 0; a < teile_.size(); ++a) abschnittAuswerten(a);
}

int Auswertung::fehlerVon(Reihe r) const {
    return nF_ - kv::treffer(r, F_);
}

void Auswertung::abschnittAuswerten(std::size_t a) {
    const Schein::Abschnitt& ab = schein_->abschnitte()[a];
    Teil& teil = teile_[a];
    teil.kumK = K_;
    std::array<std::uint64_t, kSpiele + 1> c{};
    std::array<std::uint64_t, 4> k{};
    if (ab.einzeln) {
        // A run of single-row fields: one pass over its rows.
        teil.lauf =
            reihenZaehlen(schein_->einzelreihen() + ab.index, schein_->abschnittFelder(a), W_, F_, nF_);
        c = teil.lauf.C;
        k = teil.lauf.K;
    } else if (const Feld& feld = schein_->mehrfeld(ab); feld.istVew() || feld.reihenAnzahl() == 1) {
        // Few rows: count them one by one.
        feld.fuerJedeReihe([&](Reihe r) {
            ++c[kv::treffer(r, W_)];
            const int x = fehlerVon(r);
            if (x <= 3) ++k[x];
        });
    } else if (feld.reihenAnzahl() > 1) {
        // A full system: every match contributes (n - a) + a·x to the hit
        // polynomial, where a = 1 when the winning tip is crossed. Finished
        // matches contribute a + (n - a)·y to the miss polynomial, running
        // ones a factor n. The coefficients are the counts.
        const TippListen& L = feld.tippListen();
        std::array<std::uint64_t, kSpiele + 1> P{};
        P[0] = 1;
        std::array<std::uint64_t, 4> Q{};
        Q[0] = 1;
        for (int m = 0; m < kSpiele; ++m) {
            const std::uint64_t n = L.anzahl[m];
            const int w = kreuzIndex(m + 1, lage_.gewinnreihe[m]);
            std::uint64_t treffer = 0;
            for (int i = 0; i < L.anzahl[m]; ++i) treffer += L.kreuz[m][i] == w ? 1 : 0;
            const std::uint64_t b = n - treffer;
            for (int h = m + 1; h >= 1; --h) P[h] = P[h] * b + P[h - 1] * treffer;
            P[0] *= b;
            if (lage_.istBeendet(m + 1)) {
                for (int j = 3; j >= 1; --j) Q[j] = Q[j] * treffer + Q[j - 1] * b;
                Q[0] *= treffer;
            } else {
                for (auto& q : Q) q *= n;
            }
        }
        c = P;
        k = Q;
    }
    for (int h = 0; h <= kSpiele; ++h) C_[h] += c[h];
    if (!ab.einzeln)
        teil.feldC = {static_cast<std::uint32_t>(c[10]), static_cast<std::uint32_t>(c[11]),
                      static_cast<std::uint32_t>(c[12]), static_cast<std::uint32_t>(c[13])};
    if (!rechts_) k = {};
    for (int x = 0; x < 4; ++x) K_[x] += k[x];
}

std::array<std::uint64_t, 4> Auswertung::feldKlassen(std::size_t f) const {
    if (f >= schein_->feldAnzahl()) throw std::out_of_range("Feld außerhalb des Spielscheins");
    const std::size_t a = schein_->abschnittVonFeld(f);
    const Schein::Abschnitt& ab = schein_->abschnitte()[a];
    if (ab.einzeln) {
        std::array<std::uint64_t, 4> c{};
        const int h = kv::treffer(schein_->einzelreihen()[ab.index + (f - ab.feld)], W_);
        if (h >= 10) c[static_cast<std::size_t>(h - 10)] = 1;
        return c;
    }
    const auto& c = teile_[a].feldC;
    return {c[0], c[1], c[2], c[3]};
}

std::uint64_t Auswertung::maxK() const {
    return *std::max_element(K_.begin(), K_.end());
}

int Auswertung::treffer(std::uint64_t zeile) const {
    return kv::treffer(schein_->reihe(zeile), W_);
}

int Auswertung::chance(std::uint64_t zeile) const {
    const int x = fehlerVon(schein_->reihe(zeile));
    return x <= 3 ? kSpiele - x : kKeineChance;
}

std::uint64_t Auswertung::chancenEintrag(int x, std::uint64_t k) const {
    if (!rechts_ || x < 0 || x > 3 || k < 1 || k > K_[x]) return 0;
    // The section holding entry k: the last one with fewer than k entries before it.
    const auto it =
        std::partition_point(teile_.begin(), teile_.end(), [&](const Teil& t) { return t.kumK[x] < k; });
    const auto a = static_cast<std::size_t>(it - teile_.begin() - 1);
    const Schein::Abschnitt& ab = schein_->abschnitte()[a];
    const std::uint64_t j = k - teile_[a].kumK[x] - 1;
    if (ab.einzeln) {
        const std::size_t n = schein_->abschnittFelder(a);
        return ab.zeile +
               reiheMitFehlern(schein_->einzelreihen() + ab.index, n, teile_[a].lauf, F_, nF_, x, j) + 1;
    }
    return ab.zeile + feldEintrag(schein_->mehrfeld(ab), x, j) + 1;
}

// Row index (0-based) of the j-th (0-based) row of field f with exactly x misses.
std::uint64_t Auswertung::feldEintrag(const Feld& feld, int x, std::uint64_t j) const {
    if (feld.istVew() || feld.reihenAnzahl() == 1) {
        for (std::uint64_t i = 0; i < feld.reihenAnzahl(); ++i)
            if (fehlerVon(feld.reihe(i)) == x && j-- == 0) return i;
        return 0;
    }
    const TippListen& L = feld.tippListen();
    // S[m][y]: completions of matches m..13 (0-based m) with exactly y misses.
    std::uint64_t S[kSpiele + 1][4] = {};
    S[kSpiele][0] = 1;
    auto fehlt = [&](int m, int i) {
        return lage_.istBeendet(m + 1) && L.kreuz[m][i] != kreuzIndex(m + 1, lage_.gewinnreihe[m]) ? 1 : 0;
    };
    for (int m = kSpiele - 1; m >= 0; --m)
        for (int y = 0; y < 4; ++y)
            for (int i = 0; i < L.anzahl[m]; ++i) {
                const int rest = y - fehlt(m, i);
                if (rest >= 0) S[m][y] += S[m + 1][rest];
            }
    std::uint64_t index = 0;
    int rest = x;
    for (int m = 0; m < kSpiele; ++m) {
        int gewaehlt = 0;
        for (int i = 0; i < L.anzahl[m]; ++i) {
            const int r = rest - fehlt(m, i);
            if (r < 0) continue;
            if (j < S[m + 1][r]) {
                gewaehlt = i;
                rest = r;
                break;
            }
            j -= S[m + 1][r];
        }
        index = index * L.anzahl[m] + static_cast<std::uint64_t>(gewaehlt);
    }
    return index;
}

}  // namespace kv
