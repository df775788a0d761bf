// The calibration part of the print window as plain data: the fields that
// feed the print format, the twelve field tables `Gxy` (panels "xyFeld1" to
// "xyFeld12"), the detail table `GDetail`, the undo snapshot, and the current
// format that printing uses. The window shows and edits these texts and calls
// the operations; every rule lives here.
//
// Cells and fields hold text as typed. Lengths are tenths of a millimetre.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/Druckgrundlagen.h"
#include "print/Scheinformat.h"

namespace kv {

// The edit fields of the calibration area, as decimal texts.
struct Kalibrierfelder {
    std::string abstandH = "76";   // B, `eAbstandh`
    std::string abstandV = "480";  // C, `eAbstandv`
    std::string hori;              // `Ehori`
    std::string vert;              // `Evert`
    std::string nrX;               // `ENrx`
    std::string nrY;               // `ENry`
    // `EZus` g j k: [game g - 1][answer j - 1 ("ja", "nein")][0 = x, 1 = y]
    std::array<std::array<std::array<std::string, 2>, 2>, kZusatzspiele> zus;

    std::string& zusatz(int spiel, int antwort, int koordinate) {
        return zus[spiel - 1][antwort - 1][koordinate - 1];
    }
    const std::string& zusatz(int spiel, int antwort, int koordinate) const {
        return zus[spiel - 1][antwort - 1][koordinate - 1];
    }
    friend bool operator==(const Kalibrierfelder&, const Kalibrierfelder&) = default;
};

class Kalibrierung {
  public:
    static constexpr int kFeldSpalten = 3;     // "Nr.", " X", " Y"
    static constexpr int kDetailSpalten = 38;  // 2 fixed + 12 fields x 3 boxes
    static constexpr int kDetailZeilen = 27;   // header + x and y of 13 matches
    static constexpr int kSnapshotZeilen = kMaxFelder * kSpiele;

    // As the window is built: 6 fields per row, "einer", B 76, C 480, x of
    // match 1 = 200 x the field number, y of match 1 of field 1 = 200.
    Kalibrierung();

    // [field - 1][match - 1][column 0..2]
    using Feldtabellen = std::array<std::array<std::array<std::string, kFeldSpalten>, kSpiele>, kMaxFelder>;
    // [field - 1][match - 1][box - 1][0 = x, 1 = y]
    using Detailtabelle =
        std::array<std::array<std::array<std::array<std::string, 2>, kSpalten>, kSpiele>, kMaxFelder>;

    // What the user edits of a format: the fields, fields per row, the
    // arrangement, the field tables and the detail table.
    struct Stand {
        Kalibrierfelder felder;
        int up1 = 0;
        int rg1 = 0;
        Feldtabellen tabellen;
        Detailtabelle detail;
    };
    Stand stand() const;
    // Whether what a save would write differs from the format last read or
    // saved (the window's built-in values at the start): the fields, the
    // tables and, once extracted (saving then takes it as it is), the detail
    // table. A detail table that saving would fill anew does not count.
    bool geaendert() const;
    // What the window shows now counts as read or saved.
    void alsGesichertMerken() { gesichert_ = stand(); }
    // Back to the format last read or saved (the detail table only while
    // extracted; otherwise saving fills it anew anyway).
    void aenderungenVerwerfen();

    // The draft of the calibration as shown (fields, tables, detail table,
    // the detail flags, undo state and `LDatei`), and the calibration from
    // one, still unsaved. Throws UngueltigeDatei, changing nothing, for bytes
    // that are no such draft. The current format that printing uses stays.
    std::string entwurf() const;
    void entwurfAnwenden(std::string_view daten);

    Kalibrierfelder& felder() { return felder_; }
    const Kalibrierfelder& felder() const { return felder_; }

    // `Up1`: tip fields per row, 4..6; other values are ignored.
    int felderProReihe() const { return up1_; }
    void setzeFelderProReihe(int n);
    // Fields per paper slip (`LAnz`): twice the fields per row.
    int felderProSchein() const { return 2 * up1_; }
    // `RG1`: 0 "einer", 1 "zwei"; other values are ignored.
    int anordnung() const { return rg1_; }
    void setzeAnordnung(int a);
    // `LReihen`: "Reihe" or "Reihen".
    std::string reihenText() const { return rg1_ == 0 ? "Reihe" : "Reihen"; }

