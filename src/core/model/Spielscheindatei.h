// Slip files ("*.kv13"): a flat sequence of 40-byte field records, no header.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "io/Datei.h"
#include "model/Records.h"
#include "model/Schein.h"

namespace kv {

inline constexpr std::size_t kFeldBytes = 40;

// Reads every record (a trailing part shorter than 40 bytes is ignored; any
// non-zero flag is a cross) and checks every field. Throws DateiFehler when
// the file cannot be read and UngueltigeDatei, naming the file and the field,
// when a record is not a valid field; nothing is returned then.
std::vector<TScheinOffen> leseSpielschein(const std::string& pfad);

// Reads a slip file straight into a Schein, piece by piece: it takes the
// memory of the slip (8 bytes for a single-row field), not that of the file.
// The same checks and messages as leseSpielschein.
Schein leseSchein(const std::string& pfad);

// The same for bytes already in memory; `name` is used in messages.
std::vector<TScheinOffen> spielscheinAusBytes(const std::vector<std::uint8_t>& bytes,
                                              const std::string& name);

// The bytes of a slip file: one record per field, flags written as 1 and 0.
std::vector<std::uint8_t> spielscheinBytes(const std::vector<TScheinOffen>& felder);

// Writes the fields as a slip file (atomically; throws DateiFehler).
void schreibeSpielschein(const std::string& pfad, const std::vector<TScheinOffen>& felder);

// The same one field after the other, block by block into the file's atomic
// write, for slips that are not gathered first: nothing is in place of the
// file before abschliessen(). Throws DateiFehler.
class Spielscheinschreiber {
  public:
    explicit Spielscheinschreiber(const std::string& pfad);
    void feld(const TScheinOffen& f);
    void abschliessen();

  private:
    AtomaresSchreiben datei_;
    std::vector<std::uint8_t> block_;
};

// Writer 1, the system slip: the complete fields of a paper slip (every match
// crossed at least once), in field order, with their VEW choice.
struct SystemscheinPruefung {
    std::vector<TScheinOffen> felder;  // the records to write
    int fehlerFeld = 0;                // first complete field whose system does not fit (0 = none)
    std::string meldung;               // the message for it
    std::vector<int> gespeichert;      // numbers of the fields written, in order
    std::vector<int> unvollstaendig;   // fields with crosses but a match without one: skipped
};
SystemscheinPruefung systemschein(const TSchein& schein, const std::array<std::uint8_t, kMaxFelder>& systeme);

// Writer 2, a row list: one single-row record per row (sys = 0, 13 crosses).
std::vector<TScheinOffen> reihenliste(const std::vector<Reihe>& reihen);

// Writer 3, the transfer table: per table row 13 digits; a flag is set exactly
// when the digit equals the column's shown digit (1, 0, 2); anything else
// leaves that match without a cross.
std::vector<TScheinOffen> transfertabelle(const std::vector<std::array<int, kSpiele>>& zeilen);

}  // namespace kv
