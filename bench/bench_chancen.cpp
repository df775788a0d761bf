// The prize-class chances of the largest slips, each beside a reference
// measured in the same run:
// - the first figures of a slip (its rows taken, the distance table made,
//   one weighing) against the guarantee analysis of the same slip alone,
//   which makes the same table;
// - a change of the results (a match finished, so the weights change)
//   against the evaluation of the counts for the same change, what every
//   change already costs;
// for a 13 x 3 full system, twelve of them (twelve tabs) and 2,000,000
// single-row fields. The counter MB_gehalten is what the figures keep per
// slip between changes (rows counted per outcome and the distance table).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "Beispiele.h"
#include "evaluation/Auswertung.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/Gewinnchancen.h"
#include "model/Schein.h"

namespace {

using namespace kv;

TScheinOffen vollsystem() {
    TScheinOffen f;
    f.ja.fill(1);
    return f;
}

const Schein& voll13() {
    static const Schein s({vollsystem()});
    return s;
}

using kv::bench::beispielTendenzen;
using kv::bench::einzelreihen2M;

// Match 1 running, then finished on a home win: the two states a change flips between.
Ergebnislage lage(bool beendet) {
    Ergebnislage l;
    l.gewinnreihe[0] = 1;
    l.beendet = beendet ? 1 : 0;
    return l;
}

const Schein& schein(int art) {
    return art == 0 ? voll13() : einzelreihen2M();
}
const char* name(int art) {
    return art == 0 ? "13x3-Vollsystem" : "2.000.000 Einzelreihen";
}

void BM_ChancenErsteZahlen(benchmark::State& state) {
    const Schein& s = schein(static_cast<int>(state.range(0)));
    const Spielgewichte g = spielgewichte(beispielTendenzen(), lage(false));
    std::size_t gehalten = 0;
    for (auto _ : state) {
        const Chancenbasis basis{Reihenbestand(s)};
        benchmark::DoNotOptimize(basis.chancen(g).mindestensZaehler);
        gehalten = basis.speicher();
    }
    state.counters["MB_gehalten"] = static_cast<double>(gehalten) / 1e6;
    state.SetLabel(name(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChancenErsteZahlen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Reference: the guarantee analysis of the same slip (the same distance table).
void BM_ChancenRefGarantieanalyse(benchmark::State& state) {
    const Schein& s = schein(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Garantieanalyse a(s);
        benchmark::DoNotOptimize(a.abstaende());
    }
    state.SetLabel(name(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChancenRefGarantieanalyse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ChancenAenderung(benchmark::State& state) {
    const Schein& s = schein(static_cast<int>(state.range(0)));
    const Chancenbasis basis{Reihenbestand(s)};
    const Spielgewichte g[2] = {spielgewichte(beispielTendenzen(), lage(false)),
                                spielgewichte(beispielTendenzen(), lage(true))};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(basis.chancen(g[i ^= 1]).mindestensZaehler);
    state.SetLabel(name(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChancenAenderung)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Reference: the evaluation of the counts for the same change.
void BM_ChancenRefAuswertung(benchmark::State& state) {
    const Schein& s = schein(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const Auswertung a(s, lage((i ^= 1) != 0), true);
        benchmark::DoNotOptimize(a.C());
    }
    state.SetLabel(name(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChancenRefAuswertung)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Twelve tabs of 13 x 3 full systems, one after the other on one thread
// (the window spreads them over the cores).
void BM_ChancenAenderung12Tabs(benchmark::State& state) {
    std::vector<std::unique_ptr<Chancenbasis>> basen;
    for (int t = 0; t < 12; ++t) basen.push_back(std::make_unique<Chancenbasis>(Reihenbestand(voll13())));
    const Spielgewichte g[2] = {spielgewichte(beispielTendenzen(), lage(false)),
                                spielgewichte(beispielTendenzen(), lage(true))};
    int i = 0;
    for (auto _ : state) {
        i ^= 1;
        for (const auto& b : basen) benchmark::DoNotOptimize(b->chancen(g[i]).mindestensZaehler);
    }
}
BENCHMARK(BM_ChancenAenderung12Tabs)->Unit(benchmark::kMillisecond);

void BM_ChancenRefAuswertung12Tabs(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        i ^= 1;
        for (int t = 0; t < 12; ++t) {
            const Auswertung a(voll13(), lage(i != 0), true);
            benchmark::DoNotOptimize(a.C());
        }
    }
}
BENCHMARK(BM_ChancenRefAuswertung12Tabs)->Unit(benchmark::kMillisecond);

}  // namespace
