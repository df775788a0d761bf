// The print run into PDF files through the same code as a real printer: the
// set-up dialog (answered by the test) gives a printer that writes one PDF
// file per print job. The marks are read back with pdftotext and checked in
// millimetres against the box positions of the format, the corrections and
// the printer's unprintable margins; also the preview and the calibration
// sheet.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>

#include "Drucktest.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "Pdf.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "print/TFDruck.h"
#include "print/TFVorschau.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFDruck;
using Art = TestDialoge::Art;
using Antwort = ui::Dialoge::Antwort;

namespace {

constexpr int kDpi = Druck::kDpi;
constexpr double kRandLinksMm = Druck::kRandLinksMm, kRandObenMm = Druck::kRandObenMm;
constexpr int kOX = Druck::kOX, kOY = Druck::kOY;

struct Marke {
    QString text;
    double x, y;                      // mm from the paper's top-left corner
    double papierX = 0, papierY = 0;  // where it belongs on the paper: (x + H, y + V) of the format
    double hoehe = 0;                 // of the character cell, in mm
};

// What a paper slip must show: rows erste .. letzte in fields 1, 2, ...
// (rows past the slip file's `reihen` fill fields without tips), then the
// add-on marks and the slip number; H, V as the window's corrections.
QList<Marke> erwartet(int erste, int letzte, int reihen, int H, int V, const QList<QPair<int, int>>& zusatz,
                      int nummer, int nrX = 1700, int nrY = 90) {
    QList<Marke> m;
    auto punkt = [&](const QString& t, int x, int y) {
        // the page system's origin lies at the printable area's corner
        m.append({t, kRandLinksMm + (x + H - kOX) / 10.0, kRandObenMm + (y + V - kOY) / 10.0, (x + H) / 10.0,
                  (y + V) / 10.0});
    };
    for (int r = erste; r <= letzte; ++r) {
        if (r > reihen) continue;
        const int feld = r - erste + 1;
        const QString z = reihenZiffern(r);
        for (int s = 1; s <= 13; ++s) {
            const int box = z[s - 1] == QLatin1Char('1') ? 1 : z[s - 1] == QLatin1Char('0') ? 2 : 3;
            punkt(QStringLiteral("x"), kaestchenX(feld, box), kaestchenY(feld, s));
        }
    }
    for (const auto& [x, y] : zusatz) punkt(QStringLiteral("x"), x, y);
    if (nummer > 0) punkt(QString::number(nummer), nrX, nrY);
    return m;
}

bool vorher(const Marke& a, const Marke& b) {
    if (std::abs(a.y - b.y) > 0.005) return a.y < b.y;
    if (std::abs(a.x - b.x) > 0.005) return a.x < b.x;
    return a.text < b.text;
}

// Compares the marks of a PDF with the expected ones, to a hundredth of a
// millimetre in the page system; each mark also lies within half a tenth of
// a millimetre of its place on the paper (x + H, y + V): only the rounding of
// the offsets to tenths of a millimetre separates them (63.5 -> 64 here).
// Every mark's character cell is 3.5 mm high.
void vergleiche(const QString& pdf, QList<Marke> soll) {
    QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
    QCOMPARE(pdfSeiten(pdf), 1);
    QCOMPARE(pdfTitel(pdf), QStringLiteral("Tippschein-Druck"));
    QList<Marke> ist;
    for (const PdfWort& w : pdfWoerter(pdf)) ist.append({w.text, w.x, w.y, 0, 0, w.hoehe});
    std::sort(ist.begin(), ist.end(), vorher);
    std::sort(soll.begin(), soll.end(), vorher);
    QCOMPARE(ist.size(), soll.size());
    for (qsizetype i = 0; i < ist.size(); ++i) {
        const QString wo = QStringLiteral("%1: %2 bei %3/%4 mm, erwartet %5 bei %6/%7 mm")
                               .arg(pdf)
                               .arg(ist[i].text)
                               .arg(ist[i].x, 0, 'f', 3)
                               .arg(ist[i].y, 0, 'f', 3)
                               .arg(soll[i].text)
                               .arg(soll[i].x, 0, 'f', 3)
                               .arg(soll[i].y, 0, 'f', 3);
        QVERIFY2(ist[i].text == soll[i].text, qPrintable(wo));
        QVERIFY2(std::abs(ist[i].hoehe - 3.5) < 0.01,
                 qPrintable(wo + QStringLiteral(", Zellhöhe %1 mm").arg(ist[i].hoehe, 0, 'f', 3)));
        QVERIFY2(std::abs(ist[i].x - soll[i].x) < 0.01 && std::abs(ist[i].y - soll[i].y) < 0.01,
                 qPrintable(wo));
        QVERIFY2(
            std::abs(ist[i].x - soll[i].papierX) <= 0.051 && std::abs(ist[i].y - soll[i].papierY) <= 0.051,
            qPrintable(wo));
    }
}

}  // namespace

