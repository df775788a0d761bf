// Print format files ("*.kvxdr"): one record of 3840 bytes, no header, that
// holds where every box of a paper slip lies. Lengths are whole tenths of a
// millimetre, x from the slip's left edge and y from its top edge as it goes
// into the printer. Every value is a signed 32-bit little-endian integer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Tipp.h"

namespace kv {

inline constexpr std::size_t kFormatBytes = 3840;
inline constexpr int kZusatzspiele = 4;  // Spiel 77, Super 6, Joker 1, Joker 2
inline constexpr std::int32_t kUnbenutzt = -1;

// A position in tenths of a millimetre; -1 marks a position not in use.
struct TPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const TPosition&, const TPosition&) = default;
};

// The print format, also the current format held in memory (all zero at
// program start). Box b of a match is its column: 1 = "1", 2 = "0", 3 = "2".
struct TScheinFormat {
    std::int32_t FelderProReihe = 0;  // 4, 5 or 6; a paper slip holds twice as many fields
    std::int32_t Anordnung = 0;       // 0: fields in one row ("einer"), 1: in two rows ("zwei")
    std::int32_t B = 0;               // box distance: first to third box of a match
    std::int32_t C = 0;               // vertical distance from match 1 to match 13
    std::int32_t Hori = 0;            // horizontal print correction
    std::int32_t Vert = 0;            // vertical print correction
    TPosition Nr;                     // where the slip number goes
    // [field 1..12][match 1..13][box 1..3]
    std::array<std::array<std::array<TPosition, kSpalten>, kSpiele>, kMaxFelder> Kaestchen{};
    // [game 1..4][answer 1 "ja", 2 "nein"]
    std::array<std::array<TPosition, 2>, kZusatzspiele> Zusatz{};

    TPosition& kaestchen(int feld, int spiel, int box) { return Kaestchen[feld - 1][spiel - 1][box - 1]; }
    const TPosition& kaestchen(int feld, int spiel, int box) const {
        return Kaestchen[feld - 1][spiel - 1][box - 1];
    }
    TPosition& zusatz(int spiel, int antwort) { return Zusatz[spiel - 1][antwort - 1]; }
    const TPosition& zusatz(int spiel, int antwort) const { return Zusatz[spiel - 1][antwort - 1]; }

    friend bool operator==(const TScheinFormat&, const TScheinFormat&) = default;
};

// Byte offsets of the record.
inline constexpr std::size_t kOffsetFelderProReihe = 0;
inline constexpr std::size_t kOffsetAnordnung = 4;
inline constexpr std::size_t kOffsetB = 8;
inline constexpr std::size_t kOffsetC = 12;
inline constexpr std::size_t kOffsetHori = 16;
inline constexpr std::size_t kOffsetVert = 20;
inline constexpr std::size_t kOffsetNrX = 24;
inline constexpr std::size_t kOffsetNrY = 28;
// x of box b of match m of field f; y follows 4 bytes later.
constexpr std::size_t kaestchenOffset(int feld, int spiel, int box) {
    return 32 + 312 * static_cast<std::size_t>(feld - 1) + 24 * static_cast<std::size_t>(spiel - 1) +
           8 * static_cast<std::size_t>(box - 1);
}
// x of add-on game g, answer j (1 "ja", 2 "nein"); y follows 4 bytes later.
constexpr std::size_t zusatzOffset(int spiel, int antwort) {
    return 3776 + 16 * static_cast<std::size_t>(spiel - 1) + 8 * static_cast<std::size_t>(antwort - 1);
}

// The 3840 bytes of a format file.
std::vector<std::uint8_t> formatBytes(const TScheinFormat& format);

// The format in `bytes` (the first 3840; more are ignored). Throws
// UngueltigeDatei, naming `name`, for fewer than 3840 bytes, a fields-per-row
// value other than 4, 5 or 6 and an arrangement other than 0 or 1.
TScheinFormat formatAusBytes(const std::vector<std::uint8_t>& bytes, const std::string& name);

// Reads the record at the start of the file, never more, then checks it
// (messages name the file without its folder). Throws DateiFehler or
// UngueltigeDatei; nothing is returned then.
TScheinFormat leseScheinformat(const std::string& pfad);

// Writes the format atomically; throws DateiFehler (an existing file stays).
void schreibeScheinformat(const std::string& pfad, const TScheinFormat& format);

}  // namespace kv
