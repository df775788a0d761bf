#include "evaluation/Reihentabelle.h"

namespace kv {

Reihentabelle::Reihentabelle(const Schein& schein, const Auswertung* auswertung)
    : schein_(&schein), auswertung_(auswertung) {}

std::string Reihentabelle::kopf(int spalte) {
    if (spalte == 0) return "Tipp";
    if (spalte == kChanceSpalte) return "Ch";
    if (spalte >= 1 && spalte <= kSpiele) return std::to_string(spalte);
    return {};
}

Reihe Reihentabelle::reihe(std::uint64_t zeile) const {
    if (zeile != letzteZeile_) {
        letzteReihe_ = schein_->reihe(zeile);
        letzteZeile_ = zeile;
    }
    return letzteReihe_;
}

int Reihentabelle::tippSpalte(std::uint64_t zeile, int spiel) const {
    const Reihe r = reihe(zeile);
    for (int c = 1; c <= kSpalten; ++c)
        if (r & kreuzBit(kreuzIndex(spiel, c))) return c;
    return 0;
}

int Reihentabelle::chance(std::uint64_t zeile) const {
    return auswertung_ ? auswertung_->chance(zeile) : kKeineChance;
}

std::string Reihentabelle::zelle(int spalte, std::uint64_t zeile) const {
    if (zeile == 0) return kopf(spalte);
    if (zeile > schein_->zeilen() || spalte < 0 || spalte >= kReihenSpalten) return {};
    if (spalte == 0) return std::to_string(zeile);
    if (spalte == kChanceSpalte) {
        if (!auswertung_) return {};
        const int c = chance(zeile);
        return c == kKeineChance ? std::string("---") : std::to_string(c);
    }
    const int s = tippSpalte(zeile, spalte);
    return s ? std::string(1, zeichenVonSpalte(s)) : std::string();
}

}  // namespace kv
