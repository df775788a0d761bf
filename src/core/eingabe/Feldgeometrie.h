// Geometry of the tip-field picture: where the boxes of the 13 match lines
// lie in the frame's drawing area, which box a mouse click hits, where a
// cross mark is placed and how a mark is tagged.
//
// Columns 1..3 are the tip boxes "1", "0", "2"; column 4 is the 2-way mark
// and column 5 the 3-way mark of a match line. The lines are 25 or 26 pixels
// apart, as the picture of the paper slip has them.
#pragma once

#include <array>
#include <optional>

#include "model/Tipp.h"

namespace kv {

inline constexpr int kZweiwegSpalte = 4;  // column of the 2-way marks
inline constexpr int kDreiwegSpalte = 5;  // column of the 3-way marks
inline constexpr int kFeldSpalten = 5;

// Left edge L of columns 1..5 (index 0 unused).
inline constexpr std::array<int, kFeldSpalten + 1> kSpalteLinks = {0, 24, 48, 72, 104, 128};
// Top edge T of match lines 1..13 (index 0 unused).
inline constexpr std::array<int, kSpiele + 1> kSpielOben = {0,   3,   29,  55,  81,  106, 131,
                                                            157, 182, 208, 233, 259, 285, 311};
// A box covers L..L + 17 and T..T + 18, both ends included.
inline constexpr int kKastenBreite = 18;
inline constexpr int kKastenHoehe = 19;
// Clicks left of this x hit the tip boxes; from kMarkenX on the mark columns.
inline constexpr int kTippGrenzeX = 90;
inline constexpr int kMarkenX = 104;

// Size of the drawing area and of the whole frames (pixels).
inline constexpr int kBildBreite = 149;
inline constexpr int kBildHoehe = 340;
inline constexpr int kMarkenGroesse = 13;  // a cross mark is 13 x 13 pixels

// What a click on the field hit: the box (spalte 1..5, spiel 1..13) and what
// `TrefferVerwerten` is to do with it (Was 1 = toggle a tip box, Was 2 = the
// 2-way/3-way mark columns, which only bring a message).
struct Treffer {
    int spalte = 0;
    int spiel = 0;
    int Was = 0;
    // The code `TrefferVerwerten` takes: column * 100 + match.
    int Z() const { return spalte * 100 + spiel; }
    friend bool operator==(const Treffer&, const Treffer&) = default;
};

// Hit test of a mouse press at (x, y) in the drawing area (`Panel1MouseDown`).
// x < 90 looks at columns 1..3, x >= 104 at columns 4 and 5; 90 <= x < 104,
// the gaps between boxes and everything outside the 13 lines hit nothing.
// The mouse button does not matter.
std::optional<Treffer> trefferTest(int x, int y);

// Top-left corner of the cross mark of box (spalte, spiel): L + dx, T - 4.
struct Punkt {
    int x = 0;
    int y = 0;
    friend bool operator==(const Punkt&, const Punkt&) = default;
};
Punkt markenPosition(int spalte, int spiel, int dx);

// Tag of a mark: field * 1000 + column * 100 + match.
constexpr int markenTag(int feld, int spalte, int spiel) {
    return feld * 1000 + spalte * 100 + spiel;
}

// What a click on a mark asks of `TrefferVerwerten` (`KreuzKlickClick`):
// field = tag div 1000, Z = tag mod 1000, Was = 2 for the mark columns 4 and
// 5, otherwise 1. A click on a crossed box's mark therefore removes that
// cross; a click on a 2-way or 3-way mark only brings the message.
struct Markenklick {
    int feld = 0;
    int Z = 0;
    int Was = 0;
    friend bool operator==(const Markenklick&, const Markenklick&) = default;
};
Markenklick KreuzKlick(int tag);

}  // namespace kv
