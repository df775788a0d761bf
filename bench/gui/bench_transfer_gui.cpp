// The transfer tool under load: 100,000 lines pasted into the text field and
// transferred into the row table until the table is drawn.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

#include "transfer/TFTransfer.h"

namespace {

// 100,000 lines in the three forms users paste: plain, commas, semicolons.
QString hunderttausendZeilen() {
    QString t;
    t.reserve(100000 * 28);
    const QString formen[] = {QStringLiteral("1010022021110\n"),
                              QStringLiteral("1,0,1,0,0,2,2,0,2,1,1,1,0\n"),
                              QStringLiteral("2;2;1;0;0;2;2;0;2;1;1;1;0\n")};
    for (int i = 0; i < 100000; ++i) t += formen[i % 3];
    return t;
}

// Paste (through the clipboard, as the user does) and transfer, until drawn.
void BM_TransferFenster100k(benchmark::State& state) {
    QTemporaryDir tmp;
    kv::ui::TFTransfer fenster(tmp.path() + QStringLiteral("/"));
    fenster.show();
    QApplication::processEvents();
    auto* text = fenster.findChild<kv::ui::Textfeld*>(QStringLiteral("M1"));
    const QString zeilen = hunderttausendZeilen();
    for (auto _ : state) {
        text->clear();
        QApplication::clipboard()->setText(zeilen);
        text->paste();
        fenster.BReihenInTabelleClick();
        QApplication::processEvents();
    }
    const int zeilenInTabelle = fenster.findChild<QTableView*>(QStringLiteral("G1"))->model()->rowCount();
    state.SetLabel(std::to_string(zeilenInTabelle) + " Reihen in der Tabelle");
}
BENCHMARK(BM_TransferFenster100k)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
