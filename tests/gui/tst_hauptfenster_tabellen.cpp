// The result tables: slips opened as tabs and into the left panel, the
// numbers of every grid against the evaluation's edge cases, the cell colours
// of the row table, the refusals of empty and invalid files, the text export
// and the fixture list.
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "Adressraumgrenze.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Bauteile.h"
#include "common/Farben.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "main/TFFrScheineS.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFfrGrid;
using kv::ui::TFMain;

namespace {
const QColor starkGruen(94, 255, 94), hellGruen(206, 255, 206), starkRot(255, 91, 91), hellRot(255, 185, 185);

QString zeile(const ui::Fenstergitter* g, std::uint64_t z) {
    QString s;
    for (int c = 1; c <= 13; ++c) s += zelle(g, z, c);
    return s;
}

QStringList werte(const QTableView* g) {
    QStringList w;
    for (int c = 0; c < g->model()->columnCount(); ++c) w << zelle(g, 0, c);
    return w;
}

const QTableView* ansicht(const QTableView* t) {
    return t;
}
const QTableView* ansicht(const ui::Fenstergitter* g) {
    return g->gitter();
}

TFfrGrid* letzterTab(TFMain& w) {
    return w.PC1()->currentWidget()->findChild<TFfrGrid*>();
}
}  // namespace

class TestTabellen : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void zweiSystemfelderMitChancen();
    void alleSpieleBeendet();
    void vollsystemAlsTab();
    void farbenDerReihentabelle();
    void dreizehnFelderNurRechts();
    void leereDateien();
    void ungueltigerSchein();
    void zuWenigSpeicher();
    void befehlOhneSpeicher();
    void linkesFeldZaehltNurSichSelbst();
    void auchRechtsOeffnen();
    void zweiterLinkerSchein();
    void vollsystemLinksLesbar();
    void zahlenInVollerSchrift();
    void alsTextDatei();
    void spielplan();
    void kopfZentriert();
    void umbrochen_data();
    void umbrochen();
    void umbrocheneKnoepfe();
};

