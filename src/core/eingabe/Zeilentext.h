// The text of the row list `M2` as the user sees and edits it. Lines the
// user has not touched are the listed rows themselves, made into text only
// when they are shown or saved; only edited lines are kept as text. So a
// listing of 1.6 million rows costs no memory beyond the rows, and an edit
// costs only the lines it touched.
//
// Every edit is one replacement of a run of lines by other lines: typing in
// a line, splitting it (Enter), joining two (Backspace, Delete), pasting,
// deleting lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class Entwurfsleser;
class Entwurfsschreiber;
class Reihenliste;

class Zeilentext {
  public:
    // An empty text (no lines).
    Zeilentext() = default;
    // The text of `liste` (which must outlive it, or until the next call):
    // one line per row, nothing edited.
    void zeigeListe(const Reihenliste* liste);

    std::uint64_t anzahl() const { return anzahl_; }
    // Line i (0-based, < anzahl()), without its line end.
    std::string zeile(std::uint64_t i) const;
    // Whether some line was edited, added or removed since the listing.
    bool bearbeitet() const;

    // Lines that hold more than blanks: the rows the list shows
    // ("Anzahl Tippreihen").
    std::uint64_t belegteZeilen() const;
    // Whether the lines show exactly the rows of the list, in their order:
    // every line that holds more than blanks reads, without blanks at its
    // ends, as the row's line does, and there is one such line per row. Only
    // then do a slip file and a reduction of the list take what the user sees.
    bool stimmtMitListe() const;
    // Whether there are edits of the user not yet saved: lines were edited
    // since the listing or the last alsGesichertMerken(), and they no longer
    // show the rows of the list.
    bool ungesichert() const { return !gesichert_ && !stimmtMitListe(); }
    // The text as it stands was saved (a text file of the lines).
    void alsGesichertMerken() { gesichert_ = true; }

    // The draft of the text: its runs of rows (positions in the list) and its
    // edited lines, so a list of 1.6 million rows with a few edits takes a
    // few bytes beside its rows. Read back over the same rows (`liste`), it
    // is the same text, not saved; bytes that are no such draft, or rows the
    // list does not have, throw UngueltigeDatei and change nothing.
    void entwurfSchreiben(Entwurfsschreiber& s) const;
    void entwurfLesen(const Reihenliste* liste, Entwurfsleser& l);

    // Replaces `weg` lines from line `ab` on by `neu` (ab + weg <= anzahl()).
    void ersetzen(std::uint64_t ab, std::uint64_t weg, const std::vector<std::string>& neu);
    // Text pasted at column `spalte` (a byte offset) of line `ab`: it may hold
    // several lines (LF or CR LF). Returns the line and column after it.
    std::pair<std::uint64_t, std::size_t> einfuegen(std::uint64_t ab, std::size_t spalte,
                                                    std::string_view text);

    // The whole text, every line ended by CR LF (an empty text: nothing).
    std::string text() const;

  private:
    // A run of lines: rows von..bis - 1 of the list, or lines of text.
    struct Stueck {
        bool reihen = true;
        std::uint64_t von = 0, bis = 0;
        std::vector<std::string> zeilen;
        std::uint64_t groesse() const { return reihen ? bis - von : zeilen.size(); }
    };
    // The piece holding line i and the line's offset in it.
    std::pair<std::size_t, std::uint64_t> finde(std::uint64_t i) const;
    // Splits the pieces so that a piece starts at line i; returns its index.
    std::size_t teile(std::uint64_t i);
    void zaehlen();

    const Reihenliste* liste_ = nullptr;
    std::vector<Stueck> stuecke_;
    std::vector<std::uint64_t> anfang_;  // first line of every piece
    std::uint64_t anzahl_ = 0;
    bool gesichert_ = true;
};

}  // namespace kv
