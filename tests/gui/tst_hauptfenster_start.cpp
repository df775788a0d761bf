// Start and end of the main window: the first start of a new user, the
// restart with remembered files and "Ende", missing remembered files, the
// window position from the settings, and a score file that cannot be written.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Gitter.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFMain;

class TestStart : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void ersterStart();
    void neustartMitGemerktenDateienUndEnde();
    void gemerkteDateienFehlen();
    void gemerkteEintraege_data();
    void gemerkteEintraege();
    void tabListeNurMitHaekchenGemerkt();
    void reiterSchliessen();
    void fensterposition_data();
    void fensterposition();
    void aufDemBildschirm_data();
    void aufDemBildschirm();
    void programmEndeSchliesstAndereFensterNicht();
    void abgebrocheneDialogeAendernNichts();
    void spielstaendeNichtSchreibbar();
    void deutscheDateidialoge();
};

void TestStart::ersterStart() {
    QVERIFY(welt().datenordner().endsWith(QStringLiteral("/.local/share/Kalvendo/")));
    QVERIFY(QDir(welt().datenordner()).exists());
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));

    TFMain& w = starten();
    QCOMPARE(w.windowTitle(),
             QString::fromUtf8(kProgrammTitel) + QLatin1Char(' ') + QString::fromUtf8(kVersion));
    QCOMPARE(w.pos(), QPoint(0, 0));
    QVERIFY(w.cbMerken()->isChecked());
    QVERIFY(w.cbMerken2()->isChecked());
    QVERIFY(w.cbMerkenSp()->isChecked());
    QVERIFY(!w.cbRechts()->isChecked());
    QVERIFY(w.LDatei()->text().isEmpty());
    QCOMPARE(w.PC1()->count(), 0);
    // no slip: field 1 shows the winning row alone, all draws in amber
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000000000000"));
    QCOMPARE(w.Tippfeld(1)->LNr()->text(), QStringLiteral("Trefferbild"));
    QCOMPARE(farbe(w.Tippfeld(1)->LNr()), QColor(235, 126, 7));
    for (int m = 1; m <= 13; ++m) {
        QCOMPARE(farbe(w.Ausgang(1, m, 2)), QColor(245, 199, 10));
        QCOMPARE(farbe(w.Ausgang(1, m, 1)), ui::neutral());
        QCOMPARE(farbe(w.Ausgang(2, m, 2)), ui::neutral());
    }

    QVERIFY(welt().beenden());
    QFile stand(welt().spielstanddatei());
    QVERIFY(stand.open(QIODevice::ReadOnly));
    QCOMPARE(stand.readAll(), QByteArray(39, '\0'));
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QVERIFY(ini.existiert());
    QCOMPARE(ini.leseZahl("Splitter", "Pos", 0), 378);
    QCOMPARE(ini.leseText("Spieltag", "Ende", "x"), std::string("0"));
    QCOMPARE(ini.leseText("Spielschein", "Merken", "x"), std::string("1"));
    QCOMPARE(ini.leseText("Spielscheine", "Merken", "x"), std::string("1"));
    QCOMPARE(ini.leseText("Spieltag", "Merken", "x"), std::string("1"));
    QCOMPARE(ini.leseText("Spielschein", "AuchRechts", "x"), std::string("0"));
    QCOMPARE(ini.leseZahl("Fenster", "Haupt-Left", 7), 0);
    QCOMPARE(ini.leseZahl("Fenster", "Haupt-Top", 7), 0);
}