void TestTabellen::zweiSystemfelderMitChancen() {
    TFMain& w = starten();
    // two fields of 4 rows each; scores: "1" on matches 1..5, final; draws elsewhere
    const QString fn =
        welt().schein(QStringLiteral("Zwei.kv13"),
                      {system({"10", "10", "1", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0"}),
                       system({"1", "1", "1", "2", "2", "0", "0", "0", "0", "0", "0", "10", "10"})});
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    TFfrGrid* g = letzterTab(w);
    QVERIFY(g);
    QCOMPARE(g->objectName(), QStringLiteral("fr1"));
    QCOMPARE(g->LReihen()->text(), QStringLiteral("8"));
    QCOMPARE(g->GReihen()->zeilenAnzahl(), std::uint64_t{8});
    QCOMPARE(zelle(g->GReihen(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zeile(g->GReihen(), 0), QStringLiteral("1111100000000"));
    QCOMPARE(zeile(g->GReihen(), 3), QStringLiteral("0011100000000"));
    QCOMPARE(zeile(g->GReihen(), 4), QStringLiteral("1112200000011"));  // line 5: field 2 begins
    QCOMPARE(zelle(g->GReihen(), 4, 0), QStringLiteral("5"));
    // no match final: every row has chance 13, all listed under "I"
    QCOMPARE(werte(g->GChges()), (QStringList{"8", "0", "0", "0"}));
    QCOMPARE(g->GChancen()->zeilenAnzahl(), std::uint64_t{8});
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(zelle(g->GChancen(), r, 0), QString::number(r + 1));
        QCOMPARE(zelle(g->GReihen(), r, 14), QStringLiteral("13"));
    }
    QCOMPARE(zelle(g->GChancen(), 0, 1), QString());

    for (int m = 1; m <= 5; ++m) {
        tore(w, m, 1, 0);
        beenden(w, m);
    }
    // field 1: misses 0, 1, 1, 2 among matches 1..5; field 2: 2 misses (matches 4, 5)
    QCOMPARE(werte(g->GChges()), (QStringList{"1", "2", "5", "0"}));
    QCOMPARE(g->GChancen()->zeilenAnzahl(), std::uint64_t{5});
    QCOMPARE(zelle(g->GChancen(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(g->GChancen(), 0, 1), QStringLiteral("2"));
    QCOMPARE(zelle(g->GChancen(), 1, 1), QStringLiteral("3"));
    QStringList drei;
    for (int r = 0; r < 5; ++r) drei << zelle(g->GChancen(), r, 2);
    QCOMPARE(drei, (QStringList{"4", "5", "6", "7", "8"}));
    QCOMPARE(zelle(g->GReihen(), 0, 14), QStringLiteral("13"));
    QCOMPARE(zelle(g->GReihen(), 3, 14), QStringLiteral("11"));
    QCOMPARE(zelle(g->GReihen(), 7, 14), QStringLiteral("11"));
    // hits: field 1 13, 12, 12, 11; field 2 misses matches 4, 5 and gains on 12, 13: 9, 10, 10, 11
    QCOMPARE(werte(g->GTreffer2()), (QStringList{"1", "2", "2", "2"}));
    QCOMPARE(werte(g->Gtreffer()), (QStringList{"1", "0", "0", "0", "0"}));
}

void TestTabellen::alleSpieleBeendet() {
    TFMain& w = starten();
    // all scores 1:0 -> "1" everywhere; rows with 13, 12, 9 and 4 hits
    const QString fn = welt().schein(
        QStringLiteral("Alle.kv13"),
        {reihe("1111111111111"), reihe("1111111111110"), reihe("1111111110000"), reihe("1111000000000")});
    for (int m = 1; m <= 13; ++m) tore(w, m, 1, 0);
    QVERIFY(w.DateienEinlesen(fn));
    klicke(w.BAlles());
    TFfrGrid* g = letzterTab(w);
    QCOMPARE(zelle(g->GReihen(), 0, 14), QStringLiteral("13"));
    QCOMPARE(zelle(g->GReihen(), 1, 14), QStringLiteral("12"));
    QCOMPARE(zelle(g->GReihen(), 2, 14), QStringLiteral("---"));
    QCOMPARE(zelle(g->GReihen(), 3, 14), QStringLiteral("---"));
    QCOMPARE(werte(g->GTreffer2()), (QStringList{"1", "1", "0", "0"}));
    QCOMPARE(werte(g->Gtreffer()), (QStringList{"1", "0", "0", "0", "0"}));  // 4 hits: counted nowhere
    QCOMPARE(werte(g->GChges()), (QStringList{"1", "1", "0", "0"}));
    // rows with four misses are listed in no chance list; the list keeps two lines
    QCOMPARE(g->GChancen()->zeilenAnzahl(), std::uint64_t{1});
    QCOMPARE(zelle(g->GChancen(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(g->GChancen(), 0, 1), QStringLiteral("2"));
    QVERIFY(!zellfarbe(g->GReihen(), 2, 14).isValid());
    QCOMPARE(zellfarbe(g->GReihen(), 0, 14), QColor(231, 186, 10));
    QCOMPARE(zellfarbe(g->GReihen(), 1, 14), QColor(248, 211, 69));
}

void TestTabellen::vollsystemAlsTab() {
    TFMain& w = starten();
    const QString fn = welt().schein(QStringLiteral("Voll.kv13"), {vollsystem()});
    QVERIFY(w.DateienEinlesen(fn));
    TFfrGrid* g = letzterTab(w);
    QCOMPARE(g->LReihen()->text(), QStringLiteral("1594323"));
    QCOMPARE(g->GReihen()->zeilenAnzahl(), std::uint64_t{1594323});
    QCOMPARE(zeile(g->GReihen(), 0), QStringLiteral("1111111111111"));
    QCOMPARE(zeile(g->GReihen(), 1594322), QStringLiteral("2222222222222"));
    QCOMPARE(zelle(g->GReihen(), 1594322, 0), QStringLiteral("1594323"));
    QCOMPARE(werte(g->GTreffer2()), (QStringList{"1", "26", "312", "2288"}));
    QCOMPARE(werte(g->GChges()), (QStringList{"1594323", "0", "0", "0"}));
    QCOMPARE(g->GChancen()->zeilenAnzahl(), std::uint64_t{1594323});
    // scrolled to the end, the view shows the last line
    g->GReihen()->bildlauf()->triggerAction(QAbstractSlider::SliderToMaximum);
    QTest::qWait(10);
    QCOMPARE(g->GReihen()->zeileAn(g->GReihen()->gitter()->viewport()->height() - 2).value_or(0),
             std::uint64_t{1594322});
    // three matches final, one of them lost for two thirds of the rows
    for (int m = 1; m <= 3; ++m) beenden(w, m);
    QCOMPARE(werte(g->GChges()), (QStringList{"59049", "354294", "708588", "472392"}));
    QCOMPARE(g->GChancen()->zeilenAnzahl(), std::uint64_t{708588});
    // the last row with two misses among matches 1..3 (draws) is 2,2,0,2,...,2: line 1535274
    QCOMPARE(zelle(g->GChancen(), 708587, 2), QStringLiteral("1535274"));
    QCOMPARE(zelle(g->GReihen(), 1535273, 14), QStringLiteral("11"));
    QCOMPARE(zelle(g->GReihen(), 1594322, 14), QStringLiteral("10"));
}

void TestTabellen::farbenDerReihentabelle() {
    TFMain& w = starten();
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("Null.kv13"), {reihe("1111022222222")})));
    TFfrGrid* g = letzterTab(w);
    QCOMPARE(zelle(g->GReihen(), 0, 5), QStringLiteral("0"));
    QCOMPARE(zellfarbe(g->GReihen(), 0, 5), hellGruen);  // match 5 level and running
    QCOMPARE(zellfarbe(g->GReihen(), 0, 1), hellRot);
    tore(w, 5, 1, 0);
    QCOMPARE(zellfarbe(g->GReihen(), 0, 5), hellRot);
    beenden(w, 5);
    QCOMPARE(zellfarbe(g->GReihen(), 0, 5), starkRot);
    tore(w, 6, 0, 1);
    beenden(w, 6);
    QCOMPARE(zellfarbe(g->GReihen(), 0, 6), starkGruen);
}

void TestTabellen::dreizehnFelderNurRechts() {
    TFMain& w = starten();
    std::vector<TScheinOffen> zwoelf(12, reihe("1111111111111"));
    const QString a = welt().schein(QStringLiteral("Zwoelf.kv13"), zwoelf);
    zwoelf.push_back(reihe("2222222222222"));
    const QString b = welt().schein(QStringLiteral("Dreizehn.kv13"), zwoelf);
    dialoge().oeffnenAntwort({a});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    QCOMPARE(w.LDatei()->text(), QStringLiteral("Zwoelf.kv13"));
    QCOMPARE(w.Tippfeld(12)->LTipps()->text(), QStringLiteral("1 Tippreihe"));
    dialoge().oeffnenAntwort({b});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::Information),
        QStringLiteral("Die Darstellung des Spielscheins benötigt mehr als 12 Felder, daher wurde er nur "
                       "rechts, in die Tabelle eingelesen."));
    QCOMPARE(w.LDatei()->text(), QStringLiteral("Zwoelf.kv13"));
    QCOMPARE(w.PC1()->count(), 1);
    QCOMPARE(w.PC1()->tabText(0), QStringLiteral("Dreizehn"));
    QCOMPARE(w.PC1()->widget(0)->objectName(), QStringLiteral("Tab2"));
    QCOMPARE(w.zustand().scheinAnzahl(), 2);
    QCOMPARE(letzterTab(w)->LReihen()->text(), QStringLiteral("13"));
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(QString::fromStdString(ini.leseText("Spielschein", "Datei", "")), a);
}

void TestTabellen::leereDateien() {
    TFMain& w = starten();
    const QString leer = welt().datei(QStringLiteral("Leer.kv13"), "");
    dialoge().oeffnenAntwort({leer});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    QCOMPARE(w.LDatei()->text(), QStringLiteral("Leer.kv13"));
    QCOMPARE(w.zustand().linkerFelder(), 0);
    QCOMPARE(w.Tippfeld(1)->LNr()->text(), QStringLiteral("Feld 1"));
    // without fields, field 1 keeps the amber of every match's result, and follows it
    tore(w, 3, 1, 0);
    for (int m = 1; m <= 13; ++m) {
        const int ergebnis = m == 3 ? 1 : 2;
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(farbe(w.Ausgang(1, m, c)), c == ergebnis ? QColor(245, 199, 10) : ui::neutral());
    }
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));  // not remembered

    dialoge().oeffnenAntwort({leer});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler),
             QStringLiteral("Die Datei Leer.kv13 enthält keine Daten.\r\rIch breche ab."));
    QCOMPARE(w.PC1()->count(), 0);
    QCOMPARE(w.zustand().scheinAnzahl(), 1);

    // a file that is not there: the platform's message, the program goes on
    dialoge().oeffnenAntwort({welt().ablage() + QStringLiteral("Fehlt.kv13")});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Fehler).contains(QStringLiteral("Fehlt.kv13")));
    QCOMPARE(w.zustand().scheinAnzahl(), 1);
}

