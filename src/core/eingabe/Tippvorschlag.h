// The tip suggestion and the row filter of the normal slip entry window: for
// every match the tips whose tendency points exceed a threshold, and the
// limits on how many "1", "0" and "2" tips a listed row may hold.
#pragma once

#include <array>
#include <string>

#include "model/Records.h"

namespace kv {

// A setting of an up-down control: its range and its value at start.
struct Bereich {
    int minimum;
    int maximum;
    int start;
    // The value if it lies within the range, otherwise `bisher` (a read
    // setting outside the range is not taken).
    constexpr int nehme(int wert, int bisher) const {
        return wert >= minimum && wert <= maximum ? wert : bisher;
    }
};

// Thresholds `Up1`, `up2`, `up3` for the tips "1", "0", "2".
inline constexpr std::array<Bereich, 3> kSchwellen = {{{2, 7, 2}, {2, 7, 3}, {2, 7, 3}}};
// Filter limits `Up4`, `Up5`, `Up6`: the most "1", "0", "2" tips a row may hold.
inline constexpr std::array<Bereich, 3> kFiltergrenzen = {{{1, 13, 8}, {1, 13, 5}, {1, 13, 5}}};

// Group "Einstellungen bezogen auf Tendenz"; index 0, 1, 2 = tip "1", "0", "2"
// (columns 1, 2, 3).
struct Vorschlagseinstellungen {
    std::array<int, 3> schwelle = {kSchwellen[0].start, kSchwellen[1].start, kSchwellen[2].start};
    std::array<bool, 3> nur{};  // the "nur" boxes cb1, cb2, cb3
    friend bool operator==(const Vorschlagseinstellungen&, const Vorschlagseinstellungen&) = default;
};

// Group "Filter für Tippreihenreduzierung   ".
struct Reihenfilter {
    std::array<int, 3> hoechstens = {kFiltergrenzen[0].start, kFiltergrenzen[1].start,
                                     kFiltergrenzen[2].start};
    bool an = true;  // "Filter anwenden"
    friend bool operator==(const Reihenfilter&, const Reihenfilter&) = default;
};

// The crosses of the suggestion (`BAktualClick`). For each match, with the
// tendency values w1 = Heim, w2 = Remis, w3 = Gast and thresholds s1..s3:
// the first j = 1, 2, 3 whose "nur" box is ticked and wj > sj gives the
// single tip j; otherwise every tip k with wk > sk is crossed (none, one, a
// 2-way or a 3-way). All comparisons are strictly greater.
TScheinOffen tippVorschlag(const TendenzWerte& tendenzen, const Vorschlagseinstellungen& e);

// The tip groups of a field: for every match the digits of its crosses in
// column order ("1", "10", "102", "02", or "" without a tip), joined by commas.
std::string tippgruppen(const TScheinOffen& feld);

// Whether a row passes the filter: not more "1" tips than hoechstens[0], not
// more "0" than hoechstens[1], not more "2" than hoechstens[2]. Every row
// passes while the filter is off.
bool filterLaesstDurch(Reihe r, const Reihenfilter& f);

}  // namespace kv