class TestDruckausgabe : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void fuenfundzwanzigReihenAufDreiScheinen();
    void randfaelle_data();
    void randfaelle();
    void abbrechenStoppenUndFehler();
    void auftragBeginntNicht();
    void vorschau();
    void kalibrierblatt();
};

// A player calibrates a format from a few ruler values, saves it and prints a
// 25-row slip onto three paper slips with a check after each; the second is
// answered "Nein" and printed again with the same number.
void TestDruckausgabe::fuenfundzwanzigReihenAufDreiScheinen() {
    Druck w(welt(), starten());
    w.kalibrieren();
    QCOMPARE(kind<QLabel>(w.d, "LDatei")->text(), QStringLiteral("Gespeichert: lotto.kvxdr"));
    klicke(kind<QCheckBox>(w.d, "cbNr"));
    klicke(kind<QCheckBox>(w.d, "cbZus1"));
    w.d->FileForPrint(reihenschein(w.welt, 25));
    QCOMPARE(kind<QLabel>(w.d, "LAnzTs")->text(), QStringLiteral("3"));
    w.drucker();
    for (Antwort a : {Antwort::Ja, Antwort::Nein, Antwort::Ja, Antwort::Ja}) w.welt.dialoge().frageAntwort(a);
    kind<QPushButton>(w.d, "BAusdruck")->click();

    for (int i = 0; i < 4; ++i) {
        const QString frage = w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
        // four lines, as the message box shows them
        QCOMPARE(
            ui::meldungstext(frage).split(QLatin1Char('\n')),
            (QStringList{"War der Ausdruck in Ordnung?", "- \"Ja\" macht mit dem nächsten Schein weiter,",
                         "- \"Nein\" wiederholt den Ausdruck des letzten Scheins,",
                         "- \"Abbrechen\" bricht den Ausdruck ab."}));
    }
    QCOMPARE(w.dateien(), (QStringList{"druck-2.pdf", "druck-3.pdf", "druck-4.pdf", "druck.pdf"}));
    // "ja" of Spiel77 is checked: its "ja" box; games 2..4 have no positions
    const QList<QPair<int, int>> zusatz{{1200, 1150}};
    vergleiche(w.datei(1), erwartet(1, 12, 25, -5, 3, zusatz, 1));
    vergleiche(w.datei(2), erwartet(13, 24, 25, -5, 3, zusatz, 2));
    vergleiche(w.datei(3), erwartet(13, 24, 25, -5, 3, zusatz, 2));
    vergleiche(w.datei(4), erwartet(25, 25, 25, -5, 3, zusatz, 3));
    QVERIFY(!kind<QPushButton>(w.d, "BStop")->isEnabled());
    QVERIFY(kind<QPushButton>(w.d, "BAusdruck")->isEnabled());
}

