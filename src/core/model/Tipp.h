// Tip coding, cross indices, tendencies and tip rows.
//
// Every match has three columns: 1 = home win (shown "1"), 2 = draw ("0"),
// 3 = away win ("2"). Tips, tendencies and results are held as the column;
// the digit is only what the user sees. A cross (match m, column c) has the
// cross index (m - 1) * 3 + c, 1..39.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace kv {

inline constexpr int kSpiele = 13;        // matches of a match day
inline constexpr int kSpalten = 3;        // columns (tips) per match
inline constexpr int kKreuzIndizes = 39;  // cross indices 1..39
inline constexpr int kMaxFelder = 12;     // fields of a paper slip

// Column 1, 2, 3 -> digit 1, 0, 2 (index 0 unused).
inline constexpr std::array<int, 4> TippZiffer = {-1, 1, 0, 2};
// Digit 0, 1, 2 -> column 2, 1, 3.
inline constexpr std::array<int, 3> ZifferSpalte = {2, 1, 3};

// Column of a digit 0/1/2; 0 for anything else.
constexpr int spalteVonZiffer(int ziffer) {
    return ziffer >= 0 && ziffer <= 2 ? ZifferSpalte[ziffer] : 0;
}
// Shown character of a column 1..3.
constexpr char zeichenVonSpalte(int spalte) {
    return static_cast<char>('0' + TippZiffer[spalte]);
}

constexpr int kreuzIndex(int spiel, int spalte) {
    return (spiel - 1) * 3 + spalte;
}
constexpr int spielVonKreuz(int kreuz) {
    return (kreuz - 1) / 3 + 1;
}
constexpr int spalteVonKreuz(int kreuz) {
    return (kreuz - 1) % 3 + 1;
}
constexpr int zifferVonKreuz(int kreuz) {
    return TippZiffer[spalteVonKreuz(kreuz)];
}

// Tendency of a score: 1 home win, 2 draw (0:0 included), 3 away win.
constexpr int tendenz(int heim, int gast) {
    return heim > gast ? 1 : heim == gast ? 2 : 3;
}

// A tip row: the set of its 13 cross indices, bit i = cross index i.
using Reihe = std::uint64_t;

constexpr Reihe kreuzBit(int kreuz) {
    return Reihe{1} << kreuz;
}
constexpr int mitglieder(Reihe r) {
    return std::popcount(r);
}
constexpr int treffer(Reihe a, Reihe b) {
    return std::popcount(a & b);
}

// The row whose match m takes column spalten[m - 1].
Reihe reiheAusSpalten(const std::array<std::uint8_t, kSpiele>& spalten);
// Column (1..3) of every match; 0 where the row has no cross for it.
std::array<std::uint8_t, kSpiele> spaltenDerReihe(Reihe r);
// Members in ascending order (the n-th belongs to match n).
std::array<int, kSpiele> reiheMitglieder(Reihe r);
// The 13 shown digits, e.g. "1021102210010".
std::string reiheZiffern(Reihe r);

// The winning row as a set: (m - 1) * 3 + column for every match m whose bit
// in `spiele` is set (bit m - 1 for match m).
Reihe mengeAus(const std::array<std::uint8_t, kSpiele>& spalten, std::uint16_t spiele = 0x1FFF);

}  // namespace kv
