// The fixture-list reader on arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pruefen.h"
#include "model/Cp1252.h"
#include "model/Spielplandatei.h"
#include "transfer/Reihenerkennung.h"

using namespace kv;

namespace {

std::size_t zeichen(const std::string& utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); i += zeichenLaenge(utf8, i)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::vector<std::uint8_t> bytes(daten, daten + groesse);
    Begegnungen b{};
    for (auto& e : b) e.Heim = "vorher";
    const int n = begegnungenAusBytes(bytes, b);
    PRUEFE(n >= 0 && n <= kSpiele);
    PRUEFE(static_cast<std::size_t>(n) == std::min<std::size_t>(groesse / kBegegnungBytes, kSpiele));
    for (int k = 0; k < kSpiele; ++k) {
        const TBegegnung& e = b[static_cast<std::size_t>(k)];
        if (k >= n) {
            PRUEFE(e.Heim == "vorher");
            continue;
        }
        PRUEFE(zeichen(e.Tendenz) <= kTendenzLaenge);
        PRUEFE(zeichen(e.Heim) <= kNamenLaenge && zeichen(e.Gast) <= kNamenLaenge);
    }
    // Written and read again, the list stays as it then is.
    Begegnungen einmal{}, zweimal{};
    PRUEFE(begegnungenAusBytes(begegnungenBytes(b), einmal) == kSpiele);
    PRUEFE(begegnungenAusBytes(begegnungenBytes(einmal), zweimal) == kSpiele);
    PRUEFE(einmal == zweimal);
    return 0;
}
