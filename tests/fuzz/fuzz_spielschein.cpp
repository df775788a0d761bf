// The slip reader, the expansion and the evaluation on arbitrary bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pruefen.h"
#include "evaluation/Auswertung.h"
#include "io/Datei.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::vector<std::uint8_t> bytes(daten, daten + groesse);
    std::vector<TScheinOffen> felder;
    try {
        felder = spielscheinAusBytes(bytes, "fuzz.kv13");
    } catch (const UngueltigeDatei&) {
        return 0;
    }
    PRUEFE(felder.size() == groesse / kFeldBytes);
    PRUEFE(spielscheinAusBytes(spielscheinBytes(felder), "wieder.kv13") == felder);

    // A winning row and finished matches from the first bytes.
    Ergebnislage lage;
    for (std::size_t m = 0; m < kSpiele && m < groesse; ++m) {
        lage.gewinnreihe[m] = static_cast<std::uint8_t>(daten[m] % 3 + 1);
        if (daten[m] & 0x80) lage.beendet = static_cast<std::uint16_t>(lage.beendet | (1u << m));
    }
    const Schein schein(felder);
    const Auswertung aw(schein, lage, true);
    std::uint64_t summe = 0;
    for (std::uint64_t c : aw.C()) summe += c;
    PRUEFE(summe == schein.zeilen());

    // Small slips row by row: the counts are those of the single rows, and
    // the chance lists hold exactly the rows with that chance, in line order.
    if (schein.zeilen() > 3000) return 0;
    std::array<std::uint64_t, kSpiele + 1> C{};
    std::array<std::uint64_t, 4> K{};
    for (std::uint64_t z = 1; z <= schein.zeilen(); ++z) {
        const int t = aw.treffer(z);
        PRUEFE(t >= 0 && t <= kSpiele);
        ++C[static_cast<std::size_t>(t)];
        const int ch = aw.chance(z);
        if (ch != kKeineChance) {
            PRUEFE(ch >= kSpiele - 3 && ch <= kSpiele);
            const int x = kSpiele - ch;
            ++K[static_cast<std::size_t>(x)];
            PRUEFE(aw.chancenEintrag(x, K[static_cast<std::size_t>(x)]) == z);
        }
    }
    PRUEFE(C == aw.C());
    PRUEFE(K == aw.K());
    for (int x = 0; x < 4; ++x) PRUEFE(aw.chancenEintrag(x, K[static_cast<std::size_t>(x)] + 1) == 0);
    std::uint64_t gezaehlt = 0;
    schein.fuerJedesFeld([&](const Feld& f) {
        std::uint64_t n = 0;
        f.fuerJedeReihe([&](Reihe) { ++n; });
        PRUEFE(n == f.reihenAnzahl());
        gezaehlt += n;
    });
    PRUEFE(gezaehlt == schein.zeilen());
    return 0;
}
