#include "expansion/Feld.h"

namespace kv {

std::string feldFehler(const TScheinOffen& feld) {
    if (feld.sys > kVewSystemAnzahl)
        return "steht die unbekannte Systemnummer " + std::to_string(feld.sys) + " (erlaubt sind 0 bis " +
               std::to_string(kVewSystemAnzahl) + ")";
    if (feld.sys == 0) return {};
    const TVewSystem& s = VewSysteme[feld.sys];
    const std::string name = std::string("VEW ") + s.Name;
    const int zw = zweiwege(feld), dw = dreiwege(feld);
    if (zw != s.Zweiwege || dw != s.Dreiwege)
        return "passen das System " + name + " (" + std::to_string(s.Zweiwege) + " Zweiwege, " +
               std::to_string(s.Dreiwege) + " Dreiwege) und die Kombination aus " + std::to_string(zw) +
               " Zweiwegen und " + std::to_string(dw) + " Dreiwegen nicht zusammen";
    for (int m = 1; m <= kSpiele; ++m)
        if (tippAnzahl(feld, m) == 0)
            return "hat Spiel " + std::to_string(m) + " keinen Tipp, obwohl das Feld das System " + name +
                   " spielt";
    return {};
}

Feld::Feld(const TScheinOffen& daten) : daten_(daten), listen_(kv::tippListen(daten)) {
    if (!feldFehler(daten_).empty()) return;  // refused by the readers; no rows
    if (daten_.sys == 0) {
        anzahl_ = 1;
        for (int m = 0; m < kSpiele; ++m) anzahl_ *= listen_.anzahl[m];
        return;
    }
    // VEW: the k-th 2-way takes table column k, the k-th 3-way column Zweiwege + k.
    const int s = daten_.sys;
    const TVewSystem& sys = VewSysteme[s];
    vew_.reserve(sys.Reihen);
    for (int r = 1; r <= sys.Reihen; ++r) {
        int c2 = 0, c3 = 0;
        Reihe reihe = 0;
        for (int m = 1; m <= kSpiele; ++m) {
            int kreuz = listen_.tipp(m, 0);
            if (listen_.laenge(m) == 2) {
                ++c2;
                kreuz = listen_.tipp(m, vewCode(s, r, c2) - 4);
            } else if (listen_.laenge(m) == 3) {
                ++c3;
                kreuz = listen_.tipp(m, vewCode(s, r, sys.Zweiwege + c3) - 1);
            }
            reihe |= kreuzBit(kreuz);
        }
        vew_.push_back(reihe);
    }
    anzahl_ = vew_.size();
}

Reihe Feld::reihe(std::uint64_t k) const {
    if (istVew()) return vew_.at(k);
    Reihe r = 0;
    for (int m = kSpiele - 1; m >= 0; --m) {
        const std::uint64_t n = listen_.anzahl[m];
        r |= kreuzBit(listen_.kreuz[m][k % n]);
        k /= n;
    }
    return r;
}

}  // namespace kv
