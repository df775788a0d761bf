// Fixture import: the operator's fixture table, copied from a web page and
// pasted into the normal slip entry window, becomes the fixture grid `G1` and
// the tendency table; a fixture list opened from a file is shown the same
// way; the grid is saved as a fixture list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Records.h"
#include "settings/IniDatei.h"

namespace kv {

class Entwurfsleser;
class Entwurfsschreiber;

// The cells of one pasted line. The line is cut at tabs: two tabs in a row
// give an empty cell, a tab at the start an empty first cell, a tab at the
// end one empty last cell. A piece that starts with a double quote is a
// quoted cell: it runs to the next lone double quote (tabs included; two
// quotes stand for one; without a closing quote to the end of the line), and
// what follows the closing quote up to the next tab is a further cell of its
// own. Blanks are kept.
std::vector<std::string> zellenDerZeile(std::string_view zeile);

// Number of characters of a UTF-8 text (a byte outside any valid sequence
// counts as one character).
std::size_t zeichenAnzahl(std::string_view text);

// `TendenzLesen`: a tendency text "a - b - c".
struct Tendenzlesung {
    enum class Ergebnis {
        Gelesen,    // three digits a, b, c
        Unlesbar,   // no tendency text: not two hyphens, not three characters
                    // left, or a + c above 10 (no meaningful draw value)
        KeineZahl,  // the three characters left are not all digits
    };
    Ergebnis ergebnis = Ergebnis::Unlesbar;
    int a = 0, b = 0, c = 0;
    // Heim = a, Gast = c, Remis = 10 - a - c (the middle digit is never used).
    TTendenzWert wert() const;
};
// Trims blanks and control characters at both ends, requires exactly two
// hyphen-minus characters, removes every blank and hyphen-minus, and reads
// the three characters left as digits. En dashes and no-break spaces are no
// hyphens and no blanks.
Tendenzlesung TendenzLesen(std::string_view text);

// The messages of the import (error icon, OK).
std::string meldungTextLeer();
std::string meldungKeine13Zeilen();
std::string meldungKeineSpaltentrennung();
std::string meldungKeineSpielpaarungen();
// A tendency cell whose characters are not all digits, in line `zeile` (1-based).
std::string meldungKeineZahlenfolge(int zeile, std::string_view tendenz);

// A line of the pasted text whose last cell is no tendency of the form
// "5 - 3 - 2": its number in the text field (1-based) and that cell.
struct Tendenzproblem {
    int zeile = 0;
    std::string text;
    // Three whole numbers adding up to 100, e.g. "45 - 30 - 25": percentages
    // where points out of 10 are wanted.
    bool prozent = false;
    friend bool operator==(const Tendenzproblem&, const Tendenzproblem&) = default;
};
// The message naming such lines and the form expected (information, OK).
std::string meldungTendenzen(const std::vector<Tendenzproblem>& probleme);

// Whether a pasted line before the first match is a header: it holds no
// digit at all, or every cell that is not empty is a column title ("Nr",
// "Heim", "Gast", "Tendenz", ...).
bool istKopfzeile(std::string_view zeile);

// What "Daten auslesen" does with the pasted text.
struct Spielplanimport {
    // The error message to show; empty when the import went through.
    std::string fehler;
    // The text was tidied (empty lines removed, runs of blanks made one):
    // the text field then shows `text` (lines joined by LF), error or not.
    bool aufbereitet = false;
    std::string text;
    // The tendency table afterwards: what this import read, earlier values
    // everywhere else (also when it stopped at a non-digit tendency).
    TendenzWerte tendenzen{};
    std::array<bool, kSpiele> gelesen{};  // matches whose tendency this import read
    int gefunden = 0;                     // found
    // New state of "Tipp vor- schlagen" (enabled exactly when all 13
    // tendencies were found); nothing when the import stopped before.
    std::optional<bool> vorschlagFrei;
    // The grid is to be written (`Spielplanraster::uebernehme`).
    bool rasterSchreiben = false;
    std::vector<int> spalten;  // kept cell positions (0-based), in order
    // Grid rows to write: row r (1..13) and its cells for columns 1..k.
    std::vector<std::pair<int, std::vector<std::string>>> zeilen;
    // Header lines skipped before the first match.
    int kopfzeilen = 0;
    // Matches read completely: a home and an away cell and a tendency.
    int paarungen = 0;
    // Lines whose last cell is no tendency (see meldungTendenzen).
    std::vector<Tendenzproblem> tendenzprobleme;

