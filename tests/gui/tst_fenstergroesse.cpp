// Windows on small and large screens: the main window shrinks below its
// laid-out size to a laptop screen and every control stays reachable by
// scrolling; windows remember their size beside their position; a window
// never opens larger than its screen or where no screen is.
#include <QAbstractButton>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/UpDown.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFMain.h"
#include "main/TFfrGrid.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::Fensterposition;
using kv::ui::TFMain;

namespace {

void einstellungen(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// Scrolls every scroll area around `k` to it, as the scroll bars or the
// keyboard focus would, and tells whether it then shows wholly inside the
// window, inside every scroll area's view, and nothing covers it.
QString nichtErreichbar(QWidget* fenster, QWidget* k) {
    for (QWidget* p = k->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (auto* bereich = qobject_cast<QScrollArea*>(p)) bereich->ensureWidgetVisible(k, 0, 0);
    QCoreApplication::processEvents();
    const QRect r(k->mapTo(fenster, QPoint(0, 0)), k->size());
    if (!fenster->rect().contains(r)) return QStringLiteral("außerhalb des Fensters");
    for (QWidget* p = k->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (auto* bereich = qobject_cast<QScrollArea*>(p)) {
            const QRect sicht(bereich->viewport()->mapTo(fenster, QPoint(0, 0)), bereich->viewport()->size());
            if (!sicht.contains(r)) return QStringLiteral("außerhalb von ") + bereich->objectName();
        }
    QWidget* oben = fenster->childAt(r.center());
    if (oben != k && !k->isAncestorOf(oben))
        return QStringLiteral("verdeckt von ") + (oben ? oben->objectName() : QStringLiteral("nichts"));
    return {};
}

// Whether `k` shows wholly inside every widget around it up to its window.
bool ganzZuSehen(const QWidget* k) {
    for (const QWidget* p = k->parentWidget(); p; p = p->parentWidget()) {
        const QRect r(k->mapTo(p, QPoint(0, 0)), k->size());
        if (!p->rect().contains(r)) return false;
        if (p->isWindow()) break;
    }
    return true;
}

}  // namespace

class TestFenstergroesse : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void laptopBildschirm();
    void groesseGemerkt();
    void tabellenBekommenDieHoehe();
    void zuGrossFuerDenBildschirm();
    void einpassen_data();
    void einpassen();
};

// At 1280 x 720 every control of the main window can be reached: what does
// not fit scrolls.
void TestFenstergroesse::laptopBildschirm() {
    TFMain& w = starten();
    QVERIFY(w.DateiEinlesen(
        welt().schein(QStringLiteral("Links.kv13"), std::vector<TScheinOffen>(12, reihe("1021021021021")))));
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("Rechts.kv13"), {vollsystem()})));
    const QSize gross = w.size();
    QVERIFY2(gross.width() > 1280 && gross.height() > 720, "the laid-out size is the preferred size");
    QVERIFY(w.minimumSizeHint().width() <= 1280);
    QVERIFY(w.minimumSizeHint().height() <= 720);
    w.resize(1280, 720);
    QTRY_COMPARE(w.size(), QSize(1280, 720));

    QList<QWidget*> bedienelemente;
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&w)) bedienelemente << b;
    for (int m = 1; m <= 13; ++m) bedienelemente << w.PGewZ(m);
    for (int f = 1; f <= 12; ++f) bedienelemente << w.Tippfeld(f)->G1();
    ui::TFfrGrid* tab = w.fr(1);
    QVERIFY(tab);
    bedienelemente << tab->GTreffer2() << tab->Gtreffer() << tab->LReihen();
    QVERIFY(bedienelemente.size() > 80);
    for (QWidget* k : bedienelemente) {
        const QString grund = nichtErreichbar(&w, k);
        QVERIFY2(grund.isEmpty(), qPrintable(k->objectName() + QStringLiteral(" in ") +
                                             k->parentWidget()->objectName() + QStringLiteral(": ") + grund));
    }
}

// A taller window gives its height to the row table and the chance lists;
// the right panel keeps its width, and at every height the value rows of the
// small tables stand wholly in view, also with the wide columns of a large
// slip.
void TestFenstergroesse::tabellenBekommenDieHoehe() {
    TFMain& w = starten();
    QVERIFY(w.DateienEinlesen(welt().schein(QStringLiteral("Voll.kv13"), {vollsystem()})));
    ui::TFfrGrid* tab = w.fr(0);
    QVERIFY(tab);
    struct Hoehen {
        int reihen, chancen, reihenBeiTreffern;
    };
    const auto messen = [&](QSize groesse, Hoehen& h) {
        w.resize(groesse);
        QTRY_COMPARE(w.size(), groesse);
        QTest::qWait(50);
        QCOMPARE(w.ppcBreite(), 378);
        for (int seite : {1, 0}) {
            tab->PC5()->setCurrentIndex(seite);
            QTest::qWait(50);
            const QList<ui::Gitter*> klein =
                seite == 1 ? QList<ui::Gitter*>{tab->GTreffer2(), tab->Gtreffer()}
                           : QList<ui::Gitter*>{tab->GChges(), tab->GChancen()->gitter()};
            for (ui::Gitter* g : klein) {
                QVERIFY2(ganzZuSehen(g), qPrintable(g->objectName()));
                const QRect zeile = g->visualRect(g->model()->index(0, 0));
                QVERIFY2(g->viewport()->rect().contains(zeile), qPrintable(g->objectName()));
            }
            if (seite == 1) h.reihenBeiTreffern = tab->GReihen()->height();
        }
        h.reihen = tab->GReihen()->height();
        h.chancen = tab->GChancen()->height();
    };
    Hoehen laptop{}, gross{}, wieder{};
    messen(QSize(1366, 700), laptop);
    if (QTest::currentTestFailed()) return;
    messen(QSize(1900, 1050), gross);
    if (QTest::currentTestFailed()) return;
    QVERIFY2(gross.reihen > laptop.reihen + 150,
             qPrintable(QStringLiteral("%1 -> %2").arg(laptop.reihen).arg(gross.reihen)));
    QVERIFY2(gross.chancen > laptop.chancen + 60,
             qPrintable(QStringLiteral("%1 -> %2").arg(laptop.chancen).arg(gross.chancen)));
    // the one-line tables of "Gewinne/Treffer" leave the height to the rows
    QVERIFY(gross.reihenBeiTreffern > gross.reihen);
    messen(QSize(1366, 700), wieder);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(wieder.reihen, laptop.reihen);
}

