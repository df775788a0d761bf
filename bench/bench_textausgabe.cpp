// "Als Text- Datei" of a full 13 x 3 system (1,594,323 rows, 43 MB) into a
// file: the row writer, the cell-by-cell table export it replaces, and the
// yardstick, a plain loop that writes the same bytes with one fwrite per line
// (as bench/textschleife.c does for the command line).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "evaluation/Reihentabelle.h"
#include "model/Schein.h"
#include "textexport/Reihentext.h"
#include "textexport/TextExport.h"

namespace {

using namespace kv;

std::string zielDatei() {
    return (std::filesystem::temp_directory_path() / ("kv-bench-text-" + std::to_string(::getpid()) + ".txt"))
        .string();
}

Schein vollsystem() {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c) f.setzeKreuz(m, c, true);
    return Schein({f});
}

void BM_AlsTextDatei(benchmark::State& state) {
    const Schein schein = vollsystem();
    const std::string pfad = zielDatei();
    for (auto _ : state) ReihenAlsText(schein, pfad);
    std::filesystem::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1594323 * 27);
}
BENCHMARK(BM_AlsTextDatei)->Unit(benchmark::kMillisecond);

void BM_AlsTextDateiZellweise(benchmark::State& state) {
    const Schein schein = vollsystem();
    const std::string pfad = zielDatei();
    for (auto _ : state) TabelleAlsText(Reihentabelle(schein, nullptr), pfad, kSpiele);
    std::filesystem::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1594323 * 27);
}
BENCHMARK(BM_AlsTextDateiZellweise)->Unit(benchmark::kMillisecond);

void BM_RefTextSchleife(benchmark::State& state) {
    const std::string pfad = zielDatei();
    static const char zeichen[3] = {'1', '0', '2'};
    for (auto _ : state) {
        std::FILE* f = std::fopen(pfad.c_str(), "wb");
        if (!f) state.SkipWithError("Datei nicht geöffnet");
        int z[13] = {};
        char zeile[32];
        for (long n = 0; n < 1594323; ++n) {
            int k = 0;
            for (int m = 0; m < 13; ++m) {
                if (m) zeile[k++] = ',';
                zeile[k++] = zeichen[z[m]];
            }
            zeile[k++] = '\r';
            zeile[k++] = '\n';
            std::fwrite(zeile, 1, static_cast<std::size_t>(k), f);
            for (int m = 12; m >= 0 && ++z[m] == 3; --m) z[m] = 0;
        }
        std::fflush(f);
        ::fsync(::fileno(f));  // as the atomic write does
        std::fclose(f);
    }
    std::filesystem::remove(pfad);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1594323 * 27);
}
BENCHMARK(BM_RefTextSchleife)->Unit(benchmark::kMillisecond);

}  // namespace
