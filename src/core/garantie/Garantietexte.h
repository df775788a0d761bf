// The texts of the guarantee analysis window: the name of a span and the
// guarantee line that says, in words, what the slip guarantees over it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "garantie/Garantieanalyse.h"

namespace kv {

// A count with the German thousands separator: "1.594.323".
std::string tausender(std::uint64_t n);

// The span of a table row: 0 = all outcomes ("Alle Ausgänge"), n = the
// outcomes within the tips of field n ("Feld n"), kScheintipps = those within
// the tips of the whole slip ("Tipps des Spielscheins").
inline constexpr std::size_t kScheintipps = static_cast<std::size_t>(-1);
std::string bereichsName(std::size_t feld);

// The guarantee line of a span, e.g. "Garantie: 12 Richtige, wenn alle
// Ergebnisse innerhalb der Tipps von Feld 1 liegen (972 Ausgänge)." A
// guarantee of 0 hits is called none; a field without a tip on some match
// spans no outcome and is called incomplete.
std::string garantieZeile(const Trefferverteilung& v, std::size_t feld);

}  // namespace kv