// The main window and the winning-row window keep their size beside their
// position; a size that was never stored leaves the laid-out size.
void TestFenstergroesse::groesseGemerkt() {
    einstellungen(welt().einstellungsdatei(),
                  "[Fenster]\nHaupt-Left=30\nHaupt-Top=40\nHaupt-Width=1000\nHaupt-Height=600\n");
    TFMain& w = starten();
    QCOMPARE(w.pos(), QPoint(30, 40));
    QCOMPARE(w.size(), QSize(1000, 600));
    w.resize(1100, 650);
    w.BGZdirektClick();
    ui::TFGZEingabe* gz = w.gzEingabe();
    const QSize gelegt = gz->size();
    gz->resize(gelegt.width() + 20, gelegt.height() - 100);
    gz->close();
    QVERIFY(welt().beenden());
    {
        const IniDatei ini(welt().einstellungsdatei().toStdString());
        QCOMPARE(ini.leseZahl("Fenster", "Haupt-Width", 0), 1100);
        QCOMPARE(ini.leseZahl("Fenster", "Haupt-Height", 0), 650);
        QCOMPARE(ini.leseZahl("Fenster", "GZEingabe-Width", 0), gelegt.width() + 20);
        QCOMPARE(ini.leseZahl("Fenster", "GZEingabe-Height", 0), gelegt.height() - 100);
    }
    TFMain& w2 = starten();
    QCOMPARE(w2.size(), QSize(1100, 650));
    w2.BGZdirektClick();
    QCOMPARE(w2.gzEingabe()->size(), QSize(gelegt.width() + 20, gelegt.height() - 100));
}

// A size or place from a larger screen: the window comes onto this one.
void TestFenstergroesse::zuGrossFuerDenBildschirm() {
    einstellungen(welt().einstellungsdatei(),
                  "[Fenster]\nHaupt-Left=2500\nHaupt-Top=1500\nHaupt-Width=2500\nHaupt-Height=1500\n");
    TFMain& w = starten();
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(frei.size(), QSize(1920, 1080));
    QCOMPARE(w.frameGeometry(), frei);
}

// The placing rule on two screens: the primary one at the right of a
// second one.
void TestFenstergroesse::einpassen_data() {
    QTest::addColumn<QRect>("rahmen");
    QTest::addColumn<QRect>("platz");
    const QRect fenster(0, 0, 800, 600);
    QTest::newRow("auf dem ersten Schirm") << fenster.translated(100, 50) << fenster.translated(100, 50);
    QTest::newRow("auf dem zweiten Schirm") << fenster.translated(-1200, 50) << fenster.translated(-1200, 50);
    // the whole frame on the screen, not only its title strip
    QTest::newRow("halb hinaus: ganz herein") << fenster.translated(1500, 50) << fenster.translated(1120, 50);
    QTest::newRow("über beide Schirme: auf den mit dem größten Teil")
        << fenster.translated(-300, 50) << fenster.translated(0, 50);
    QTest::newRow("neben allen Schirmen: auf den ersten")
        << fenster.translated(-4000, 50) << fenster.translated(0, 50);
    QTest::newRow("unter allen Schirmen: auf den ersten")
        << fenster.translated(-1200, 3000) << fenster.translated(0, 480);
    QTest::newRow("zu groß: so groß wie der Schirm, ganz darauf")
        << QRect(300, 200, 2500, 1300) << QRect(0, 0, 1920, 1080);
    QTest::newRow("zu groß für den zweiten Schirm")
        << QRect(-1000, 100, 1200, 900) << QRect(-1200, 0, 1200, 768);
}

void TestFenstergroesse::einpassen() {
    QFETCH(QRect, rahmen);
    QFETCH(QRect, platz);
    const QList<QRect> schirme = {QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 768)};
    QCOMPARE(Fensterposition::einpassen(rahmen, schirme), platz);
}

KV_GUI_TEST_MAIN(TestFenstergroesse)
#include "tst_fenstergroesse.moc"
