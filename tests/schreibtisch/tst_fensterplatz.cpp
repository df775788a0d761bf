// The program's windows on a real desktop: an X server of the size
// KALVENDO_SCHIRM with the window manager openbox, as tests/schreibtisch/
// schreibtisch starts them. Where a window stands is read from outside, from
// the X server's window tree: the frame with the window manager's title bar.
#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <functional>

#include "Aussensicht.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/Passlabel.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "print/TFDetail.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFMain;

namespace {

QString text(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestFensterplatz : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void aufEchtemSchreibtisch();
    void ersterStart();
    void jedesFensterGanzAufDemSchirm();
    void gemerkterOrtWirdHereingeholt_data();
    void gemerkterOrtWirdHereingeholt();
    void systemscheinAnDerVorgabe();
    void mittig();
    void wiederGezeigtAmSelbenOrt();
    void reiterAendertDieGroesseNicht();
    void nichtsAbgeschnitten();

  private:
    // The frame of a shown window as the X server has it; fails the test
    // when it does not appear.
    QRect rahmen(QWidget* w);
    void einstellungen(const QString& text);
    TFMain& haupt() { return *welt().fenster(); }
    QWidget* befehl(const char* name, const char* fenster);

    const QRect schirm_ = schirmVorgabe();
};

QRect TestFensterplatz::rahmen(QWidget* w) {
    if (!w || !QTest::qWaitForWindowExposed(w)) {
        QTest::qFail("Fenster nicht gezeigt", __FILE__, __LINE__);
        return {};
    }
    const std::optional<QRect> r = rahmenVonAussen(w->winId());
    if (!r) QTest::qFail(qPrintable(w->objectName() + QStringLiteral(": kein Rahmen")), __FILE__, __LINE__);
    return r.value_or(QRect());
}

void TestFensterplatz::einstellungen(const QString& text) {
    QFile f(welt().einstellungsdatei());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

QWidget* TestFensterplatz::befehl(const char* name, const char* fenster) {
    haupt().kontext().befehle().ausfuehren(QLatin1String(name));
    return ui::fensterSuchen(QLatin1String(fenster));
}

// The desktop the tests rely on: an X server of the given size, and a window
// manager that frames the windows (a title bar above the contents).
void TestFensterplatz::aufEchtemSchreibtisch() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(schirm_.isValid());
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), schirm_);
    TFMain& w = starten();
    const QRect r = rahmen(&w);
    QVERIFY2(r.height() >= w.height() + 15, qPrintable(text(r)));
    QVERIFY(r.width() >= w.width());
}

// A first start (no settings): the window at its designed place (0, 0), the
// whole frame with its title bar on the screen, however large the laid-out
// window is.
void TestFensterplatz::ersterStart() {
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));
    TFMain& w = starten();
    const QRect r = rahmen(&w);
    QCOMPARE(r.topLeft(), QPoint(0, 0));
    QVERIFY2(schirm_.contains(r), qPrintable(text(r)));
}