void TestStart::neustartMitGemerktenDateienUndEnde() {
    std::vector<TScheinOffen> zwoelf = {reihe("1002000000000"), reihe("1002000000001")};
    while (zwoelf.size() < 12) zwoelf.push_back(reihe("2222222222222"));
    const QString links = welt().schein(QStringLiteral("Zwoelf.kv13"), zwoelf);
    const QString a =
        welt().schein(QStringLiteral("A.kv13"),
                      {system({"10", "0", "0", "2", "0", "0", "0", "0", "0", "0", "0", "0", "0"})});
    const QString b = welt().schein(QStringLiteral("B.kv13"), {reihe("1111111111111")});
    Begegnungen plan;
    for (int m = 0; m < 13; ++m) {
        plan[static_cast<std::size_t>(m)].Heim = "Heim " + std::to_string(m + 1);
        plan[static_cast<std::size_t>(m)].Gast = "Gäste " + std::to_string(m + 1);
    }
    const QString sp = welt().spielplan(QStringLiteral("Plan.sp13"), plan);

    {
        TFMain& w = starten();
        dialoge().oeffnenAntwort({links});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen")));
        dialoge().oeffnenAntwort({a, b});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        dialoge().oeffnenAntwort({sp});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
        tore(w, 1, 2, 1);
        tore(w, 4, 0, 3);
        klicke(w.BAlles());
        QVERIFY(w.zustand().alleBeendet());
        QCOMPARE(dialoge().dateiDialoge().size(), 3);
        QCOMPARE(dialoge().dateiDialoge()[0].titel, QStringLiteral("Spielschein-Datei einlesen"));
        QCOMPARE(dialoge().dateiDialoge()[0].filter, QStringLiteral("Spielschein|*.kv13"));
        QCOMPARE(dialoge().dateiDialoge()[0].ordner, welt().datenordner());
        QCOMPARE(dialoge().dateiDialoge()[2].titel, QStringLiteral("Spielplan-Datei öffnen"));
    }
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(QString::fromStdString(ini.leseText("Spielschein", "Datei", "")), links);
    QCOMPARE(ini.leseZahl("Spielscheine", "Dateienanzahl", 0), 2);
    QCOMPARE(QString::fromStdString(ini.leseText("Spielscheine", "Datei2", "")), b);
    QCOMPARE(QString::fromStdString(ini.leseText("Spieltag", "Datei", "")), sp);

    // the restart finds everything again
    TFMain& w = starten();
    QCOMPARE(w.LDatei()->text(), QStringLiteral("Zwoelf.kv13"));
    QCOMPARE(w.LDatei2()->text(), QStringLiteral("Plan.sp13"));
    QCOMPARE(w.frSpiel(3)->LHeim()->text(), QStringLiteral("Heim 3"));
    QCOMPARE(w.frSpiel(3)->LGast()->text(), QStringLiteral("Gäste 3"));
    QCOMPARE(w.PC1()->count(), 2);
    QCOMPARE(w.PC1()->tabText(0), QStringLiteral("A"));
    QCOMPARE(w.PC1()->tabText(1), QStringLiteral("B"));
    // tabs opened at start do not change the active page: the first stays
    QCOMPARE(w.PC1()->currentIndex(), 0);
    QCOMPARE(w.PC1()->widget(1)->objectName(), QStringLiteral("Tab3"));
    QCOMPARE(w.frSpiel(1)->PHeim()->text(), QStringLiteral("2"));
    QCOMPARE(w.frSpiel(4)->PGast()->text(), QStringLiteral("3"));
    QCOMPARE(gewinnreihe(w), QStringLiteral("1002000000000"));
    // "Ende": every match final, "Alles" in its second state
    QVERIFY(w.zustand().alleBeendet());
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{0x1FFF});
    QCOMPARE(w.BAlles()->property("bild").toInt(), 0);
    for (int m = 1; m <= 13; ++m) QVERIFY(!w.frSpiel(m)->Pups()->isVisible());
    // and the evaluation has run with all matches final
    QCOMPARE(zelle(w.Tippfeld(1)->G1(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 1), QStringLiteral("1"));
    QCOMPARE(zelle(w.Tippfeld(3)->G1(), 0, 3), QStringLiteral("0"));
    QCOMPARE(farbe(w.Ausgang(1, 4, 3)), QColor(94, 255, 94));
    QCOMPARE(farbe(w.Ausgang(2, 13, 2)), QColor(255, 91, 91));
    // tab A: "1" on match 1 hits, "0" on match 1 misses (12 hits, one miss)
    ui::TFfrGrid* fa = w.fr(1);
    QVERIFY(fa);
    QCOMPARE(zelle(fa->GTreffer2(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(fa->GTreffer2(), 0, 1), QStringLiteral("1"));
    QCOMPARE(zelle(fa->GReihen(), 0, 14), QStringLiteral("13"));
    QCOMPARE(zelle(fa->GReihen(), 1, 14), QStringLiteral("12"));
    QCOMPARE(fa->LReihen()->text(), QStringLiteral("2"));
}

void TestStart::gemerkteDateienFehlen() {
    const QString da = welt().schein(QStringLiteral("Da.kv13"), {reihe("1111111111111")});
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeText("Spielschein", "Datei",
                         (welt().ablage() + QStringLiteral("Weg.kv13")).toStdString());
        ini.schreibeZahl("Spielscheine", "Dateienanzahl", 2);
        ini.schreibeText("Spielscheine", "Datei1",
                         (welt().ablage() + QStringLiteral("Fort.kv13")).toStdString());
        ini.schreibeText("Spielscheine", "Datei2", da.toStdString());
        ini.schreibeText("Spieltag", "Datei", (welt().ablage() + QStringLiteral("Plan.sp13")).toStdString());
    }
    TFMain& w = starten();
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
             QStringLiteral("Die mit dem Programmstart zu ladende Datei Weg.kv13\r\r wurde nicht gefunden."));
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::Information),
        QStringLiteral("Die mit dem Programmstart zu ladende Datei Fort.kv13\r\r wurde nicht gefunden."));
    // the file that exists still opens; the missing fixture list is passed over silently
    QCOMPARE(w.PC1()->count(), 1);
    QCOMPARE(w.PC1()->tabText(0), QStringLiteral("Da"));
    QVERIFY(w.LDatei2()->text().isEmpty());
    // with a settings file the tick boxes take its values (defaults: not ticked)
    QVERIFY(!w.cbMerken()->isChecked());
    QVERIFY(!w.cbMerkenSp()->isChecked());
}

