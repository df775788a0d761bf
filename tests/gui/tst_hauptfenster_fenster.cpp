// The frame of the main window: menus and tool bar with the places for the
// commands of later windows, the right panel's splitter and strip, the
// scrolling field frames, and the small windows it opens.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/UpDown.h"
#include "main/TFFrScheineS.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFMain;

namespace {

QStringList texte(const QMenu* m) {
    QStringList t;
    for (const QAction* a : m->actions()) t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

QStringList knoepfe(const QToolBar* leiste) {
    QStringList t;
    for (QAction* a : leiste->actions()) {
        const QWidget* w = leiste->widgetForAction(a);
        if (w && !w->objectName().isEmpty()) t << w->objectName();
    }
    return t;
}

QWidget* fenster(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void ziehen(QSplitter* s, int dx) {
    QWidget* griff = s->handle(1);
    const QPoint mitte = griff->rect().center();
    QTest::mousePress(griff, Qt::LeftButton, {}, mitte);
    QTest::mouseMove(griff, mitte + QPoint(dx / 2, 0));
    QTest::mouseMove(griff, mitte + QPoint(dx, 0));
    QTest::mouseRelease(griff, Qt::LeftButton, {}, mitte + QPoint(dx, 0));
}

}  // namespace

class TestFenster : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void menuesUndWerkzeugleiste();
    void befehleSpaeterFenster();
    void splitterRastet();
    void streifenKlappt();
    void feldrahmenScrollen();
    void spielePanelImSchmalenFenster();
    void kleineFenster();
    void escapeSchliesst();
    void zugriffstastenUndKuerzel();
};

void TestFenster::menuesUndWerkzeugleiste() {
    TFMain& w = starten();
    QCOMPARE(
        texte(w.menueDatei()),
        (QStringList{"Tippschein(e) öffnen...", "Tippschein(e) drucken...", "Neuen Normalschein eingeben...",
                     "Neuen Systemschein eingeben...", "-", "Gesondert gespeicherte Spielstände öffnen...",
                     "Spielstände gesondert speichern...", "Automatisch gespeicherte Spielstände einlesen ",
                     "-", "&Beenden"}));
    QCOMPARE(texte(w.menueExtras()),
             (QStringList{"&Kalender", "Taschen&rechner", "Transfer-Tool", "&Garantie-Analyse...",
                          "&Quotenfilter...", "&Einsatz je Reihe...", "-", "&Update-Prüfung"}));
    QCOMPARE(texte(w.menueHilfe()),
             (QStringList{"&Inhalt", "In Hilfe &suchen...", "-", "&Update-Prüfung", "-", "&Programm-Info"}));
    QCOMPARE(knoepfe(w.PTool()),
             (QStringList{"BClose", "BEingabe", "BSys", "BDruck", "BGZdirekt1", "bsSkinSpeedButton1",
                          "BUpdate", "BCalc", "BKal", "bsSkinSpeedButton6", "Label10"}));
    // "Beenden" closes the window after saving
    aktion(w, "Beenden1")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(QFile::exists(welt().spielstanddatei()));
}

// A window made known later finds its places; the table keeps the order of
// the places whatever the order of the commands.
void TestFenster::befehleSpaeterFenster() {
    // a table of its own over menus and a tool bar like the main window's
    QWidget besitzer;
    QMenu datei, extras, hilfe;
    QToolBar leiste;
    ui::Befehlstabelle t;
    int gezeigt = 0;
    auto befehl = [&](const char* name, const char* text, std::vector<ui::Menueplatz> menues,
                      ui::Leistenplatz platz, const char* knopf) {
        ui::Befehl b;
        b.name = name;
        b.text = QString::fromUtf8(text);
        b.menues = std::move(menues);
        b.leiste = platz;
        b.knopf = knopf;
        b.ausfuehren = [&gezeigt] { ++gezeigt; };
        return b;
    };
    t.anmelden(befehl("Kalender1", "&Kalender", {ui::Menueplatz::ExtrasKalender}, ui::Leistenplatz::Kalender,
                      "BKal"));
    t.anmelden(befehl("System1", "Neuen Systemschein eingeben...", {ui::Menueplatz::DateiSystemschein},
                      ui::Leistenplatz::Systemschein, "BSys"));
    t.einrichten(&besitzer, &datei, &extras, &hilfe, &leiste);
    t.anmelden(befehl("Normalschein1", "Neuen Normalschein eingeben...", {ui::Menueplatz::DateiNormalschein},
                      ui::Leistenplatz::Normalschein, "BEingabe"));
    QCOMPARE(texte(&datei),
             (QStringList{"Neuen Normalschein eingeben...", "Neuen Systemschein eingeben...", "-", "-"}));
    QCOMPARE(texte(&extras), (QStringList{"&Kalender", "-"}));
    QCOMPARE(knoepfe(&leiste), (QStringList{"BEingabe", "BSys", "BKal"}));
    // the menu item, the tool button and the table's own door run the same command
    t.aktion(QStringLiteral("Normalschein1"))->trigger();
    klicke(leiste.findChild<QToolButton*>(QStringLiteral("BEingabe")));
    QVERIFY(t.ausfuehren(QStringLiteral("Normalschein1")));
    QVERIFY(!t.ausfuehren(QStringLiteral("GibtEsNicht")));
    QCOMPARE(gezeigt, 3);
}

void TestFenster::splitterRastet() {
    TFMain& w = starten();
    QCOMPARE(w.ppcBreite(), 378);
    ziehen(w.splitt1(), 78);  // 300 wide: snaps shut
    QCOMPARE(w.ppcBreite(), 46);
    ziehen(w.splitt1(), -329);  // 375 wide: snaps open
    QCOMPARE(w.ppcBreite(), 378);
    ziehen(w.splitt1(), -200);  // wider than open: back to open
    QCOMPARE(w.ppcBreite(), 378);
    ziehen(w.splitt1(), 200);
    QCOMPARE(w.ppcBreite(), 46);
    // the width survives a restart; opening a tab opens the panel
    TFMain& w2 = starten();
    QCOMPARE(w2.ppcBreite(), 46);
    QVERIFY(w2.DateienEinlesen(welt().schein(QStringLiteral("T.kv13"), {reihe("1111111111111")})));
    QCOMPARE(w2.ppcBreite(), 378);
}

void TestFenster::streifenKlappt() {
    TFMain& w = starten();
    auto* strip = w.findChild<QToolButton*>(QStringLiteral("Image1"));
    QVERIFY(strip);
    klicke(strip);
    QCOMPARE(w.ppcBreite(), 46);
    klicke(strip);
    QCOMPARE(w.ppcBreite(), 378);
    klicke(strip);
    QCOMPARE(w.ppcBreite(), 46);
    QVERIFY(welt().beenden());
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseZahl("Splitter", "Pos", 0), 46);
}

