#include "eingabe/Tippvorschlag.h"

namespace kv {

namespace {

// The members of column c (1..3) of every match.
constexpr Reihe spaltenMaske(int spalte) {
    Reihe m = 0;
    for (int s = 1; s <= kSpiele; ++s) m |= kreuzBit(kreuzIndex(s, spalte));
    return m;
}
constexpr std::array<Reihe, 3> kSpaltenMasken = {spaltenMaske(1), spaltenMaske(2), spaltenMaske(3)};

}  // namespace

TScheinOffen tippVorschlag(const TendenzWerte& tendenzen, const Vorschlagseinstellungen& e) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m) {
        const TTendenzWert& t = tendenzen[static_cast<std::size_t>(m - 1)];
        const std::array<int, 3> w = {t.Heim, t.Remis, t.Gast};
        int nur = 0;
        for (int j = 1; j <= kSpalten && nur == 0; ++j)
            if (e.nur[j - 1] && w[j - 1] > e.schwelle[j - 1]) nur = j;
        for (int k = 1; k <= kSpalten; ++k)
            f.setzeKreuz(m, k, nur != 0 ? k == nur : w[k - 1] > e.schwelle[k - 1]);
    }
    return f;
}

std::string tippgruppen(const TScheinOffen& feld) {
    std::string s;
    for (int m = 1; m <= kSpiele; ++m) {
        if (m > 1) s += ',';
        for (int c = 1; c <= kSpalten; ++c)
            if (feld.kreuz(m, c)) s += zeichenVonSpalte(c);
    }
    return s;
}

bool filterLaesstDurch(Reihe r, const Reihenfilter& f) {
    if (!f.an) return true;
    for (int c = 0; c < kSpalten; ++c)
        if (mitglieder(r & kSpaltenMasken[c]) > f.hoechstens[c]) return false;
    return true;
}

}  // namespace kv
