// What several commands of kalvendo-cli read alike: the winning row and the
// finished matches (evaluate, chances), a slip file with the statuses of its
// errors, and the tendencies of a fixture list (suggest, chances).
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "evaluation/Auswertung.h"
#include "model/Records.h"
#include "model/Schein.h"

namespace kv::cli {

// An error of a command: its exit status and the message (without the
// "kalvendo-cli: " in front).
struct Fehler {
    int status;
    std::string text;
};

// Writes "kalvendo-cli: TEXT" to `err`; returns the status.
int melde(std::ostream& err, const Fehler& f);

// --result DIGITS (the 13 winning tendencies as shown digits 1, 0, 2) and
// --finished LIST ("1-5,7", "all", "none"; absent: "none") into `lage`.
// Returns the message of the first bad one, or nothing.
std::optional<std::string> ergebnisLesen(const std::string& ergebnis,
                                         const std::optional<std::string>& beendet, Ergebnislage& lage);

// Memory ran out for a file: an I/O error, as the file could not be handled
// (`was`: "gelesen", "ausgewertet", ...).
Fehler zuWenigSpeicher(const std::string& pfad, const char* was);
// Reads a slip; on failure the error: status 1 when the file cannot be read,
// 2 for an invalid slip.
std::optional<Fehler> lies(const std::string& pfad, Schein& schein);

// The tendencies of a fixture list as "Spielplan öffnen" reads them: the
// table starts at 0 and takes every readable tendency text. Throws DateiFehler.
TendenzWerte tendenzenAusSpielplan(const std::string& pfad);

}  // namespace kv::cli