// Every window of the program, opened on this screen: its whole frame lies on it.
void TestFensterplatz::jedesFensterGanzAufDemSchirm() {
    TFMain& w = starten();
    QVERIFY2(schirm_.contains(rahmen(&w)), "Hauptfenster");
    struct Fall {
        const char* name;
        std::function<QWidget*()> oeffnen;
    };
    const QString schein = welt().schein(QStringLiteral("Zwei.kv13"), {reihe("1111111111111"), vew(3)});
    ui::TFDruck* druck = nullptr;
    const Fall faelle[] = {
        {"Systemschein", [&] { return befehl("NeuenSystemscheineingeben1", "FEingabeSys"); }},
        {"Normalschein", [&] { return befehl("NeuenNormalscheineingeben1", "FEingabe"); }},
        {"Quotenfilter",
         [&] {
             return ui::quotenFilterOeffnen(
                 w.kontext(), system({"1", "10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
         }},
        {"Druck",
         [&] {
             druck = qobject_cast<ui::TFDruck*>(befehl("Tippscheinedrucken1", "FDruck"));
             return druck;
         }},
        {"Detail",
         [&] {
             druck->BDetailZeigenClick();
             return static_cast<QWidget*>(druck->detail());
         }},
        {"Gewinnzahlen", [&] { return befehl("Gewinnzahlen1", "FGZEingabe"); }},
        {"Garantie",
         [&] {
             w.DateienEinlesen(schein);
             return befehl("GarantieAnalyse1", "FGarantie");
         }},
        {"Transfer", [&] { return befehl("Transfertool1", "FTransfer"); }},
        {"Update", [&] { return befehl("UpdatePruefung1", "FNeu"); }},
        {"Hilfe", [&] { return befehl("Inhalt1", "FHilfe"); }},
        {"Kalender", [&] { return befehl("Kalender1", "FKal"); }},
        {"Info", [&] { return befehl("ProgrammInfo1", "FInfo"); }},
    };
    for (const Fall& f : faelle) {
        QPointer<QWidget> fenster = f.oeffnen();
        QVERIFY2(fenster && fenster->isVisible(), f.name);
        const QRect r = rahmen(fenster);
        QVERIFY2(schirm_.contains(r), qPrintable(QLatin1String(f.name) + QLatin1Char(' ') + text(r)));
        // the print window stays open for its detail window
        if (qstrcmp(f.name, "Druck") != 0) fenster->close();
    }
    druck->close();
}

// A remembered place that would put part of the frame off the screen (a
// screen that got smaller, a window dragged half out) is moved in; a
// remembered size larger than the screen becomes the screen's.
void TestFensterplatz::gemerkterOrtWirdHereingeholt_data() {
    QTest::addColumn<QPoint>("gemerkt");
    QTest::addColumn<QSize>("groesse");
    // where the frame's edges must be: -1 for "as remembered"
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("oben");
    QTest::addColumn<bool>("rechtsBuendig");
    QTest::addColumn<bool>("untenBuendig");
    QTest::newRow("ganz auf dem Schirm") << QPoint(30, 40) << QSize(800, 500) << 30 << 40 << false << false;
    QTest::newRow("links halb hinaus") << QPoint(-300, 40) << QSize(800, 500) << 0 << 40 << false << false;
    QTest::newRow("oben hinaus: die Titelleiste")
        << QPoint(100, -15) << QSize(800, 500) << 100 << 0 << false << false;
    QTest::newRow("rechts unten halb hinaus")
        << QPoint(1000, 500) << QSize(800, 500) << -1 << -1 << true << true;
    QTest::newRow("auf keinem Schirm") << QPoint(5000, 3000) << QSize(800, 500) << -1 << -1 << true << true;
    QTest::newRow("größer als der Schirm") << QPoint(200, 100) << QSize(3000, 2000) << 0 << 0 << true << true;
}

void TestFensterplatz::gemerkterOrtWirdHereingeholt() {
    QFETCH(QPoint, gemerkt);
    QFETCH(QSize, groesse);
    QFETCH(int, links);
    QFETCH(int, oben);
    QFETCH(bool, rechtsBuendig);
    QFETCH(bool, untenBuendig);
    einstellungen(QStringLiteral("[Fenster]\nHaupt-Left=%1\nHaupt-Top=%2\nHaupt-Width=%3\nHaupt-Height=%4\n"
                                 "Schein-Left=%1\nSchein-Top=%2\n")
                      .arg(gemerkt.x())
                      .arg(gemerkt.y())
                      .arg(groesse.width())
                      .arg(groesse.height()));
    TFMain& w = starten();
    const QRect r = rahmen(&w);
    QVERIFY2(schirm_.contains(r), qPrintable(text(r)));
    if (links >= 0) QCOMPARE(r.left(), links);
    if (oben >= 0) QCOMPARE(r.top(), oben);
    if (rechtsBuendig) QCOMPARE(r.right(), schirm_.right());
    if (untenBuendig) QCOMPARE(r.bottom(), schirm_.bottom());
    // the size as remembered, where the screen has room for it
    if (groesse.width() < schirm_.width()) QCOMPARE(w.size(), groesse);

    // the system slip window by the same rule, at its own size
    QWidget* sys = befehl("NeuenSystemscheineingeben1", "FEingabeSys");
    const QRect s = rahmen(sys);
    QVERIFY2(schirm_.contains(s), qPrintable(text(s)));
    const QRect gemerkterRahmen(gemerkt, s.size());
    if (schirm_.contains(gemerkterRahmen)) QCOMPARE(s.topLeft(), gemerkt);
    if (gemerkterRahmen.right() > schirm_.right()) QCOMPARE(s.right(), schirm_.right());
    if (gemerkterRahmen.bottom() > schirm_.bottom()) QCOMPARE(s.bottom(), schirm_.bottom());
    if (gemerkt.x() < 0) QCOMPARE(s.left(), 0);
    if (gemerkt.y() < 0) QCOMPARE(s.top(), 0);
    sys->close();
}

// The system slip window's place without settings (left 0, top 200): on a
// laptop screen its whole frame comes onto the screen, choices and buttons
// at its foot included.
void TestFensterplatz::systemscheinAnDerVorgabe() {
    starten();
    auto* sys = qobject_cast<ui::TFEingabeSys*>(befehl("NeuenSystemscheineingeben1", "FEingabeSys"));
    QVERIFY(sys);
    const QRect r = rahmen(sys);
    QVERIFY2(schirm_.contains(r), qPrintable(text(r)));
    QCOMPARE(r.left(), 0);
    QCOMPARE(r.top(), std::min(200, schirm_.height() - r.height()));
    sys->close();
}

// -1000 centres a window by its whole frame, title bar included; the update
// window stands centred on the main window's frame.
void TestFensterplatz::mittig() {
    einstellungen(
        QStringLiteral("[Fenster]\nHaupt-Left=-1000\nHaupt-Top=-1000\nHaupt-Width=900\n"
                       "Haupt-Height=500\nEingabe-Left=-1000\nEingabe-Top=-1000\n"));
    TFMain& w = starten();
    const QRect haupt = rahmen(&w);
    QCOMPARE(w.size(), QSize(900, 500));
    QVERIFY2(qAbs(haupt.center().x() - schirm_.center().x()) <= 1, qPrintable(text(haupt)));
    QVERIFY2(qAbs(haupt.center().y() - schirm_.center().y()) <= 1, qPrintable(text(haupt)));

    QWidget* eingabe = befehl("NeuenNormalscheineingeben1", "FEingabe");
    const QRect e = rahmen(eingabe);
    QVERIFY2(qAbs(e.center().x() - schirm_.center().x()) <= 1, qPrintable(text(e)));
    QVERIFY2(qAbs(e.center().y() - schirm_.center().y()) <= 1, qPrintable(text(e)));
    eingabe->close();

    QWidget* update = befehl("UpdatePruefung1", "FNeu");
    const QRect u = rahmen(update);
    QVERIFY2((u.center() - haupt.center()).manhattanLength() <= 2, qPrintable(text(u) + text(haupt)));
    update->close();

    // each edge on its own: -1000 centres the left edge, a stored top stays
    // (written once the program has ended: its closing sequence writes them)
    QVERIFY(welt().beenden());
    einstellungen(
        QStringLiteral("[Fenster]\nHaupt-Left=-1000\nHaupt-Top=50\nHaupt-Width=900\nHaupt-Height=500\n"));
    const QRect halb = rahmen(&starten());
    QCOMPARE(halb.top(), 50);
    QVERIFY2(qAbs(halb.center().x() - schirm_.center().x()) <= 1, qPrintable(text(halb)));
}

// Closed and shown again, and the program ended and started again: every
// window comes back exactly where it was, however often.
void TestFensterplatz::wiederGezeigtAmSelbenOrt() {
    einstellungen(
        QStringLiteral("[Fenster]\nHaupt-Left=40\nHaupt-Top=30\nHaupt-Width=900\nHaupt-Height=520\n"
                       "Schein-Left=120\nSchein-Top=25\nEingabe-Left=300\nEingabe-Top=90\n"));
    QRect haupt, sys, eingabe;
    for (int lauf = 0; lauf < 3; ++lauf) {
        TFMain& w = starten();
        const QRect h = rahmen(&w);
        if (lauf == 0) haupt = h;
        QCOMPARE(h, haupt);
        QCOMPARE(h.topLeft(), QPoint(40, 30));
        for (int mal = 0; mal < 2; ++mal) {
            QWidget* s = befehl("NeuenSystemscheineingeben1", "FEingabeSys");
            const QRect rs = rahmen(s);
            if (sys.isNull()) sys = rs;
            QCOMPARE(rs, sys);
            s->close();
            QWidget* e = befehl("NeuenNormalscheineingeben1", "FEingabe");
            const QRect re = rahmen(e);
            if (eingabe.isNull()) eingabe = re;
            QCOMPARE(re, eingabe);
            e->close();
        }
    }
    // where the screen is too low for the whole window at 25, it stands higher
    QCOMPARE(sys.topLeft(), QPoint(120, std::min(25, schirm_.height() - sys.height())));
    QCOMPARE(eingabe.topLeft(), QPoint(300, 90));
}

// Opening a slip as a tab changes neither the window's size nor the size it
// can be made smaller to.
void TestFensterplatz::reiterAendertDieGroesseNicht() {
    einstellungen(
        QStringLiteral("[Fenster]\nHaupt-Left=10\nHaupt-Top=10\nHaupt-Width=1000\nHaupt-Height=600\n"));
    TFMain& w = starten();
    const QRect vorher = rahmen(&w);
    const QSize minimum = w.minimumSizeHint();
    QCOMPARE(w.size(), QSize(1000, 600));
    // as the user opens them: "Spielschein(e) öffnen...", the last one in front
    dialoge().oeffnenAntwort(
        {welt().schein(QStringLiteral("Reiter.kv13"), {vollsystem()}),
         welt().schein(QStringLiteral("Zweiter.kv13"), {reihe("1021021021021"), vew(9)})});
    w.BOpen2Click();
    QTest::qWait(300);
    QCOMPARE(w.size(), QSize(1000, 600));
    QCOMPARE(w.minimumSizeHint(), minimum);
    QCOMPARE(rahmen(&w), vorher);
}

// On this screen, in a main window as large as the screen allows: all 13
// score frames in view without scrolling, the note on the saved scores
// whole, club and file names never cut (a name too long for its place is
// shortened with "…" and shown whole as a tool tip).
void TestFensterplatz::nichtsAbgeschnitten() {
    TFMain& w = starten();
    rahmen(&w);
    Begegnungen b{};
    for (std::size_t m = 0; m < 13; ++m) {
        b[m].Heim = m == 8 ? "Borussia Mönchengladbach" : "Hamburg";
        b[m].Gast = "Bremen";
    }
    w.SpielplanEinlesen(welt().spielplan(QStringLiteral("Spieltag mit langem Namen 12.sp13"), b));
    QTest::qWait(100);

    auto* band = w.findChild<QScrollArea*>(QStringLiteral("PSpieleRahmen"));
    QVERIFY(band);
    QCOMPARE(band->horizontalScrollBar()->maximum(), 0);
    const QRect sicht = band->viewport()->rect();
    for (int m = 1; m <= 13; ++m) {
        ui::TFfrErg* f = w.frSpiel(m);
        const QRect r(f->mapTo(band->viewport(), QPoint(0, 0)), f->size());
        QVERIFY2(sicht.contains(r), qPrintable(QStringLiteral("Spiel %1 %2").arg(m).arg(text(r))));
        for (QLabel* l : {f->LHeim(), f->LGast()}) {
            auto* p = qobject_cast<ui::Passlabel*>(l);
            QVERIFY(p);
            const QString gezeigt = p->zeilen().join(QLatin1Char(' '));
            QVERIFY2(QFontMetrics(p->schrift()).horizontalAdvance(gezeigt) <= p->contentsRect().width(),
                     qPrintable(gezeigt));
            if (gezeigt != p->text()) {
                QVERIFY2(gezeigt.endsWith(QChar(0x2026)), qPrintable(gezeigt));
                QCOMPARE(p->toolTip(), p->text());
            }
        }
    }
    QCOMPARE(qobject_cast<ui::Passlabel*>(w.frSpiel(1)->LHeim())->zeilen(), QStringList{"Hamburg"});
    auto* hinweis = w.findChild<QLabel*>(QStringLiteral("LAutomatisch"));
    QVERIFY(hinweis);
    const QRect h(hinweis->mapTo(band->viewport(), QPoint(0, 0)), hinweis->size());
    QVERIFY2(sicht.contains(h), qPrintable(text(h)));

    // the file labels of the entry windows, after saving under a usual name
    auto* eingabe = qobject_cast<ui::TFEingabe*>(befehl("NeuenNormalscheineingeben1", "FEingabe"));
    QVERIFY(eingabe);
    rahmen(eingabe);
    w.SpielplanEinlesen(welt().spielplan(QStringLiteral("Spieltag 12.sp13"), b));
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("Spieltag 12.sp13"));
    eingabe->BSaveClick();
    auto* sys = qobject_cast<ui::TFEingabeSys*>(befehl("NeuenSystemscheineingeben1", "FEingabeSys"));
    QVERIFY(sys);
    rahmen(sys);
    dialoge().oeffnenAntwort({welt().schein(QStringLiteral("Quelle.kv13"), {reihe("1021021021021")})});
    sys->BOpenClick();
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("zufall12.kv13"));
    sys->BSaveClick();
    QTest::qWait(100);
    for (QWidget* fenster : {static_cast<QWidget*>(eingabe), static_cast<QWidget*>(sys)}) {
        auto* p = fenster->findChild<ui::Passlabel*>(QStringLiteral("LDatei"));
        QVERIFY(p);
        QVERIFY2(p->text().startsWith(QStringLiteral("Gespeichert")), qPrintable(p->text()));
        QCOMPARE(p->zeilen().join(QLatin1Char(' ')), p->text());
        for (const QString& zeile : p->zeilen())
            QVERIFY2(QFontMetrics(p->schrift()).horizontalAdvance(zeile) <= p->contentsRect().width(),
                     qPrintable(zeile));
        fenster->close();
    }
    while (!dialoge().meldungen().isEmpty()) dialoge().nimmMeldung(dialoge().meldungen().front().art);
}

// the desktop script has chosen the platform (xcb or wayland)
KV_GUI_TEST_MAIN(TestFensterplatz)

#include "tst_fensterplatz.moc"
