// kalvendo-cli guarantee: the guarantee analysis of a slip as JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// guarantee FILE.kv13
// Prints {"all":{"best":[n13,n12,n11,n10,nle9],"guarantee":g},"fields":[{...},...]}:
// for all 3^13 outcomes and for the outcomes of each field (in file order) how
// many outcomes the best row of the slip meets with 13, 12, 11, 10, at most 9
// hits, and the fewest such hits (null for a field without outcomes). `args`
// starts with the command name. Returns 0, 1 when the file cannot be read, 2
// for bad usage, an invalid slip or a slip without any row.
int guarantee(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