void TestFenster::feldrahmenScrollen() {
    TFMain& w = starten();
    QScrollArea* p = w.PTipps();
    // the window is narrower than the 12 field frames: they scroll, none is squeezed
    QVERIFY(p->viewport()->width() < p->widget()->width());
    QVERIFY(p->horizontalScrollBar()->maximum() > 0);
    QCOMPARE(w.Tippfeld(12)->width(), 99);
    // every match line is 99 x 26, indented by 5
    for (int j : {1, 12})
        for (int k : {1, 13}) {
            QCOMPARE(w.Tippfeld(j)->Spielfr(k)->size(), QSize(99, 26));
            QCOMPARE(w.Tippfeld(j)->Spielfr(k)->x(), 5);
        }
    p->horizontalScrollBar()->setValue(p->horizontalScrollBar()->maximum());
    const QRect r(w.Tippfeld(12)->mapTo(p->viewport(), QPoint(0, 0)), w.Tippfeld(12)->size());
    QVERIFY(p->viewport()->rect().contains(r.topLeft()));
    QVERIFY(r.right() <= p->viewport()->width());
    // collapsing the right panel gives the frames more room
    const int vorher = p->viewport()->width();
    w.Image1Click();
    QVERIFY(p->viewport()->width() > vorher);
}

void TestFenster::spielePanelImSchmalenFenster() {
    TFMain& w = starten();
    auto* rahmen = w.findChild<QScrollArea*>(QStringLiteral("PSpieleRahmen"));
    QVERIFY(rahmen);
    QScrollBar* balken = rahmen->horizontalScrollBar();
    // the arrows of match `spiel` lie wholly in the panel's view and nothing covers them
    auto erreichbar = [&](int spiel) {
        for (QWidget* k : {w.frSpiel(spiel)->Up1()->knopfRunter(), w.frSpiel(spiel)->Up2()->knopfHoch()}) {
            const QRect r(k->mapTo(rahmen->viewport(), QPoint(0, 0)), k->size());
            if (!rahmen->viewport()->rect().contains(r)) return false;
            if (w.childAt(k->mapTo(&w, k->rect().center())) != k) return false;
        }
        return true;
    };
    // at the designed width all 13 frames are in view and no scroll bar takes room
    QVERIFY(!balken->isVisible());
    const int hoehe = rahmen->height();
    QVERIFY(erreichbar(1));
    QVERIFY(erreichbar(13));
    // narrower: the frames scroll sideways, the scroll bar sits below the up-downs
    w.resize(w.minimumWidth(), w.height());
    QVERIFY(w.width() < 13 * ui::TFfrErg::kBreite);
    QTRY_VERIFY(balken->isVisible());
    QTRY_COMPARE(rahmen->height(), hoehe + balken->height());
    QTRY_VERIFY(erreichbar(1));
    balken->setValue(balken->maximum());
    QTRY_VERIFY(erreichbar(13));
    // wide again: the panel gives the room back
    w.resize(13 * ui::TFfrErg::kBreite + 34, w.height());
    QTRY_VERIFY(!balken->isVisible());
    QTRY_COMPARE(rahmen->height(), hoehe);
}

