#include "evaluation/Hauptfensterlogik.h"

#include <algorithm>
#include <cstdlib>

namespace kv {

namespace {

// p / q rounded to the nearest integer, halves to even (q > 0).
long long rundeGerade(long long p, long long q) {
    long long a = p / q;
    long long r = p % q;
    if (r < 0) {
        r += q;
        --a;
    }
    // now p = a * q + r with 0 <= r < q
    if (2 * r > q || (2 * r == q && (a % 2 != 0))) ++a;
    return a;
}

}  // namespace

Tippfarbe tippfeldFarbe(bool gekreuzt, int spalte, int ergebnis, bool beendet) {
    if (spalte == ergebnis) {
        if (gekreuzt) return beendet ? Tippfarbe::StarkGruen : Tippfarbe::HellGruen;
        return beendet ? Tippfarbe::StarkRot : Tippfarbe::HellRot;
    }
    return gekreuzt ? Tippfarbe::Gelb : Tippfarbe::Neutral;
}

Tippfarbe reihenzellenFarbe(int tippSpalte, int ergebnis, bool beendet) {
    if (tippSpalte == ergebnis) return beendet ? Tippfarbe::StarkGruen : Tippfarbe::HellGruen;
    return beendet ? Tippfarbe::StarkRot : Tippfarbe::HellRot;
}

int chancenStufe(int chance) {
    return chance >= 10 && chance <= 13 ? chance - 9 : 0;
}

int zentrierBlanks(int w, int textBreite, int blankBreite) {
    if (blankBreite <= 0) return 0;
    const long long verfuegbar = rundeGerade(7LL * w, 10);
    const long long n = rundeGerade(verfuegbar - textBreite, 2LL * blankBreite);
    return n > 0 ? static_cast<int>(n) : 0;
}

std::string tippreihenText(const Feld& feld) {
    if (feld.istVew())
        return std::to_string(VewSysteme[static_cast<std::size_t>(feld.system())].Reihen) + " VEW-Reihen";
    const std::uint64_t n = feld.reihenAnzahl();
    if (n == 0) return {};
    if (n == 1) return "1 Tippreihe";
    return std::to_string(n) + " Tippreihen";
}

std::string vewText(const Feld& feld) {
    if (!feld.istVew() || feld.system() > kVewSystemAnzahl) return {};
    return std::string("VEW ") + VewSysteme[static_cast<std::size_t>(feld.system())].Name;
}

}  // namespace kv