void TestDruckausgabe::randfaelle_data() {
    QTest::addColumn<int>("klicksRunter");  // on Up1: 0 = 12 fields per slip, 2 = 8
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("ende");
    QTest::addColumn<QString>("startNr");
    QTest::addColumn<bool>("zweitesNein");      // only game 2's "nein" x is filled, its box unchecked
    QTest::addColumn<QList<int>>("antworten");  // 1 Ja, 2 Nein
    // per paper slip: first row, last row, slip number
    QTest::addColumn<QList<int>>("scheine");
    QTest::newRow("13 bis 20 zu 8") << 2 << "13"
                                    << "20"
                                    << "1" << false << QList<int>{1} << QList<int>{13, 20, 1};
    QTest::newRow("Ende hinter der Tabelle") << 0 << "21"
                                             << "30"
                                             << "1" << false << QList<int>{1} << QList<int>{21, 30, 1};
    QTest::newRow("Nr. leer") << 0 << "1"
                              << "20"
                              << "" << false << QList<int>{1, 1} << QList<int>{1, 12, 1, 13, 20, 2};
    QTest::newRow("Nr. 5") << 0 << "1"
                           << "20"
                           << "5" << false << QList<int>{1, 1} << QList<int>{1, 12, 5, 13, 20, 6};
    QTest::newRow("Nein beim letzten Teilschein")
        << 0 << "1"
        << "25"
        << "1" << false << QList<int>{1, 1, 2, 1} << QList<int>{1, 12, 1, 13, 24, 2, 25, 25, 3, 25, 25, 3};
    QTest::newRow("Zusatzspiel 2 ohne Haken, nur nein-x")
        << 0 << "1"
        << "5"
        << "1" << true << QList<int>{1} << QList<int>{1, 5, 1};
    QTest::newRow("Start leer heißt 1, Ende leer die letzte Reihe")
        << 0 << ""
        << ""
        << "1" << false << QList<int>{1, 1, 1} << QList<int>{1, 12, 1, 13, 24, 2, 25, 25, 3};
}

void TestDruckausgabe::randfaelle() {
    QFETCH(int, klicksRunter);
    QFETCH(QString, start);
    QFETCH(QString, ende);
    QFETCH(QString, startNr);
    QFETCH(bool, zweitesNein);
    QFETCH(QList<int>, antworten);
    QFETCH(QList<int>, scheine);
    Druck w(welt(), starten());
    w.kalibrieren();
    klicke(kind<QCheckBox>(w.d, "cbNr"));
    if (zweitesNein) setze(w.d, "EZus221", QStringLiteral("1400"));
    w.d->FileForPrint(reihenschein(w.welt, 25));
    for (int i = 0; i < klicksRunter; ++i) klicke(kind<ui::UpDown>(w.d, "Up1")->knopfRunter());
    setze(w.d, "EStart", start);
    setze(w.d, "EEnde", ende);
    setze(w.d, "ENr", startNr);
    w.drucker();
    for (int a : antworten) w.welt.dialoge().frageAntwort(a == 1 ? Antwort::Ja : Antwort::Nein);
    kind<QPushButton>(w.d, "BAusdruck")->click();
    for (qsizetype i = 0; i < antworten.size(); ++i) w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
    // the run writes back what it read for empty range fields
    QCOMPARE(kind<QLineEdit>(w.d, "EStart")->text(), start.isEmpty() ? QStringLiteral("1") : start);
    QCOMPARE(kind<QLineEdit>(w.d, "EEnde")->text(), ende.isEmpty() ? QStringLiteral("25") : ende);
    QCOMPARE(w.dateien().size(), scheine.size() / 3);
    // Spiel77 unchecked: its "nein" box
    const QList<QPair<int, int>> zusatz{{1300, 1150}};
    for (qsizetype s = 0; s < scheine.size() / 3; ++s)
        vergleiche(w.datei(static_cast<int>(s) + 1),
                   erwartet(scheine[3 * s], scheine[3 * s + 1], 25, -5, 3, zusatz, scheine[3 * s + 2]));
}

