// The score file reader on arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pruefen.h"
#include "model/Spielstandsdatei.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::vector<std::uint8_t> bytes(daten, daten + groesse);
    Spielstaende stand{};
    for (auto& s : stand) s = {77, 78, 1};  // what records beyond the file's end keep
    const int n = spielstaendeAusBytes(bytes, stand);
    PRUEFE(n >= 0 && n <= kSpiele &&
           static_cast<std::size_t>(n) == std::min<std::size_t>(groesse / 3, kSpiele));
    for (int k = 0; k < kSpiele; ++k) {
        const TSpielstand& s = stand[static_cast<std::size_t>(k)];
        if (k < n) {
            PRUEFE(s.Heim == bytes[3 * k] && s.Gast == bytes[3 * k + 1]);
            PRUEFE(s.Beendet == (bytes[3 * k + 2] != 0 ? 1 : 0));
        } else {
            PRUEFE((s == TSpielstand{77, 78, 1}));
        }
    }
    Spielstaende wieder{};
    PRUEFE(spielstaendeAusBytes(spielstaendeBytes(stand), wieder) == kSpiele);
    PRUEFE(wieder == stand);
    return 0;
}
