// The system slip entry window as the player drives it: clicks on the real
// pixels of the field pictures, the keyboard, the VEW choice, saving and
// opening through the dialog seam, the window's settings, and the way from a
// saved slip to its evaluation in the main window and back.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/Gitter.h"
#include "common/TFfrFeld.h"
#include "eingabe/Tippfeld.h"
#include "entry/TFEingabeSys.h"
#include "help/HilfeSeiten.h"
#include "main/TFFrScheineS.h"
#include "main/TFMain.h"
#include "model/Spielscheindatei.h"
#include "settings/Einstellungen.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFEingabeSys;
using kv::ui::TFfrFeld;

namespace {

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray bytes(const std::vector<TScheinOffen>& felder) {
    const auto b = spielscheinBytes(felder);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// "ZW DW Tipps" as the three number panels of a frame show them.
QString zahlen(const TFfrFeld* f) {
    return f->PZW()->text() + QLatin1Char(' ') + f->PDW()->text() + QLatin1Char(' ') + f->PAnz()->text();
}

// A press of the left mouse button at (x, y) of a frame's picture.
void klick(TFfrFeld* f, int x, int y) {
    QTest::mouseClick(f->Panel1(), Qt::LeftButton, {}, QPoint(x, y));
}

// A click in the middle of box (spalte, spiel).
void kreuze(TFfrFeld* f, int spalte, int spiel) {
    const QPoint p = ui::Feldbild::kastenMitte(spalte, spiel);
    klick(f, p.x(), p.y());
}

// Crosses a field by clicks: per match the digits, e.g. {"10", "1", "102", ...}.
void tippe(TFfrFeld* f, const std::vector<std::string>& tipps) {
    for (int m = 1; m <= 13; ++m)
        for (char z : tipps[static_cast<std::size_t>(m - 1)]) kreuze(f, spalteVonZiffer(z - '0'), m);
}

// Whether the picture as drawn shows the blue "x" of the mark of box (spalte, spiel).
bool markeGezeigt(TFfrFeld* f, int spalte, int spiel) {
    const QImage bild = f->Panel1()->grab().toImage();
    const Punkt ecke = f->feld().markenPosition(spalte, spiel);
    return bild.pixelColor(ecke.x + 6, ecke.y + 8) == QColor(0, 0, 255);
}

// The crosses and marks each drawn picture shows, e.g. "1:1 1:2 Z1" (box
// column:match; Z/D = 2-way/3-way mark of the match).
QString gezeichnet(TFfrFeld* f) {
    QStringList s;
    for (int m = 1; m <= 13; ++m) {
        for (int c = 1; c <= 3; ++c)
            if (markeGezeigt(f, c, m)) s << QStringLiteral("%1:%2").arg(c).arg(m);
        if (markeGezeigt(f, 4, m)) s << QStringLiteral("Z%1").arg(m);
        if (markeGezeigt(f, 5, m)) s << QStringLiteral("D%1").arg(m);
    }
    return s.join(QLatin1Char(' '));
}

const std::vector<std::string> kEinzel = {"1", "0", "2", "1", "0", "2", "1", "0", "2", "1", "0", "2", "1"};
const std::vector<std::string> kSystem = {"10", "1", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
// "4-3": four 2-ways, three 3-ways, single tips elsewhere
const std::vector<std::string> kVierDrei = {"10", "02", "12", "10", "102", "102", "102",
                                            "1",  "1",  "1",  "1",  "1",   "1"};

}  // namespace

class TstSystemschein : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    TFEingabeSys* fenster() {
        return durchBefehlGezeigt<TFEingabeSys>(*haupt_, "NeuenSystemscheineingeben1", "FEingabeSys");
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void befehlUndKnoepfe();
    void klickAufPixel_data();
    void klickAufPixel();
    void markenFolgenDenKreuzen();
    void tastatur();
    void vewWahlUndFeldLoeschen();
    void speichernUndImHauptfensterAuswerten();
    void unpassendesSystemSchreibtNichts();
    void dreiFelderInsVolleFenster();
    void abgelehnteDateiLaesstDasFensterStehen_data();
    void abgelehnteDateiLaesstDasFensterStehen();
    void alleAngabenLoeschen();
    void einstellungenUndPosition();
    void positionAusserhalbJedesBildschirms();
    void hilfeSeite1060();
};

void TstSystemschein::befehlUndKnoepfe() {
    // the command sits in "&Datei" after "Tippschein(e) öffnen...", before
    // the score files, and has its tool-bar button
    QAction* a = aktion(*haupt_, "NeuenSystemscheineingeben1");
    QCOMPARE(a->text(), QStringLiteral("Neuen Systemschein eingeben..."));
    const QList<QAction*> datei = haupt_->menueDatei()->actions();
    QVERIFY(datei.indexOf(a) > datei.indexOf(aktion(*haupt_, "Tippscheineoeffnen1")));
    QVERIFY(datei.indexOf(a) < datei.indexOf(aktion(*haupt_, "Spielsystemauswhlen1")));
    auto* BSys = haupt_->PTool()->findChild<QToolButton*>(QStringLiteral("BSys"));
    QVERIFY(BSys);
    auto* w = qobject_cast<TFEingabeSys*>(ui::fensterSuchen(QStringLiteral("FEingabeSys")));
    QVERIFY(w);
    QVERIFY(!w->isVisible());  // made hidden at start-up
    klicke(BSys);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvendo 1.6.2.0"));
    // its BEingabe shows the normal slip entry window
    klicke(teil<QToolButton>(w, "BEingabe"));
    QWidget* normal = ui::fensterSuchen(QStringLiteral("FEingabe"));
    QVERIFY(normal && normal->isVisible());
    normal->close();

    // the twelve frames at their lefts, each 154 x 525 with "Feld n"
    for (int f = 1; f <= 12; ++f) {
        TFfrFeld* feld = w->Feld(f);
        QCOMPARE(feld->objectName(), QStringLiteral("Feld%1").arg(f));
        QCOMPARE(feld->geometry(), QRect((f - 1) * 158 + 5, 0, 154, 525));
        QCOMPARE(feld->LNr()->text(), QStringLiteral("Feld %1").arg(f));
        QCOMPARE(feld->Panel1()->size(), QSize(149, 340));
        QCOMPARE(zahlen(feld), QStringLiteral("0 0 0"));
        QVERIFY(feld->vewKnopf(0)->isChecked());
        QCOMPARE(feld->vewKnopf(13)->text(), QStringLiteral("4-4"));
    }

    // the tool bar runs the main window's commands: calendar, help
    klicke(teil<QToolButton>(w, "BKal"));
    QWidget* kal = ui::fensterSuchen(QStringLiteral("FKal"));
    QVERIFY(kal && kal->isVisible());
    kal->close();
    QVERIFY(teil<QToolButton>(w, "BUpdate"));
    QVERIFY(teil<QToolButton>(w, "BCalc"));

    // closing hides; the crosses stay
    kreuze(w->Feld(2), 1, 1);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton3"));
    QVERIFY(!w->isVisible());
    QVERIFY(fenster() == w);
    QVERIFY(w->schein().feld(2).kreuz(1, 1));
    klicke(teil<QToolButton>(w, "BClose"));
    QVERIFY(!w->isVisible());
}

void TstSystemschein::klickAufPixel_data() {
    QTest::addColumn<QList<QPoint>>("klicks");
    QTest::addColumn<QString>("kreuze");
    QTest::addColumn<QString>("zahlen");
    QTest::addColumn<int>("hinweise");
    using P = QList<QPoint>;
    QTest::newRow("Kästchen 0 von Spiel 1") << P{{50, 10}} << "2:1"
                                            << "0 0 1" << 0;
    QTest::newRow("zweimal: wieder weg") << P{{50, 10}, {50, 10}} << ""
                                         << "0 0 0" << 0;
    // the mark of box "0", match 1 lies at 56..68 x -1..11: its part above the box removes the cross
    QTest::newRow("Klick aufs Kreuz") << P{{50, 10}, {66, 0}} << ""
                                      << "0 0 0" << 0;
    QTest::newRow("x = 41 trifft Spalte 1") << P{{41, 10}} << "1:1"
                                            << "0 0 1" << 0;
    QTest::newRow("x = 42 trifft nichts") << P{{42, 10}} << ""
                                          << "0 0 0" << 0;
    QTest::newRow("x = 48 trifft Spalte 2") << P{{48, 10}} << "2:1"
                                            << "0 0 1" << 0;
    QTest::newRow("y = 21 trifft Spiel 1") << P{{30, 21}} << "1:1"
                                           << "0 0 1" << 0;
    QTest::newRow("y = 22 trifft nichts") << P{{30, 22}} << ""
                                          << "0 0 0" << 0;
    QTest::newRow("y = 29 trifft Spiel 2") << P{{30, 29}} << "1:2"
                                           << "0 0 1" << 0;
    QTest::newRow("x = 95 trifft nichts") << P{{95, 10}} << ""
                                          << "0 0 0" << 0;
    QTest::newRow("x = 110: Hinweis") << P{{110, 10}} << ""
                                      << "0 0 0" << 1;
    QTest::newRow("Dreiwegspalte: Hinweis") << P{{130, 320}} << ""
                                            << "0 0 0" << 1;
    QTest::newRow("Spiel 13, Kästchen 2") << P{{89, 329}} << "3:13"
                                          << "0 0 1" << 0;
    QTest::newRow("unter Spiel 13") << P{{89, 330}} << ""
                                    << "0 0 0" << 0;
}

void TstSystemschein::klickAufPixel() {
    QFETCH(QList<QPoint>, klicks);
    QFETCH(QString, kreuze);
    QFETCH(QString, zahlen);
    QFETCH(int, hinweise);
    TFEingabeSys* w = fenster();
    TFfrFeld* f = w->Feld(1);
    for (const QPoint& p : klicks) klick(f, p.x(), p.y());
    QStringList gesetzt;
    for (int m = 1; m <= 13; ++m)
        for (int c = 1; c <= 3; ++c)
            if (w->schein().feld(1).kreuz(m, c)) gesetzt << QStringLiteral("%1:%2").arg(c).arg(m);
    QCOMPARE(gesetzt.join(QLatin1Char(' ')), kreuze);
    QCOMPARE(gezeichnet(f), kreuze);  // every cross is drawn, no other mark
    QCOMPARE(::zahlen(f), zahlen);
    for (int i = 0; i < hinweise; ++i)
        QCOMPARE(
            dialoge().nimmMeldung(TestDialoge::Art::Information),
            QStringLiteral("Die Kreuze für Zweier- und Dreierweg werden automatisch gesetzt und entfernt."));
    // the other fields are untouched
    QVERIFY(w->schein().feld(2).leer());
}

void TstSystemschein::markenFolgenDenKreuzen() {
    TFEingabeSys* w = fenster();
    TFfrFeld* f = w->Feld(3);
    struct Schritt {
        int spalte;
        const char* bild;
        const char* zahlen;
    };
    // match 4: two crosses show the 2-way mark, a third the 3-way mark; back down again
    const Schritt schritte[] = {
        {1, "1:4", "0 0 1"},        {2, "1:4 2:4 Z4", "1 0 2"}, {3, "1:4 2:4 3:4 D4", "0 1 3"},
        {1, "2:4 3:4 Z4", "1 0 2"}, {2, "3:4", "0 0 1"},        {3, "", "0 0 0"},
    };
    for (const Schritt& s : schritte) {
        kreuze(f, s.spalte, 4);
        QCOMPARE(gezeichnet(f), QString::fromLatin1(s.bild));
        QCOMPARE(zahlen(f), QString::fromLatin1(s.zahlen));
    }
    // a click on a shown 2-way mark only brings the message
    tippe(f, {"", "", "", "10", "", "", "", "", "", "", "", "", ""});
    const Punkt z = f->feld().markenPosition(4, 4);
    klick(f, z.x + 12, z.y);  // right of the 2-way column's box, on the mark
    dialoge().nimmMeldung(TestDialoge::Art::Information);
    QCOMPARE(gezeichnet(f), QStringLiteral("1:4 2:4 Z4"));
}

void TstSystemschein::tastatur() {
    TFEingabeSys* w = fenster();
    TFfrFeld* f = w->Feld(5);
    ui::Feldbild* bild = f->Panel1();
    QApplication::setActiveWindow(w);
    QVERIFY(w->isActiveWindow());
    bild->setFocus();
    QVERIFY(bild->hasFocus());
    // down twice, right once: box "0" of match 3
    QTest::keyClick(bild, Qt::Key_Down);
    QTest::keyClick(bild, Qt::Key_Down);
    QTest::keyClick(bild, Qt::Key_Right);
    QTest::keyClick(bild, Qt::Key_Space);
    QCOMPARE(gezeichnet(f), QStringLiteral("2:3"));
    // "1" and "2" toggle those boxes of the focused line: a 3-way
    QTest::keyClick(bild, Qt::Key_1);
    QTest::keyClick(bild, Qt::Key_2);
    QCOMPARE(gezeichnet(f), QStringLiteral("1:3 2:3 3:3 D3"));
    QCOMPARE(zahlen(f), QStringLiteral("0 1 3"));
    QTest::keyClick(bild, Qt::Key_Space);  // the focus is on box "2" now
    QCOMPARE(zahlen(f), QStringLiteral("1 0 2"));
    // the focus box, 2 pixels around box "2" of match 3 (L 72, T 55), is
    // drawn only while the picture has the keyboard focus
    const QRect fokus(72 - 2, 55 - 2, 18 + 4, 19 + 4);
    const auto dunkel = [&] {
        const QImage img = bild->grab().toImage();
        int n = 0;
        for (int x = fokus.left(); x <= fokus.right(); ++x)
            if (img.pixelColor(x, fokus.top()) == QColor(Qt::black)) ++n;
        return n;
    };
    QVERIFY(dunkel() > 4);
    w->Feld(6)->Panel1()->setFocus();
    QCOMPARE(dunkel(), 0);
    // a mouse press moves the keyboard focus to the pressed box
    kreuze(w->Feld(6), 2, 7);
    QTest::keyClick(w->Feld(6)->Panel1(), Qt::Key_Down);
    QTest::keyClick(w->Feld(6)->Panel1(), Qt::Key_Space);
    QCOMPARE(gezeichnet(w->Feld(6)), QStringLiteral("2:7 2:8"));
}

void TstSystemschein::vewWahlUndFeldLoeschen() {
    TFEingabeSys* w = fenster();
    TFfrFeld* f = w->Feld(2);
    klicke(f->vewKnopf(7));  // "4-3"
    QCOMPARE(f->PAnz()->text(), QStringLiteral("48"));
    tippe(f, kSystem);
    QCOMPARE(zahlen(f), QStringLiteral("1 1 48"));  // PAnz keeps the system's rows
    klicke(f->vewKnopf(0));
    QCOMPARE(zahlen(f), QStringLiteral("1 1 6"));
    // "Delete field" on a field with "7-1": no crosses, "0", "no"
    klicke(f->vewKnopf(6));
    QCOMPARE(f->PAnz()->text(), QStringLiteral("48"));
    klicke(f->BDel());
    QVERIFY(w->schein().feld(2).leer());
    QCOMPARE(gezeichnet(f), QString());
    QCOMPARE(zahlen(f), QStringLiteral("0 0 0"));
    QVERIFY(f->vewKnopf(0)->isChecked());
    QCOMPARE(w->schein().feld(2).vewWahl(), 0);
}

void TstSystemschein::speichernUndImHauptfensterAuswerten() {
    TFEingabeSys* w = fenster();
    // a player's slip: single rows in fields 1 and 4, a full system in field
    // 2, a "4-3" VEW field in field 3, an incomplete field 5
    tippe(w->Feld(1), kEinzel);
    tippe(w->Feld(2), kSystem);
    tippe(w->Feld(3), kVierDrei);
    klicke(w->Feld(3)->vewKnopf(7));
    tippe(w->Feld(4), {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    tippe(w->Feld(5), {"1", "1", "1", "", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    QCOMPARE(zahlen(w->Feld(3)), QStringLiteral("4 3 48"));

    const QString datei = welt().datenordner() + QStringLiteral("Mein Schein.kv13");
    dialoge().speichernAntwort(welt().datenordner() + QStringLiteral("Mein Schein"));
    klicke(teil<QPushButton>(w, "BSave"));
    const ui::Dateiauswahl d = dialoge().dateiDialoge().last();
    QCOMPARE(d.titel, QStringLiteral("Spielschein speichern"));
    QCOMPARE(d.ordner, welt().datenordner());
    QCOMPARE(d.filter, QStringLiteral("Spielschein-Datei|*.kv13"));
    TScheinOffen vew = system(kVierDrei);
    vew.sys = 7;
    QCOMPARE(lies(datei), bytes({system(kEinzel), system(kSystem), vew, reihe("1111111111111")}));
    QCOMPARE(w->LDatei()->text(), QStringLiteral("Gespeichert: Mein Schein.kv13"));
    QVERIFY(haupt_->statusBar()->currentMessage().contains(datei));

    // the main window's open dialog has the saved slip chosen already
    dialoge().oeffnenAntwort({datei});
    klicke(haupt_->centralWidget()->findChild<QPushButton*>(QStringLiteral("BOpen")));
    QCOMPARE(dialoge().dateiDialoge().last().vorauswahl, datei);
    QCOMPARE(haupt_->LDatei()->text(), QStringLiteral("Mein Schein.kv13"));
    QCOMPARE(haupt_->Tippfeld(1)->LTipps()->text(), QStringLiteral("1 Tippreihe"));
    QCOMPARE(haupt_->Tippfeld(2)->LTipps()->text(), QStringLiteral("6 Tippreihen"));
    QCOMPARE(haupt_->Tippfeld(3)->LTipps()->text(), QStringLiteral("48 VEW-Reihen"));
    QCOMPARE(haupt_->Tippfeld(3)->LVEW()->text(), QStringLiteral("VEW 4-3"));
    QCOMPARE(haupt_->Tippfeld(4)->LTipps()->text(), QStringLiteral("1 Tippreihe"));
    // the matches end as field 1 tipped them: field 1 has 13 hits (class I);
    // field 4 ("1" everywhere) hits matches 1, 4, 7, 10, 13 only
    for (int m = 1; m <= 13; ++m) {
        const char z = kEinzel[static_cast<std::size_t>(m - 1)][0];
        tore(*haupt_, m, z == '1' ? 1 : 0, z == '2' ? 1 : 0);
    }
    QCOMPARE(gewinnreihe(*haupt_), QStringLiteral("1021021021021"));
    const auto klassen = [this](int feld) {
        QStringList k;
        for (int c = 0; c < 4; ++c) k << zelle(haupt_->Tippfeld(feld)->G1(), 0, c);
        return k;
    };
    QCOMPARE(klassen(1), (QStringList{"1", "0", "0", "0"}));
    QCOMPARE(klassen(4), (QStringList{"0", "0", "0", "0"}));

    // reopened in the entry window after clearing it: the same four fields
    klicke(teil<QPushButton>(w, "BDel"));
    dialoge().oeffnenAntwort({datei});
    klicke(teil<QPushButton>(w, "BOpen"));
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Spielschein-Datei einlesen"));
    QCOMPARE(w->LDatei()->text(), QStringLiteral("Geöffnet: Mein Schein.kv13"));
    QCOMPARE(zahlen(w->Feld(2)), QStringLiteral("1 1 6"));
    QCOMPARE(zahlen(w->Feld(3)), QStringLiteral("4 3 48"));
    QVERIFY(w->Feld(3)->vewKnopf(7)->isChecked());
    QCOMPARE(gezeichnet(w->Feld(2)), QStringLiteral("1:1 2:1 Z1 1:2 1:3 2:3 3:3 D3 1:4 1:5 1:6 1:7 1:8 1:9 "
                                                    "1:10 1:11 1:12 1:13"));
    QVERIFY(w->schein().feld(5).leer());
    QCOMPARE(zahlen(w->Feld(5)), QStringLiteral("0 0 0"));
}

void TstSystemschein::unpassendesSystemSchreibtNichts() {
    TFEingabeSys* w = fenster();
    tippe(w->Feld(1), kEinzel);
    tippe(w->Feld(2), kVierDrei);
    klicke(w->Feld(2)->vewKnopf(7));
    // field 3: "3-3" chosen, but four 2-ways
    tippe(w->Feld(3), {"10", "10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    klicke(w->Feld(3)->vewKnopf(4));
    klicke(teil<QPushButton>(w, "BSave"));
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::Information),
        QStringLiteral("Im Feld 3 passen gewähltes System und die Kombination aus Zwei- und Dreiwegen nicht "
                       "zusammen.\r\rIch muss daher abbrechen."));
    QVERIFY(dialoge().dateiDialoge().isEmpty());  // no dialog
    QCOMPARE(QDir(welt().datenordner()).entryList({QStringLiteral("*.kv13")}), QStringList());
    QCOMPARE(w->LDatei()->text(), QString());
    QVERIFY(haupt_->statusBar()->currentMessage().isEmpty());

    // a cancelled dialog writes nothing; a folder that does not exist: the
    // error, the label stays
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    klicke(teil<QPushButton>(w, "BDel"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    tippe(w->Feld(1), kEinzel);
    dialoge().speichernAntwort(QString());
    klicke(teil<QPushButton>(w, "BSave"));
    QCOMPARE(QDir(welt().datenordner()).entryList({QStringLiteral("*.kv13")}), QStringList());
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("fehlt/x.kv13"));
    klicke(teil<QPushButton>(w, "BSave"));
    QVERIFY(!dialoge().nimmMeldung(TestDialoge::Art::Fehler).isEmpty());
    QCOMPARE(w->LDatei()->text(), QString());
}

void TstSystemschein::dreiFelderInsVolleFenster() {
    TFEingabeSys* w = fenster();
    for (int f = 1; f <= 12; ++f) {
        tippe(w->Feld(f), kVierDrei);
        klicke(w->Feld(f)->vewKnopf(7));
    }
    TScheinOffen dreiDrei =
        system({"10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1", "1", "1"});
    dreiDrei.sys = 4;
    const QString datei =
        welt().schein(QStringLiteral("drei.kv13"), {reihe("1021021021021"), system(kSystem), dreiDrei});
    // the twelve fields are unsaved: asked first, and discarded
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    dialoge().oeffnenAntwort({datei});
    klicke(teil<QPushButton>(w, "BOpen"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QCOMPARE(w->schein().feld(1).daten(), reihe("1021021021021"));
    QCOMPARE(zahlen(w->Feld(2)), QStringLiteral("1 1 6"));
    QCOMPARE(zahlen(w->Feld(3)), QStringLiteral("3 3 24"));
    QVERIFY(w->Feld(3)->vewKnopf(4)->isChecked());
    for (int f = 4; f <= 12; ++f) {
        QVERIFY(w->schein().feld(f).leer());
        QCOMPARE(gezeichnet(w->Feld(f)), QString());
        QCOMPARE(zahlen(w->Feld(f)), QStringLiteral("0 0 0"));
        QVERIFY(w->Feld(f)->vewKnopf(0)->isChecked());
    }
}

void TstSystemschein::abgelehnteDateiLaesstDasFensterStehen_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<bool>("fehler");  // error message (else information)
    QTest::addColumn<QString>("meldung");
    QByteArray dreizehn;
    for (int i = 0; i < 13; ++i) dreizehn += bytes({reihe("1111111111111")});
    QByteArray ungueltig = bytes({reihe("1111111111111"), reihe("2222222222222")});
    ungueltig[40] = 14;  // system 14 does not exist
    QTest::newRow("13 Felder") << dreizehn << false
                               << "Die Darstellung des Spielscheins benötigt mehr als 12 Felder, kann daher "
                                  "hier nicht eingelesen werden.";
    QTest::newRow("ungültiges Feld 2") << ungueltig << true << "Im Feld 2";
    QTest::newRow("nicht lesbar") << QByteArray() << true << "";
}

void TstSystemschein::abgelehnteDateiLaesstDasFensterStehen() {
    QFETCH(QByteArray, inhalt);
    QFETCH(bool, fehler);
    QFETCH(QString, meldung);
    TFEingabeSys* w = fenster();
    tippe(w->Feld(1), kSystem);
    klicke(w->Feld(1)->vewKnopf(2));
    tippe(w->Feld(7), kEinzel);
    const QString datei = inhalt.isEmpty() ? welt().ablage() + QStringLiteral("fehlt.kv13")
                                           : welt().datei(QStringLiteral("x.kv13"), inhalt.toStdString());
    const TScheinOffen vorher1 = w->schein().feld(1).daten(), vorher7 = w->schein().feld(7).daten();
    const QString bild1 = gezeichnet(w->Feld(1));
    // "Verwerfen" lets the file be opened; refused, it takes nothing away
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    dialoge().oeffnenAntwort({datei});
    klicke(teil<QPushButton>(w, "BOpen"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    const QString text =
        dialoge().nimmMeldung(fehler ? TestDialoge::Art::Fehler : TestDialoge::Art::Information);
    QVERIFY2(text.contains(meldung), qPrintable(text));
    QVERIFY(!text.isEmpty());
    QCOMPARE(w->schein().feld(1).daten(), vorher1);
    QCOMPARE(w->schein().feld(7).daten(), vorher7);
    QCOMPARE(gezeichnet(w->Feld(1)), bild1);
    QCOMPARE(zahlen(w->Feld(1)), QStringLiteral("1 1 9"));  // "0-4" still chosen
    QCOMPARE(w->LDatei()->text(), QString());
}

void TstSystemschein::alleAngabenLoeschen() {
    TFEingabeSys* w = fenster();
    tippe(w->Feld(1), kSystem);
    tippe(w->Feld(12), kVierDrei);
    klicke(w->Feld(12)->vewKnopf(6));       // "7-1"
    klicke(teil<QPushButton>(w, "BSave"));  // field 12 does not fit "7-1": the message, no dialog
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Information).startsWith(QStringLiteral("Im Feld 12 ")));
    QVERIFY(dialoge().dateiDialoge().isEmpty());
    klicke(w->Feld(12)->vewKnopf(7));
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("a.kv13"));
    klicke(teil<QPushButton>(w, "BSave"));
    QCOMPARE(w->LDatei()->text(), QStringLiteral("Gespeichert: a.kv13"));
    klicke(teil<QPushButton>(w, "BDel"));
    QCOMPARE(w->LDatei()->text(), QString());
    for (int f = 1; f <= 12; ++f) {
        QVERIFY(w->schein().feld(f).leer());
        QCOMPARE(zahlen(w->Feld(f)), QStringLiteral("0 0 0"));
        QVERIFY(w->Feld(f)->vewKnopf(0)->isChecked());
    }
    QCOMPARE(gezeichnet(w->Feld(12)), QString());
}

void TstSystemschein::einstellungenUndPosition() {
    // no settings file: left 0, top 200, narrow, the hint shown
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));
    TFEingabeSys* w = fenster();
    QCOMPARE(w->pos(), QPoint(0, 200));
    QCOMPARE(w->size(), TFEingabeSys::kSchmal);
    QVERIFY(!w->cbAlle()->isChecked());
    QVERIFY(w->hinweisPanel()->isVisible());
    QVERIFY(w->Box1()->horizontalScrollBar()->isVisible());

    // wide: all twelve frames without scrolling, the hint hidden
    klicke(w->cbAlle());
    QCOMPARE(w->size(), TFEingabeSys::kBreit);
    QVERIFY(!w->hinweisPanel()->isVisible());
    QTRY_VERIFY(!w->Box1()->horizontalScrollBar()->isVisible());
    w->move(300, 150);
    w->close();
    Einstellungen e(welt().einstellungsdatei().toStdString());
    QCOMPARE(e.lese(einst::kTippfelderAlle), true);
    QCOMPARE(e.lese(einst::kScheinLeft), 300);
    QCOMPARE(e.lese(einst::kScheinTop), 150);

    // after a restart it comes back wide, as near its place as the 1920 x 1080
    // screen allows: the wide frame (1904 + 2 x 2 offscreen) wholly on it
    haupt_ = &starten();
    w = fenster();
    QCOMPARE(w->pos(), QPoint(12, 150));
    QVERIFY(w->cbAlle()->isChecked());
    QCOMPARE(w->size(), TFEingabeSys::kBreit);
    klicke(w->cbAlle());
    QCOMPARE(w->size(), TFEingabeSys::kSchmal);
    QVERIFY(w->hinweisPanel()->isVisible());
    w->close();
    QCOMPARE(Einstellungen(welt().einstellungsdatei().toStdString()).lese(einst::kTippfelderAlle), false);
}

void TstSystemschein::positionAusserhalbJedesBildschirms() {
    // Values below -9999 count as missing (left 0, top 200). A position that
    // would put any part of the window off the screen (a monitor removed or
    // smaller since, a window dragged half out) is moved in: the narrow
    // window (957 x 682, the offscreen frame 2 pixels wide) wholly on the
    // 1920 x 1080 screen, at most to its bottom right corner (959, 394).
    struct Fall {
        QPoint gespeichert, soll;
    };
    const Fall faelle[] = {
        {{-10000, -10000}, {0, 200}}, {{-10000, 40}, {0, 40}},  {{100, 50}, {100, 50}},
        {{-20, 10}, {0, 10}},         {{1500, 900}, {959, 394}}, {{-9999, 40}, {0, 40}},
        {{5000, 3000}, {959, 394}},   {{300, -2500}, {300, 0}},
    };
    for (const Fall& f : faelle) {
        {
            Einstellungen e(welt().einstellungsdatei().toStdString());
            e.schreibe(einst::kScheinLeft, f.gespeichert.x());
            e.schreibe(einst::kScheinTop, f.gespeichert.y());
            e.speichern();
        }
        TFEingabeSys* w = fenster();
        QCOMPARE(w->size(), QSize(957, 682));
        const QPoint soll = f.soll;
        QVERIFY2(w->pos() == soll, qPrintable(QStringLiteral("gespeichert %1,%2: %3,%4")
                                                  .arg(f.gespeichert.x())
                                                  .arg(f.gespeichert.y())
                                                  .arg(w->x())
                                                  .arg(w->y())));
        w->close();
    }
}

void TstSystemschein::hilfeSeite1060() {
    TFEingabeSys* w = fenster();
    klicke(teil<QToolButton>(w, "bsSkinSpeedButton6"));
    auto* hilfe = ui::fensterSuchen(QStringLiteral("FHilfe"));
    QVERIFY(hilfe && hilfe->isVisible());
    auto* text = hilfe->findChild<QTextBrowser*>();
    QVERIFY(text);
    QCOMPARE(ui::hilfeDateiAusUrl(text->source()), QStringLiteral("systemschein.html"));
    QVERIFY(text->toPlainText().contains(QStringLiteral("vollständig")));
    // F1 in the window opens the same page
    hilfe->close();
    text->setSource(QUrl());
    QVERIFY(aktivieren(w));
    QTest::keyClick(w, Qt::Key_F1);
    QTRY_VERIFY(hilfe->isVisible());
    QCOMPARE(ui::hilfeDateiAusUrl(text->source()), QStringLiteral("systemschein.html"));
    // the search finds it
    const QList<ui::HilfeSeite>& seiten = ui::hilfeSeiten();
    for (const char* wort : {"Systemschein", "Dreierweg", "VEW-System speichern"}) {
        const QList<int> treffer = ui::hilfeSuche(QString::fromUtf8(wort));
        bool gefunden = false;
        for (int i : treffer) gefunden = gefunden || seiten[i].datei == QStringLiteral("systemschein.html");
        QVERIFY2(gefunden, wort);
    }
    hilfe->close();
}

KV_GUI_TEST_MAIN(TstSystemschein)
#include "tst_systemschein.moc"
