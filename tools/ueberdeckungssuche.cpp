// Searches long for small coverings and prints them as the lines of a table
// for garantie/BekannteUeberdeckungen.cpp: the coverings on file there were
// found by this program.
//
//   kalvendo-ueberdeckungssuche ZWEIER DREIER RADIUS SCHRITTE SEEDS
//
// runs the search with seeds 1..SEEDS and a budget of SCHRITTE each, keeps the
// smallest covering and prints its size, the seed and its words (binary
// coordinates first, then the ternary ones, one digit each).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "garantie/Ueberdeckung.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "Aufruf: %s ZWEIER DREIER RADIUS SCHRITTE SEEDS\n", argv[0]);
        return 2;
    }
    const int zweier = std::atoi(argv[1]), dreier = std::atoi(argv[2]), radius = std::atoi(argv[3]);
    const unsigned long long schritte = std::strtoull(argv[4], nullptr, 10);
    const int seeds = std::atoi(argv[5]);
    std::vector<kv::Codewort> beste;
    int besterSeed = 0;
    for (int s = 1; s <= seeds; ++s) {
        kv::Suchgrenzen g;
        g.seed = static_cast<std::uint64_t>(s);
        g.schritte = schritte;
        g.bekannteNutzen = false;
        auto c = kv::ueberdeckung(zweier, dreier, radius, g);
        std::fprintf(stderr, "seed %d: %zu\n", s, c.size());
        if (beste.empty() || c.size() < beste.size()) {
            beste = std::move(c);
            besterSeed = s;
        }
    }
    std::printf("// %zu words, seed %d, %llu steps\n", beste.size(), besterSeed, schritte);
    std::string zeile;
    for (const auto& w : beste) {
        for (int k = 0; k < zweier + dreier; ++k)
            zeile += static_cast<char>('0' + w[static_cast<std::size_t>(k)]);
        zeile += ' ';
        if (zeile.size() > 90) {
            std::printf("    \"%s\"\n", zeile.c_str());
            zeile.clear();
        }
    }
    if (!zeile.empty()) std::printf("    \"%s\"\n", zeile.c_str());
    return 0;
}