    // All 13 tendencies were found: success icon, "Aufbereiteter Spielplan" shown.
    bool vollstaendig() const { return fehler.empty() && gefunden == kSpiele; }
    // All 13 pairings were read: only then do they go to the main window.
    bool uebernehmbar() const { return fehler.empty() && rasterSchreiben && paarungen == kSpiele; }
    // The status line: skipped header lines, and how many pairings were read
    // when not all of them (the main window then keeps its own). Empty when
    // the import stopped with an error.
    std::string bericht() const;
};

// `BAuslesenClick` on the text of `M1`, with the tendency table as it stands.
// Lines from the 14th on (after the tidying) give neither tendency nor grid row.
Spielplanimport DatenAuslesen(std::string_view text, const TendenzWerte& bisher);

// The fixture grid `G1`: a header row ("Nr", "Heim", "Gast", "Tendenz") and
// the rows of matches 1..13. An import sets the number of columns to the kept
// columns + 1; the cells are text the user may edit, and what the grid shows
// is what "Begegnungen speichern..." saves.
class Spielplanraster {
  public:
    static constexpr int kZeilen = kSpiele + 1;  // header and 13 matches
    using Zellen = std::array<std::vector<std::string>, kZeilen>;

    // Four columns, the header, 13 empty rows.
    Spielplanraster();

    int spaltenAnzahl() const { return spalten_; }
    // Cell text; empty outside the grid. Row 0 is the header (columns 0..3
    // have their captions, further columns none).
    std::string zelle(int spalte, int zeile) const;
    // A user's edit of a data cell (row 1..13); ignored elsewhere.
    void setzeZelle(int spalte, int zeile, std::string text);
    // Number of columns (at least 1); the cells of columns that vanish are gone.
    void setzeSpaltenAnzahl(int anzahl);

    // Writes an import's rows (k + 1 columns; rows of shorter lines keep
    // their cells). Does nothing when the import does not write the grid.
    void uebernehme(const Spielplanimport& import);

    // The fixtures as saved from the grid: Heim = column 1, Gast = column 2,
    // Tendenz = column 3 of rows 1..13 (empty where the grid has no such
    // column), not yet cut.
    Begegnungen begegnungen() const;

    // Whether the grid differs from what was last opened or saved (the empty
    // grid at the start): an import and hand edits change it.
    bool geaendert() const { return spalten_ != gesichertSpalten_ || zellen_ != gesichert_; }
    // What the grid shows now was opened or saved.
    void alsGesichertMerken();
    // Takes the columns and cells of `quelle`; what counts as saved stays.
    void zellenUebernehmen(const Spielplanraster& quelle);

    // The draft of the grid (columns and cells) and the grid from one,
    // counting as changed; throws UngueltigeDatei for anything else.
    void entwurfSchreiben(Entwurfsschreiber& s) const;
    void entwurfLesen(Entwurfsleser& l);

  private:
    int spalten_ = 4;
    Zellen zellen_;
    int gesichertSpalten_ = 4;
    Zellen gesichert_;
};

// `BegegnungenTendenzen`: shows a loaded fixture list in the grid (row r:
// number, Heim, Gast, Tendenz; at least four columns so that all of it is
// seen) and sets the tendency of every match whose text is readable (others,
// non-digit texts included, keep their value). Returns the number read.
int BegegnungenTendenzen(const Begegnungen& b, Spielplanraster& raster, TendenzWerte& tendenzen);

// The grid's 13 fixtures as a fixture list holds them: Heim and Gast cut to 30
// and Tendenz to 10 characters in Windows-1252 (characters it lacks become "?").
Begegnungen gekuerzteBegegnungen(const Spielplanraster& raster);

// "Begegnungen speichern...": gekuerzteBegegnungen(), written atomically as a
// fixture list. Returns what was saved (the program's current fixture list
// afterwards). Throws DateiFehler (the old file stays).
Begegnungen BegegnungenSpeichern(const Spielplanraster& raster, const std::string& pfad);

// After the grid was saved to `pfad`: the settings key [Spieltag] Datei gets
// that full path when it is empty, so that the list is opened at the next
// start; a value already there is never replaced. Returns whether it was
// written. Throws DateiFehler when the settings file cannot be read or written.
bool spieltagDateiMerken(IniDatei& einstellungen, const std::string& pfad);

}  // namespace kv