void TestTabellen::zuWenigSpeicher() {
    TFMain& w = starten();
    // 2.6 million fields without a cross (100 MB): more than the reader can
    // hold within the limit, so the reading fails and names the file.
    const QString fn = welt().datei(QStringLiteral("Riesig.kv13"), "");
    std::filesystem::resize_file(fn.toStdString(), 100u << 20);
    for (const char* knopf : {"BOpen", "BOpen2"}) {
        dialoge().oeffnenAntwort({fn});
        {
            const Adressraumgrenze grenze(200u << 20);
            klicke(w.findChild<QAbstractButton*>(QLatin1String(knopf)));
        }
        QCOMPARE(
            dialoge().nimmMeldung(TestDialoge::Art::Fehler),
            QStringLiteral("Die Datei %1 konnte nicht gelesen werden: Nicht genug Arbeitsspeicher.").arg(fn));
        QCOMPARE(w.PC1()->count(), 0);
        QCOMPARE(w.zustand().scheinAnzahl(), 0);
    }
    // and the program goes on
    dialoge().oeffnenAntwort({welt().schein(QStringLiteral("Klein.kv13"), {reihe("1111111111111")})});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    QCOMPARE(w.PC1()->count(), 1);
}

void TestTabellen::befehlOhneSpeicher() {
    TFMain& w = starten();
    Begegnungen b;
    b[6].Heim = "Heim7";
    const QString fn = welt().spielplan(QStringLiteral("Tag.sp13"), b);
    w.cbMerkenSp()->setChecked(true);
    // A settings file of 20 million empty lines: its 20 MB are read within the
    // limit, the lines it splits into are not, so the command that remembers
    // the fixture list runs out of memory after its files were read.
    const QString ini = welt().einstellungsdatei();
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(f.write(QByteArray(20 << 20, '\n')) == 20 << 20);
    }
    QCOMPARE(QFileInfo(ini).size(), qint64{20} << 20);
    dialoge().oeffnenAntwort({fn});
    {
        const Adressraumgrenze grenze(200u << 20);
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
    }
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler),
             QStringLiteral("Für diesen Befehl reicht der Arbeitsspeicher nicht.\r\rIch breche ab."));
    // the command stopped before the list was read; the settings file is untouched
    QVERIFY(!w.zustand().spielplanGeladen());
    QCOMPARE(QFileInfo(ini).size(), qint64{20} << 20);
    // with a settings file of normal size the same command goes through
    QVERIFY(QFile::remove(ini));
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
    QVERIFY(dialoge().meldungen().isEmpty());
    QCOMPARE(w.frSpiel(7)->LHeim()->text(), QStringLiteral("Heim7"));
    QCOMPARE(QString::fromStdString(IniDatei(ini.toStdString()).leseText("Spieltag", "Datei", "")), fn);
}

