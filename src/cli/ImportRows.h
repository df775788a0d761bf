// kalvendo-cli import-rows: tip rows from a text file into a slip file, as
// the transfer tool does it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// import-rows TEXTFILE -o OUT.kv13
// Recognises every line of TEXTFILE as the transfer tool does (lines that are
// no rows are skipped) and writes the rows as single-row fields to OUT.kv13.
// `args` may start with the command name "import-rows". Prints the number of
// rows written. Returns 0 when done, 1 when a file cannot be read or written,
// 2 for bad usage, a text without any row, or a row that is no slip field (a
// tip that is no number); in every failure case nothing is written and an
// existing file stays.
int importRows(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