void TestFenster::kleineFenster() {
    TFMain& w = starten();
    klicke(w.findChild<QToolButton*>(QStringLiteral("BKal")));
    QWidget* kal = fenster(QStringLiteral("FKal"));
    QVERIFY(kal && kal->isVisible());
    kal->close();
    QVERIFY(!kal->isVisible());
    aktion(w, "Kalender1")->trigger();
    QCOMPARE(fenster(QStringLiteral("FKal")), kal);
    QVERIFY(kal->isVisible());

    aktion(w, "ProgrammInfo1")->trigger();
    QPointer<QWidget> info = fenster(QStringLiteral("FInfo"));
    QVERIFY(info && info->isVisible());
    info->close();
    QTRY_VERIFY(info.isNull());  // it destroys itself

    klicke(w.findChild<QToolButton*>(QStringLiteral("BUpdate")));
    QPointer<QWidget> update = fenster(QStringLiteral("FNeu"));
    QVERIFY(update && update->isVisible());
    update->close();
    QTRY_VERIFY(update.isNull());

    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QWidget* hilfe = fenster(QStringLiteral("FHilfe"));
    QVERIFY(hilfe && hilfe->isVisible());
    hilfe->close();
    aktion(w, "InHilfesuchen1")->trigger();
    QVERIFY(hilfe->isVisible());
    hilfe->close();
    klicke(w.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton6")));
    QVERIFY(hilfe->isVisible());
}

// Escape closes the help, calendar, information and winning-row windows.
void TestFenster::escapeSchliesst() {
    TFMain& w = starten();
    const auto escape = [](QWidget* f) {
        if (!f) return QStringLiteral("fehlt");
        if (!aktivieren(f)) return f->objectName() + QStringLiteral(" nicht aktiv");
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, Qt::Key_Escape);
        return f->isVisible() ? f->objectName() + QStringLiteral(" noch offen") : QString();
    };
    aktion(w, "Kalender1")->trigger();
    QCOMPARE(escape(fenster(QStringLiteral("FKal"))), QString());
    w.BGZdirektClick();
    QCOMPARE(escape(fenster(QStringLiteral("FGZEingabe"))), QString());
    aktion(w, "Inhalt1")->trigger();
    QCOMPARE(escape(fenster(QStringLiteral("FHilfe"))), QString());
    aktion(w, "ProgrammInfo1")->trigger();
    QPointer<QWidget> info = fenster(QStringLiteral("FInfo"));
    QCOMPARE(escape(info), QString());
    QTRY_VERIFY(info.isNull());
    QVERIFY(w.isVisible());
}

// No two entries of a menu share an access key; the usual shortcuts open a
// slip and end the program.
void TestFenster::zugriffstastenUndKuerzel() {
    TFMain& w = starten();
    for (QMenu* m : {w.menueDatei(), w.menueExtras(), w.menueHilfe()}) {
        QMap<QChar, QString> vergeben;
        for (QAction* a : m->actions()) {
            const qsizetype i = a->text().indexOf(QLatin1Char('&'));
            if (i < 0 || i + 1 >= a->text().size()) continue;
            const QChar taste = a->text().at(i + 1).toLower();
            QVERIFY2(!vergeben.contains(taste),
                     qPrintable(a->text() + QStringLiteral(" und ") + vergeben[taste]));
            vergeben[taste] = a->text();
        }
    }
    QVERIFY(aktivieren(&w));
    dialoge().oeffnenAntwort({});  // cancelled
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialoge().dateiDialoge().size(), 1);
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Spielschein-Datei einlesen"));
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!w.isVisible());
    QVERIFY(QFile::exists(welt().spielstanddatei()));
}

KV_GUI_TEST_MAIN(TestFenster)
#include "tst_hauptfenster_fenster.moc"
