#include "evaluation/Reihenzaehlung.h"

#include <algorithm>
#include <bit>

#include "model/Bitzaehlung.h"

namespace kv {

namespace {

// One histogram cell per (hits, hits among the finished matches): h + 16 t.
// Four copies take turns, so that rows with the same numbers do not wait for
// each other's increments.
using Histogramm = std::array<std::array<std::uint64_t, 256>, 4>;

std::array<std::uint64_t, 4> kAus(const Histogramm& H, int nF) {
    std::array<std::uint64_t, 4> K{};
    for (int x = 0; x <= 3 && x <= nF; ++x)
        for (const auto& h : H)
            for (int treffer = 0; treffer <= kSpiele; ++treffer)
                K[static_cast<std::size_t>(x)] += h[static_cast<std::size_t>(treffer + 16 * (nF - x))];
    return K;
}

KV_MIT_POPCNT void zaehlen(const Reihe* r, std::size_t n, Reihe W, Reihe F, int nF, Histogramm& H,
                           std::vector<std::array<std::uint64_t, 4>>& bloecke) {
    auto index = [W, F](Reihe x) {
        return static_cast<std::size_t>(std::popcount(x & W) | (std::popcount(x & F) << 4));
    };
    for (std::size_t anfang = 0; anfang < n; anfang += kZaehlblock) {
        bloecke.push_back(kAus(H, nF));
        const std::size_t ende = std::min(n, anfang + kZaehlblock);
        std::size_t i = anfang;
        for (; i + 4 <= ende; i += 4) {
            ++H[0][index(r[i])];
            ++H[1][index(r[i + 1])];
            ++H[2][index(r[i + 2])];
            ++H[3][index(r[i + 3])];
        }
        for (; i < ende; ++i) ++H[0][index(r[i])];
    }
}

KV_MIT_POPCNT std::size_t suchen(const Reihe* r, std::size_t von, std::size_t bis, Reihe F, int t,
                                 std::uint64_t j) {
    for (std::size_t i = von; i < bis; ++i)
        if (std::popcount(r[i] & F) == t && j-- == 0) return i;
    return bis;
}

}  // namespace

Reihenzaehlung reihenZaehlen(const Reihe* r, std::size_t n, Reihe W, Reihe F, int nF) {
    Reihenzaehlung z;
    Histogramm H{};
    z.bloecke.reserve((n + kZaehlblock - 1) / kZaehlblock);
    zaehlen(r, n, W, F, nF, H, z.bloecke);
    for (const auto& h : H)
        for (int treffer = 0; treffer <= kSpiele; ++treffer)
            for (int t = 0; t <= kSpiele; ++t)
                z.C[static_cast<std::size_t>(treffer)] += h[static_cast<std::size_t>(treffer + 16 * t)];
    z.K = kAus(H, nF);
    return z;
}

std::size_t reiheMitFehlern(const Reihe* r, std::size_t n, const Reihenzaehlung& z, Reihe F, int nF, int x,
                            std::uint64_t j) {
    if (x < 0 || x > 3 || x > nF || j >= z.K[static_cast<std::size_t>(x)]) return n;
    const auto xi = static_cast<std::size_t>(x);
    // the last block with at most j such rows before it
    const auto it = std::partition_point(z.bloecke.begin(), z.bloecke.end(),
                                         [&](const std::array<std::uint64_t, 4>& b) { return b[xi] <= j; });
    const auto b = static_cast<std::size_t>(it - z.bloecke.begin()) - 1;
    const std::size_t von = b * kZaehlblock;
    return suchen(r, von, n, F, nF - x, j - z.bloecke[b][xi]);
}

}  // namespace kv
