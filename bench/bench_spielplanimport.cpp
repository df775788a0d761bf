// Benchmarks of the fixture import: a pasted 13-line table and 10,000 pasted
// lines of junk, each next to a plain split of the same text into lines
// (the least any import must do with it), measured in the same run.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "eingabe/Spielplanimport.h"

namespace {

using namespace kv;

// 13 pairings as a browser copies them: tab-separated, CR LF.
std::string tabelle13() {
    std::string t;
    for (int i = 1; i <= kSpiele; ++i)
        t += std::to_string(i) + "\tHeimmannschaft " + std::to_string(i) + "\tGastmannschaft " +
             std::to_string(i) + "\t5 - 3 - 2\r\n";
    return t;
}

// 10,000 lines of junk: letters, runs of blanks, tabs, empty lines.
std::string muell10k() {
    std::mt19937 rng(7);
    const std::string zeichen = "abcdefghijklmnopqrstuvwxyz0123456789-  \t\"";
    std::string t;
    for (int i = 0; i < 10000; ++i) {
        const int laenge = static_cast<int>(rng() % 80);
        for (int k = 0; k < laenge; ++k) t += zeichen[rng() % zeichen.size()];
        t += "\n";
    }
    return t;
}

// The reference: the text cut into its lines, nothing more.
std::vector<std::string> zeilen(std::string_view text) {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string_view::npos) e = text.size();
        z.emplace_back(text.substr(a, e - a));
        a = e + 1;
    }
    return z;
}

void importieren(benchmark::State& state, const std::string& text) {
    Spielplanraster raster;
    for (auto _ : state) {
        const Spielplanimport im = DatenAuslesen(text, TendenzWerte{});
        raster.uebernehme(im);
        benchmark::DoNotOptimize(im.gefunden);
    }
}

void teilen(benchmark::State& state, const std::string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(zeilen(text).size());
}

void BM_Spielplanimport13(benchmark::State& state) {
    const std::string text = tabelle13();
    if (DatenAuslesen(text, TendenzWerte{}).gefunden != kSpiele) state.SkipWithError("13 Tendenzen erwartet");
    importieren(state, text);
}
BENCHMARK(BM_Spielplanimport13)->Unit(benchmark::kMicrosecond);

void BM_Zeilenteilung13(benchmark::State& state) {
    teilen(state, tabelle13());
}
BENCHMARK(BM_Zeilenteilung13)->Unit(benchmark::kMicrosecond);

void BM_SpielplanimportMuell10k(benchmark::State& state) {
    const std::string text = muell10k();
    if (DatenAuslesen(text, TendenzWerte{}).gefunden != 0) state.SkipWithError("Müll ohne Tendenz erwartet");
    importieren(state, text);
}
BENCHMARK(BM_SpielplanimportMuell10k)->Unit(benchmark::kMicrosecond);

void BM_ZeilenteilungMuell10k(benchmark::State& state) {
    teilen(state, muell10k());
}
BENCHMARK(BM_ZeilenteilungMuell10k)->Unit(benchmark::kMicrosecond);

}  // namespace
