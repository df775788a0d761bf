#include "evaluation/Programmzustand.h"

namespace kv {

Programmzustand::Programmzustand() {
    spielTendenz_.fill(2);
    gewinnreihe_.fill(2);
}

void Programmzustand::spiele(Spielmenge m) {
    if (beobachter_) beobachter_->spieleGeaendert(m);
}

void Programmzustand::schein(int s) {
    if (beobachter_) beobachter_->scheinGeaendert(s);
}

Ergebnislage Programmzustand::lage() const {
    Ergebnislage l;
    l.gewinnreihe = gewinnreihe_;
    l.beendet = beendeteSpiele_;
    return l;
}

void Programmzustand::gewinnauswertung() {
    if (stapel_ > 0) {
        auswertungFaellig_ = true;
        return;
    }
    const Ergebnislage l = lage();
    gewinnmenge_ = l.gewinnmenge();
    for (auto& slot : slots_) {
        if (slot->auswertung && slot->auswertung->lage() == l) continue;
        slot->auswertung.emplace(slot->schein, l, slot->rechts);
        ++slot->stand;
    }
    if (beobachter_) beobachter_->ausgewertet();
}

Programmzustand::Stapel::Stapel(Programmzustand& z) : z_(z) {
    ++z_.stapel_;
}

Programmzustand::Stapel::~Stapel() {
    if (--z_.stapel_ == 0 && z_.auswertungFaellig_) {
        z_.auswertungFaellig_ = false;
        z_.gewinnauswertung();
    }
}

int Programmzustand::scheinOeffnen(const std::string& datei, Schein neu, bool rechts) {
    auto slot = std::make_unique<Scheinslot>();
    slot->datei = datei;
    slot->rechts = rechts;
    slot->schein = std::move(neu);
    slots_.push_back(std::move(slot));
    const int s = scheinAnzahl() - 1;
    schein(s);
    return s;
}

int Programmzustand::linksOeffnen(const std::string& datei, Schein neu) {
    const int alt = linkerSchein_;
    if (alt >= 0) {
        Scheinslot& a = *slots_[static_cast<std::size_t>(alt)];
        a.auswertung.reset();
        a.schein.leeren();
        schein(alt);
    }
    const int felder = static_cast<int>(neu.feldAnzahl());
    const int s = scheinOeffnen(datei, std::move(neu), false);
    linkerSchein_ = s;
    linkerFelder_ = felder;
    if (beobachter_) beobachter_->linkerScheinGeaendert();
    return s;
}

void Programmzustand::linkenScheinLeeren() {
    const int alt = linkerSchein_;
    linkerSchein_ = -1;
    linkerFelder_ = -1;
    if (alt >= 0 && alt < scheinAnzahl()) {
        Scheinslot& s = *slots_[static_cast<std::size_t>(alt)];
        s.auswertung.reset();
        s.schein.leeren();
        schein(alt);
    }
    if (beobachter_) beobachter_->linkerScheinGeaendert();
}

void Programmzustand::rechtsSchliessen(int s) {
    if (s < 0 || s >= scheinAnzahl()) return;
    Scheinslot& slot = *slots_[static_cast<std::size_t>(s)];
    if (!slot.rechts || slot.geschlossen) return;
    slot.geschlossen = true;
    slot.auswertung.reset();
    slot.schein.leeren();
    schein(s);
}

void Programmzustand::toreSpeichern(int spiel, bool heim, int tore) {
    TSpielstand& s = spielstaende_[spiel - 1];
    (heim ? s.Heim : s.Gast) = static_cast<std::uint8_t>(tore);
    spiele(spielBit(spiel));
}

void Programmzustand::spielstandGeaendert(int spiel, int heim, int gast) {
    TSpielstand& s = spielstaende_[spiel - 1];
    s.Heim = static_cast<std::uint8_t>(heim);
    s.Gast = static_cast<std::uint8_t>(gast);
    spielTendenz_[spiel - 1] = static_cast<std::uint8_t>(kv::tendenz(heim, gast));
    if (gewinnreiheDirekt_) {
        // The first score change after a direct entry brings back all 13 tendencies.
        gewinnreiheDirekt_ = false;
        gewinnreihe_ = spielTendenz_;
        spiele(kAlleSpiele);
    } else {
        gewinnreihe_[spiel - 1] = spielTendenz_[spiel - 1];
        spiele(spielBit(spiel));
    }
}

void Programmzustand::setzeBeendet(int spiel, bool beendet) {
    const Spielmenge bit = spielBit(spiel);
    spielstaende_[spiel - 1].Beendet = beendet ? 1 : 0;
    beendeteSpiele_ = static_cast<Spielmenge>(beendet ? (beendeteSpiele_ | bit) : (beendeteSpiele_ & ~bit));
    gewinnreihe_[spiel - 1] = spielTendenz_[spiel - 1];
    spiele(bit);
}

void Programmzustand::allesUmschalten() {
    alleBeendet_ = !alleBeendet_;
    beendeteSpiele_ = alleBeendet_ ? kAlleSpiele : 0;
    for (auto& s : spielstaende_) s.Beendet = alleBeendet_ ? 1 : 0;
    spiele(kAlleSpiele);
}

void Programmzustand::allesAufAnfang() {
    spielstaende_ = {};
    spielTendenz_.fill(2);
    beendeteSpiele_ = 0;
    alleBeendet_ = false;
    // every score is changed to 0:0, so a direct entry ends as with any goal
    gewinnreiheDirekt_ = false;
    gewinnreihe_ = spielTendenz_;
    spiele(kAlleSpiele);
}

void Programmzustand::setzeGewinntendenz(int spiel, int spalte) {
    gewinnreihe_[spiel - 1] = static_cast<std::uint8_t>(spalte);
    spiele(spielBit(spiel));
}

void Programmzustand::gewinnreiheDirektSetzen(const std::array<std::uint8_t, kSpiele>& spalten) {
    gewinnreihe_ = spalten;
    gewinnreiheDirekt_ = true;
    spiele(kAlleSpiele);
}

void Programmzustand::gewinnreiheAusTendenzen() {
    gewinnreihe_ = spielTendenz_;
    spiele(kAlleSpiele);
}

void Programmzustand::spielstaendeUebernehmen(const Spielstaende& neu) {
    spielstaende_ = neu;
    beendeteSpiele_ = 0;
    for (int m = 1; m <= kSpiele; ++m) {
        const TSpielstand& s = spielstaende_[m - 1];
        spielTendenz_[m - 1] = static_cast<std::uint8_t>(kv::tendenz(s.Heim, s.Gast));
        if (s.Beendet) beendeteSpiele_ = static_cast<Spielmenge>(beendeteSpiele_ | spielBit(m));
    }
    gewinnreihe_ = spielTendenz_;
    gewinnreiheDirekt_ = false;
    spiele(kAlleSpiele);
}

void Programmzustand::begegnungenSetzen(const Begegnungen& b, const std::string& datei) {
    begegnungen_ = b;
    spielplanGeladen_ = true;
    spielplanDatei_ = datei;
    if (beobachter_) beobachter_->begegnungenGeaendert();
}

void Programmzustand::tendenzWerteSetzen(const TendenzWerte& t) {
    tendenzWerte_ = t;
    if (beobachter_) beobachter_->tendenzWerteGeaendert();
}

void Programmzustand::scheinGeschrieben(const std::string& datei) {
    geschriebenerSchein_ = datei;
    if (beobachter_) beobachter_->scheinGeschrieben();
}

}  // namespace kv