// Remembered entries that do not name a readable file at start.
void TestStart::gemerkteEintraege_data() {
    QTest::addColumn<QString>("einstellungen");  // %1: the folder of the test's own files
    QTest::addColumn<QStringList>("ordner");     // folders made there before the start
    QTest::addColumn<QStringList>("meldungen");  // the information messages, in order
    QTest::addColumn<QStringList>("tabs");
    const QString nicht =
        QStringLiteral("Die mit dem Programmstart zu ladende Datei %1\r\r wurde nicht gefunden.");
    // a folder where a remembered file should be counts as a missing file;
    // the fixture list is passed over silently
    QTest::newRow("Ordner statt Dateien")
        << QStringLiteral(
               "[Spielschein]\nDatei=%1Schein.kv13\n[Spielscheine]\nDateienanzahl=2\n"
               "Datei1=%1Tab.kv13\nDatei2=%1Da.kv13\n[Spieltag]\nDatei=%1Plan.sp13\n")
        << QStringList{"Schein.kv13", "Tab.kv13", "Plan.sp13"}
        << QStringList{nicht.arg("Schein.kv13"), nicht.arg("Tab.kv13")} << QStringList{"Da"};
    // a count without names opens nothing and names no empty file
    QTest::newRow("Anzahl ohne Namen") << QStringLiteral("[Spielscheine]\nDateienanzahl=5\n") << QStringList{}
                                       << QStringList{} << QStringList{};
    // a huge count costs nothing: only the names that are there are read
    QTest::newRow("riesige Anzahl") << QStringLiteral(
                                           "[Spielscheine]\nDateienanzahl=2147483647\nDatei1=%1Da.kv13\n")
                                    << QStringList{} << QStringList{} << QStringList{"Da"};
    QTest::newRow("leerer Name") << QStringLiteral(
                                        "[Spielscheine]\nDateienanzahl=2\nDatei1=\nDatei2=%1Da.kv13\n")
                                 << QStringList{} << QStringList{} << QStringList{"Da"};
}

void TestStart::gemerkteEintraege() {
    QFETCH(QString, einstellungen);
    QFETCH(QStringList, ordner);
    QFETCH(QStringList, meldungen);
    QFETCH(QStringList, tabs);
    welt().schein(QStringLiteral("Da.kv13"), {reihe("1111111111111")});
    for (const QString& o : ordner) QVERIFY(QDir(welt().ablage()).mkdir(o));
    {
        QFile f(welt().einstellungsdatei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(einstellungen.arg(welt().ablage()).toUtf8());
    }
    TFMain& w = starten();
    for (const QString& m : meldungen) QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), m);
    QStringList offen;
    for (int i = 0; i < w.PC1()->count(); ++i) offen << w.PC1()->tabText(i);
    QCOMPARE(offen, tabs);
    QVERIFY(w.LDatei()->text().isEmpty());
    QVERIFY(w.LDatei2()->text().isEmpty());
}

