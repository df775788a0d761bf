#include "garantie/Garantietexte.h"

namespace kv {

std::string tausender(std::uint64_t n) {
    std::string ziffern = std::to_string(n);
    for (auto i = static_cast<std::ptrdiff_t>(ziffern.size()) - 3; i > 0; i -= 3)
        ziffern.insert(static_cast<std::size_t>(i), 1, '.');
    return ziffern;
}

std::string bereichsName(std::size_t feld) {
    if (feld == kScheintipps) return "Tipps des Spielscheins";
    return feld == 0 ? "Alle Ausgänge" : "Feld " + std::to_string(feld);
}

std::string garantieZeile(const Trefferverteilung& v, std::size_t feld) {
    const std::string n = tausender(v.ausgaenge());
    const std::string ausgaenge = v.ausgaenge() == 1 ? "1 Ausgang" : n + " Ausgänge";
    if (v.garantie == kKeineGarantie) {
        if (feld == kScheintipps)
            return "Ein Spiel hat in keinem Feld einen Tipp: kein Ausgang liegt innerhalb der Tipps.";
        return bereichsName(feld) + " ist unvollständig: kein Ausgang liegt innerhalb seiner Tipps.";
    }
    if (feld == 0) {
        if (v.garantie == 0)
            return "Keine Garantie: bei manchen der " + n +
                   " Ausgänge trifft keine Reihe ein einziges Spiel.";
        return "Garantie: " + std::to_string(v.garantie) + " Richtige bei jedem der " + n + " Ausgänge.";
    }
    const std::string von = feld == kScheintipps ? "des Spielscheins" : "von Feld " + std::to_string(feld);
    const std::string wenn =
        "wenn alle Ergebnisse innerhalb der Tipps " + von + " liegen (" + ausgaenge + ")";
    if (v.garantie == 0) return "Keine Garantie, auch " + wenn + ".";
    return "Garantie: " + std::to_string(v.garantie) + " Richtige, " + wenn + ".";
}

}  // namespace kv
