// Tip lists and tip counts of one field.
#pragma once

#include <array>
#include <cstdint>

#include "model/Records.h"

namespace kv {

// For every match the ascending list of its crossed cross indices (0..3),
// so the tips of a match are always taken in the order "1", "0", "2".
struct TippListen {
    std::array<std::array<std::uint8_t, kSpalten>, kSpiele> kreuz{};
    std::array<std::uint8_t, kSpiele> anzahl{};

    int laenge(int spiel) const { return anzahl[spiel - 1]; }
    // Cross index of the i-th tip (0-based) of match `spiel`.
    int tipp(int spiel, int i) const { return kreuz[spiel - 1][i]; }
};

TippListen tippListen(const TScheinOffen& feld);

int tippAnzahl(const TScheinOffen& feld, int spiel);
int zweiwege(const TScheinOffen& feld);  // matches with exactly 2 crosses
int dreiwege(const TScheinOffen& feld);  // matches with exactly 3 crosses
bool hatLeeresSpiel(const TScheinOffen& feld);

// Row count of a full system as the entry windows show it: the product of the
// tip counts of the matches with 2 or 3 crosses (1 if there are none); matches
// without a cross do not enter it, and a field without any cross counts 0.
std::uint64_t angezeigteReihenAnzahl(const TScheinOffen& feld);

}  // namespace kv
