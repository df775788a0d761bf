// kalvendo-gui-messung: one measurement of the whole program per process, so
// that the peak memory (VmHWM) belongs to that scenario alone. Runs on the
// offscreen platform; bench/gui/vergleich_gui.sh prepares the data folders and
// calls it for every scenario next to its reference.
//
//   kalvendo-gui-messung start ORDNER
//       builds the program for the data folder ORDNER (with its settings and
//       remembered slips) and shows the main window; prints start_ms.
//   kalvendo-gui-messung tab ORDNER DATEI
//       starts as above, opens DATEI as a tab (oeffnen_ms), then changes a
//       goal 21 times (tor_ms, the median).
//   kalvendo-gui-messung garantie ORDNER DATEI
//       starts and opens DATEI as above, then opens the guarantee analysis of
//       that tab and waits until it is drawn (garantie_ms).
//
// Every run ends with vmhwm_mb, the peak resident memory of the process.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Programm.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"

namespace {

double vmhwmMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:")) return zeile.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList a = QApplication::arguments();
    const bool mitDatei = a.size() > 1 && (a[1] == QLatin1String("tab") || a[1] == QLatin1String("garantie"));
    if (a.size() < 3 || (a[1] != QLatin1String("start") && !mitDatei) || (mitDatei && a.size() < 4)) {
        std::fprintf(stderr, "Aufruf: kalvendo-gui-messung start ORDNER | tab|garantie ORDNER DATEI\n");
        return 2;
    }
    QString ordner = a[2];
    if (!ordner.endsWith(QLatin1Char('/'))) ordner += QLatin1Char('/');

    QElapsedTimer t;
    t.start();
    const auto programm = kv::ui::programmAufbauen(ordner);
    kv::ui::TFMain& w = programm->hauptfenster();
    w.show();
    QApplication::processEvents();
    std::printf("start_ms %.1f\n", ms(t));

    if (mitDatei) {
        t.restart();
        QWidget* tab = w.DateienEinlesen(a[3]);
        if (!tab) return 1;
        w.PC1()->setCurrentWidget(tab);  // shown, as after the open command
        QApplication::processEvents();
        std::printf("oeffnen_ms %.1f\n", ms(t));
    }
    if (a[1] == QLatin1String("garantie")) {
        t.restart();
        programm->kontext().befehle().ausfuehren(QStringLiteral("GarantieAnalyse1"));
        QApplication::processEvents();
        std::printf("garantie_ms %.1f\n", ms(t));
    }
    if (a[1] == QLatin1String("tab")) {
        kv::ui::UpDown* gast = w.frSpiel(4)->Up2();
        std::vector<double> zeiten;
        for (int i = 0; i < 21; ++i) {
            t.restart();
            gast->setzePosition(1 - (i % 2));
            QApplication::processEvents();
            zeiten.push_back(ms(t));
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::printf("tor_ms %.2f\n", zeiten[zeiten.size() / 2]);
    }
    std::printf("vmhwm_mb %.1f\n", vmhwmMb());
    return 0;
}
