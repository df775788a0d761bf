#include "eingabe/Systemscheineingabe.h"

#include <stdexcept>
#include <utility>

#include "io/Datei.h"

namespace kv {

namespace {

template <std::size_t... I>
std::array<Tippfeld, kMaxFelder> zwoelfFelder(std::index_sequence<I...>) {
    return {Tippfeld(Feldvariante::Systemschein, static_cast<int>(I) + 1)...};
}

}  // namespace

Systemscheinlesung systemscheinLesen(const std::string& pfad) {
    const std::vector<std::uint8_t> bytes = leseDatei(pfad);
    Systemscheinlesung l;
    if (bytes.size() / kFeldBytes > static_cast<std::size_t>(kMaxFelder)) {
        l.meldung = kZuVieleFelder;
        return l;
    }
    l.felder = spielscheinAusBytes(bytes, dateiName(pfad));
    return l;
}

Systemscheineingabe::Systemscheineingabe() : felder_(zwoelfFelder(std::make_index_sequence<kMaxFelder>{})) {}

void Systemscheineingabe::NeuerSchein() {
    for (Tippfeld& f : felder_) f.alleKreuzeEntfernen();
    LDatei_.clear();
    for (Tippfeld& f : felder_) f.RGVEWClick(0);
}

int Systemscheineingabe::vollstaendigeFelder() const {
    int j = 0;
    for (const Tippfeld& f : felder_) j += f.FeldOkay() ? 1 : 0;
    return j;
}

int Systemscheineingabe::erstesLeeresFeld() const {
    for (const Tippfeld& f : felder_)
        if (f.leer()) return f.nummer();
    return 0;
}

TSchein Systemscheineingabe::TippSchein() const {
    TSchein s;
    for (const Tippfeld& f : felder_)
        for (int m = 1; m <= kSpiele; ++m)
            for (int c = 1; c <= kSpalten; ++c) s.setzeKreuz(f.nummer(), m, c, f.kreuz(m, c));
    return s;
}

std::array<std::uint8_t, kMaxFelder> Systemscheineingabe::systeme() const {
    std::array<std::uint8_t, kMaxFelder> s{};
    for (const Tippfeld& f : felder_) s[static_cast<std::size_t>(f.nummer() - 1)] = f.daten().sys;
    return s;
}

SystemscheinPruefung Systemscheineingabe::speicherPruefung() const {
    return systemschein(TippSchein(), systeme());
}

void Systemscheineingabe::speichern(const std::string& pfad) {
    const SystemscheinPruefung p = speicherPruefung();
    if (p.fehlerFeld != 0) throw std::logic_error(p.meldung);
    schreibeSpielschein(pfad, p.felder);
    LDatei_ = "Gespeichert: " + dateiName(pfad);
}

void Systemscheineingabe::oeffnen(const std::string& pfad, const Systemscheinlesung& lesung) {
    if (lesung.abgelehnt() || lesung.felder.size() > felder_.size())
        throw std::logic_error("Ein abgelehnter Spielschein kann nicht angezeigt werden.");
    NeuerSchein();
    LDatei_ = "Geöffnet: " + dateiName(pfad);
    for (std::size_t k = 0; k < lesung.felder.size(); ++k) {
        Tippfeld& f = felder_[k];
        f.RGVEWClick(lesung.felder[k].sys);
        f.kreuzeSetzen(lesung.felder[k]);
    }
}

}  // namespace kv
