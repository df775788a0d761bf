#include "garantie/Garantiereduktion.h"

#include <algorithm>

#include "model/TippListen.h"

namespace kv {

std::string reduktionsFehler(const TScheinOffen& feld, const ReduktionsOptionen& optionen) {
    if (optionen.radius != 1 && optionen.radius != 2)
        return "Der Radius " + std::to_string(optionen.radius) +
               " ist ungültig: erlaubt sind 1 (12 Richtige) und 2 (11 Richtige).";
    for (int m = 1; m <= kSpiele; ++m)
        if (tippAnzahl(feld, m) == 0)
            return "Spiel " + std::to_string(m) +
                   " hat keinen Tipp; ein Feld ohne Tipp lässt sich nicht reduzieren.";
    return {};
}

std::vector<Reihe> garantieReduktion(const TScheinOffen& feld, const ReduktionsOptionen& optionen) {
    if (const std::string f = reduktionsFehler(feld, optionen); !f.empty()) throw ReduktionsFehler(f);
    const TippListen listen = tippListen(feld);
    std::vector<int> zweiwege, dreiwege;  // matches (1-based) in match order
    for (int m = 1; m <= kSpiele; ++m) {
        if (listen.laenge(m) == 2) zweiwege.push_back(m);
        if (listen.laenge(m) == 3) dreiwege.push_back(m);
    }
    Suchgrenzen grenzen;
    grenzen.seed = optionen.seed;
    grenzen.schritte = optionen.schritte;
    if (optionen.zeitLimit) grenzen.frist = std::chrono::steady_clock::now() + *optionen.zeitLimit;
    grenzen.fortschritt = optionen.fortschritt;
    const auto woerter = ueberdeckung(static_cast<int>(zweiwege.size()), static_cast<int>(dreiwege.size()),
                                      optionen.radius, grenzen);

    // Binary coordinate k picks between the two tips of the k-th 2-way, ternary
    // coordinate j among the three tips of the j-th 3-way.
    std::vector<std::pair<std::uint32_t, Reihe>> reihen;  // (position in a full system's order, row)
    reihen.reserve(woerter.size());
    for (const Codewort& w : woerter) {
        std::array<int, kSpiele> wahl{};
        for (std::size_t k = 0; k < zweiwege.size(); ++k) wahl[zweiwege[k] - 1] = w[k];
        for (std::size_t j = 0; j < dreiwege.size(); ++j) wahl[dreiwege[j] - 1] = w[zweiwege.size() + j];
        Reihe r = 0;
        std::uint32_t pos = 0;
        for (int m = 1; m <= kSpiele; ++m) {
            r |= kreuzBit(listen.tipp(m, wahl[m - 1]));
            pos = pos * 3 + static_cast<std::uint32_t>(wahl[m - 1]);
        }
        reihen.emplace_back(pos, r);
    }
    std::sort(reihen.begin(), reihen.end());
    std::vector<Reihe> aus;
    aus.reserve(reihen.size());
    for (const auto& [pos, r] : reihen) aus.push_back(r);
    return aus;
}

std::string garantieText(std::size_t reihen, int radius) {
    return std::to_string(reihen) + (reihen == 1 ? " Tippreihe" : " Tippreihen") +
           ". Garantie: " + std::to_string(kSpiele - radius) +
           " Richtige, wenn alle Tipps des Feldes stimmen.";
}

}  // namespace kv
