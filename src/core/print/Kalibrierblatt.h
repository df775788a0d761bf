// The positions a format puts marks at, for the calibration sheet (a small
// cross at every one, printed on plain paper to hold against a paper slip)
// and for the faint picture of the boxes under the print preview.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "print/Druckplan.h"

namespace kv {

struct Formatpunkt {
    enum class Art { Kaestchen, Nummer, Zusatz };
    Art art = Art::Kaestchen;
    int feld = 0;   // field 1..2 x fields per row for a box, else 0
    int spiel = 0;  // match 1..13 for a box, add-on game 1..4, 0 for the number
    int box = 0;    // box 1..3 for a box, answer 1 ("ja") or 2 ("nein") for an add-on game
    TPosition position;
    friend bool operator==(const Formatpunkt&, const Formatpunkt&) = default;
};

// Every box of the fields of the format's paper slip (field by field, match
// by match, box by box), then the slip number and the add-on positions, each
// where both coordinates are in use (not -1).
std::vector<Formatpunkt> formatPunkte(const TScheinFormat& format);

// Printing needs a format that was read or saved: the current format at
// program start (all zero) gives the message.
std::optional<Druckmeldung> keinFormat(const TScheinFormat& format);

// The calibration sheet in the page system of the printer: every point of
// formatPunkte() with the corrections of the window fields and the printer's
// offsets, as the print run would place a mark there. A correction that is
// no number gives the message instead.
struct Kalibrierblatt {
    std::vector<std::pair<Formatpunkt, Markenpunkt>> punkte;
    std::optional<Druckmeldung> meldung;
};
Kalibrierblatt kalibrierblatt(const TScheinFormat& format, const std::string& hori, const std::string& vert,
                              const Geraeteversatz& versatz);

}  // namespace kv