void TestTabellen::ungueltigerSchein() {
    TFMain& w = starten();
    TScheinOffen falsch = reihe("1111111111111");
    falsch.sys = 14;
    const QString fn = welt().schein(QStringLiteral("Falsch.kv13"), {reihe("1111111111111"), falsch});
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    // the message names the file, the field and what is wrong with it
    const QString text = QStringLiteral(
        "Die Datei Falsch.kv13 ist keine gültige Spielschein-Datei: Im Feld 2 steht die unbekannte "
        "Systemnummer 14 (erlaubt sind 0 bis 13).\r\rIch breche ab.");
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler), text);
    QCOMPARE(w.zustand().scheinAnzahl(), 0);
    QVERIFY(w.LDatei()->text().isEmpty());
    QCOMPARE(w.Tippfeld(1)->LNr()->text(), QStringLiteral("Trefferbild"));
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler), text);
    QCOMPARE(w.PC1()->count(), 0);
}

void TestTabellen::linkesFeldZaehltNurSichSelbst() {
    TFMain& w = starten();
    // draws everywhere: two fields with 12 hits, one with 10
    QVERIFY(w.DateiEinlesen(
        welt().schein(QStringLiteral("Drei.kv13"),
                      {reihe("1000000000000"), reihe("0000000000002"), reihe("1110000000000")})));
    QCOMPARE(werte(w.Tippfeld(1)->G1()), (QStringList{"0", "1", "0", "0"}));
    QCOMPARE(werte(w.Tippfeld(2)->G1()), (QStringList{"0", "1", "0", "0"}));
    QCOMPARE(werte(w.Tippfeld(3)->G1()), (QStringList{"0", "0", "0", "1"}));
    QCOMPARE(kopf(w.Tippfeld(1)->G1(), 3).trimmed(), QStringLiteral("IV"));
    QVERIFY(w.Tippfeld(4)->LTipps()->text().isEmpty());
}

