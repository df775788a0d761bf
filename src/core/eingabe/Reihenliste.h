// The row list `M2` of the normal slip entry window: the rows a listing
// found, a random reduction of them, and the two files made from them.
//
// The list keeps the rows it shows (8 bytes each), not positions in the
// field's row list: a list that is stale because the field has changed since
// still saves exactly the rows the user sees. `M2` shows one line per row,
// the 13 digits separated by single blanks; the user may edit that text
// (kv::Zeilentext). Once the lines show anything but the listed rows in
// their order, the reduction and the slip file refuse
// (meldungListeGeaendert), while the text file takes the text as it stands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eingabe/Tippvorschlag.h"
#include "eingabe/Zufall.h"
#include "expansion/Feld.h"

namespace kv {

// The message when the lines of `M2` no longer show the listed rows
// (information, OK).
std::string meldungListeGeaendert();

// The reduction bar: `POben` is shown while the list has a line; `upZ` runs
// from 1 to the number of lines - 1 (at least 1), and after every change of
// the list it shows the remembered size `Reduz`, or its maximum when that is
// smaller.
struct Reduktionsregler {
    bool sichtbar = false;
    int maximum = 1;
    int wert = 1;
};
// The bar after a change of the list to `zeilen` lines (`M2Change`), with
// the value `bisher` of `upZ` before.
Reduktionsregler reduktionsregler(std::uint64_t zeilen, int bisher, int Reduz);

// The random order of the reduction: the numbers 0..c - 1 put into a random
// order by exchanging, for i = 0, 1, ..., the entries at i and i + r with r
// uniform in 0 <= r < c - i; the first N of that order (N different numbers,
// N at most c). Only the first N exchanges are made: the later ones cannot
// change the first N entries.
std::vector<std::uint64_t> zufallsAuswahl(std::uint64_t c, std::uint64_t N, Zufallsgenerator& zufall);

// One line of `M2`: "1 0 2 1 1 0 2 2 1 0 0 1 2".
std::string zeilentext(Reihe r);

class Reihenliste {
  public:
    // `BFilterClick`: every row of the field in expansion order that passes
    // the filter replaces the list (an empty or incomplete field lists nothing).
    void auflisten(const Feld& feld, const Reihenfilter& filter);

    std::uint64_t anzahl() const { return reihen_.size(); }  // `LAnz`
    bool leer() const { return reihen_.empty(); }
    Reihe reihe(std::uint64_t i) const { return reihen_[static_cast<std::size_t>(i)]; }
    const std::vector<Reihe>& reihen() const { return reihen_; }

    // The text of `M2`: one line per row, each ended by CR LF.
    std::string text() const;

    // `BZufallClick`: keeps N rows in random order (N is clamped to 1..the
    // number of rows; an empty list stays empty). Returns the old positions of
    // the kept rows, in their new order, so that a window holding edited lines
    // can keep the same lines.
    std::vector<std::uint64_t> reduzieren(int N, Zufallsgenerator& zufall);

    // The list becomes exactly these rows (a guaranteed reduction of the
    // field). Throws std::invalid_argument, and keeps the list as it was,
    // when a row does not hold exactly one tip for every match.
    void ersetzen(std::vector<Reihe> reihen);

    // "Als Spiel- schein": one single-row field per row, in list order
    // (sys 0, exactly its 13 crosses), written atomically. Throws DateiFehler.
    void alsSpielschein(const std::string& pfad) const;
    // The text row file of the rows: the lines of `M2` with commas instead of
    // blanks, each ended by CR LF (27 bytes a row); and that file written atomically.
    std::string textDatei() const;
    void alsTextDatei(const std::string& pfad) const;

  private:
    std::vector<Reihe> reihen_;
};

// "Als Text- Datei" from the text of `M2` as it stands (hand edits included):
// every blank becomes a comma, every line is ended by CR LF; written atomically.
void zeilenlisteSpeichern(const std::string& pfad, std::string_view text);

}  // namespace kv
