// The row table of a tab over a window of rows: it scrolls as a table view
// does (keys, wheel, scroll bar, click), reaches the last row of 19 million
// rows and of more than 2^31, and shows there what the core computes.
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Farben.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "evaluation/Reihentabelle.h"
#include "main/TFMain.h"
#include "main/TFfrGrid.h"

using namespace kv;
using namespace kv::test;
using kv::ui::Fenstergitter;

namespace {

constexpr int kH = ui::kZeilenhoehe;

// Opens the slip as a tab, shows it and gives its row table.
Fenstergitter* tabOeffnen(ui::TFMain& w, const QString& fn) {
    QWidget* tab = w.DateienEinlesen(fn);
    if (!tab) return nullptr;
    w.PC1()->setCurrentWidget(tab);
    QApplication::processEvents();
    return tab->findChild<ui::TFfrGrid*>()->GReihen();
}

void rad(Fenstergitter* g, int delta, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWidget* vp = g->gitter()->viewport();
    const QPoint p = vp->rect().center();
    QWheelEvent e(p, vp->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, mod, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(vp, &e);
}

void taste(Fenstergitter* g, Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(g->gitter(), k, mod);
}

// The line number shown in the last line drawn.
QString letzteGezeigteNummer(Fenstergitter* g) {
    return gezeigt(g, g->gitter()->model()->rowCount() - 1, 0);
}

}  // namespace

class TestFenstergitter : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void bildlaufWieEineTabelle();
    void letzteReiheVonNeunzehnMillionen();
    void mehrZeilenAlsDerBalkenStellenHat();
};

// Keys, wheel, scroll bar and click move through the rows as in a table view
// scrolling per row: the current row stays visible, Page Down goes by the
// viewport's height from the current row's top, Page Up by it from its
// bottom, three rows a wheel notch and at most a page; a click scrolls not.
void TestFenstergitter::bildlaufWieEineTabelle() {
    ui::TFMain& w = starten();
    // 3^7 = 2187 rows
    Fenstergitter* g = tabOeffnen(
        w, welt().schein(QStringLiteral("P.kv13"), {system({"1", "1", "1", "1", "1", "1", "102", "102", "102",
                                                            "102", "102", "102", "102"})}));
    QVERIFY(g);
    const int H = g->gitter()->viewport()->height();
    const auto V = static_cast<std::uint64_t>(H / kH);
    QCOMPARE(static_cast<std::uint64_t>(g->sichtbareZeilen()), V);
    QVERIFY2(V >= 8 && V <= 30, "the tab shows some rows, not all");
    QCOMPARE(g->bildlauf()->maximum(), static_cast<int>(2187 - V));
    QCOMPARE(g->bildlauf()->pageStep(), static_cast<int>(V));
    auto pruefe = [&](std::uint64_t oben, std::optional<std::uint64_t> aktuell, int zeile) {
        QVERIFY2(g->oben() == oben,
                 qPrintable(QStringLiteral("line %1: top %2, not %3").arg(zeile).arg(g->oben()).arg(oben)));
        QVERIFY2(g->aktuelleZeile() == aktuell,
                 qPrintable(QStringLiteral("line %1: current row").arg(zeile)));
        QCOMPARE(g->bildlauf()->value(), static_cast<int>(oben));
        // what is drawn is what lies there (at the end below a partly shown row)
        const bool ende = oben > 0 && oben + V == 2187 && H % kH != 0;
        QCOMPARE(gezeigt(g, ende ? 1 : 0, 0), QString::number(oben + 1));
    };
    pruefe(0, std::nullopt, __LINE__);
    // a key without a current row goes to the first row
    rad(g, -120 * 4);
    pruefe(12, std::nullopt, __LINE__);
    taste(g, Qt::Key_Down);
    pruefe(0, 0, __LINE__);
    // a click makes the row current, without scrolling
    QTest::mouseClick(g->gitter()->viewport(), Qt::LeftButton, {}, QPoint(50, 2 * kH + kH / 2));
    pruefe(0, 2, __LINE__);
    for (int i = 0; i < 30; ++i) taste(g, Qt::Key_Down);
    pruefe(32 - V + 1, 32, __LINE__);
    const std::uint64_t vor = H / kH;  // Page Down
    const auto zurueck =
        static_cast<std::uint64_t>(-((kH - 2 - H) / kH) + ((kH - 2 - H) % kH != 0));  // Page Up
    taste(g, Qt::Key_PageDown);
    pruefe(32 + vor - V + 1, 32 + vor, __LINE__);
    taste(g, Qt::Key_PageDown);
    const std::uint64_t unten = 32 + 2 * vor;
    pruefe(unten - V + 1, unten, __LINE__);
    taste(g, Qt::Key_PageUp);
    pruefe(unten - zurueck, unten - zurueck, __LINE__);
    taste(g, Qt::Key_End);  // the last column: the row stays
    pruefe(unten - zurueck, unten - zurueck, __LINE__);
    taste(g, Qt::Key_End, Qt::ControlModifier);
    pruefe(2187 - V, 2186, __LINE__);
    // at the end the last row stands at the bottom edge
    QCOMPARE(g->zeileAn(H - 2).value_or(0), std::uint64_t{2186});
    if (H % kH != 0) QCOMPARE(g->zeileAn(0).value_or(0), std::uint64_t{2187 - V - 1});
    QCOMPARE(letzteGezeigteNummer(g), QStringLiteral("2187"));
    taste(g, Qt::Key_Up);
    pruefe(2187 - V, 2185, __LINE__);
    taste(g, Qt::Key_Home, Qt::ControlModifier);
    pruefe(0, 0, __LINE__);
    // the wheel: three rows a notch, fractions kept, at most a page, a page with Ctrl
    rad(g, -120);
    pruefe(3, 0, __LINE__);
    rad(g, -40);
    pruefe(4, 0, __LINE__);
    rad(g, -60);
    pruefe(5, 0, __LINE__);
    rad(g, -60);
    pruefe(7, 0, __LINE__);
    rad(g, 120);
    pruefe(4, 0, __LINE__);
    rad(g, -120, Qt::ControlModifier);
    pruefe(4 + V, 0, __LINE__);
    rad(g, -120 * 40);
    pruefe(4 + 2 * V, 0, __LINE__);
    // a key brings the current row back into view
    taste(g, Qt::Key_Right);
    pruefe(0, 0, __LINE__);
    // the scroll bar
    g->bildlauf()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    pruefe(1, 0, __LINE__);
    g->bildlauf()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    pruefe(1 + V, 0, __LINE__);
    g->bildlauf()->setValue(1000);
    pruefe(1000, 0, __LINE__);
    taste(g, Qt::Key_Down);
    pruefe(1, 1, __LINE__);
}