void TestTabellen::auchRechtsOeffnen() {
    TFMain& w = starten();
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("Schon.kv13"), {reihe("1111111111111")})));
    w.cbRechts()->setChecked(true);
    const QString fn =
        welt().schein(QStringLiteral("Fuenf.kv13"),
                      std::vector<TScheinOffen>(
                          5, system({"10", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"})));
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    QCOMPARE(w.LDatei()->text(), QStringLiteral("Fuenf.kv13"));
    QCOMPARE(w.Tippfeld(5)->LTipps()->text(), QStringLiteral("2 Tippreihen"));
    QCOMPARE(w.PC1()->count(), 2);
    // the new tab does not become the active page
    QCOMPARE(w.PC1()->currentIndex(), 0);
    TFfrGrid* g = w.fr(2);
    QCOMPARE(g->LReihen()->text(), QStringLiteral("10"));
    QCOMPARE(zeile(g->GReihen(), 9), QStringLiteral("0000000000000"));
    QCOMPARE(werte(g->GTreffer2()), (QStringList{"5", "5", "0", "0"}));
    QCOMPARE(werte(w.Tippfeld(5)->G1()), (QStringList{"1", "1", "0", "0"}));
}

void TestTabellen::zweiterLinkerSchein() {
    TFMain& w = starten();
    const QString a = welt().schein(QStringLiteral("Vew.kv13"), {vew(4), vew(9), reihe("0000000000000")});
    QVERIFY(w.DateiEinlesen(a));
    QVERIFY(w.Tippfeld(2)->LVEW()->isVisibleTo(w.Tippfeld(2)));
    QCOMPARE(w.Tippfeld(1)->LVEW()->text(), QStringLiteral("VEW 3-3"));
    QCOMPARE(w.Tippfeld(2)->LTipps()->text(), QStringLiteral("72 VEW-Reihen"));
    QCOMPARE(w.Tippfeld(3)->G1()->model()->data(w.Tippfeld(3)->G1()->model()->index(0, 0)).toString(),
             QStringLiteral("1"));
    QVERIFY(w.DateiEinlesen(welt().schein(QStringLiteral("Eins.kv13"), {reihe("1111111111111")})));
    QCOMPARE(w.zustand().scheinAnzahl(), 2);
    QCOMPARE(w.zustand().linkerSchein(), 1);
    QVERIFY(!w.Tippfeld(1)->LVEW()->isVisibleTo(w.Tippfeld(1)));
    QVERIFY(!w.Tippfeld(2)->LVEW()->isVisibleTo(w.Tippfeld(2)));
    QCOMPARE(farbe(w.Ausgang(2, 1, 1)), ui::neutral());
    QCOMPARE(farbe(w.Ausgang(3, 1, 2)), ui::neutral());
    QVERIFY(w.Tippfeld(2)->LTipps()->text().isEmpty());
    // the first slip counts nothing any more
    QCOMPARE(w.zustand().slot(0).schein.zeilen(), 0u);
    QVERIFY(werte(w.Tippfeld(3)->G1()).join(QString()).isEmpty());
}

// A full 13 x 3 system on the left: its long row count fits its frame.
void TestTabellen::vollsystemLinksLesbar() {
    TFMain& w = starten();
    const QString fn = welt().schein(
        QStringLiteral("Voll.kv13"),
        {system({"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"}),
         reihe("1111111111111")});
    QVERIFY(w.DateiEinlesen(fn));
    for (int j : {1, 2}) {
        QLabel* l = w.Tippfeld(j)->LTipps();
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
    QCOMPARE(w.Tippfeld(1)->LTipps()->text(), QStringLiteral("1594323 Tippreihen"));
    QCOMPARE(w.Tippfeld(2)->LTipps()->font().pixelSize(), 11);
}

// The largest counts of a full system of 1,594,323 rows fit their columns in
// the grids' own type, on the right and in the left panel's prize table.
void TestTabellen::zahlenInVollerSchrift() {
    TFMain& w = starten();
    const QString fn = welt().schein(QStringLiteral("Voll.kv13"), {vollsystem()});
    QVERIFY(w.DateiEinlesen(fn));
    QVERIFY(w.DateienEinlesen(fn));
    for (int m = 1; m <= 3; ++m) beenden(w, m);
    TFfrGrid* g = letzterTab(w);
    QCOMPARE(werte(g->GChges()), (QStringList{"59049", "354294", "708588", "472392"}));
    // a grid, or a grid over a window of rows (its cells read from its source)
    const auto passt = [](const auto* gitter, int z, int c) {
        const QString text = zelle(gitter, z, c);
        const QTableView* t = ansicht(gitter);
        const int breite = QFontMetrics(t->font()).horizontalAdvance(text);
        if (breite <= t->columnWidth(c) - 2) return true;
        qWarning("%s (%d, %d) \"%s\": %d in %d", qPrintable(gitter->objectName()), z, c, qPrintable(text),
                 breite, t->columnWidth(c));
        return false;
    };
    for (const QTableView* t : std::initializer_list<const QTableView*>{g->GChges(), g->GTreffer2(),
                                                                        g->Gtreffer(), w.Tippfeld(1)->G1()})
        for (int c = 0; c < t->model()->columnCount(); ++c) QVERIFY(passt(t, 0, c));
    QCOMPARE(werte(w.Tippfeld(1)->G1()), (QStringList{"1", "26", "312", "2288"}));
    for (int c = 0; c < 4; ++c) QVERIFY(passt(g->GChancen(), 0, c));
    QVERIFY(passt(g->GChancen(), 708587, 2));
    QVERIFY(passt(g->GReihen(), 1594322, 0));
    QVERIFY(passt(g->GReihen(), 1594322, 14));
}

void TestTabellen::alsTextDatei() {
    TFMain& w = starten();
    beenden(w, 1);
    QVERIFY(w.DateienEinlesen(welt().schein(
        QStringLiteral("Text.kv13"), {reihe("1021021021021"), system({"1", "1", "1", "1", "1", "1", "1", "1",
                                                                      "1", "1", "1", "1", "02"})})));
    const QString ziel = welt().ablage() + QStringLiteral("Reihen");
    dialoge().speichernAntwort(ziel);
    klicke(letzterTab(w)->findChild<QAbstractButton*>(QStringLiteral("bsSkinSpeedButton2")));
    const kv::ui::Dateiauswahl& d = dialoge().dateiDialoge().last();
    QCOMPARE(d.titel, QStringLiteral("Text-Datei speichern"));
    QCOMPARE(d.filter, QStringLiteral("Text-Datei|*.txt"));
    QCOMPARE(d.endung, QStringLiteral("txt"));
    QFile f(ziel + QStringLiteral(".txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1,0,2,1,0,2,1,0,2,1,0,2,1\r\n"
                                     "1,1,1,1,1,1,1,1,1,1,1,1,0\r\n"
                                     "1,1,1,1,1,1,1,1,1,1,1,1,2\r\n"));
    // a folder that does not exist: the platform's message, the old file stays whole
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("fehlt/Reihen.txt"));
    klicke(letzterTab(w)->findChild<QAbstractButton*>(QStringLiteral("bsSkinSpeedButton2")));
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Fehler).contains(QStringLiteral("Reihen.txt")));
    QVERIFY(!QFile::exists(welt().ablage() + QStringLiteral("fehlt/Reihen.txt")));
}

void TestTabellen::spielplan() {
    TFMain& w = starten();
    Begegnungen b;
    for (int m = 0; m < 13; ++m) {
        b[static_cast<std::size_t>(m)].Heim = "Heim" + std::to_string(m + 1);
        b[static_cast<std::size_t>(m)].Gast = "Gast" + std::to_string(m + 1);
    }
    const QString fn = welt().spielplan(QStringLiteral("Tag.sp13"), b);
    dialoge().oeffnenAntwort({fn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
    QCOMPARE(w.LDatei2()->text(), QStringLiteral("Tag.sp13"));
    QCOMPARE(w.frSpiel(7)->LHeim()->text(), QStringLiteral("Heim7"));
    QCOMPARE(w.frSpiel(7)->LGast()->text(), QStringLiteral("Gast7"));
    for (int j : {1, 6, 12}) QCOMPARE(w.Tippfeld(j)->Spielfr(7)->toolTip(), QStringLiteral("Heim7 : Gast7"));
    QVERIFY(w.zustand().spielplanGeladen());
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(QString::fromStdString(ini.leseText("Spieltag", "Datei", "")), fn);

    // a list of 12 records leaves match 13 as it was
    Begegnungen c = b;
    c[0].Heim = "Neu";
    const QString voll = welt().spielplan(QStringLiteral("Neu.sp13"), c);
    QFile nf(voll);
    QVERIFY(nf.open(QIODevice::ReadOnly));
    const QByteArray kurz = nf.readAll().left(12 * 73);
    nf.close();
    const QString kurzFn = welt().datei(QStringLiteral("Kurz.sp13"), kurz.toStdString());
    w.cbMerkenSp()->setChecked(false);
    dialoge().oeffnenAntwort({kurzFn});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
    QCOMPARE(w.frSpiel(1)->LHeim()->text(), QStringLiteral("Neu"));
    QCOMPARE(w.frSpiel(13)->LHeim()->text(), QStringLiteral("Heim13"));
    QCOMPARE(QString::fromStdString(
                 IniDatei(welt().einstellungsdatei().toStdString()).leseText("Spieltag", "Datei", "")),
             fn);
}

void TestTabellen::kopfZentriert() {
    TFMain& w = starten();
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("K.kv13"), {reihe("1111111111111")})));
    TFfrGrid* g = letzterTab(w);
    // every header text stands in the middle of the room round(0.7 w) to within one blank
    const QFontMetrics fm(g->GReihen()->gitter()->horizontalHeader()->font());
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    struct Fall {
        const QTableView* gitter;
        int spalte, w;
    };
    const Fall faelle[] = {{g->GReihen()->gitter(), 0, 30},  {g->GReihen()->gitter(), 5, 18},
                           {g->GReihen()->gitter(), 14, 22}, {g->Gtreffer(), 0, 32},
                           {g->GChancen()->gitter(), 3, 35}, {g->GChges(), 3, 26},
                           {w.Tippfeld(1)->G1(), 0, 16}};
    for (const Fall& f : faelle) {
        const QString k = kopf(f.gitter, f.spalte);
        const QString text = k.trimmed();
        const int links = fm.horizontalAdvance(k) - fm.horizontalAdvance(text);
        const double mitte = links + fm.horizontalAdvance(text) / 2.0;
        const double soll = qRound(0.7 * f.w) / 2.0;
        QVERIFY2(qAbs(mitte - soll) <= blank, qPrintable(k));
        QVERIFY(!text.isEmpty());
    }
    QVERIFY(kopf(g->GChancen(), 0).startsWith(QLatin1Char(' ')));
    QCOMPARE(g->GReihen()->gitter()->columnWidth(0), 36);
    QCOMPARE(g->GReihen()->gitter()->columnWidth(14), 24);
    QCOMPARE(g->Gtreffer()->columnWidth(4), 37);
}

