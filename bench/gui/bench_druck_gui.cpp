// The print window under load, each beside a reference measured in the same
// run: a full 13 x 3 system (1,594,323 rows) loaded until `GReihen` shows it,
// against the same rows in a plain table view over all rows (whose vertical
// header holds one section per row); and 100 paper slips printed into PDF
// files, against 100 bare PDF print jobs of one mark each.
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "Programm.h"
#include "common/Dialoge.h"
#include "main/TFMain.h"
#include "model/Spielscheindatei.h"
#include "print/Druckausgabe.h"
#include "print/Reihenansicht.h"
#include "print/TFDruck.h"

namespace {

using kv::TScheinOffen;

// Every match with all three tips: 1,594,323 rows.
TScheinOffen vollsystem() {
    TScheinOffen f;
    for (int m = 1; m <= 13; ++m)
        for (int c = 1; c <= 3; ++c) f.setzeKreuz(m, c, true);
    return f;
}

// The resident memory of the process in MB (VmRSS).
double speicherMb() {
    std::ifstream f("/proc/self/status");
    std::string zeile;
    while (std::getline(f, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0) return std::stod(zeile.substr(6)) / 1024.0;
    return 0;
}

// The dialogs of the benchmarks: the printer set-up chooses a PDF file.
class PdfDialoge final : public kv::ui::Dialoge {
  public:
    QString pdf;
    void information(QWidget*, const QString&) override {}
    void fehler(QWidget*, const QString&) override {}
    void hinweis(QWidget*, const QString&) override {}
    Antwort frageJaNein(QWidget*, const QString&) override { return Antwort::Ja; }
    Antwort frageJaNeinAbbrechen(QWidget*, const QString&) override { return Antwort::Ja; }
    QStringList dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl&, bool) override { return {}; }
    QString dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl&) override { return {}; }
    bool druckerEinrichten(QWidget*, QPrinter& p) override {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    }
};

struct Welt {
    QTemporaryDir tmp;
    QString voll, zwoelfhundert;
    PdfDialoge dialoge;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFDruck* druck = nullptr;

    Welt() {
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        voll = tmp.path() + QStringLiteral("/voll.kv13");
        kv::schreibeSpielschein(voll.toStdString(), {vollsystem()});
        // 1,200 single rows: 100 paper slips of 12
        zwoelfhundert = tmp.path() + QStringLiteral("/1200.kv13");
        std::vector<TScheinOffen> reihen;
        for (int r = 0; r < 1200; ++r) {
            TScheinOffen f;
            for (int m = 13, v = r; m >= 1; --m, v /= 3) f.setzeKreuz(m, v % 3 + 1, true);
            reihen.push_back(f);
        }
        kv::schreibeSpielschein(zwoelfhundert.toStdString(), reihen);
        kv::ui::Dialoge::setzeDialoge(&dialoge);
        programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        programm->kontext().befehle().ausfuehren(QStringLiteral("Tippscheinedrucken1"));
        druck = programm->hauptfenster().findChild<kv::ui::TFDruck*>(QStringLiteral("FDruck"));
        QApplication::processEvents();
    }
    ~Welt() { kv::ui::Dialoge::setzeDialoge(nullptr); }
};

// Loading the full system into the print window until the row table is drawn.
void BM_DruckfensterVollsystem(benchmark::State& state) {
    Welt welt;
    auto* g = welt.druck->findChild<kv::ui::Reihenansicht*>(QStringLiteral("PReihen"));
    const double vorher = speicherMb();
    for (auto _ : state) {
        welt.druck->FileForPrint(welt.voll);
        g->tabelle()->repaint();
        QApplication::processEvents();
    }
    state.counters["Reihen"] = static_cast<double>(welt.druck->zustand().speicher.reihen());
    state.counters["Kopfabschnitte"] = g->tabelle()->verticalHeader()->count();
    state.counters["MB_mehr"] = speicherMb() - vorher;
}
BENCHMARK(BM_DruckfensterVollsystem)->Unit(benchmark::kMillisecond)->Iterations(10);

