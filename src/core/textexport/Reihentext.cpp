#include "textexport/Reihentext.h"

#include <string>
#include <string_view>
#include <vector>

#include "io/Datei.h"

namespace kv {

namespace {

char zeichenDes(unsigned muster, char leer) {
    // the lowest cross decides, as in spaltenDerReihe()
    for (int c = 1; c <= kSpalten; ++c)
        if (muster & (1u << (c - 1))) return zeichenVonSpalte(c);
    return leer;
}

}  // namespace

Reihenzeichen::Reihenzeichen(char trenner, char leer) : vierBreite_(trenner ? 8 : 4) {
    for (unsigned v = 0; v < vier_.size(); ++v) {
        char b[8] = {};
        int k = 0;
        for (int j = 0; j < 4; ++j) {
            b[k++] = zeichenDes((v >> (3 * j)) & 7u, leer);
            if (trenner) b[k++] = trenner;
        }
        std::memcpy(&vier_[v], b, 8);
    }
    for (unsigned m = 0; m < letzter_.size(); ++m) letzter_[m] = zeichenDes(m, leer);
}

Zeilennummer::Zeilennummer(std::uint64_t n) {
    const std::string s = std::to_string(n);
    stellen_.fill('0');
    erste_ = kStellen - static_cast<int>(s.size());
    std::memcpy(stellen_.data() + erste_, s.data(), s.size());
}

void ReihenAlsText(const Schein& schein, const std::string& pfad) {
    AtomaresSchreiben datei(pfad);
    const std::uint64_t n = schein.zeilen();
    // The columns written are those the first row has tips in, from match 1
    // on; a first row with a tip on every match (always so for rows of a
    // valid slip) lets every row but an incomplete one come from the table.
    int spalten = 0;
    if (n > 0) {
        const auto sp = spaltenDerReihe(schein.reihe(1));
        while (spalten < kSpiele && sp[static_cast<std::size_t>(spalten)]) ++spalten;
    }
    if (spalten > 0) {
        const Reihenzeichen zeichen(',', 0);
        constexpr std::size_t kBlock = 1 << 20;
        std::vector<char> block(kBlock + 64);
        std::size_t k = 0;
        schein.fuerJedeReihe([&](Reihe r) {
            char* p = block.data() + k;
            if (spalten == kSpiele && Reihenzeichen::vollstaendig(r)) {
                p = zeichen.schreibe(r, p);
            } else {
                const auto sp = spaltenDerReihe(r);
                if (!sp[0]) return;
                for (int m = 0; m < spalten; ++m) {
                    if (m) *p++ = ',';
                    if (sp[static_cast<std::size_t>(m)])
                        *p++ = zeichenVonSpalte(sp[static_cast<std::size_t>(m)]);
                }
            }
            *p++ = '\r';
            *p++ = '\n';
            k = static_cast<std::size_t>(p - block.data());
            if (k >= kBlock) {
                datei.schreibe(std::string_view(block.data(), k));
                k = 0;
            }
        });
        datei.schreibe(std::string_view(block.data(), k));
    }
    datei.abschliessen();
}

}  // namespace kv