void TestDruckausgabe::abbrechenStoppenUndFehler() {
    Druck w(welt(), starten());
    QPushButton* start = kind<QPushButton>(w.d, "BAusdruck");
    QPushButton* stopp = kind<QPushButton>(w.d, "BStop");
    w.d->FileForPrint(reihenschein(w.welt, 25));

    // no format read or saved yet: not a mark at the corner of the paper
    start->click();
    QVERIFY(w.welt.dialoge()
                .nimmMeldung(Art::Information)
                .startsWith(QStringLiteral("Es ist noch kein Schein-Format geöffnet oder gespeichert.")));
    w.kalibrieren();

    // the set-up dialog cancelled: nothing
    w.welt.dialoge().druckerAntwort({});
    start->click();
    QVERIFY(w.dateien().isEmpty());

    // the end before the start
    setze(w.d, "EStart", QStringLiteral("9"));
    setze(w.d, "EEnde", QStringLiteral("3"));
    w.drucker();
    start->click();
    QCOMPARE(w.welt.dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab."));
    setze(w.d, "EStart", QStringLiteral("1"));
    setze(w.d, "EEnde", QStringLiteral("25"));

    // a lone minus in a correction: the field is named, nothing is printed
    setze(w.d, "Ehori", QStringLiteral("-"));
    w.drucker();
    start->click();
    const QString fehler = w.welt.dialoge().nimmMeldung(Art::Fehler);
    QVERIFY2(fehler.startsWith(QStringLiteral("Im Feld \"horizontal:\" der Ausdruck-Korrektur steht \"-\"")),
             qPrintable(fehler));
    QVERIFY(w.dateien().isEmpty());
    QVERIFY(start->isEnabled() && !stopp->isEnabled());
    setze(w.d, "Ehori", QString());

    // "Abbrechen" after the first slip ends the run
    w.drucker();
    w.welt.dialoge().frageAntwort(Antwort::Abbrechen);
    start->click();
    w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
    QCOMPARE(w.dateien(), QStringList{"druck.pdf"});
    QFile::remove(w.datei(1));

    // "Drucken stoppen" while the first slip comes out: nothing more is printed
    // and the question after the slip is not asked
    w.drucker();
    bool stoppKlickbar = false;
    QTimer::singleShot(0, w.d, [&] {
        stoppKlickbar = stopp->isEnabled();
        stopp->click();
    });
    w.welt.dialoge().frageAntwort(Antwort::Ja);
    start->click();
    QVERIFY(stoppKlickbar);
    QCOMPARE(w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen),
             QStringLiteral("Soll der Ausdruck gestoppt werden?."));
    QCOMPARE(w.dateien(), QStringList{"druck.pdf"});
    QVERIFY(start->isEnabled() && !stopp->isEnabled());
    QFile::remove(w.datei(1));

    // without the question: all three slips at once
    klicke(kind<QCheckBox>(w.d, "cbFragen"));
    w.drucker();
    start->click();
    QCOMPARE(w.dateien().size(), 3);
    vergleiche(w.datei(3), erwartet(25, 25, 25, 0, 3, {{1300, 1150}}, 0));
    for (int i = 1; i <= 3; ++i) QFile::remove(w.datei(i));

    // and "Drucken stoppen" is heard between the slips then too
    w.drucker();
    QTimer::singleShot(0, w.d, [&] { stopp->click(); });
    w.welt.dialoge().frageAntwort(Antwort::Ja);
    start->click();
    QCOMPARE(w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen),
             QStringLiteral("Soll der Ausdruck gestoppt werden?."));
    QCOMPARE(w.dateien(), QStringList{"druck.pdf"});
    QVERIFY(start->isEnabled() && !stopp->isEnabled());
}