void TestStart::tabListeNurMitHaekchenGemerkt() {
    const QString a = welt().schein(QStringLiteral("A.kv13"), {reihe("1111111111111")});
    const QString b = welt().schein(QStringLiteral("B.kv13"), {reihe("0000000000000")});
    const QString c = welt().schein(QStringLiteral("C.kv13"), {reihe("2222222222222")});
    {
        TFMain& w = starten();
        dialoge().oeffnenAntwort({a, b});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        // not ticked: the choice is opened but the remembered list stays
        w.cbMerken2()->setChecked(false);
        dialoge().oeffnenAntwort({c});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        QCOMPARE(w.PC1()->count(), 3);
        QCOMPARE(w.PC1()->currentIndex(), 2);  // the tab of the last file chosen
    }
    TFMain& w = starten();
    QCOMPARE(w.PC1()->count(), 2);
    QCOMPARE(w.PC1()->tabText(0), QStringLiteral("A"));
    QCOMPARE(w.PC1()->tabText(1), QStringLiteral("B"));
    // ticked again: the section holds every tab open now, the new one last
    w.cbMerken2()->setChecked(true);
    dialoge().oeffnenAntwort({c});
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(ini.leseZahl("Spielscheine", "Dateienanzahl", 0), 3);
    QCOMPARE(QString::fromStdString(ini.leseText("Spielscheine", "Datei1", "")), a);
    QCOMPARE(QString::fromStdString(ini.leseText("Spielscheine", "Datei3", "")), c);
    QCOMPARE(ini.leseText("Spielscheine", "Datei4", "fehlt"), std::string("fehlt"));
}

// A tab's context menu closes it: its rows leave the evaluation and its file
// the remembered list; every tab still open comes back at the next start. A
// file open already comes to the front instead of a copy, unless it changed.
void TestStart::reiterSchliessen() {
    const QString a = welt().schein(QStringLiteral("A.kv13"), {reihe("1111111111111")});
    const QString b = welt().schein(QStringLiteral("B.kv13"), {reihe("0000000000000")});
    const QString c = welt().schein(QStringLiteral("C.kv13"), {reihe("2222222222222")});
    const auto gemerkt = [&] {
        const IniDatei ini(welt().einstellungsdatei().toStdString());
        QStringList l;
        const int n = ini.leseZahl("Spielscheine", "Dateienanzahl", 0);
        for (int i = 1; i <= n; ++i)
            l << QFileInfo(
                     QString::fromStdString(ini.leseText("Spielscheine", "Datei" + std::to_string(i), "")))
                     .baseName();
        return l;
    };
    {
        TFMain& w = starten();
        QVERIFY(w.cbMerken2()->isChecked());
        dialoge().oeffnenAntwort({a, b});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        dialoge().oeffnenAntwort({c, a});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        QCOMPARE(w.PC1()->count(), 3);
        QCOMPARE(w.PC1()->currentIndex(), 0);  // "A" came to the front
        QCOMPARE(gemerkt(), (QStringList{"A", "B", "C"}));
        QCOMPARE(w.zustand().scheinAnzahl(), 3);

        // the context menu of "B"
        QTabBar* leiste = w.PC1()->tabBar();
        Q_EMIT leiste->customContextMenuRequested(leiste->tabRect(1).center());
        auto* menue = w.findChild<QMenu*>(QStringLiteral("ReiterMenue"));
        QVERIFY(menue);
        auto* schliessen = menue->findChild<QAction*>(QStringLiteral("ReiterSchliessen"));
        QVERIFY(schliessen);
        QCOMPARE(schliessen->text(), QStringLiteral("Reiter schließen"));
        schliessen->trigger();
        menue->close();
        QStringList offen;
        for (int i = 0; i < w.PC1()->count(); ++i) offen << w.PC1()->tabText(i);
        QCOMPARE(offen, (QStringList{"A", "C"}));
        QVERIFY(w.zustand().slot(1).geschlossen);
        QCOMPARE(w.zustand().slot(1).schein.zeilen(), 0u);
        QCOMPARE(gemerkt(), (QStringList{"A", "C"}));
        QVERIFY(!w.fr(1));

        // "B" opened again is a new tab; "C" changed on disk replaces its old tab
        welt().schein(QStringLiteral("C.kv13"), {reihe("2222222222222"), reihe("1111111111111")});
        dialoge().oeffnenAntwort({b, c});
        klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
        offen.clear();
        for (int i = 0; i < w.PC1()->count(); ++i) offen << w.PC1()->tabText(i);
        QCOMPARE(offen, (QStringList{"A", "B", "C"}));
        QCOMPARE(w.fr(w.zustand().scheinAnzahl() - 1)->LReihen()->text(), QStringLiteral("2"));
        QCOMPARE(gemerkt(), (QStringList{"A", "B", "C"}));
    }
    TFMain& w = starten();
    QStringList offen;
    for (int i = 0; i < w.PC1()->count(); ++i) offen << w.PC1()->tabText(i);
    QCOMPARE(offen, (QStringList{"A", "B", "C"}));
}

