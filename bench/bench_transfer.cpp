// Benchmarks of the transfer tool: 100,000 pasted lines into the row table,
// and the table written as a slip file and as a workbook.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "io/Datei.h"
#include "textexport/Tabellenmappe.h"
#include "transfer/Transfertabelle.h"

namespace {

using namespace kv;

constexpr int kZeilen = 100000;

// 100,000 lines as people paste them: without separators, with commas, with
// semicolons, with blanks and commas, CR LF line ends, every 10th line no row.
std::string eingefuegterText() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kZeilen) * 40);
    for (int i = 0; i < kZeilen; ++i) {
        if (i % 10 == 9) {
            text += "Kommentarzeile\r\n";  // 14 characters, no separator: no row
            continue;
        }
        std::string tipps;
        for (int m = 0; m < kSpiele; ++m) tipps += static_cast<char>('0' + (i + m * 7) % 3);
        std::string zeile;
        const char* trenner[] = {"", ",", ";", ", "};
        const char* t = trenner[i % 4];
        for (int m = 0; m < kSpiele; ++m) {
            if (m > 0) zeile += t;
            zeile += tipps[static_cast<std::size_t>(m)];
        }
        text += zeile + "\r\n";
    }
    return text;
}

Transfertabelle volleTabelle(const std::string& text) {
    Transfertabelle t;
    ReihenInTabelle(t, text, Uebertragungsmodus::Ueberschreiben);
    return t;
}

void BM_Transfer100k(benchmark::State& state) {
    const std::string text = eingefuegterText();
    std::uint64_t reihen = 0;
    for (auto _ : state) {
        Transfertabelle t;
        reihen = ReihenInTabelle(t, text, Uebertragungsmodus::Ueberschreiben).gefunden;
        benchmark::DoNotOptimize(t.zeilenAnzahl());
    }
    state.counters["reihen"] = static_cast<double>(reihen);
    state.counters["zeilen/s"] =
        benchmark::Counter(static_cast<double>(kZeilen), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Transfer100k)->Unit(benchmark::kMillisecond);

// A scratch folder for the files the benchmarks write, removed at the end
// (each benchmark removes its own file).
class Ablage {
  public:
    Ablage() {
        std::string vorlage = "/tmp/kalvendo-bench-XXXXXX";
        if (::mkdtemp(vorlage.data())) ordner_ = vorlage;
    }
    ~Ablage() {
        if (!ordner_.empty()) ::rmdir(ordner_.c_str());
    }
    Ablage(const Ablage&) = delete;
    Ablage& operator=(const Ablage&) = delete;
    std::string datei(const char* name) const { return (ordner_.empty() ? "/tmp" : ordner_) + "/" + name; }

  private:
    std::string ordner_;
};

const Ablage& ablage() {
    static const Ablage a;
    return a;
}

void BM_TabelleAlsSchein90k(benchmark::State& state) {
    const Transfertabelle t = volleTabelle(eingefuegterText());
    const std::string datei = ablage().datei("transfer.kv13");
    for (auto _ : state) TabelleAlsSchein(t, datei);
    ::unlink(datei.c_str());
}
BENCHMARK(BM_TabelleAlsSchein90k)->Unit(benchmark::kMillisecond);

void BM_Tabellenmappe90k(benchmark::State& state) {
    const Transfertabelle t = volleTabelle(eingefuegterText());
    const std::string datei = ablage().datei("Tippreihen.xlsx");
    for (auto _ : state) schreibeTabellenmappe(t, "Tippreihen", kSpiele, datei);
    ::unlink(datei.c_str());
}
BENCHMARK(BM_Tabellenmappe90k)->Unit(benchmark::kMillisecond);

}  // namespace
