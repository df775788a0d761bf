#include "eingabe/Zufall.h"

#include <chrono>

namespace kv {

Zufallsgenerator Zufallsgenerator::ausUhr() {
    return Zufallsgenerator(
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::uint64_t Zufallsgenerator::unter(std::uint64_t n) {
    // Draws above the largest multiple of n are thrown away, so that every
    // remainder is equally likely.
    const std::uint64_t grenze = ~std::uint64_t{0} - ~std::uint64_t{0} % n;
    std::uint64_t x;
    do x = g_();
    while (x >= grenze);
    return x % n;
}

}  // namespace kv
