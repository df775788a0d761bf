// kalvendo-cli chances: how likely each prize class is for a slip, from the
// tendencies of the matches and the results of the finished ones.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// chances SLIP.kv13 (--tendencies T | --fixtures LIST.sp13)
//         [--result DIGITS [--finished LIST]] [--stake CENTS] [--json]
// T: 13 comma-separated items, each "-" or three digits joined by hyphens
// (blanks around the digits allowed): Heim, ignored, Gast. With --json one
// object {"rows": R, "stake_cents": S, "classes": [{"class": "I", "hits": 13,
// "at_least": P, "expected_rows": E}, ...]}, otherwise the same in German.
// `args` starts with the command name. Returns 0; 1 when a file cannot be
// read; 2 for bad usage or an invalid slip. Nothing is written to `out` on
// an error.
int chances(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
