// The transfer tool's row table and what is done with it: rows from pasted
// text go in, slip files come out.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"
#include "textexport/TextExport.h"
#include "transfer/Reihenerkennung.h"

namespace kv {

enum class Uebertragungsmodus {
    Ueberschreiben,  // "vorhandene Einträge überschreiben": the rows start at row 1
    Anhaengen,       // "neue Reihen anhängen": the rows follow the filled rows
};

// A grid of 14 text columns: row 0 is the header ("Tipp", "1" .. "13"),
// column 0 the row number, columns 1 to 13 the tips of matches 1 to 13.
// Row numbers are only written together with a row's tips.
class Transfertabelle final : public Zellquelle {
  public:
    static constexpr int kSpaltenAnzahl = kSpiele + 1;
    static constexpr std::uint64_t kStartZeilen = 30;  // header and 29 empty rows

    Transfertabelle();

    // Row count, header included (the grid's RowCount).
    std::uint64_t zeilenAnzahl() const override { return zeilen_.size() + 1; }
    int spaltenAnzahl() const override { return kSpaltenAnzahl; }
    std::string zelle(int spalte, std::uint64_t zeile) const override;

    // The tips of table row 1 .. zeilenAnzahl() - 1.
    const Tippreihe& reihe(std::uint64_t zeile) const { return zeilen_[zeile - 1].tipps; }
    bool nummeriert(std::uint64_t zeile) const { return zeilen_[zeile - 1].nummer; }

    // Rows filled from row 1 down to the first row whose match-1 cell is empty.
    std::uint64_t gefuellteZeilen() const;

    // Writes the tips into row `zeile` (>= 1) with its number; adds rows up to it.
    void setzeReihe(std::uint64_t zeile, const Tippreihe& tipps);
    // Row count, header included (>= 1); rows past it vanish, new rows are empty.
    void setzeZeilenAnzahl(std::uint64_t anzahl);

    // "Reihen löschen": empties the tips of every row; count and numbers stay.
    void reihenLoeschen();

  private:
    struct Zeile {
        Tippreihe tipps;
        bool nummer = false;
    };
    std::vector<Zeile> zeilen_;  // table rows 1 .. n
};

// What a transfer did: `fehler` is the message when it refused (nothing was
// changed then); otherwise `anfang` is the start offset a and `gefunden` the
// number of rows found, written to rows a + 1 .. a + gefunden.
struct Uebertragung {
    std::string fehler;
    std::uint64_t anfang = 0;
    std::uint64_t gefunden = 0;
};

// "Reihen in Tabelle übertragen": recognises every line of `text` and writes
// the rows into the table by the mode. Afterwards the table holds exactly
// rows 1 .. a + n, unless no row at all was written (a + n = 0): then it stays
// as it was. An empty text is refused with a message.
Uebertragung ReihenInTabelle(Transfertabelle& tabelle, std::string_view text, Uebertragungsmodus modus);

// A table row cannot become a slip field: a tip cell is empty or holds no
// whole number. what() is the message for the user and names the row.
class TabellenFehler : public std::runtime_error {
  public:
    TabellenFehler(const std::string& meldung, std::uint64_t zeile, int spiel)
        : std::runtime_error(meldung), zeile_(zeile), spiel_(spiel) {}
    std::uint64_t zeile() const { return zeile_; }
    int spiel() const { return spiel_; }

  private:
    std::uint64_t zeile_;
    int spiel_;
};

// The whole number a cell holds (optional sign, decimal digits), if any.
std::optional<int> ganzzahl(std::string_view text);

// The tips of one row as a single-row field (sys = 0; the cross of a match is
// set where the cell's number is 1, 0 or 2, none for another number). Returns
// the first match whose cell holds no number, if any (the field is then
// incomplete).
std::optional<int> tippsAlsFeld(const Tippreihe& tipps, TScheinOffen& feld);

// The usual line of a row file in one step: 13 digits, alone or with the
// same separator (blank, comma, semicolon or tab) between each two, as the
// set of crosses (bit kreuzIndex) that ReihenErkennen() and tippsAlsFeld()
// give it. Any other line gives nothing; it takes the general way.
std::optional<Reihe> ziffernzeileAlsReihe(std::string_view zeile);

// Every table row 1 .. zeilenAnzahl() - 1 as one single-row field, as
// tippsAlsFeld() makes it. Throws TabellenFehler at the first cell that holds
// no number.
std::vector<TScheinOffen> TabelleAlsFelder(const Transfertabelle& tabelle);

// Throws the TabellenFehler TabelleAlsFelder() would throw, without keeping
// any field.
void pruefeTabelle(const Transfertabelle& tabelle);

// "Als Spielschein speichern": checks the whole table first, then writes the
// fields one by one into the file's atomic write. Throws TabellenFehler before
// anything is written, and DateiFehler when the file cannot be written; an
// existing file is then untouched.
void TabelleAlsSchein(const Transfertabelle& tabelle, const std::string& pfad);

}  // namespace kv
