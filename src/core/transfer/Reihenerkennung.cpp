#include "transfer/Reihenerkennung.h"

#include <algorithm>

namespace kv {

namespace {

constexpr unsigned char k80 = 0x80, k8F = 0x8F, k90 = 0x90, k9F = 0x9F, kA0 = 0xA0, kBF = 0xBF;

bool folgebyte(unsigned char c, unsigned char von = k80, unsigned char bis = kBF) {
    return c >= von && c <= bis;
}

}  // namespace

Tippzelle::Tippzelle(std::string_view zeichen) {
    laenge_ = static_cast<std::uint8_t>(std::min<std::size_t>(zeichen.size(), b_.size()));
    std::copy_n(zeichen.data(), laenge_, b_.data());
}

std::size_t zeichenLaenge(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) -> unsigned char {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i])
                                     : static_cast<unsigned char>(0);
    };
    const unsigned char c = byte(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return folgebyte(byte(1)) ? 2 : 1;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned char von = c == 0xE0 ? kA0 : k80;
        const unsigned char bis = c == 0xED ? k9F : kBF;
        return folgebyte(byte(1), von, bis) && folgebyte(byte(2)) ? 3 : 1;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned char von = c == 0xF0 ? k90 : k80;
        const unsigned char bis = c == 0xF4 ? k8F : kBF;
        return folgebyte(byte(1), von, bis) && folgebyte(byte(2)) && folgebyte(byte(3)) ? 4 : 1;
    }
    return 1;
}

std::optional<Tippreihe> ReihenErkennen(std::string_view zeile) {
    // Count the characters and the separators. Separators are ASCII, and an
    // ASCII byte is always a character of its own, so counting bytes is enough.
    std::size_t zeichen = 0;
    std::array<std::size_t, Trennzeichen.size()> vorkommen{};
    for (std::size_t i = 0; i < zeile.size(); i += zeichenLaenge(zeile, i)) {
        ++zeichen;
        for (std::size_t t = 0; t < Trennzeichen.size(); ++t)
            if (zeile[i] == Trennzeichen[t]) ++vorkommen[t];
    }
    if (zeichen < static_cast<std::size_t>(kSpiele)) return std::nullopt;

    // How many of each separator go, from the left, until 13 characters remain.
    std::array<std::size_t, Trennzeichen.size()> entfernen{};
    std::size_t zuviel = zeichen - static_cast<std::size_t>(kSpiele);
    for (std::size_t t = 0; t < Trennzeichen.size() && zuviel > 0; ++t) {
        entfernen[t] = std::min(vorkommen[t], zuviel);
        zuviel -= entfernen[t];
    }
    if (zuviel > 0) return std::nullopt;

    Tippreihe reihe;
    std::size_t n = 0;
    for (std::size_t i = 0; i < zeile.size();) {
        const std::size_t laenge = zeichenLaenge(zeile, i);
        bool weg = false;
        for (std::size_t t = 0; t < Trennzeichen.size(); ++t) {
            if (zeile[i] == Trennzeichen[t] && entfernen[t] > 0) {
                --entfernen[t];
                weg = true;
                break;
            }
        }
        if (!weg) reihe[n++] = Tippzelle(zeile.substr(i, laenge));
        i += laenge;
    }
    return reihe;
}

bool Zeilenleser::naechste(std::string_view& zeile) {
    if (rest_.empty()) return false;
    const std::size_t ende = rest_.find_first_of("\r\n");
    if (ende == std::string_view::npos) {
        zeile = rest_;
        rest_ = {};
        return true;
    }
    zeile = rest_.substr(0, ende);
    const std::size_t umbruch =
        rest_[ende] == '\r' && ende + 1 < rest_.size() && rest_[ende + 1] == '\n' ? 2 : 1;
    rest_.remove_prefix(ende + umbruch);
    return true;
}

std::uint64_t textZeilenAnzahl(std::string_view text) {
    Zeilenleser leser(text);
    std::uint64_t n = 0;
    for (std::string_view z; leser.naechste(z);) ++n;
    return n;
}

}  // namespace kv