// The reference: the same rows in a plain table view over a model of all
// rows, loaded and drawn the same way.
class AlleReihen final : public QAbstractTableModel {
  public:
    const kv::Druckspeicher* s = nullptr;
    int rowCount(const QModelIndex& p = {}) const override {
        return p.isValid() || !s ? 0 : static_cast<int>(s->reihen());
    }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 14; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return QString::fromStdString(s->zelle(i.column(), static_cast<std::uint64_t>(i.row()) + 1));
    }
    void neu(const kv::Druckspeicher* speicher) {
        beginResetModel();
        s = speicher;
        endResetModel();
    }
};

void BM_VolleTabelleReferenz(benchmark::State& state) {
    Welt welt;
    AlleReihen modell;
    QTableView ansicht;
    ansicht.setModel(&modell);
    ansicht.verticalHeader()->hide();
    ansicht.verticalHeader()->setDefaultSectionSize(18);
    ansicht.resize(340, 400);
    ansicht.show();
    QApplication::processEvents();
    kv::Druckspeicher speicher;
    const double vorher = speicherMb();
    for (auto _ : state) {
        speicher.laden(welt.voll.toStdString());
        modell.neu(&speicher);
        ansicht.repaint();
        QApplication::processEvents();
    }
    state.counters["Reihen"] = static_cast<double>(speicher.reihen());
    state.counters["Kopfabschnitte"] = ansicht.verticalHeader()->count();
    state.counters["MB_mehr"] = speicherMb() - vorher;
}
BENCHMARK(BM_VolleTabelleReferenz)->Unit(benchmark::kMillisecond)->Iterations(10);

// 100 paper slips of 12 rows, each its own print job into its own PDF file,
// without the question after each slip.
void BM_Druck100Scheine(benchmark::State& state) {
    Welt welt;
    welt.druck->FileForPrint(welt.zwoelfhundert);
    auto& z = welt.druck->zustand();
    z.optionen.fragen = false;
    // a format: twelve fields in one row of six, 18 mm apart
    auto& k = z.kalibrierung;
    for (int f = 1; f <= 12; ++f) k.setzeFeldZelle(f, 1, 1, std::to_string(150 + (f - 1) % 6 * 180));
    k.setzeFeldZelle(1, 1, 2, "420");
    k.automatischAusfuellen([](const std::string&) { return kv::Druckantwort::Ja; });
    const QString format = welt.tmp.path() + QStringLiteral("/f.kvxdr");
    if (k.speichern(format.toStdString())) state.SkipWithError("Format nicht gespeichert");
    int lauf = 0;
    for (auto _ : state) {
        welt.dialoge.pdf = welt.tmp.path() + QStringLiteral("/lauf%1/schein.pdf").arg(++lauf);
        QDir().mkpath(welt.tmp.path() + QStringLiteral("/lauf%1").arg(lauf));
        welt.druck->BAusdruckClick();
    }
    const int dateien = static_cast<int>(QDir(welt.tmp.path() + QStringLiteral("/lauf1"))
                                             .entryList({QStringLiteral("*.pdf")}, QDir::Files)
                                             .size());
    state.counters["PDF"] = dateien;
    if (dateien != 100) state.SkipWithError("nicht 100 PDF-Dateien");
}
BENCHMARK(BM_Druck100Scheine)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reference: 100 bare PDF print jobs of one page with one mark each.
void BM_Pdf100AuftraegeReferenz(benchmark::State& state) {
    QTemporaryDir tmp;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setFullPage(true);
    int lauf = 0;
    for (auto _ : state) {
        ++lauf;
        for (int i = 1; i <= 100; ++i) {
            drucker.setOutputFileName(tmp.path() + QStringLiteral("/r%1-%2.pdf").arg(lauf).arg(i));
            QPainter p(&drucker);
            kv::ui::seitensystem(p, {});
            kv::ui::markenZeichnen(p, {kv::Druckmarke{kv::Druckmarke::Art::Tipp, 1, 1, {100, -100}, "x"}});
        }
    }
}
BENCHMARK(BM_Pdf100AuftraegeReferenz)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
