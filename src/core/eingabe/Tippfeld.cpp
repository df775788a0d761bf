#include "eingabe/Tippfeld.h"

#include <algorithm>
#include <stdexcept>

#include "expansion/VewTabellen.h"
#include "model/TippListen.h"

namespace kv {

const std::array<std::string, 14>& vewAuswahlTexte() {
    static const std::array<std::string, 14> texte = [] {
        std::array<std::string, 14> t;
        t[0] = "no";
        for (int s = 1; s <= kVewSystemAnzahl; ++s) t[s] = VewSysteme[s].Name;
        return t;
    }();
    return texte;
}

Tippfeld::Tippfeld(Feldvariante variante, int nummer) : variante_(variante), nummer_(nummer) {}

std::string Tippfeld::LNrText() const {
    if (variante_ == Feldvariante::Vorschlag) return "Vorschlag";
    return "Feld " + std::to_string(nummer_);
}

int Tippfeld::markenVersatz() const {
    return variante_ == Feldvariante::Systemschein ? 8 : 3;
}

Punkt Tippfeld::markenPosition(int spalte, int spiel) const {
    return kv::markenPosition(spalte, spiel, markenVersatz());
}

std::string Tippfeld::markenName(int spalte, int spiel) const {
    return (variante_ == Feldvariante::Systemschein ? "WZKreuz" : "VKreuz") +
           std::to_string(markenTag(spalte, spiel));
}

int Tippfeld::kreuzAnzahl(int spiel) const {
    return tippAnzahl(daten_, spiel);
}

int Tippfeld::ZW() const {
    return zweiwege(daten_);
}

int Tippfeld::DW() const {
    return dreiwege(daten_);
}

std::uint64_t Tippfeld::tippReihen() const {
    return angezeigteReihenAnzahl(daten_);
}

bool Tippfeld::leer() const {
    return std::all_of(daten_.ja.begin(), daten_.ja.end(), [](std::uint8_t b) { return b == 0; });
}

bool Tippfeld::FeldOkay() const {
    return !hatLeeresSpiel(daten_);
}

bool Tippfeld::SysFail(int nr) const {
    if (nr < 1 || nr > kVewSystemAnzahl) return true;
    return ZW() != VewSysteme[nr].Zweiwege || DW() != VewSysteme[nr].Dreiwege;
}

int Tippfeld::vewSystem() const {
    return vewSystemFuer(ZW(), DW());
}

std::string Tippfeld::PZWText() const {
    return std::to_string(ZW());
}

std::string Tippfeld::PDWText() const {
    return std::to_string(DW());
}

std::string Tippfeld::PAnzText() const {
    if (variante_ == Feldvariante::Systemschein && daten_.sys != 0)
        return std::to_string(VewSysteme[daten_.sys].Reihen);
    return std::to_string(tippReihen());
}

std::optional<std::string> Tippfeld::LVEWText() const {
    if (variante_ == Feldvariante::Systemschein) return std::nullopt;
    const int s = vewSystem();
    if (s == 0) return std::nullopt;
    return "VEW: " + std::to_string(VewSysteme[s].Reihen);
}

void Tippfeld::RGVEWClick(int k) {
    if (variante_ != Feldvariante::Systemschein || k < 0 || k > kVewSystemAnzahl) return;
    daten_.sys = static_cast<std::uint8_t>(k);
}

Verwertung Tippfeld::TrefferVerwerten(int Z, int Was) {
    const int spalte = Z / 100, spiel = Z % 100;
    if (spiel < 1 || spiel > kSpiele || spalte < 1 || spalte > kFeldSpalten || (Was != 1 && Was != 2) ||
        (Was == 1 && spalte > kSpalten))
        throw std::out_of_range("TrefferVerwerten: kein Kästchen für Z = " + std::to_string(Z) +
                                ", Was = " + std::to_string(Was));
    Verwertung v{Verwertung::Art::Hinweis, spiel, spalte};
    if (Was == 1) {
        const bool an = !daten_.kreuz(spiel, spalte);
        daten_.setzeKreuz(spiel, spalte, an);
        v.art = an ? Verwertung::Art::Gesetzt : Verwertung::Art::Entfernt;
    }
    if (nachVerwertung_) nachVerwertung_();
    return v;
}

std::optional<Verwertung> Tippfeld::klick(int x, int y) {
    const auto t = trefferTest(x, y);
    if (!t) return std::nullopt;
    return TrefferVerwerten(t->Z(), t->Was);
}

Verwertung Tippfeld::markeGeklickt(int spalte, int spiel) {
    const Markenklick k = KreuzKlick(markenTag(spalte, spiel));
    return TrefferVerwerten(k.Z, k.Was);
}

std::optional<Tippfeld::Marke> Tippfeld::markeBei(int x, int y) const {
    const auto gezeigt = [this](int spalte, int spiel) {
        if (spalte <= kSpalten) return kreuz(spiel, spalte);
        return spalte == kZweiwegSpalte ? zweiwegMarke(spiel) : dreiwegMarke(spiel);
    };
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kFeldSpalten; ++c) {
            const Punkt p = markenPosition(c, m);
            if (x >= p.x && x < p.x + kMarkenGroesse && y >= p.y && y < p.y + kMarkenGroesse && gezeigt(c, m))
                return Marke{c, m};
        }
    return std::nullopt;
}