// The largest slip of twelve fields, twelve full systems:
// 19,131,876 rows. Ctrl+End shows the last row at once, with the digits, hit
// colours and chance the core computes for it.
void TestFenstergitter::letzteReiheVonNeunzehnMillionen() {
    ui::TFMain& w = starten();
    tore(w, 1, 1, 0);
    tore(w, 2, 0, 1);
    beenden(w, 2);
    Fenstergitter* g = tabOeffnen(
        w, welt().schein(QStringLiteral("Zwoelf.kv13"), std::vector<TScheinOffen>(12, vollsystem())));
    QVERIFY(g);
    const std::uint64_t n = 12 * 1594323;
    QCOMPARE(g->zeilenAnzahl(), n);
    g->gitter()->setFocus();
    taste(g, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(g->aktuelleZeile().value_or(0), n - 1);
    const int letzte = g->gitter()->model()->rowCount() - 1;
    QCOMPARE(gezeigt(g, letzte, 0), QString::number(n));

    const Scheinslot& slot = w.zustand().slot(w.zustand().scheinAnzahl() - 1);
    const Reihe r = slot.schein.reihe(n);
    QCOMPARE(QString::fromStdString(reiheZiffern(r)), QStringLiteral("2222222222222"));
    int gruen = 0;
    for (int m = 1; m <= kSpiele; ++m) {
        QCOMPARE(gezeigt(g, letzte, m),
                 QString(QChar::fromLatin1(reiheZiffern(r)[static_cast<std::size_t>(m - 1)])));
        const QVariant hinten = g->gitter()->model()->index(letzte, m).data(Qt::BackgroundRole);
        const QColor c = hinten.value<QColor>();
        if (c == QColor(94, 255, 94) || c == QColor(206, 255, 206)) ++gruen;
    }
    const int treffer = slot.auswertung->treffer(n);
    QCOMPARE(gruen, treffer);
    QCOMPARE(treffer, 1);  // only match 2, finished at 0:1
    const int chance = slot.auswertung->chance(n);
    QCOMPARE(chance, 13);
    QCOMPARE(gezeigt(g, letzte, kChanceSpalte), QString::number(chance));
    QCOMPARE(g->gitter()->model()->index(letzte, kChanceSpalte).data(Qt::BackgroundRole).value<QColor>(),
             ui::chancenFarbe(chance));
}

// More rows than a scroll bar has positions (2^31 and beyond): the bar
// moves in proportion, keys and steps still move by single rows, and every
// row can be reached.
void TestFenstergitter::mehrZeilenAlsDerBalkenStellenHat() {
    ui::TFMain& w = starten();
    Fenstergitter* g = tabOeffnen(
        w, welt().schein(QStringLiteral("Viele.kv13"), std::vector<TScheinOffen>(1400, vollsystem())));
    QVERIFY(g);
    const std::uint64_t n = 1400ull * 1594323;
    QCOMPARE(g->zeilenAnzahl(), n);
    const auto V = static_cast<std::uint64_t>(g->sichtbareZeilen());
    g->gitter()->setFocus();
    taste(g, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(g->oben(), n - V);
    QCOMPARE(g->bildlauf()->value(), g->bildlauf()->maximum());
    QCOMPARE(letzteGezeigteNummer(g), QStringLiteral("2232052200"));
    QCOMPARE(gezeigt(g, g->gitter()->model()->rowCount() - 1, 13), QStringLiteral("2"));
    taste(g, Qt::Key_Up);
    g->bildlauf()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(g->oben(), n - V - 1);
    g->bildlauf()->setValue(g->bildlauf()->maximum() / 2);
    const std::uint64_t mitte = (n - V) / 2;
    QVERIFY2(g->oben() + 4 >= mitte && g->oben() <= mitte + 4, qPrintable(QString::number(g->oben())));
    QCOMPARE(gezeigt(g, 0, 0), QString::number(g->oben() + 1));
    taste(g, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(g->oben(), std::uint64_t{0});
    QCOMPARE(g->bildlauf()->value(), 0);
}

KV_GUI_TEST_MAIN(TestFenstergitter)
#include "tst_fenstergitter.moc"