    // Field table `feld` (1..12), grid row `zeile` (1..13 = match), column
    // 0 "Nr.", 1 "X", 2 "Y".
    const std::string& feldZelle(int feld, int zeile, int spalte) const;
    void setzeFeldZelle(int feld, int zeile, int spalte, std::string text);
    static const char* feldKopf(int spalte);  // "Nr.", " X", " Y"

    // Any cell of `GDetail` (38 columns, 27 rows), fixed ones included.
    std::string detailText(int spalte, int zeile) const;
    // A data cell (column >= 2, row >= 1).
    void setzeDetailZelle(int spalte, int zeile, std::string text);
    static bool detailEditierbar(int spalte, int zeile) { return spalte >= 2 && zeile >= 1; }
    // The cell of field f, match m, box b; y = false for x.
    const std::string& detail(int feld, int spiel, int box, bool y) const;
    // Caption of the group above the columns of a field: "Feld " + number.
    static std::string detailGruppe(int feld) { return "Feld " + std::to_string(feld); }

    bool detailKomplett() const { return detailKomplett_; }
    bool detailExtrahiert() const { return detailExtrahiert_; }
    bool extrahierenAktiv() const { return extrahierenAktiv_; }  // `BExtrahieren`
    bool undoAktiv() const { return undoAktiv_; }                // `BUndo`
    const std::string& undoText() const { return undoText_; }    // caption of `BUndo`
    const std::vector<std::string>& snapshot() const { return snapshot_; }

    // The current format: the one last read or saved.
    const TScheinFormat& format() const { return format_; }
    // `LDatei`: "Geöffnet: name" or "Gespeichert: name", empty at start.
    const std::string& dateiStatus() const { return dateiStatus_; }

    // `FormatEinlesen`: reads the whole file, checks it, then applies it. A
    // file that cannot be read or is no valid format gives the message and
    // changes nothing.
    std::optional<Druckmeldung> FormatEinlesen(const std::string& pfad);
    // Applies a checked format read from the file `name` as `FormatEinlesen` does.
    void formatAnwenden(const TScheinFormat& format, const std::string& name);

    // "Scheinformat speichern...", after the file was chosen: detail transfer
    // (unless extracted), conversion of every cell and field, atomic write;
    // only then does the written format become the current one. Any refusal
    // gives its message and writes nothing.
    std::optional<Druckmeldung> speichern(const std::string& pfad);

    // `DetailTransfer` for the first n fields: box 1 from the field tables,
    // boxes 2 and 3 at x + h and x + 2h (h = B / 2, rounded up for an odd B).
    std::optional<Druckmeldung> DetailTransfer(int n);
    // "A-Werte extrahieren": detail transfer for all fields of a slip; no
    // message means the detail window is to be shown.
    std::optional<Druckmeldung> extrahieren();
    // "Alle A-Werte" (and every new detail window): empties the detail table.
    void detailLeeren();

    // "Automatisch ausfüllen". `frage` is asked when C is below 360.
    std::optional<Druckmeldung> automatischAusfuellen(const Rueckfrage& frage);
    // `slTempFuellen`: snapshot of all field tables; `BUndo` reads w + " rückgängig".
    void slTempFuellen(const std::string& w);
    // "Ausfüllen rückgängig": restores the snapshot once.
    void undo();
    // "  Felder  1 - 12": snapshot "Löschen", then empties x and y of all tables.
    void felderLoeschen();
    // The delete button of one field table: empties its x and y, no snapshot.
    void feldLoeschen(int feld);

  private:
    std::string& feldZelleRef(int feld, int zeile, int spalte);
    std::string& detailRef(int feld, int spiel, int box, bool y);
    std::optional<Druckmeldung> formatAusFenster(TScheinFormat& neu) const;

    Kalibrierfelder felder_;
    int up1_ = 6;
    int rg1_ = 0;
    Feldtabellen feld_;
    Detailtabelle detail_;
    bool detailKomplett_ = false;
    bool detailExtrahiert_ = false;
    bool extrahierenAktiv_ = false;
    bool undoAktiv_ = false;
    std::string undoText_ = "Ausfüllen rückgängig";
    std::vector<std::string> snapshot_;
    TScheinFormat format_;
    std::string dateiStatus_;
    Stand gesichert_;
};

}  // namespace kv
