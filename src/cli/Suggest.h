// kalvendo-cli suggest: the tip suggestion of the normal slip entry window
// from a fixture list, with its rows and the filtered list.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// suggest FIXTURES.sp13 [--thresholds 2,3,3] [--only 000] [--filter 8,5,5|off] [--rows]
// Reads the fixture list and its tendencies as showing the list does (the
// table starts at 0: matches without a readable tendency, or beyond the
// list's last record, keep 0 points), makes the suggestion with these
// settings (defaults: the window's start values; --only: the "nur" boxes for
// "1", "0", "2" as 0/1) and prints the 13 tip groups in column order separated
// by commas ("1,10,2,..."; an empty group for a match without a tip), then
// "rows N" (the field's rows) and "listed M" (after the filter; "off" lists
// all). --rows adds the listed rows as a text row file. `args` starts with
// the command name. Returns 0, 2 for bad arguments, 1 when the fixture list
// cannot be read.
int suggest(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
