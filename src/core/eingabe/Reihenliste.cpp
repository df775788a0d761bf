#include "eingabe/Reihenliste.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "eingabe/Reihensumme.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "textexport/TextExport.h"
#include "transfer/Reihenerkennung.h"

namespace kv {

namespace {

constexpr std::size_t kTextzeile = 2 * kSpiele + 1;  // 13 tips, 12 separators, CR LF

// The 13 digits of a row with `trenner` between them and CR LF at the end,
// appended to `aus`.
void zeileAnhaengen(std::string& aus, Reihe r, char trenner) {
    char zeile[kTextzeile];
    for (int m = 0; m < kSpiele; ++m) {
        const unsigned bits = static_cast<unsigned>(r >> (3 * m + 1)) & 7u;  // columns 1, 2, 3 of match m + 1
        zeile[2 * m] = bits == 1 ? '1' : bits == 2 ? '0' : bits == 4 ? '2' : '?';
        zeile[2 * m + 1] = trenner;
    }
    zeile[kTextzeile - 2] = '\r';
    zeile[kTextzeile - 1] = '\n';
    aus.append(zeile, kTextzeile);
}

std::string alleZeilen(const std::vector<Reihe>& reihen, char trenner) {
    std::string s;
    s.reserve(reihen.size() * kTextzeile);
    for (Reihe r : reihen) zeileAnhaengen(s, r, trenner);
    return s;
}

}  // namespace

std::string meldungListeGeaendert() {
    return std::string(
               "Die Liste der Tippreihen wurde von Hand geändert (Zeilen ergänzt, gekürzt oder bearbeitet) "
               "und passt nicht mehr zu den aufgelisteten Reihen.") +
           kAbsatz + "Bitte listen Sie die Reihen mit \"Aktualisieren\" neu auf.";
}

Reduktionsregler reduktionsregler(std::uint64_t zeilen, int bisher, int Reduz) {
    Reduktionsregler r;
    r.sichtbar = zeilen >= 1;
    r.maximum = static_cast<int>(std::clamp<std::uint64_t>(zeilen, 2, 1u << 30) - 1);
    r.wert = std::clamp(bisher, 1, r.maximum);
    const int vorgabe = std::min(r.maximum, Reduz);
    if (vorgabe >= 1) r.wert = vorgabe;
    return r;
}

std::vector<std::uint64_t> zufallsAuswahl(std::uint64_t c, std::uint64_t N, Zufallsgenerator& zufall) {
    N = std::min(N, c);
    // Only the exchanged entries are held; every other entry e is still e.
    std::unordered_map<std::uint64_t, std::uint64_t> getauscht;
    getauscht.reserve(static_cast<std::size_t>(2 * N));
    const auto eintrag = [&](std::uint64_t p) {
        const auto it = getauscht.find(p);
        return it == getauscht.end() ? p : it->second;
    };
    std::vector<std::uint64_t> auswahl;
    auswahl.reserve(static_cast<std::size_t>(N));
    for (std::uint64_t i = 0; i < N; ++i) {
        const std::uint64_t j = i + zufall.unter(c - i);
        const std::uint64_t a = eintrag(i), b = eintrag(j);
        getauscht[j] = a;
        auswahl.push_back(b);  // position i now holds b and is never touched again
    }
    return auswahl;
}

std::string zeilentext(Reihe r) {
    std::string s;
    zeileAnhaengen(s, r, ' ');
    s.resize(kTextzeile - 2);
    return s;
}

void Reihenliste::auflisten(const Feld& feld, const Reihenfilter& filter) {
    reihen_.clear();
    reihen_.shrink_to_fit();
    reihen_.reserve(static_cast<std::size_t>(feld.reihenAnzahl()));
    if (!filter.an) {
        feld.fuerJedeReihe([&](Reihe r) { reihen_.push_back(r); });
        return;
    }
    // The counts of "1", "0" and "2" of a row in one sum, one byte each.
    std::array<std::uint32_t, kKreuzIndizes + 1> zaehler{};
    for (int x = 1; x <= kKreuzIndizes; ++x) zaehler[x] = std::uint32_t{1} << (8 * (spalteVonKreuz(x) - 1));
    const Reihensumme anzahlen(zaehler);
    const auto grenze = [&](int c) { return static_cast<std::uint32_t>(filter.hoechstens[c]); };
    feld.fuerJedeReihe([&](Reihe r) {
        const std::uint32_t n = anzahlen(r);
        if ((n & 0xFF) <= grenze(0) && ((n >> 8) & 0xFF) <= grenze(1) && (n >> 16) <= grenze(2))
            reihen_.push_back(r);
    });
}

std::string Reihenliste::text() const {
    return alleZeilen(reihen_, ' ');
}

std::vector<std::uint64_t> Reihenliste::reduzieren(int N, Zufallsgenerator& zufall) {
    if (reihen_.empty()) return {};
    const std::vector<std::uint64_t> auswahl =
        zufallsAuswahl(reihen_.size(), static_cast<std::uint64_t>(std::max(N, 1)), zufall);
    std::vector<Reihe> neu;
    neu.reserve(auswahl.size());
    for (std::uint64_t e : auswahl) neu.push_back(reihen_[static_cast<std::size_t>(e)]);
    reihen_ = std::move(neu);
    return auswahl;
}

void Reihenliste::ersetzen(std::vector<Reihe> reihen) {
    for (Reihe r : reihen) {
        const auto spalten = spaltenDerReihe(r);
        if (mitglieder(r) != kSpiele || std::find(spalten.begin(), spalten.end(), 0) != spalten.end())
            throw std::invalid_argument(
                "Eine Tippreihe muss für jedes der 13 Spiele genau einen Tipp haben.");
    }
    reihen_ = std::move(reihen);
}

void Reihenliste::alsSpielschein(const std::string& pfad) const {
    std::vector<std::uint8_t> bytes(reihen_.size() * kFeldBytes, 0);
    for (std::size_t k = 0; k < reihen_.size(); ++k)
        for (int i = 1; i <= kKreuzIndizes; ++i)
            if (reihen_[k] & kreuzBit(i)) bytes[k * kFeldBytes + static_cast<std::size_t>(i)] = 1;
    schreibeAtomar(pfad, bytes);
}

std::string Reihenliste::textDatei() const {
    return alleZeilen(reihen_, ',');
}

void Reihenliste::alsTextDatei(const std::string& pfad) const {
    schreibeAtomar(pfad, textDatei());
}

void zeilenlisteSpeichern(const std::string& pfad, std::string_view text) {
    schreibeAtomar(pfad, zeilenlisteAlsText(text));
}

}  // namespace kv
