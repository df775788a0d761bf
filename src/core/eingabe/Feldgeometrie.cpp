#include "eingabe/Feldgeometrie.h"

namespace kv {

namespace {

bool imKasten(int wert, int anfang, int groesse) {
    return wert >= anfang && wert <= anfang + groesse - 1;
}

// The first match line whose box rows include y; 0 for none.
int spielBei(int y) {
    for (int m = 1; m <= kSpiele; ++m)
        if (imKasten(y, kSpielOben[m], kKastenHoehe)) return m;
    return 0;
}

}  // namespace

std::optional<Treffer> trefferTest(int x, int y) {
    int von = 0, bis = -1, was = 0;
    if (x < kTippGrenzeX) {
        von = 1, bis = kSpalten, was = 1;
    } else if (x >= kMarkenX) {
        von = kZweiwegSpalte, bis = kDreiwegSpalte, was = 2;
    }
    for (int c = von; c <= bis; ++c) {
        if (!imKasten(x, kSpalteLinks[c], kKastenBreite)) continue;
        const int m = spielBei(y);
        if (m == 0) return std::nullopt;
        return Treffer{c, m, was};
    }
    return std::nullopt;
}

Punkt markenPosition(int spalte, int spiel, int dx) {
    return {kSpalteLinks[spalte] + dx, kSpielOben[spiel] - 4};
}

Markenklick KreuzKlick(int tag) {
    const int z = tag % 1000;
    return {tag / 1000, z, z / 100 > kSpalten ? 2 : 1};
}

}  // namespace kv
