// kalvendo-cli reduce: the guaranteed reduction of one field into a slip file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// reduce --tips T --radius R [--seed S] -o OUT.kv13
// T: 13 groups of the tips 1, 0, 2 separated by commas ("10,1,102,2,..."); R:
// 1 or 2; S: the seed of the search (default 1). Writes the reduced rows as
// single-row fields to OUT.kv13 (atomically) and prints their count. `args`
// starts with the command name. Returns 0, 1 when the file cannot be
// written, 2 for bad usage or a bad T, R or S (nothing is written then).
int reduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
