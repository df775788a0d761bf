// What several commands of kalvendo-cli read alike: the winning row and the
// finished matches (evaluate, chances), a slip file with the statuses of its
// errors, and the tendencies of a fixture list (suggest, chances).
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

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

// --result DIGITS: the 13 winning tendencies as shown digits 1, 0, 2 ->
// columns; nothing for anything else.
std::optional<std::array<std::uint8_t, kSpiele>> zifferReihe(const std::string& s);
std::string meldungZifferReihe(const std::string& s);
// --finished LIST: "1-5,7", "all", "none" -> bit m - 1 for every finished match m.
std::optional<std::uint16_t> beendetListe(const std::string& s);
std::string meldungBeendetListe(const std::string& s);
// The default of --finished.
inline const char* const kKeineBeendet = "none";

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
