// Tip rows in pasted text: one row per line, with or without separators
// between the 13 tips.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Tipp.h"

namespace kv {

// One cell of the transfer table: empty, or one character (UTF-8, 1 to 4
// bytes; a byte that is not part of a valid UTF-8 sequence counts as one
// character of its own).
class Tippzelle {
  public:
    Tippzelle() = default;
    // `zeichen` holds at most 4 bytes; more are cut off.
    explicit Tippzelle(std::string_view zeichen);

    std::string_view text() const { return {b_.data(), laenge_}; }
    bool leer() const { return laenge_ == 0; }
    friend bool operator==(const Tippzelle& a, const Tippzelle& b) { return a.text() == b.text(); }

  private:
    std::array<char, 4> b_{};
    std::uint8_t laenge_ = 0;
};

// The 13 tips of a recognised row, match 1 first.
using Tippreihe = std::array<Tippzelle, kSpiele>;

// Separators, in the order in which they are taken out of a line that is too long.
inline constexpr std::array<char, 4> Trennzeichen = {' ', ',', ';', '\t'};

// One line of text -> its 13 tips, or nothing when the line is no row.
// A line of more than 13 characters loses separators, blanks first, then
// commas, semicolons and tabs, each from the left and only while it is still
// longer than 13. Any 13 characters are a row; the characters are not checked.
std::optional<Tippreihe> ReihenErkennen(std::string_view zeile);

// Length in bytes of the character that starts at `text[pos]` (1 for ASCII and
// for a byte that does not start a valid UTF-8 sequence).
std::size_t zeichenLaenge(std::string_view text, std::size_t pos);

// Goes through the lines of a text the way a multi-line text field holds
// them: lines end at CR LF, CR or LF; a break at the very end does not start
// another line.
class Zeilenleser {
  public:
    explicit Zeilenleser(std::string_view text) : rest_(text) {}
    // The next line without its break; false when there is none left.
    bool naechste(std::string_view& zeile);

  private:
    std::string_view rest_;
};

// Number of lines of a text field holding `text` (0 for an empty text).
std::uint64_t textZeilenAnzahl(std::string_view text);

}  // namespace kv
