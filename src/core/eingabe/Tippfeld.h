// The tip-field editor: one tip field on which the user sets and removes
// crosses. It keeps the crosses, decides what a click or a key does
// (`TrefferVerwerten`), follows the 2-way and 3-way marks, counts 2-ways,
// 3-ways and tip rows, and knows the field's VEW choice. The editor frames of
// the system slip window, the normal slip window and the odds filter window
// only draw what this class says and forward clicks and keys to it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "eingabe/Feldgeometrie.h"
#include "model/Records.h"

namespace kv {

// The three windows that carry the editor. They differ only in these points:
// caption, mark names and offset, whether `PAnz` follows the VEW choice,
// whether `LVEW` is shown, and whether there is a VEW choice at all.
enum class Feldvariante {
    Systemschein,  // TFfrFeld: twelve fields, VEW choice and delete button
    Vorschlag,     // TFfrFeld2: the suggestion field of the normal slip window
    Quotenfilter,  // TFfrFeld3: the field of the odds filter window
};

// The information message for a click on the 2-way/3-way mark columns.
inline constexpr const char* kMarkenHinweis =
    "Die Kreuze für Zweier- und Dreierweg werden automatisch gesetzt und entfernt.";

// What one `TrefferVerwerten` call did.
struct Verwertung {
    enum class Art {
        Gesetzt,   // the box got a cross (its mark is to be drawn)
        Entfernt,  // the box lost its cross
        Hinweis,   // a mark column: show kMarkenHinweis (information, OK); nothing changed
    };
    Art art = Art::Hinweis;
    int spiel = 0;
    int spalte = 0;
    friend bool operator==(const Verwertung&, const Verwertung&) = default;
};

// Keys the editor takes while it has the keyboard focus.
enum class Feldtaste {
    Links,
    Rechts,
    Hoch,
    Runter,
    Leertaste,  // toggles the focused box
    Eins,       // toggles box "1" of the focused line
    Null,       // toggles box "0" of the focused line
    Zwei,       // toggles box "2" of the focused line
};

// The box that has the visible keyboard focus (match 1..13, column 1..3).
struct Feldfokus {
    int spiel = 1;
    int spalte = 1;
    friend bool operator==(const Feldfokus&, const Feldfokus&) = default;
};

// Item texts of the VEW choice `RGVEW`: "no", then the 13 systems ("5-0" ...
// "4-4"); the item index is the field's system number.
const std::array<std::string, 14>& vewAuswahlTexte();

class Tippfeld {
  public:
    // A new, empty field: no crosses, all marks hidden, the counts "0", VEW
    // choice "no". `nummer` is the field number t (1..12 in the system slip
    // window, 1 in the two others).
    Tippfeld(Feldvariante variante, int nummer);
    // The window keeps each editor for the whole run; the hook below refers to it.
    Tippfeld(const Tippfeld&) = delete;
    Tippfeld& operator=(const Tippfeld&) = delete;

    Feldvariante variante() const { return variante_; }
    int nummer() const { return nummer_; }

    // --- what the frame shows ------------------------------------------
    // Caption `LNr`: "Feld " + number, or "Vorschlag" for the suggestion field.
    std::string LNrText() const;
    // Horizontal offset dx of the marks: 8 in the system slip window, else 3.
    int markenVersatz() const;
    // Top-left corner of the mark of box (spalte 1..5, spiel).
    Punkt markenPosition(int spalte, int spiel) const;
    // Tag and object name of that mark: "WZKreuz" + tag or "VKreuz" + tag.
    int markenTag(int spalte, int spiel) const { return kv::markenTag(nummer_, spalte, spiel); }
    std::string markenName(int spalte, int spiel) const;

    // --- crosses and marks ---------------------------------------------
    bool kreuz(int spiel, int spalte) const { return daten_.kreuz(spiel, spalte); }
    // The field as a slip record: the crosses, and in the system slip window
    // the VEW choice as `sys` (always 0 in the two other windows).
    const TScheinOffen& daten() const { return daten_; }
    int kreuzAnzahl(int spiel) const;  // n(m), 0..3
    // The 2-way mark of a line is shown exactly with two crosses, the 3-way
    // mark exactly with three.
    bool zweiwegMarke(int spiel) const { return kreuzAnzahl(spiel) == 2; }
    bool dreiwegMarke(int spiel) const { return kreuzAnzahl(spiel) == 3; }

