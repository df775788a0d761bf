#include "model/TippListen.h"

namespace kv {

TippListen tippListen(const TScheinOffen& feld) {
    TippListen t;
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if (feld.kreuz(m, c))
                t.kreuz[m - 1][t.anzahl[m - 1]++] = static_cast<std::uint8_t>(kreuzIndex(m, c));
    return t;
}

int tippAnzahl(const TScheinOffen& feld, int spiel) {
    int n = 0;
    for (int c = 1; c <= kSpalten; ++c) n += feld.kreuz(spiel, c) ? 1 : 0;
    return n;
}

namespace {
int spieleMit(const TScheinOffen& feld, int tipps) {
    int n = 0;
    for (int m = 1; m <= kSpiele; ++m) n += tippAnzahl(feld, m) == tipps ? 1 : 0;
    return n;
}
}  // namespace

int zweiwege(const TScheinOffen& feld) {
    return spieleMit(feld, 2);
}
int dreiwege(const TScheinOffen& feld) {
    return spieleMit(feld, 3);
}
bool hatLeeresSpiel(const TScheinOffen& feld) {
    return spieleMit(feld, 0) > 0;
}

std::uint64_t angezeigteReihenAnzahl(const TScheinOffen& feld) {
    std::uint64_t n = 1;
    bool irgendeinKreuz = false;
    for (int m = 1; m <= kSpiele; ++m) {
        const int t = tippAnzahl(feld, m);
        irgendeinKreuz = irgendeinKreuz || t > 0;
        if (t >= 2) n *= static_cast<std::uint64_t>(t);
    }
    return irgendeinKreuz ? n : 0;
}

}  // namespace kv