void TestStart::fensterposition_data() {
    QTest::addColumn<QString>("links");
    QTest::addColumn<QString>("oben");
    QTest::addColumn<bool>("mitteX");
    QTest::addColumn<int>("y");
    QTest::newRow("links -1000, oben gesetzt")
        << QStringLiteral("-1000") << QStringLiteral("50") << true << 50;
    QTest::newRow("gesetzt") << QStringLiteral("30") << QStringLiteral("40") << false << 40;
    QTest::newRow("keine Zahl") << QStringLiteral("abc") << QStringLiteral("-1000") << true << -1;
}

void TestStart::fensterposition() {
    QFETCH(QString, links);
    QFETCH(QString, oben);
    QFETCH(bool, mitteX);
    QFETCH(int, y);
    {
        QFile f(welt().einstellungsdatei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Fenster]\nHaupt-Left=%1\nHaupt-Top=%2\n").arg(links, oben).toUtf8());
    }
    TFMain& w = starten();
    // a stored edge is the frame's; a centred edge (by the real frame of a
    // window manager) is checked in tests/schreibtisch
    if (!mitteX) QCOMPARE(w.pos().x(), links.toInt());
    if (y != -1) QCOMPARE(w.pos().y(), y);
    if (mitteX) QVERIFY(w.pos().x() > 0);
}

// A remembered position where no screen is any more is moved onto the screen;
// the centre is computed from the whole frame.
void TestStart::aufDemBildschirm_data() {
    QTest::addColumn<QPoint>("gespeichert");
    QTest::addColumn<QSize>("rahmen");
    QTest::addColumn<QPoint>("platz");
    QTest::newRow("auf dem Schirm") << QPoint(30, 40) << QSize(800, 600) << QPoint(30, 40);
    QTest::newRow("halb links hinaus") << QPoint(-300, 40) << QSize(800, 600) << QPoint(0, 40);
    QTest::newRow("bis auf einen Rand links hinaus") << QPoint(-750, 40) << QSize(800, 600) << QPoint(0, 40);
    QTest::newRow("ganz rechts hinaus") << QPoint(5000, 40) << QSize(800, 600) << QPoint(1120, 40);
    QTest::newRow("ganz oben hinaus") << QPoint(100, -900) << QSize(800, 600) << QPoint(100, 0);
    QTest::newRow("unten hinaus, zu hoch") << QPoint(100, 3000) << QSize(800, 1200) << QPoint(100, 0);
}

void TestStart::aufDemBildschirm() {
    QFETCH(QPoint, gespeichert);
    QFETCH(QSize, rahmen);
    QFETCH(QPoint, platz);
    QCOMPARE(ui::Fensterposition::aufBildschirm(gespeichert, rahmen), platz);
    // the 1920 x 1080 screen of the tests: (screen - frame) div 2
    QCOMPARE(ui::Fensterposition::mitte(QSize(1001, 701)), QPoint(459, 189));
}

