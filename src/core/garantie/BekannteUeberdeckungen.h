// Coverings known to be smaller than what the search finds in its budget.
#pragma once

#include <cstdint>
#include <vector>

#include "garantie/Ueberdeckung.h"

namespace kv {

// The known covering of {0,1}^zweier x {0,1,2}^dreier with the radius, or
// nothing when there is none on file.
std::vector<Codewort> bekannteUeberdeckung(int zweier, int dreier, int radius);

// The size of the smallest covering known for the space and radius (the
// search stops when it reaches it), 0 when none is on file.
std::uint64_t bekannteBestgroesse(int zweier, int dreier, int radius);

}  // namespace kv
