#include "eingabe/Systemscheineingabe.h"

#include <stdexcept>
#include <utility>

#include "eingabe/Entwurf.h"
#include "expansion/VewTabellen.h"
#include "io/Datei.h"

namespace kv {

namespace {

template <std::size_t... I>
std::array<Tippfeld, kMaxFelder> zwoelfFelder(std::index_sequence<I...>) {
    return {Tippfeld(Feldvariante::Systemschein, static_cast<int>(I) + 1)...};
}

// "Feld 2", "Felder 1 und 3", "Felder 1, 3 und 5".
std::string feldListe(const std::vector<int>& felder) {
    std::string s = felder.size() == 1 ? "Feld " : "Felder ";
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i > 0) s += i + 1 == felder.size() ? " und " : ", ";
        s += std::to_string(felder[i]);
    }
    return s;
}

}  // namespace

std::string meldungKeinFeldVollstaendig() {
    return std::string(
               "Kein Tippfeld ist vollständig: Ein Feld wird nur gespeichert, wenn jedes der 13 Spiele "
               "mindestens ein Kreuz hat.") +
           kAbsatz + "Ich speichere daher nichts.";
}

std::string speicherBericht(const SystemscheinPruefung& p, const std::string& datei) {
    std::string s = "In " + datei + " gespeichert: " + feldListe(p.gespeichert) + ".";
    if (!p.unvollstaendig.empty())
        s += " Nicht gespeichert, weil unvollständig: " + feldListe(p.unvollstaendig) + ".";
    return s;
}

Systemscheinlesung systemscheinLesen(const std::string& pfad) {
    // A slip for this window has at most 12 records: no more than the bytes
    // of a 13th record are read, so a file of any size is refused at once.
    constexpr std::size_t kZuViel = (kMaxFelder + 1) * kFeldBytes;
    const std::vector<std::uint8_t> bytes = leseDateianfang(pfad, kZuViel);
    Systemscheinlesung l;
    if (bytes.size() >= kZuViel) {
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
    datei_.clear();
    for (Tippfeld& f : felder_) f.RGVEWClick(0);
    alsGesichertMerken();
}

std::array<TScheinOffen, kMaxFelder> Systemscheineingabe::stand() const {
    std::array<TScheinOffen, kMaxFelder> s;
    for (std::size_t i = 0; i < felder_.size(); ++i) s[i] = felder_[i].daten();
    return s;
}

std::string Systemscheineingabe::entwurf() const {
    Entwurfsschreiber s;
    s.text(LDatei_);
    for (const TScheinOffen& f : stand()) {
        s.byte(f.sys);
        s.bytes(f.ja);
    }
    return s.daten();
}

void Systemscheineingabe::entwurfAnwenden(std::string_view daten) {
    Entwurfsleser l(daten);
    const std::string datei = l.text();
    std::array<TScheinOffen, kMaxFelder> felder;
    for (TScheinOffen& f : felder) {
        f.sys = l.byte();
        l.bytes(f.ja);
        if (f.sys > kVewSystemAnzahl) throw UngueltigeDatei("Entwurf mit unbekanntem VEW-System");
    }
    l.ende();
    NeuerSchein();
    for (std::size_t k = 0; k < felder.size(); ++k) {
        felder_[k].RGVEWClick(felder[k].sys);
        felder_[k].kreuzeSetzen(felder[k]);
    }
    LDatei_ = datei;
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
    if (p.felder.empty()) throw std::logic_error(meldungKeinFeldVollstaendig());
    schreibeSpielschein(pfad, p.felder);
    LDatei_ = "Gespeichert: " + dateiName(pfad);
    datei_ = pfad;
    alsGesichertMerken();
}

void Systemscheineingabe::oeffnen(const std::string& pfad, const Systemscheinlesung& lesung) {
    if (lesung.abgelehnt() || lesung.felder.size() > felder_.size())
        throw std::logic_error("Ein abgelehnter Spielschein kann nicht angezeigt werden.");
    NeuerSchein();
    LDatei_ = "Geöffnet: " + dateiName(pfad);
    datei_ = pfad;
    for (std::size_t k = 0; k < lesung.felder.size(); ++k) {
        Tippfeld& f = felder_[k];
        f.RGVEWClick(lesung.felder[k].sys);
        f.kreuzeSetzen(lesung.felder[k]);
    }
    alsGesichertMerken();
}

}  // namespace kv
