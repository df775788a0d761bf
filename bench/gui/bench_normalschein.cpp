// The normal slip entry window drawn offscreen. Measured, each beside its
// reference in the same run:
// - "Daten auslesen" on a pasted 13-line table until the grid, the tendencies
//   and the main window's score frames are drawn, against a repaint of the
//   grid with nothing changed;
// - 10,000 lines of junk put into the text field and "Daten auslesen"
//   pressed, until its message is given and the window drawn, against putting
//   the same text into the field alone.
// - a click on the suggestion field of a 3^13 field (its rows expanded anew)
//   until marks and counts are drawn, against a repaint of the same frame;
// - all 1,594,323 rows of that field listed into M2 (filter off, and on)
//   until drawn, against the listing in the core alone;
// - the random reduction of that list to 12 rows, and "Als Text- Datei" of
//   the 1.6 million lines, against writing the same bytes in one piece.
// The counter "Meldungen" is the number of messages per iteration, so a
// figure without the work behind the message would show; "MB_Spitze" is the
// program's peak resident memory after the run.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "Programm.h"
#include "common/Dialoge.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/UpDown.h"
#include "entry/TFEingabe.h"
#include "entry/Zeilenliste.h"
#include "main/TFMain.h"

namespace {

class Antworten : public kv::ui::Dialoge {
  public:
    long meldungen = 0;
    void information(QWidget*, const QString&) override { ++meldungen; }
    void fehler(QWidget*, const QString&) override { ++meldungen; }
    void hinweis(QWidget*, const QString&) override { ++meldungen; }
    Antwort frageJaNein(QWidget*, const QString&) override { return Antwort::Nein; }
    Antwort frageJaNeinAbbrechen(QWidget*, const QString&) override { return Antwort::Abbrechen; }
    // "Änderungen speichern?" before an import over the last one: Verwerfen,
    // so that every import is read into the grid
    Antwort frageSpeichern(QWidget*, const QString&) override { return Antwort::Nein; }
    QStringList dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl&, bool) override { return {}; }
    QString ziel;  // the answer of the save dialog
    QString dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl&) override { return ziel; }
    bool druckerEinrichten(QWidget*, QPrinter&) override { return false; }
};

// The operator's table as a browser copies it: 13 pairings, CR LF.
QString tabelle(int versatz) {
    QString t;
    for (int m = 1; m <= 13; ++m)
        t += QStringLiteral("%1\tHeimverein %2\tGastverein %3\t%4 - 3 - %5\r\n")
                 .arg(m)
                 .arg(m + versatz)
                 .arg(m)
                 .arg((m + versatz) % 6 + 1)
                 .arg(3);
    return t;
}

QString muell() {
    QString t;
    for (int i = 0; i < 10000; ++i) t += QStringLiteral("x\ty%1\n").arg(i % 100);
    return t;
}

struct Welt {
    QTemporaryDir tmp;
    Antworten antworten;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFEingabe* fenster = nullptr;
    QPlainTextEdit* M1 = nullptr;