std::optional<Verwertung> Tippfeld::mausDruck(int x, int y, bool links) {
    if (const auto marke = markeBei(x, y)) {
        if (!links) return std::nullopt;
        if (marke->spalte <= kSpalten) fokus_ = Feldfokus{marke->spiel, marke->spalte};
        return markeGeklickt(marke->spalte, marke->spiel);
    }
    const auto t = trefferTest(x, y);
    if (!t) return std::nullopt;
    if (t->spalte <= kSpalten) fokus_ = Feldfokus{t->spiel, t->spalte};
    return TrefferVerwerten(t->Z(), t->Was);
}

void Tippfeld::alleKreuzeEntfernen() {
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if (kreuz(m, c)) TrefferVerwerten(c * 100 + m, 1);
}

void Tippfeld::BDelClick() {
    alleKreuzeEntfernen();
    RGVEWClick(0);
}

void Tippfeld::kreuzeSetzen(const TScheinOffen& quelle) {
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c)
            if (quelle.kreuz(m, c) && !kreuz(m, c)) TrefferVerwerten(c * 100 + m, 1);
}

void Tippfeld::kreuzeUebernehmen(const TScheinOffen& quelle) {
    alleKreuzeEntfernen();
    kreuzeSetzen(quelle);
}

std::optional<Verwertung> Tippfeld::taste(Feldtaste t) {
    int spalte = 0;
    switch (t) {
        case Feldtaste::Links:
            fokus_.spalte = std::max(1, fokus_.spalte - 1);
            return std::nullopt;
        case Feldtaste::Rechts:
            fokus_.spalte = std::min(kSpalten, fokus_.spalte + 1);
            return std::nullopt;
        case Feldtaste::Hoch:
            fokus_.spiel = std::max(1, fokus_.spiel - 1);
            return std::nullopt;
        case Feldtaste::Runter:
            fokus_.spiel = std::min(kSpiele, fokus_.spiel + 1);
            return std::nullopt;
        case Feldtaste::Leertaste:
            spalte = fokus_.spalte;
            break;
        case Feldtaste::Eins:
            spalte = spalteVonZiffer(1);
            break;
        case Feldtaste::Null:
            spalte = spalteVonZiffer(0);
            break;
        case Feldtaste::Zwei:
            spalte = spalteVonZiffer(2);
            break;
    }
    fokus_.spalte = spalte;
    return TrefferVerwerten(spalte * 100 + fokus_.spiel, 1);
}

}  // namespace kv
