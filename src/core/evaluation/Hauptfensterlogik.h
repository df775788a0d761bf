// Plain rules of the main window's display: which colour a tip cell gets, how
// header texts are centred with blanks, and the row-count captions of the
// field frames.
#pragma once

#include <cstdint>
#include <string>

#include "expansion/Feld.h"
#include "model/Records.h"

namespace kv {

// The colour scheme of tip cells (left panel and row tables).
enum class Tippfarbe {
    Neutral,     // not tipped, not the result column: the platform's button face
    Gelb,        // another tipped column of the match
    HellGruen,   // the result column is tipped, the match runs
    StarkGruen,  // the result column is tipped, the match is final
    HellRot,     // the result column is not tipped, the match runs
    StarkRot,    // the result column is not tipped, the match is final
    Bernstein,   // the result column of field 1 while no slip is shown ("Trefferbild")
};

// Colour of column `spalte` of one match in a field of the left slip, when the
// match's result is column `ergebnis` (1..3).
Tippfarbe tippfeldFarbe(bool gekreuzt, int spalte, int ergebnis, bool beendet);

// Colour of a tip cell of the row table: the tip (column 1..3) against the
// result column of the last evaluation.
Tippfarbe reihenzellenFarbe(int tippSpalte, int ergebnis, bool beendet);

// Colour steps of the chance column: 10..13 -> 1..4; 0 for anything else.
int chancenStufe(int chance);

// Number of leading blanks that centre a header text drawn left-aligned:
// round((round(0.7 * w) - textBreite) / (2 * blankBreite)), halves to even,
// never below 0.
int zentrierBlanks(int w, int textBreite, int blankBreite);

// Caption of a field frame's row count: "4 VEW-Reihen", "1 Tippreihe",
// "81 Tippreihen", or nothing for a field without rows.
std::string tippreihenText(const Feld& feld);
// "VEW 4-3" for a VEW field, nothing otherwise.
std::string vewText(const Feld& feld);


}  // namespace kv