    Welt() {
        kv::ui::Dialoge::setzeDialoge(&antworten);
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        programm->kontext().befehle().ausfuehren(QStringLiteral("NeuenNormalscheineingeben1"));
        fenster = qobject_cast<kv::ui::TFEingabe*>(kv::ui::fensterSuchen(QStringLiteral("FEingabe")));
        M1 = fenster->findChild<QPlainTextEdit*>(QStringLiteral("M1"));
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    ~Welt() {
        programm.reset();
        kv::ui::Dialoge::setzeDialoge(nullptr);
    }
    void meldungenZaehlen(benchmark::State& state) {
        state.counters["Meldungen"] = benchmark::Counter(static_cast<double>(antworten.meldungen) /
                                                         static_cast<double>(state.iterations()));
    }
};

// Two tables in turn, so that every import changes the grid and the frames.
void BM_SpielplanAuslesen13(benchmark::State& state) {
    Welt welt;
    const QString t[] = {tabelle(0), tabelle(1)};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        welt.M1->setPlainText(t[i++ % 2]);
        QApplication::processEvents();
        state.ResumeTiming();
        welt.fenster->BAuslesenClick();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_SpielplanAuslesen13)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Reference: the grid with the imported table repainted, nothing changed.
void BM_SpielplanAuslesen13Referenz(benchmark::State& state) {
    Welt welt;
    welt.M1->setPlainText(tabelle(0));
    welt.fenster->BAuslesenClick();
    QApplication::processEvents();
    auto* G1 = welt.fenster->findChild<QTableView*>(QStringLiteral("G1"));
    for (auto _ : state) {
        G1->viewport()->update();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_SpielplanAuslesen13Referenz)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_MuellEinfuegenUndAuslesen(benchmark::State& state) {
    Welt welt;
    const QString text = muell();
    for (auto _ : state) {
        welt.M1->setPlainText(text);
        welt.fenster->BAuslesenClick();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_MuellEinfuegenUndAuslesen)->Unit(benchmark::kMillisecond)->Iterations(20);

// Reference: the same text put into the field and drawn, nothing read.
void BM_MuellEinfuegenReferenz(benchmark::State& state) {
    Welt welt;
    const QString text = muell();
    for (auto _ : state) {
        welt.M1->setPlainText(text);
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_MuellEinfuegenReferenz)->Unit(benchmark::kMillisecond)->Iterations(20);

// The program's peak resident memory in MB (VmHWM).
double spitzeMB() {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmHWM:", 0) == 0) return std::stod(zeile.substr(6)) / 1024.0;
    return 0;
}

// The window after a suggestion, its field then holding all 39 crosses: a
// 3^13 field of 1,594,323 rows; `filter` ticks "Filter anwenden" or not.
struct Vollsystem : Welt {
    explicit Vollsystem(bool filter) {
        M1->setPlainText(tabelle(0));
        fenster->BAuslesenClick();
        fenster->BVorschlagClick();
        kv::TScheinOffen alle;
        for (int m = 1; m <= 13; ++m)
            for (int c = 1; c <= 3; ++c) alle.setzeKreuz(m, c, true);
        fenster->eingabe().vorschlagsfeld().kreuzeSetzen(alle);
        fenster->eingabe().TippTransfer();
        fenster->Vorschlag()->anzeigen();
        fenster->findChild<QCheckBox*>(QStringLiteral("cbFilter"))->setChecked(filter);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
};

// Box "0" of match 7 pressed, in turn taking and giving back its cross.
void BM_VorschlagKlick3hoch13(benchmark::State& state) {
    Vollsystem welt(false);
    QWidget* bild = welt.fenster->Vorschlag()->Panel1();
    const QPointF p = kv::ui::Feldbild::kastenMitte(2, 7);
    for (auto _ : state) {
        QMouseEvent druck(QEvent::MouseButtonPress, p, bild->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(bild, &druck);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_VorschlagKlick3hoch13)->Unit(benchmark::kMicrosecond)->Iterations(50);

// Reference: the same frame repainted with nothing changed.
void BM_VorschlagKlickReferenz(benchmark::State& state) {
    Vollsystem welt(false);
    kv::ui::Einzelfeldrahmen* feld = welt.fenster->Vorschlag();
    for (auto _ : state) {
        feld->update();
        feld->Panel1()->update();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_VorschlagKlickReferenz)->Unit(benchmark::kMicrosecond)->Iterations(50);

void auflisten(benchmark::State& state, bool filter) {
    Vollsystem welt(filter);
    for (auto _ : state) {
        welt.fenster->BFilterClick();
        QApplication::processEvents();
    }
    state.counters["Zeilen"] = static_cast<double>(welt.fenster->M2()->zeilen());
    state.counters["MB_Spitze"] = spitzeMB();
}
void BM_Auflisten3hoch13(benchmark::State& state) {
    auflisten(state, false);
}
BENCHMARK(BM_Auflisten3hoch13)->Unit(benchmark::kMillisecond)->Iterations(5);
void BM_AuflistenMitFilter3hoch13(benchmark::State& state) {
    auflisten(state, true);
}
BENCHMARK(BM_AuflistenMitFilter3hoch13)->Unit(benchmark::kMillisecond)->Iterations(5);

// Reference: the same listing in the core, no window.
void BM_AuflistenReferenz(benchmark::State& state) {
    Vollsystem welt(false);
    const kv::Eingabeeinstellungen e = welt.fenster->einstellungen();
    for (auto _ : state) welt.fenster->eingabe().BFilterClick(e.filter);
    state.counters["Zeilen"] = static_cast<double>(welt.fenster->eingabe().liste().anzahl());
}
BENCHMARK(BM_AuflistenReferenz)->Unit(benchmark::kMillisecond)->Iterations(5);

// The listed 1.6 million rows cut at random to 12 (listed anew, untimed, each time).
void BM_Zufall12Aus3hoch13(benchmark::State& state) {
    Vollsystem welt(false);
    for (auto _ : state) {
        state.PauseTiming();
        welt.fenster->BFilterClick();
        welt.fenster->upZ()->setzePosition(12);
        QApplication::processEvents();
        state.ResumeTiming();
        welt.fenster->BZufallClick();
        QApplication::processEvents();
    }
    state.counters["Zeilen"] = static_cast<double>(welt.fenster->M2()->zeilen());
}
BENCHMARK(BM_Zufall12Aus3hoch13)->Unit(benchmark::kMillisecond)->Iterations(5);

// "Als Text- Datei" of the 1.6 million listed lines.
void BM_AlsTextDatei3hoch13(benchmark::State& state) {
    Vollsystem welt(false);
    welt.fenster->BFilterClick();
    welt.antworten.ziel = welt.tmp.path() + QStringLiteral("/Reihen.txt");
    for (auto _ : state) welt.fenster->bsSkinSpeedButton2Click();
    state.counters["MB"] = static_cast<double>(QFile(welt.antworten.ziel).size()) / (1024.0 * 1024.0);
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_AlsTextDatei3hoch13)->Unit(benchmark::kMillisecond)->Iterations(5);

// Reference: the same bytes, already in memory, written in one piece and
// renamed over the file as every write of the program is.
void BM_AlsTextDateiReferenz(benchmark::State& state) {
    Vollsystem welt(false);
    welt.fenster->BFilterClick();
    welt.antworten.ziel = welt.tmp.path() + QStringLiteral("/Reihen.txt");
    welt.fenster->bsSkinSpeedButton2Click();
    QFile f(welt.antworten.ziel);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    f.close();
    for (auto _ : state) {
        QSaveFile s(welt.tmp.path() + QStringLiteral("/Referenz.txt"));
        s.open(QIODevice::WriteOnly);
        s.write(bytes);
        s.commit();
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_AlsTextDateiReferenz)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
