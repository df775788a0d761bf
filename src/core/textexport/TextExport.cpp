#include "textexport/TextExport.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "io/Datei.h"
#include "transfer/Reihenerkennung.h"

namespace kv {

Texttabelle::Texttabelle(std::vector<std::vector<std::string>> zeilen) : zeilen_(std::move(zeilen)) {
    for (const auto& z : zeilen_) spalten_ = std::max(spalten_, static_cast<int>(z.size()));
}

std::string Texttabelle::zelle(int spalte, std::uint64_t zeile) const {
    if (spalte < 0 || zeile >= zeilen_.size()) return {};
    const auto& z = zeilen_[static_cast<std::size_t>(zeile)];
    return static_cast<std::size_t>(spalte) < z.size() ? z[static_cast<std::size_t>(spalte)] : std::string{};
}

std::string kommaText(std::string_view zelle) {
    const bool quoten = std::any_of(zelle.begin(), zelle.end(), [](char c) {
        return static_cast<unsigned char>(c) <= 0x20 || c == ',' || c == '"';
    });
    if (!quoten) return std::string(zelle);
    std::string s;
    s.reserve(zelle.size() + 2);
    s += '"';
    for (const char c : zelle) {
        if (c == '"') s += '"';
        s += c;
    }
    s += '"';
    return s;
}

std::string tabelleAlsTextInhalt(const Zellquelle& t, int letzteSpalte) {
    const std::uint64_t zeilen = t.zeilenAnzahl();
    if (zeilen < 2) return {};
    const int grenze = std::min(letzteSpalte, t.spaltenAnzahl() - 1);
    int spalten = 0;  // columns 1..spalten are taken
    while (spalten < grenze && !t.zelle(spalten + 1, 1).empty()) ++spalten;
    if (spalten == 0) return {};

    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(zeilen - 1, 1u << 22)) *
                   static_cast<std::size_t>(2 * spalten + 1));
    for (std::uint64_t r = 1; r < zeilen; ++r) {
        std::string erste = t.zelle(1, r);
        if (erste.empty()) continue;
        inhalt += kommaText(erste);
        for (int k = 2; k <= spalten; ++k) {
            inhalt += ',';
            inhalt += kommaText(t.zelle(k, r));
        }
        inhalt += "\r\n";
    }
    return inhalt;
}

void TabelleAlsText(const Zellquelle& t, const std::string& pfad, int letzteSpalte) {
    schreibeAtomar(pfad, tabelleAlsTextInhalt(t, letzteSpalte));
}

std::string zeilenlisteAlsText(std::string_view text) {
    std::string s;
    s.reserve(text.size() + text.size() / 16 + 2);
    Zeilenleser leser(text);
    for (std::string_view zeile; leser.naechste(zeile);) {
        s += zeile;
        s += "\r\n";
    }
    std::replace(s.begin(), s.end(), ' ', ',');
    return s;
}

std::string ExcelZelle(int zeile, int spalte) {
    if (spalte < 1 || spalte > 702 || zeile < 1)
        throw std::out_of_range("Zelle außerhalb des Bereichs: Zeile " + std::to_string(zeile) + ", Spalte " +
                                std::to_string(spalte));
    std::string name;
    if (spalte > 26) name += static_cast<char>('A' + (spalte - 1) / 26 - 1);
    name += static_cast<char>('A' + (spalte - 1) % 26);
    return name + std::to_string(zeile);
}

}  // namespace kv
