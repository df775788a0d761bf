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

namespace {

// The position of a byte in Trennzeichen, or -1.
constexpr std::array<std::int8_t, 256> kTrennerNummer = [] {
    std::array<std::int8_t, 256> n{};
    n.fill(-1);
    for (std::size_t t = 0; t < Trennzeichen.size(); ++t)
        n[static_cast<unsigned char>(Trennzeichen[t])] = static_cast<std::int8_t>(t);
    return n;
}();

int trennerNummer(char c) {
    return kTrennerNummer[static_cast<unsigned char>(c)];
}

// The usual lines take a short way: 13 ASCII tips, alone or each but the
// last followed by the same separator (blank, comma, semicolon or tab), none
// of the tips a separator. They give what the general rule gives them: no
// separator but those 12 to take out.
std::optional<Tippreihe> kurzerWeg(std::string_view zeile) {
    const std::size_t schritt = zeile.size() == kSpiele ? 1 : zeile.size() == 2 * kSpiele - 1 ? 2 : 0;
    if (schritt == 0) return std::nullopt;
    const char trenner = schritt == 2 ? zeile[1] : '\0';
    if (schritt == 2 && trennerNummer(trenner) < 0) return std::nullopt;
    Tippreihe reihe;
    for (std::size_t m = 0; m < kSpiele; ++m) {
        const std::size_t i = m * schritt;
        const char c = zeile[i];
        if (static_cast<unsigned char>(c) >= 0x80 || trennerNummer(c) >= 0) return std::nullopt;
        if (schritt == 2 && m + 1 < kSpiele && zeile[i + 1] != trenner) return std::nullopt;
        reihe[m] = Tippzelle(zeile.substr(i, 1));
    }
    return reihe;
}

}  // namespace

std::optional<Tippreihe> ReihenErkennen(std::string_view zeile) {
    if (auto reihe = kurzerWeg(zeile)) return reihe;
    // Count the characters and the separators. Separators are ASCII, and an
    // ASCII byte is always a character of its own, so counting bytes is enough.
    std::size_t zeichen = 0;
    std::array<std::size_t, Trennzeichen.size()> vorkommen{};
    // (an ASCII byte is one character: the common case needs no decoding)
    const auto laengeBei = [&zeile](std::size_t i) {
        return static_cast<unsigned char>(zeile[i]) < 0x80 ? std::size_t{1} : zeichenLaenge(zeile, i);
    };
    for (std::size_t i = 0; i < zeile.size(); i += laengeBei(i)) {
        ++zeichen;
        if (const int t = trennerNummer(zeile[i]); t >= 0) ++vorkommen[static_cast<std::size_t>(t)];
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
        const std::size_t laenge = laengeBei(i);
        const int t = trennerNummer(zeile[i]);
        if (t >= 0 && entfernen[static_cast<std::size_t>(t)] > 0)
            --entfernen[static_cast<std::size_t>(t)];
        else
            reihe[n++] = Tippzelle(zeile.substr(i, laenge));
        i += laenge;
    }
    return reihe;
}

bool Zeilenleser::naechste(std::string_view& zeile) {
    if (rest_.empty()) return false;
    std::size_t ende = 0;  // the first CR or LF (a plain scan: lines are short)
    while (ende < rest_.size() && rest_[ende] != '\r' && rest_[ende] != '\n') ++ende;
    if (ende == rest_.size()) {
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