// A print job that cannot begin, the first of a run or a later one: the
// message names the file, the run stops there without a question, and the
// buttons are back for the next run.
void TestDruckausgabe::auftragBeginntNicht() {
    Druck w(welt(), starten());
    w.kalibrieren();
    w.d->FileForPrint(reihenschein(w.welt, 25));
    QPushButton* start = kind<QPushButton>(w.d, "BAusdruck");
    QPushButton* stopp = kind<QPushButton>(w.d, "BStop");
    QPushButton* vorschau = kind<QPushButton>(w.d, "BVorschau");
    auto zurueck = [&] { return start->isEnabled() && !stopp->isEnabled() && vorschau->isEnabled(); };
    const QString kein = QStringLiteral(
        "Der Druckauftrag konnte nicht beginnen: Es lässt sich nicht in die Datei "
        "„%1“ drucken.\r\rIch breche ab.");

    // the first: its folder does not exist
    const QString fehlt = w.welt.ablage() + QStringLiteral("fehlt/druck.pdf");
    w.welt.dialoge().druckerAntwort({fehlt, kDpi, QMarginsF(12, 18, 0, 0)});
    start->click();
    QCOMPARE(w.welt.dialoge().nimmMeldung(Art::Fehler), kein.arg(fehlt));
    QVERIFY(w.dateien().isEmpty());
    QVERIFY(zurueck());

    // the second: a folder of its file's name stands in the way
    QVERIFY(QDir(w.welt.ablage()).mkdir(QStringLiteral("druck-2.pdf")));
    w.drucker();
    w.welt.dialoge().frageAntwort(Antwort::Ja);
    start->click();
    w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);  // after the first slip
    QCOMPARE(w.welt.dialoge().nimmMeldung(Art::Fehler), kein.arg(w.datei(2)));
    QCOMPARE(w.dateien(), QStringList{"druck.pdf"});
    QVERIFY(zurueck());

    // the next run proposes the file chosen, and prints
    QVERIFY(QDir(w.welt.ablage()).rmdir(QStringLiteral("druck-2.pdf")));
    klicke(kind<QCheckBox>(w.d, "cbFragen"));
    w.drucker();
    start->click();
    QCOMPARE(w.welt.dialoge().druckerVorschlaege().last(), w.pdf);
    QCOMPARE(w.dateien().size(), 3);
    vergleiche(w.datei(2), erwartet(13, 24, 25, -5, 3, {{1300, 1150}}, 0));
}

void TestDruckausgabe::vorschau() {
    Druck w(welt(), starten());
    w.kalibrieren();
    klicke(kind<QCheckBox>(w.d, "cbNr"));
    w.d->FileForPrint(reihenschein(w.welt, 25));
    kind<QPushButton>(w.d, "BVorschau")->click();
    ui::TFVorschau* v = w.d->vorschau();
    QVERIFY(v && v->isVisible());
    QCOMPARE(v->ansicht()->pageCount(), 3);
    QCOMPARE(v->inhalt().seiten[2].ersteZeile, 25u);
    QCOMPARE(v->inhalt().kaestchen.size(), 12u * 39 + 1 + 2);  // the boxes, the number, Spiel77 ja and nein
    QCOMPARE(kind<QLabel>(v, "LSeite")->text(),
             QStringLiteral("Tippschein 1 von 3: Tippreihen 1 bis 12, Nr. 1"));
    // the picture shows navy marks over pink boxes
    const QImage bild = v->ansicht()->grab().toImage();
    bool navy = false, rosa = false;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            navy = navy || (c.blue() > c.red() + 40 && c.blue() > c.green() + 40);
            rosa = rosa || (c.red() > c.green() + 25 && c.blue() > c.green() + 10);
        }
    QVERIFY(navy);
    QVERIFY(rosa);
    // "Drucken starten..." closes the preview and starts the run
    w.welt.dialoge().druckerAntwort({});
    kind<QPushButton>(v, "BDrucken")->click();
    QVERIFY(w.dateien().isEmpty());
    QTest::qWait(1);
    QVERIFY(!w.d->vorschau());

    // a full system: the first hundred of 132,861 slips
    w.d->FileForPrint(w.welt.schein(QStringLiteral("voll.kv13"), {vollsystem()}));
    kind<QPushButton>(w.d, "BVorschau")->click();
    v = w.d->vorschau();
    QCOMPARE(v->ansicht()->pageCount(), 100);
    QVERIFY(kind<QLabel>(v, "LHinweis")
                ->text()
                .contains(QStringLiteral("Die Vorschau zeigt die ersten 100 von 132.861 Tippscheinen.")));
    v->close();
}

