// Slips and tendencies the benchmarks share, so that their figures are of
// the same things.
#pragma once

#include <array>
#include <random>

#include "model/Records.h"
#include "model/Schein.h"

namespace kv::bench {

// Two million random single-row fields (a long row list of the transfer tool).
inline const Schein& einzelreihen2M() {
    static const Schein s = [] {
        Schein e;
        std::mt19937 zufall(13);
        std::array<std::uint8_t, kSpiele> spalten{};
        for (int i = 0; i < 2000000; ++i) {
            for (auto& c : spalten) c = static_cast<std::uint8_t>(1 + zufall() % 3);
            e.reiheAnhaengen(reiheAusSpalten(spalten));
        }
        return e;
    }();
    return s;
}

// The tendencies of a match day, every kind of match among them.
inline TendenzWerte beispielTendenzen() {
    TendenzWerte t{};
    const int punkte[kSpiele][3] = {{6, 3, 1}, {2, 3, 5}, {4, 4, 2}, {7, 2, 1}, {3, 4, 3},
                                    {5, 3, 2}, {1, 3, 6}, {4, 3, 3}, {6, 2, 2}, {2, 5, 3},
                                    {5, 4, 1}, {3, 3, 4}, {8, 1, 1}};
    for (std::size_t m = 0; m < t.size(); ++m) {
        t[m].Heim = static_cast<std::uint8_t>(punkte[m][0]);
        t[m].Remis = static_cast<std::uint8_t>(punkte[m][1]);
        t[m].Gast = static_cast<std::uint8_t>(punkte[m][2]);
    }
    return t;
}

}  // namespace kv::bench