    // --- counts ----------------------------------------------------------
    int ZW() const;                    // matches with two crosses
    int DW() const;                    // matches with three crosses
    std::uint64_t tippReihen() const;  // 2^ZW * 3^DW; 0 for an empty field
    bool leer() const;                 // no cross at all
    bool FeldOkay() const;             // every match has at least one cross
    // True when ZW and DW are not exactly those of VEW system nr (1..13).
    bool SysFail(int nr) const;
    // The system whose numbers of 2-ways and 3-ways are ZW and DW; 0 for none.
    int vewSystem() const;

    // Texts of `PZW`, `PDW` and `PAnz`. `PAnz` shows the tip rows, but in the
    // system slip window while a VEW system is chosen the system's row count.
    std::string PZWText() const;
    std::string PDWText() const;
    std::string PAnzText() const;
    // `LVEW` of the suggestion and odds filter fields: "VEW: " + the row count
    // of the system that ZW and DW form; nothing (hidden) when they form none,
    // and always nothing in the system slip window.
    std::optional<std::string> LVEWText() const;

    // --- VEW choice (system slip window) ---------------------------------
    int vewWahl() const { return daten_.sys; }
    // `RGVEWClick`: chooses item k (0 = "no", 1..13 the systems). Changes
    // neither crosses nor marks; only `PAnz` follows. Ignored in the other
    // two windows and for k outside 0..13.
    void RGVEWClick(int k);

    // --- operations ------------------------------------------------------
    // `TrefferVerwerten` with Z = column * 100 + match and Was (1 = toggle,
    // 2 = mark column, which changes nothing). Throws std::out_of_range for a
    // code that names no box. Calls the hook afterwards, message case too.
    Verwertung TrefferVerwerten(int Z, int Was);
    // A mouse press at (x, y) in the drawing area: the hit test, then
    // `TrefferVerwerten` on a hit; nothing when it hits no box.
    std::optional<Verwertung> klick(int x, int y);
    // A click on the mark of box (spalte 1..5, spiel) (`KreuzKlickClick`).
    Verwertung markeGeklickt(int spalte, int spiel);
    // The shown mark (a crossed box's mark, a shown 2-way or 3-way mark) whose
    // 13 x 13 square holds (x, y); marks lie over the picture.
    struct Marke {
        int spalte = 0;
        int spiel = 0;
        friend bool operator==(const Marke&, const Marke&) = default;
    };
    std::optional<Marke> markeBei(int x, int y) const;
    // A mouse press at (x, y) as the frame gets it, `links` when it is the
    // left button. On a shown mark it is a click on that mark, and a click is
    // the left button's: a press of another button there does nothing. Off
    // the marks it is the hit test of klick(), which takes any button. A
    // press on a tip box or its mark also moves the keyboard focus to that box.
    std::optional<Verwertung> mausDruck(int x, int y, bool links);

    // Removes every cross, match 1..13, column 1..3, each through
    // `TrefferVerwerten` (the VEW choice stays).
    void alleKreuzeEntfernen();
    // "Delete field" (`BDelClick`): every cross removed, then choice "no".
    void BDelClick();
    // Sets every cross of `quelle` that this field lacks, through
    // `TrefferVerwerten`, match 1..13, column 1..3; never removes one.
    void kreuzeSetzen(const TScheinOffen& quelle);
    // This field becomes a copy of the crosses of `quelle`: every cross
    // removed, then those of `quelle` set (the odds filter's copy).
    void kreuzeUebernehmen(const TScheinOffen& quelle);

    // --- keyboard --------------------------------------------------------
    const Feldfokus& fokus() const { return fokus_; }
    // Arrow keys move the focus over the 13 x 3 boxes (stopping at the
    // edges); Space toggles the focused box, and 1, 0, 2 toggle that box of
    // the focused line (the focus moves onto it), each through
    // `TrefferVerwerten`. Returns what the toggle did; nothing for a move.
    std::optional<Verwertung> taste(Feldtaste t);

    // Called after every `TrefferVerwerten` (the suggestion field re-expands
    // its rows there). One hook per field; an empty function removes it.
    void setzeNachVerwertung(std::function<void()> f) { nachVerwertung_ = std::move(f); }

  private:
    Feldvariante variante_;
    int nummer_;
    TScheinOffen daten_;
    Feldfokus fokus_;
    std::function<void()> nachVerwertung_;
};

}  // namespace kv