// The crosses of the calibration sheet sit where the middle of the "x" of a
// printed mark would be: the same box on the sheet and on a printed slip.
void TestDruckausgabe::kalibrierblatt() {
    Druck w(welt(), starten());
    kind<QPushButton>(w.d, "BKalibrierblatt")->click();
    QVERIFY(w.welt.dialoge().nimmMeldung(Art::Information).startsWith(QStringLiteral("Es ist noch kein")));
    w.kalibrieren();
    const QString blatt = w.welt.ablage() + QStringLiteral("blatt.pdf");
    w.welt.dialoge().druckerAntwort({blatt, kDpi, QMarginsF(12, 18, 0, 0)});
    kind<QPushButton>(w.d, "BKalibrierblatt")->click();
    QCOMPARE(pdfSeiten(blatt), 1);
    QCOMPARE(pdfTitel(blatt), QStringLiteral("Kalibrierblatt"));
    QStringList felder;
    for (const PdfWort& wort : pdfWoerter(blatt))
        if (wort.text == QStringLiteral("Feld")) felder << wort.text;
    QCOMPARE(felder.size(), 12);

    // a slip of one row "1111111111111" printed with the same printer; its
    // set-up dialog does not propose the sheet's file for the slips
    w.d->FileForPrint(w.welt.schein(QStringLiteral("eins.kv13"), {reihe("1111111111111")}));
    klicke(kind<QCheckBox>(w.d, "cbFragen"));
    w.drucker();
    kind<QPushButton>(w.d, "BAusdruck")->click();
    QCOMPARE(w.welt.dialoge().druckerVorschlaege(),
             (QStringList{QString(), w.welt.ablage() + QStringLiteral("Tippschein-Druck.pdf")}));
    const QImage schein = pdfBild(w.datei(1));
    const QImage kreuze = pdfBild(blatt);
    QCOMPARE(kreuze.size(), schein.size());
    // one pixel is a tenth of a millimetre; look around box 1 of matches 1 and 13 of field 1
    for (int spiel : {1, 13}) {
        // the middle of the "x" lies about 1 mm right of and 2 mm below its cell's corner;
        // 2 mm around it hold no other mark or cross
        const int x = static_cast<int>(std::lround(kRandLinksMm * 10)) + kaestchenX(1, 1) - 5 - kOX + 10;
        const int y = static_cast<int>(std::lround(kRandObenMm * 10)) + kaestchenY(1, spiel) + 3 - kOY + 20;
        auto mitte = [&](const QImage& b) -> std::optional<QPointF> {
            int x0 = 100000, x1 = -1, y0 = 100000, y1 = -1;
            for (int yy = y - 20; yy <= y + 20; ++yy)
                for (int xx = x - 20; xx <= x + 20; ++xx)
                    if (qGray(b.pixel(xx, yy)) < 128) {
                        x0 = std::min(x0, xx);
                        x1 = std::max(x1, xx);
                        y0 = std::min(y0, yy);
                        y1 = std::max(y1, yy);
                    }
            if (x1 < 0) return std::nullopt;
            return QPointF((x0 + x1) / 2.0, (y0 + y1) / 2.0);
        };
        const auto marke = mitte(schein), kreuz = mitte(kreuze);
        QVERIFY2(marke, qPrintable(QStringLiteral("Spiel %1: keine Marke auf dem Schein").arg(spiel)));
        QVERIFY2(kreuz, qPrintable(QStringLiteral("Spiel %1: kein Kreuz auf dem Blatt").arg(spiel)));
        QVERIFY2(std::abs(marke->x() - kreuz->x()) <= 1.5 && std::abs(marke->y() - kreuz->y()) <= 1.5,
                 qPrintable(QStringLiteral("Spiel %1: x-Mitte %2/%3, Kreuz %4/%5")
                                .arg(spiel)
                                .arg(marke->x())
                                .arg(marke->y())
                                .arg(kreuz->x())
                                .arg(kreuz->y())));
    }

    // the sheet again: its own file is proposed, not the slips'
    w.welt.dialoge().druckerAntwort({});
    kind<QPushButton>(w.d, "BKalibrierblatt")->click();
    QCOMPARE(w.welt.dialoge().druckerVorschlaege().last(), blatt);
}

KV_GUI_TEST_MAIN(TestDruckausgabe)
#include "tst_druckausgabe.moc"
