// The fixed-size records of the files and of the program state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Version.h"
#include "model/Tipp.h"

namespace kv {

// One tip field as stored in a slip file: 40 bytes, `sys` then 39 cross flags
// in cross-index order. Any non-zero flag counts as a cross.
struct TScheinOffen {
    std::uint8_t sys = 0;  // 0 = full system or single row; 1..13 = VEW system
    std::array<std::uint8_t, kKreuzIndizes> ja{};

    bool kreuz(int spiel, int spalte) const { return ja[kreuzIndex(spiel, spalte) - 1] != 0; }
    void setzeKreuz(int spiel, int spalte, bool an) { ja[kreuzIndex(spiel, spalte) - 1] = an ? 1 : 0; }
    friend bool operator==(const TScheinOffen&, const TScheinOffen&) = default;
};
static_assert(sizeof(TScheinOffen) == 40);

// The cross flags of a whole paper slip: [field 1..12][match 1..13][column 1..3].
struct TSchein {
    std::array<std::uint8_t, kMaxFelder * kKreuzIndizes> ja{};

    bool kreuz(int feld, int spiel, int spalte) const { return ja[index(feld, spiel, spalte)] != 0; }
    void setzeKreuz(int feld, int spiel, int spalte, bool an) { ja[index(feld, spiel, spalte)] = an ? 1 : 0; }
    static constexpr std::size_t index(int feld, int spiel, int spalte) {
        return static_cast<std::size_t>((feld - 1) * kKreuzIndizes + (spiel - 1) * 3 + (spalte - 1));
    }
};
static_assert(sizeof(TSchein) == 468);

// One match score, 3 bytes; also the record of the score files.
struct TSpielstand {
    std::uint8_t Heim = 0;
    std::uint8_t Gast = 0;
    std::uint8_t Beendet = 0;
    friend bool operator==(const TSpielstand&, const TSpielstand&) = default;
};
static_assert(sizeof(TSpielstand) == 3);

using Spielstaende = std::array<TSpielstand, kSpiele>;

// One fixture. In memory the texts are UTF-8; the fixture-list file stores
// them as length-prefixed Windows-1252 short strings (73 bytes a record).
struct TBegegnung {
    std::string Tendenz;  // at most 10 characters in the file
    std::string Heim;     // at most 30
    std::string Gast;     // at most 30
    friend bool operator==(const TBegegnung&, const TBegegnung&) = default;
};

using Begegnungen = std::array<TBegegnung, kSpiele>;

// Tendency points of one match out of 10, from the published tendency text
// "a - b - c": Heim = a, Gast = c, Remis = 10 - a - c (the middle digit is
// never used).
struct TTendenzWert {
    std::uint8_t Remis = 0;
    std::uint8_t Heim = 0;
    std::uint8_t Gast = 0;
    friend bool operator==(const TTendenzWert&, const TTendenzWert&) = default;
};

// The tendency points of matches 1..13, all 0 at program start.
using TendenzWerte = std::array<TTendenzWert, kSpiele>;

// Paragraph break: joins the two sentences of a two-part message.
inline constexpr const char* kAbsatz = "\r\r";

inline constexpr const char* kEinstellungsdatei = "Einstellungen.ini";
inline constexpr const char* kSpielstandDatei = "Spielstaende.spst";
inline constexpr std::array<const char*, 4> Gewinnklassen = {"I", "II", "III", "IV"};

}  // namespace kv
