#include "model/Tipp.h"

namespace kv {

Reihe reiheAusSpalten(const std::array<std::uint8_t, kSpiele>& spalten) {
    Reihe r = 0;
    for (int m = 1; m <= kSpiele; ++m) r |= kreuzBit(kreuzIndex(m, spalten[m - 1]));
    return r;
}

std::array<std::uint8_t, kSpiele> spaltenDerReihe(Reihe r) {
    std::array<std::uint8_t, kSpiele> s{};
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if (r & kreuzBit(kreuzIndex(m, c))) {
                s[m - 1] = static_cast<std::uint8_t>(c);
                break;
            }
    return s;
}

std::array<int, kSpiele> reiheMitglieder(Reihe r) {
    std::array<int, kSpiele> out{};
    int n = 0;
    for (int i = 1; i <= kKreuzIndizes && n < kSpiele; ++i)
        if (r & kreuzBit(i)) out[n++] = i;
    return out;
}

std::string reiheZiffern(Reihe r) {
    std::string s(kSpiele, '?');
    const auto sp = spaltenDerReihe(r);
    for (int m = 0; m < kSpiele; ++m)
        if (sp[m]) s[m] = zeichenVonSpalte(sp[m]);
    return s;
}

Reihe mengeAus(const std::array<std::uint8_t, kSpiele>& spalten, std::uint16_t spiele) {
    Reihe r = 0;
    for (int m = 1; m <= kSpiele; ++m)
        if ((spiele >> (m - 1)) & 1u) r |= kreuzBit(kreuzIndex(m, spalten[m - 1]));
    return r;
}

}  // namespace kv