// Ending the program leaves the event loop without closing the other windows:
// they save their settings only when they themselves are closed.
void TestStart::programmEndeSchliesstAndereFensterNicht() {
    TFMain& w = starten();
    w.BGZdirektClick();
    ui::TFGZEingabe* gz = w.gzEingabe();
    QVERIFY(gz && gz->isVisible());
    gz->move(40, 60);
    QTimer::singleShot(0, &w, [&w] { aktion(w, "Beenden1")->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!w.isVisible());
    QVERIFY(gz->isVisible());
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(ini.leseZahl("Fenster", "Haupt-Left", -1), 0);  // the main window saved its own
    QCOMPARE(ini.leseText("Fenster", "GZEingabe-Left", "nicht geschrieben"),
             std::string("nicht geschrieben"));
    QCOMPARE(ini.leseText("Fenster", "GZEingabe-Top", "nicht geschrieben"), std::string("nicht geschrieben"));
    QVERIFY(QFile::exists(welt().spielstanddatei()));
}

void TestStart::abgebrocheneDialogeAendernNichts() {
    TFMain& w = starten();
    for (const char* knopf : {"BOpen", "BOpen2", "BOpen1"}) {
        dialoge().oeffnenAntwort({});
        klicke(w.findChild<QAbstractButton*>(QString::fromLatin1(knopf)));
    }
    dialoge().oeffnenAntwort({});
    aktion(w, "Spielsystemauswhlen1")->trigger();
    dialoge().speichernAntwort({});
    aktion(w, "Spielstndegesondertspeichern1")->trigger();
    QCOMPARE(dialoge().dateiDialoge().size(), 5);
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));
    QCOMPARE(w.zustand().scheinAnzahl(), 0);
    QCOMPARE(w.PC1()->count(), 0);
    QVERIFY(QDir(welt().datenordner()).entryList(QDir::Files).isEmpty());
}

void TestStart::spielstaendeNichtSchreibbar() {
    // a folder where the score file belongs: it can be neither read nor replaced
    QVERIFY(QDir(welt().datenordner()).mkdir(QStringLiteral("Spielstaende.spst")));
    TFMain& w = starten();
    QVERIFY(!dialoge().nimmMeldung(TestDialoge::Art::Fehler).isEmpty());
    tore(w, 2, 1, 0);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Fehler).contains(QStringLiteral("Spielstaende.spst")));
    // once the way is free the window closes and the scores are there
    QVERIFY(QDir(welt().datenordner()).rmdir(QStringLiteral("Spielstaende.spst")));
    QVERIFY(welt().beenden());
    QFile stand(welt().spielstanddatei());
    QVERIFY(stand.open(QIODevice::ReadOnly));
    const QByteArray b = stand.readAll();
    QCOMPARE(b.size(), 39);
    QCOMPARE(b.at(3), char(1));
    QCOMPARE(b.at(4), char(0));
}

// The file dialogs take sizes and dates from the system's locale, which the
// program makes German whatever the environment's language was.
void TestStart::deutscheDateidialoge() {
    QCOMPARE(QLocale::system().language(), QLocale::German);
    const QString fn = welt().datei(QStringLiteral("Vierzig.kv13"), std::string(40, '\0'));
    QFileSystemModel m;
    const QModelIndex ordner = m.setRootPath(welt().ablage());
    QTRY_VERIFY(m.index(fn).isValid() && m.rowCount(ordner) > 0);
    const QModelIndex datei = m.index(fn);
    QTRY_COMPARE(m.data(datei.siblingAtColumn(1)).toString(), QStringLiteral("40 Bytes"));
    const QString datum = m.data(datei.siblingAtColumn(3)).toString();
    QCOMPARE(datum, QLocale(QLocale::German).toString(QFileInfo(fn).lastModified(), QLocale::ShortFormat));
    QVERIFY2(datum.count(QLatin1Char('.')) == 2, qPrintable(datum));
    // numbers the program writes keep their point
    QCOMPARE(QString::asprintf("%.1f", 2.5), QStringLiteral("2.5"));
}

KV_GUI_TEST_MAIN(TestStart)
#include "tst_hauptfenster_start.moc"
