// kalvendo-cli import-fixtures: a pasted fixture table read as "Daten
// auslesen" reads it in the normal slip entry window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// import-fixtures PASTED.txt [-o OUT.sp13]
// Runs the fixture import on the text of PASTED.txt (UTF-8; a byte-order mark
// is skipped) with an empty grid and a tendency table of zeros, and prints
// one line per match 1..13: number, TAB, the grid's columns 1, 2 and 3
// (empty where the grid has fewer columns), TAB, then "Heim,Remis,Gast" or
// "-" when the match got no readable tendency, LF; then "found N". With -o
// the grid is saved as a fixture list as "Begegnungen speichern..." saves
// it. `args` starts with the command name. Returns 0 when done, 2 for bad
// usage and for an import that stops with its message (nothing is printed
// or written then), 1 when a file cannot be read or written.
int importFixtures(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
