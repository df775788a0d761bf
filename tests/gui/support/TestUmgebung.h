// A fresh world for one GUI test: a temporary folder that stands in for the
// user's home and data location (set before the data folder is determined),
// the scripted dialogs, and helpers that write slip, score and fixture files.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include "TestDialoge.h"
#include "common/Uebersetzung.h"
#include "model/Records.h"

namespace kv::ui {
class Programm;
class TFMain;
}  // namespace kv::ui

namespace kv::test {

class TestUmgebung {
  public:
    TestUmgebung();
    ~TestUmgebung();

    // The program's data folder (created by datenordnerBestimmen, with "/").
    QString datenordner() const { return datenordner_; }
    // A folder for the test's own files (outside the data folder).
    QString ablage() const;
    QString einstellungsdatei() const;
    QString spielstanddatei() const;
    TestDialoge& dialoge() { return *dialoge_; }

    // The program as programmAufbauen() builds it, its main window shown
    // (FormShow has run). The previous one, if any, is closed first (its
    // closing sequence runs) and deleted.
    kv::ui::TFMain& starten();
    // Closes the main window (closing sequence) and deletes the program;
    // returns whether it closed.
    bool beenden();
    kv::ui::TFMain* fenster() const;
    kv::ui::Programm* programm() const { return programm_.get(); }

    // Writes a slip file into ablage() and returns its full name.
    QString schein(const QString& name, const std::vector<TScheinOffen>& felder) const;
    QString spielplan(const QString& name, const Begegnungen& b) const;
    QString datei(const QString& name, const std::string& bytes) const;

  private:
    QTemporaryDir tmp_;
    QByteArray altHome_, altData_;
    QString datenordner_;
    std::unique_ptr<TestDialoge> dialoge_;
    std::unique_ptr<kv::ui::Programm> programm_;
};

// A single-row field from 13 digits, e.g. "1021021021021".
TScheinOffen reihe(const char* ziffern);
// The same from a line of the row list, "1 0 2 1 0 2 1 0 2 1 0 2 1".
TScheinOffen reiheAusZeile(const QString& zeile);
// The bytes of a file; empty when it cannot be read.
QByteArray dateiBytes(const QString& pfad);
// A full system: per match the digits crossed, e.g. {"1", "10", "102", ...}.
TScheinOffen system(const std::vector<std::string>& tipps);
// Every match with all three tips: 1,594,323 rows.
TScheinOffen vollsystem();
// A VEW field of system s (1..13): its 2-ways on the first matches, then its
// 3-ways, single tips "1" elsewhere.
TScheinOffen vew(int s);

}  // namespace kv::test

namespace kv::test {
// Gives the offscreen platform one screen of 1920 x 1080 (unless another
// platform was chosen) before the application starts.
void bildschirmEinrichten();
}  // namespace kv::test

// A Qt Test main with German texts and the 1920 x 1080 offscreen screen.
#define KV_GUI_TEST_MAIN(Klasse)             \
    int main(int argc, char* argv[]) {       \
        kv::test::bildschirmEinrichten();    \
        kv::ui::deutschVorbereiten();        \
        QApplication app(argc, argv);        \
        kv::ui::deutschLaden(app);           \
        Klasse t;                            \
        QTEST_SET_MAIN_SOURCE_PATH           \
        return QTest::qExec(&t, argc, argv); \
    }
