// The random numbers of the random reduction: a generator that tests seed
// and the program seeds from the clock.
#pragma once

#include <cstdint>
#include <random>

namespace kv {

class Zufallsgenerator {
  public:
    // The same seed gives the same numbers, on every machine.
    explicit Zufallsgenerator(std::uint64_t saat) : g_(saat) {}
    // Seeded from the clock, as the program does before each reduction.
    static Zufallsgenerator ausUhr();

    // A uniform random integer r with 0 <= r < n (n >= 1).
    std::uint64_t unter(std::uint64_t n);

  private:
    std::mt19937_64 g_;
};

}  // namespace kv
