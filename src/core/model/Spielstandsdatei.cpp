#include "model/Spielstandsdatei.h"

#include <algorithm>

#include "io/Datei.h"

namespace kv {

int spielstaendeAusBytes(const std::vector<std::uint8_t>& daten, Spielstaende& stand) {
    const std::size_t anzahl = std::min(daten.size() / kSpielstandBytes, stand.size());
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::uint8_t* satz = daten.data() + k * kSpielstandBytes;
        stand[k].Heim = satz[0];
        stand[k].Gast = satz[1];
        stand[k].Beendet = satz[2] != 0 ? 1 : 0;
    }
    return static_cast<int>(anzahl);
}

int leseSpielstaende(const std::string& pfad, Spielstaende& stand) {
    return spielstaendeAusBytes(leseDateianfang(pfad, stand.size() * kSpielstandBytes), stand);
}

std::vector<std::uint8_t> spielstaendeBytes(const Spielstaende& stand) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(stand.size() * kSpielstandBytes);
    for (const TSpielstand& s : stand) {
        bytes.push_back(s.Heim);
        bytes.push_back(s.Gast);
        bytes.push_back(s.Beendet != 0 ? 1 : 0);
    }
    return bytes;
}

void schreibeSpielstaende(const std::string& pfad, const Spielstaende& stand) {
    schreibeAtomar(pfad, spielstaendeBytes(stand));
}

}  // namespace kv
