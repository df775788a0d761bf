// A sum of weights over the 13 members of a row, by three table lookups: the
// members of a row (bits 1..39) fall into three blocks of 13 bits, and each
// table holds the sum of the weights of every pattern of its block. Used where
// every row of a full system is looked at (up to 1,594,323 rows): the odds
// filter's Quote and the counts of the row filter.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/Tipp.h"

namespace kv {

class Reihensumme {
  public:
    // gewicht[x] is the weight of cross index x (1..39); entry 0 is unused.
    explicit Reihensumme(const std::array<std::uint32_t, kKreuzIndizes + 1>& gewicht);

    std::uint32_t operator()(Reihe r) const {
        r >>= 1;
        return tafel_[r & kMaske] + tafel_[kBlock + ((r >> 13) & kMaske)] +
               tafel_[2 * kBlock + ((r >> 26) & kMaske)];
    }

  private:
    static constexpr std::uint64_t kBlock = std::uint64_t{1} << 13;
    static constexpr std::uint64_t kMaske = kBlock - 1;
    std::vector<std::uint32_t> tafel_;
};

}  // namespace kv
