// kalvendo-cli print-plan: the print run of the print window without a
// printer, every question answered "Ja", one line per mark.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// print-plan FORMAT.kvxdr SLIP.kv13 [--start A] [--end B]
//     [--offsets OX_DEVICE,OY_DEVICE,DPI] [--correction H,V] [--zusatz FLAGS] [--number K]
// `args` may start with the command name "print-plan". Prints, in drawing
// order, paper slip, field, match (or zusatzG / nr; the field is then "-"),
// X, Y and the mark's text, TAB-separated, one line per mark. Returns 0 when
// done, 1 when a file cannot be read, 2 for bad usage and every refusal of
// the run (invalid format or slip, end before start, nothing to print). A
// failed write of the output throws AusgabeFehler (Ausgabe.h).
int printPlan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