// A blank after a hyphen inside a word is where a caption wraps.
void TestTabellen::umbrochen_data() {
    QTest::addColumn<QString>("beschriftung");
    QTest::addColumn<QString>("gezeigt");
    QTest::newRow("Knopf") << "Als Text- Datei"
                           << "Als Text-\nDatei";
    QTest::newRow("am Anfang") << "Excel- Export"
                               << "Excel-\nExport";
    QTest::newRow("mitten im Satz") << "Spielstände wer- den automatisch gespeichert"
                                    << "Spielstände wer-\nden automatisch gespeichert";
    QTest::newRow("Umlaut danach") << "Gewinn- übersicht"
                                   << "Gewinn-\nübersicht";
    QTest::newRow("Bindestrich ohne Blank bleibt") << "Text-Datei"
                                                   << "Text-Datei";
    QTest::newRow("Gedankenstrich bleibt") << "Schein - Feld"
                                           << "Schein - Feld";
    QTest::newRow("am Ende bleibt") << "Tipp- "
                                    << "Tipp- ";
    QTest::newRow("vor einer Zahl bleibt") << "Feld- 3"
                                           << "Feld- 3";
}

void TestTabellen::umbrochen() {
    QFETCH(QString, beschriftung);
    QFETCH(QString, gezeigt);
    QCOMPARE(ui::umbrochen(beschriftung), gezeigt);
}

// The captions of that kind in the main window show on two lines.
void TestTabellen::umbrocheneKnoepfe() {
    TFMain& w = starten();
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("Eins.kv13"), {reihe("1111111111111")})));
    auto* alsText = letzterTab(w)->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton2"));
    QVERIFY(alsText);
    QCOMPARE(alsText->text(), QStringLiteral("Als Text-\nDatei"));
    const QFontMetrics fm(alsText->font());
    QVERIFY(alsText->sizeHint().height() >= 2 * fm.lineSpacing());
    for (const char* name : {"LAutomatisch"}) {
        auto* l = w.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(l, name);
        QVERIFY2(l->text().startsWith(QStringLiteral("Spielstände wer-\nden")), qPrintable(l->text()));
    }
}

KV_GUI_TEST_MAIN(TestTabellen)
#include "tst_hauptfenster_tabellen.moc"
