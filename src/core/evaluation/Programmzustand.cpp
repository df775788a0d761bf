#include "evaluation/Programmzustand.h"

namespace kv {

namespace {
constexpr std::uint16_t kAlleSpiele = 0x1FFF;
}

Programmzustand::Programmzustand() {
    spielTendenz.fill(2);
    gewinnreihe.fill(2);
}

Ergebnislage Programmzustand::lage() const {
    Ergebnislage l;
    l.gewinnreihe = gewinnreihe;
    l.beendet = beendeteSpiele;
    return l;
}

void Programmzustand::gewinnauswertung() {
    const Ergebnislage l = lage();
    gewinnmenge_ = l.gewinnmenge();
    for (auto& slot : slots) slot->auswertung.emplace(slot->schein, l, slot->rechts);
}

Scheinslot& Programmzustand::neuerSlot(const std::string& datei, bool rechts) {
    slots.push_back(std::make_unique<Scheinslot>());
    slots.back()->datei = datei;
    slots.back()->rechts = rechts;
    return *slots.back();
}

void Programmzustand::letztenSlotZurueckgeben() {
    if (!slots.empty()) slots.pop_back();
}

void Programmzustand::linkenScheinLeeren() {
    if (linkerSchein >= 0 && linkerSchein < scheinAnzahl()) {
        Scheinslot& s = *slots[static_cast<std::size_t>(linkerSchein)];
        s.auswertung.reset();
        s.schein.leeren();
    }
    linkerSchein = -1;
    linkerFelder = -1;
}

void Programmzustand::spielstandGeaendert(int spiel, int heim, int gast) {
    TSpielstand& s = spielstaende[spiel - 1];
    s.Heim = static_cast<std::uint8_t>(heim);
    s.Gast = static_cast<std::uint8_t>(gast);
    spielTendenz[spiel - 1] = static_cast<std::uint8_t>(tendenz(heim, gast));
    if (gewinnreiheDirekt) {
        // The first score change after a direct entry brings back all 13 tendencies.
        gewinnreiheDirekt = false;
        gewinnreihe = spielTendenz;
    } else {
        gewinnreihe[spiel - 1] = spielTendenz[spiel - 1];
    }
}

void Programmzustand::setzeBeendet(int spiel, bool beendet) {
    const auto bit = static_cast<std::uint16_t>(1u << (spiel - 1));
    spielstaende[spiel - 1].Beendet = beendet ? 1 : 0;
    beendeteSpiele = static_cast<std::uint16_t>(beendet ? (beendeteSpiele | bit) : (beendeteSpiele & ~bit));
    gewinnreihe[spiel - 1] = spielTendenz[spiel - 1];
}

void Programmzustand::allesUmschalten() {
    alleBeendet = !alleBeendet;
    beendeteSpiele = alleBeendet ? kAlleSpiele : 0;
    for (auto& s : spielstaende) s.Beendet = alleBeendet ? 1 : 0;
}

void Programmzustand::gewinnreiheDirektSetzen(const std::array<std::uint8_t, kSpiele>& spalten) {
    gewinnreihe = spalten;
    gewinnreiheDirekt = true;
}

void Programmzustand::gewinnreiheAusTendenzen() {
    gewinnreihe = spielTendenz;
}

void Programmzustand::spielstaendeUebernehmen(const Spielstaende& neu) {
    spielstaende = neu;
    beendeteSpiele = 0;
    for (int m = 1; m <= kSpiele; ++m) {
        const TSpielstand& s = spielstaende[m - 1];
        spielTendenz[m - 1] = static_cast<std::uint8_t>(tendenz(s.Heim, s.Gast));
        if (s.Beendet) beendeteSpiele = static_cast<std::uint16_t>(beendeteSpiele | (1u << (m - 1)));
    }
    gewinnreihe = spielTendenz;
    gewinnreiheDirekt = false;
}

}  // namespace kv
