#include "transfer/Transfertabelle.h"

#include <array>
#include <charconv>

#include "model/Spielscheindatei.h"

namespace kv {

Transfertabelle::Transfertabelle() : zeilen_(kStartZeilen - 1) {}

std::string Transfertabelle::zelle(int spalte, std::uint64_t zeile) const {
    if (spalte < 0 || spalte >= kSpaltenAnzahl || zeile >= zeilenAnzahl()) return {};
    if (zeile == 0) return spalte == 0 ? "Tipp" : std::to_string(spalte);
    const Zeile& z = zeilen_[zeile - 1];
    if (spalte == 0) return z.nummer ? std::to_string(zeile) : std::string();
    return std::string(z.tipps[static_cast<std::size_t>(spalte - 1)].text());
}

std::uint64_t Transfertabelle::gefuellteZeilen() const {
    std::uint64_t n = 0;
    while (n < zeilen_.size() && !zeilen_[n].tipps[0].leer()) ++n;
    return n;
}

void Transfertabelle::setzeReihe(std::uint64_t zeile, const Tippreihe& tipps) {
    if (zeile == 0) return;
    if (zeile > zeilen_.size()) zeilen_.resize(zeile);
    zeilen_[zeile - 1] = Zeile{tipps, true};
}

void Transfertabelle::setzeZeilenAnzahl(std::uint64_t anzahl) {
    zeilen_.resize(anzahl == 0 ? 0 : anzahl - 1);
}

void Transfertabelle::reihenLoeschen() {
    for (Zeile& z : zeilen_) z.tipps = Tippreihe{};
}

Uebertragung ReihenInTabelle(Transfertabelle& tabelle, std::string_view text, Uebertragungsmodus modus) {
    Uebertragung u;
    if (text.empty()) {
        u.fehler = std::string("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + kAbsatz +
                   "Ich breche erst einmal ab.";
        return u;
    }
    // In append mode a full table (no empty row left) gives a = row count - 1,
    // which is what counting the filled rows yields as well.
    u.anfang = modus == Uebertragungsmodus::Anhaengen ? tabelle.gefuellteZeilen() : 0;

    Zeilenleser leser(text);
    for (std::string_view zeile; leser.naechste(zeile);) {
        if (const auto reihe = ReihenErkennen(zeile)) {
            ++u.gefunden;
            tabelle.setzeReihe(u.anfang + u.gefunden, *reihe);
        }
    }
    if (u.anfang + u.gefunden >= 1) tabelle.setzeZeilenAnzahl(u.anfang + u.gefunden + 1);
    return u;
}

std::optional<int> ganzzahl(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    int wert = 0;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, wert);
    if (ec != std::errc() || p != ende) return std::nullopt;
    return wert;
}

std::optional<int> tippsAlsFeld(const Tippreihe& tipps, TScheinOffen& feld) {
    feld = TScheinOffen{};
    for (int m = 1; m <= kSpiele; ++m) {
        const std::string_view text = tipps[static_cast<std::size_t>(m - 1)].text();
        // a single digit, the usual cell, needs no conversion
        const auto wert = text.size() == 1 && text[0] >= '0' && text[0] <= '9'
                              ? std::optional<int>(text[0] - '0')
                              : ganzzahl(text);
        if (!wert) return m;
        for (int c = 1; c <= kSpalten; ++c) feld.setzeKreuz(m, c, *wert == TippZiffer[c]);
    }
    return std::nullopt;
}

std::optional<Reihe> ziffernzeileAlsReihe(std::string_view zeile) {
    // the crosses of a digit in match 1; a digit other than 1, 0, 2 has none
    static constexpr std::array<Reihe, 10> kKreuz = [] {
        std::array<Reihe, 10> k{};
        for (int c = 1; c <= kSpalten; ++c)
            k[static_cast<std::size_t>(TippZiffer[c])] = Reihe{1} << kreuzIndex(1, c);
        return k;
    }();
    std::size_t schritt = 1;
    if (zeile.size() == 2 * kSpiele - 1) {
        const char t = zeile[1];
        if (t != ' ' && t != ',' && t != ';' && t != '\t') return std::nullopt;
        for (std::size_t i = 1; i < zeile.size(); i += 2)
            if (zeile[i] != t) return std::nullopt;
        schritt = 2;
    } else if (zeile.size() != kSpiele) {
        return std::nullopt;
    }
    Reihe r = 0;
    for (std::size_t m = 0; m < kSpiele; ++m) {
        const unsigned ziffer = static_cast<unsigned char>(zeile[m * schritt]) - unsigned{'0'};
        if (ziffer > 9) return std::nullopt;
        r |= kKreuz[ziffer] << (3 * m);
    }
    return r;
}

namespace {

// The field of table row r; throws TabellenFehler for a cell without a number.
TScheinOffen feldDerZeile(const Transfertabelle& tabelle, std::uint64_t r) {
    const Tippreihe& tipps = tabelle.reihe(r);
    TScheinOffen f;
    if (const auto m = tippsAlsFeld(tipps, f)) {
        const Tippzelle& z = tipps[static_cast<std::size_t>(*m - 1)];
        const std::string ort = "In Zeile " + std::to_string(r) + " der Tabelle ";
        const std::string was = z.leer() ? ort + "fehlt der Tipp für Spiel " + std::to_string(*m) + "."
                                         : ort + "steht für Spiel " + std::to_string(*m) + " \"" +
                                               std::string(z.text()) + "\", das ist keine Zahl.";
        throw TabellenFehler(was + kAbsatz + "Der Spielschein wird daher nicht gespeichert.", r, *m);
    }
    return f;
}

}  // namespace

std::vector<TScheinOffen> TabelleAlsFelder(const Transfertabelle& tabelle) {
    std::vector<TScheinOffen> felder;
    felder.reserve(tabelle.zeilenAnzahl() - 1);
    for (std::uint64_t r = 1; r < tabelle.zeilenAnzahl(); ++r) felder.push_back(feldDerZeile(tabelle, r));
    return felder;
}

void pruefeTabelle(const Transfertabelle& tabelle) {
    for (std::uint64_t r = 1; r < tabelle.zeilenAnzahl(); ++r) feldDerZeile(tabelle, r);
}

void TabelleAlsSchein(const Transfertabelle& tabelle, const std::string& pfad) {
    pruefeTabelle(tabelle);
    Spielscheinschreiber schreiber(pfad);
    for (std::uint64_t r = 1; r < tabelle.zeilenAnzahl(); ++r) schreiber.feld(feldDerZeile(tabelle, r));
    schreiber.abschliessen();
}

}  // namespace kv
