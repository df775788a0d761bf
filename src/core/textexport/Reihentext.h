// Rows as text at the speed of a plain copy: the characters of four matches
// at a time come from a table of all 4096 cross patterns, so a row costs four
// lookups instead of 39 bit tests.
//
//     const Reihenzeichen z(',', zeichenVonSpalte(0));   // "1,0,2,...,2"
//     char zeile[Reihenzeichen::kMaxBreite];
//     char* ende = z.schreibe(reihe, zeile);
//
// A match's character is that of its lowest cross (column 1 before 2 before 3),
// as spaltenDerReihe() decides, or `leer` for a match without a cross.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "model/Schein.h"
#include "model/Tipp.h"

namespace kv {

class Reihenzeichen {
  public:
    // `trenner`: written between two matches (0 for none).
    Reihenzeichen(char trenner, char leer);

    // The bytes schreibe() writes at most.
    static constexpr int kMaxBreite = 2 * kSpiele;

    // Writes the 13 characters (with the separators between them) at p and
    // returns the end.
    char* schreibe(Reihe r, char* p) const {
        for (int g = 0; g < 3; ++g) {
            std::memcpy(p, &vier_[(r >> (1 + 12 * g)) & 0xFFF], 8);
            p += vierBreite_;
        }
        *p = letzter_[(r >> 37) & 7];
        return p + 1;
    }

    // Whether every match of the row has a cross.
    static bool vollstaendig(Reihe r) {
        constexpr Reihe erste = 0x2492492492ull;  // bit 1 of every match
        return ((r | (r >> 1) | (r >> 2)) & erste) == erste;
    }

  private:
    std::array<std::uint64_t, 4096> vier_{};  // four matches and their separators
    std::array<char, 8> letzter_{};           // the last match
    int vierBreite_;
};

// Writes a line number in decimal and counts it up by one: the next number
// costs a carry over its last digits instead of a conversion.
class Zeilennummer {
  public:
    // Starts at n (at least 0).
    explicit Zeilennummer(std::uint64_t n = 0);
    // Counts up and writes the new number at p; returns the end.
    char* naechste(char* p) {
        int i = kStellen - 1;
        while (stellen_[i] == '9') stellen_[i--] = '0';
        ++stellen_[i];
        if (i < erste_) erste_ = i;
        std::memcpy(p, stellen_.data() + erste_, static_cast<std::size_t>(kStellen - erste_));
        return p + (kStellen - erste_);
    }

    static constexpr int kStellen = 20;  // every std::uint64_t

  private:
    std::array<char, kStellen> stellen_{};
    int erste_;
};

// "Als Text- Datei" of a slip's rows: every row, its 13 tips separated by
// commas, "\r\n" after each; written block by block into the file's atomic
// write, so its size is no limit. The bytes are those TabelleAlsText()
// writes for the row table of the slip (a row without a tip on match 1 is
// left out, a match without a tip stays empty). Throws DateiFehler.
void ReihenAlsText(const Schein& schein, const std::string& pfad);

}  // namespace kv
