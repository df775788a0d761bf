// The guarantee analysis window as the player opens it from the main window:
// the slip of the active tab, the choice of another opened slip, the table
// and the charts of slips whose distributions are known by counting (a full
// system, a single row: 2^k * C(13, k) outcomes with 13 - k hits), the
// refusal of a slip without rows, and a left slip replaced while shown.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <array>
#include <cstdlib>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "garantie/TFGarantie.h"
#include "garantie/Verteilungsbild.h"
#include "main/TFMain.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFGarantie;

namespace {

// Row `zeile` of the table as shown: "Bereich | Ausgänge | 13 12 11 10 ≤9 | Garantie".
QString tabellenzeile(const TFGarantie* w, int zeile) {
    const auto* g = w->GVerteilung();
    QStringList klassen;
    for (int c = 2; c <= 6; ++c) klassen << zelle(g, zeile, c);
    return zelle(g, zeile, 0) + QStringLiteral(" | ") + zelle(g, zeile, 1) + QStringLiteral(" | ") +
           klassen.join(QLatin1Char(' ')) + QStringLiteral(" | ") + zelle(g, zeile, 7);
}

// The bars of a chart in `bild` within `bereich`, for 13, 12, 11, 10 and at
// most 9 hits: per class the pixel rows that hold a run of at least 6 pixels
// of its colour (the edges of a text never make such a run).
std::array<int, 5> balken(const QImage& bild, const QRect& bereich) {
    static const QRgb farben[5] = {qRgb(40, 150, 60), qRgb(90, 180, 90), qRgb(150, 200, 110),
                                   qRgb(200, 210, 140), qRgb(170, 170, 170)};
    std::array<int, 5> h{};
    const QRect r = bereich & bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (std::size_t k = 0; k < h.size(); ++k) {
            int lauf = 0;
            bool balkenzeile = false;
            for (int x = r.left(); x <= r.right() && !balkenzeile; ++x) {
                lauf = qRgb(qRed(bild.pixel(x, y)), qGreen(bild.pixel(x, y)), qBlue(bild.pixel(x, y))) ==
                               farben[k]
                           ? lauf + 1
                           : 0;
                balkenzeile = lauf >= 6;
            }
            if (balkenzeile) ++h[k];
        }
    return h;
}

// The large chart as drawn.
std::array<int, 5> grosseBalken(const TFGarantie* w) {
    const QImage bild = w->Bild()->grab().toImage();
    return balken(bild, bild.rect());
}

// The small chart in the last column of table row `zeile`, as drawn.
std::array<int, 5> zellBalken(const TFGarantie* w, std::uint64_t zeile) {
    const ui::Gitter* g = w->GVerteilung()->gitter();
    const int sichtbar = static_cast<int>(zeile - w->GVerteilung()->oben());
    const QRect zelle = g->visualRect(g->model()->index(sichtbar, g->model()->columnCount() - 1));
    if (sichtbar < 0 || !zelle.isValid()) return {-1, -1, -1, -1, -1};
    return balken(g->viewport()->grab().toImage(), zelle);
}

}  // namespace

class TstGarantieanalyse : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    TFGarantie* analyse() {
        haupt_->kontext().befehle().ausfuehren(QStringLiteral("GarantieAnalyse1"));
        return qobject_cast<TFGarantie*>(ui::fensterSuchen(QStringLiteral("FGarantie")));
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void ohneSpielscheinEineMeldung();
    void aktiverTabUndAuswahl();
    void feldzeileGewaehlt();
    void scheinOhneReihenAbgelehnt();
    void vieleEinzelreihen();
    void ersetzterLinkerScheinNeuAnalysiert();
    void hilfeSeite();
};

void TstGarantieanalyse::ohneSpielscheinEineMeldung() {
    QVERIFY(haupt_->findChild<QAction*>(QStringLiteral("GarantieAnalyse1")));
    QVERIFY(!analyse());
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::Information)
                .startsWith(QStringLiteral("Es ist kein Spielschein")));
}

void TstGarantieanalyse::aktiverTabUndAuswahl() {
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Voll.kv13"), {vollsystem()}));
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Einzel.kv13"), {reihe("1021021021021")}));
    haupt_->PC1()->setCurrentIndex(1);
    TFGarantie* w = analyse();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Garantie-Analyse"));
    QCOMPARE(w->CBSchein()->currentText(), QStringLiteral("Einzel"));
    QCOMPARE(w->CBSchein()->count(), 2);
    // one row against all outcomes: 1, 26, 312, 2288 with 13 .. 10 hits
    QCOMPARE(w->GVerteilung()->zeilenAnzahl(), std::uint64_t{2});
    QCOMPARE(tabellenzeile(w, 0), QStringLiteral("Alle Ausgänge | 1.594.323 | 1 26 312 2.288 1.591.696 | 0"));
    QCOMPARE(tabellenzeile(w, 1), QStringLiteral("Feld 1 | 1 | 1 0 0 0 0 | 13"));
    QCOMPARE(
        w->LGarantie()->text(),
        QStringLiteral(
            "Keine Garantie: bei manchen der 1.594.323 Ausgänge trifft keine Reihe ein einziges Spiel."));
    QVERIFY(w->Bild()->verteilung().has_value());
    QCOMPARE(w->Bild()->verteilung()->beste[3], 2288u);

    // the other slip, chosen in the window: every outcome is one of its rows
    w->CBSchein()->setCurrentIndex(w->CBSchein()->findText(QStringLiteral("Voll")));
    QCOMPARE(tabellenzeile(w, 0), QStringLiteral("Alle Ausgänge | 1.594.323 | 1.594.323 0 0 0 0 | 13"));
    QCOMPARE(w->LGarantie()->text(),
             QStringLiteral("Garantie: 13 Richtige bei jedem der 1.594.323 Ausgänge."));

    // the command again, with the first tab active, shows that tab's slip
    w->close();
    haupt_->PC1()->setCurrentIndex(1);
    QCOMPARE(analyse(), w);
    QCOMPARE(w->CBSchein()->currentText(), QStringLiteral("Einzel"));
    QCOMPARE(zelle(w->GVerteilung(), 0, 7), QStringLiteral("0"));
}

void TstGarantieanalyse::feldzeileGewaehlt() {
    // field 1 a VEW "4-3" (48 rows of 432 outcomes): 12 hits guaranteed
    // within its tips; field 2 a 2-way system, 13 on its own 2 outcomes
    haupt_->DateienEinlesen(
        welt().schein(QStringLiteral("VEW.kv13"),
                      {vew(7), system({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})}));
    TFGarantie* w = analyse();
    QVERIFY(w);
    // all outcomes, the tips of the slip (field 1's, as field 2 lies within
    // them), then the two fields
    QCOMPARE(w->GVerteilung()->zeilenAnzahl(), std::uint64_t{4});
    QCOMPARE(tabellenzeile(w, 1), QStringLiteral("Tipps des Spielscheins | 432 | 48 384 0 0 0 | 12"));
    QCOMPARE(zelle(w->GVerteilung(), 2, 1), QStringLiteral("432"));
    QCOMPARE(zelle(w->GVerteilung(), 2, 2), QStringLiteral("48"));
    QCOMPARE(zelle(w->GVerteilung(), 2, 3), QStringLiteral("384"));
    QCOMPARE(zelle(w->GVerteilung(), 2, 7), QStringLiteral("12"));
    w->GVerteilung()->setzeAktuelleZeile(2);
    QCOMPARE(
        w->LGarantie()->text(),
        QStringLiteral("Garantie: 12 Richtige, wenn alle Ergebnisse innerhalb der Tipps von Feld 1 liegen "
                       "(432 Ausgänge)."));
    QCOMPARE(w->Bild()->verteilung()->beste[1], 384u);
    // the large chart shows field 1: 48 outcomes with 13 hits, eight times as
    // many with 12, no other class; the small charts of the rows agree
    const std::array<int, 5> feld1 = grosseBalken(w);
    const auto achtmal = [](const std::array<int, 5>& h) {
        return h[0] >= 1 && std::abs(h[1] - 8 * h[0]) <= 5 && h[2] == 0 && h[3] == 0 && h[4] == 0;
    };
    const auto balkenText = [](const std::array<int, 5>& h) {
        return QStringLiteral("%1 %2 %3 %4 %5").arg(h[0]).arg(h[1]).arg(h[2]).arg(h[3]).arg(h[4]);
    };
    QVERIFY2(achtmal(feld1), qPrintable(balkenText(feld1)));
    QVERIFY2(achtmal(zellBalken(w, 1)), qPrintable(balkenText(zellBalken(w, 1))));
    QVERIFY2(achtmal(zellBalken(w, 2)), qPrintable(balkenText(zellBalken(w, 2))));
    w->GVerteilung()->setzeAktuelleZeile(3);
    QCOMPARE(
        w->LGarantie()->text(),
        QStringLiteral("Garantie: 13 Richtige, wenn alle Ergebnisse innerhalb der Tipps von Feld 2 liegen "
                       "(2 Ausgänge)."));
    // field 2: every outcome 13 hits, one bar of the full height
    const std::array<int, 5> feld2 = grosseBalken(w);
    QVERIFY2(std::abs(feld2[0] - (feld1[0] + feld1[1])) <= 1 && feld2[1] == 0 && feld2[2] == 0 &&
                 feld2[3] == 0 && feld2[4] == 0,
             qPrintable(balkenText(feld2)));
    const std::array<int, 5> zelle2 = zellBalken(w, 3);
    QVERIFY2(zelle2[0] > zellBalken(w, 2)[1] && zelle2[1] == 0 && zelle2[4] == 0,
             qPrintable(balkenText(zelle2)));
    w->GVerteilung()->setzeAktuelleZeile(1);
    QCOMPARE(
        w->LGarantie()->text(),
        QStringLiteral("Garantie: 12 Richtige, wenn alle Ergebnisse innerhalb der Tipps des Spielscheins "
                       "liegen (432 Ausgänge)."));
    QCOMPARE(grosseBalken(w), feld1);
}

void TstGarantieanalyse::scheinOhneReihenAbgelehnt() {
    // a field without a tip on match 13 stands for no row at all
    TScheinOffen leer = reihe("1111111111111");
    leer.setzeKreuz(13, 1, false);
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Ohne.kv13"), {leer}));
    TFGarantie* w = analyse();
    QVERIFY(w);
    const QString meldung = dialoge().nimmMeldung(TestDialoge::Art::Information);
    QVERIFY2(meldung.contains(QStringLiteral("keine Tippreihe")), qPrintable(meldung));
    QCOMPARE(w->LGarantie()->text(), meldung);
    QCOMPARE(w->GVerteilung()->zeilenAnzahl(), std::uint64_t{0});
    QVERIFY(!w->Bild()->verteilung().has_value());
}

void TstGarantieanalyse::vieleEinzelreihen() {
    // 100,000 single-row fields, as the transfer tool writes a long row list:
    // a table row each, while the grid holds only the rows it shows
    constexpr int kFelder = 100000;
    std::vector<TScheinOffen> felder;
    felder.reserve(kFelder);
    std::uint32_t x = 12345;
    for (int f = 0; f < kFelder; ++f) {
        char ziffern[kSpiele + 1] = {};
        for (char& z : ziffern) {
            x = x * 1103515245u + 12345u;
            z = "102"[(x >> 16) % 3];
        }
        ziffern[kSpiele] = 0;
        felder.push_back(reihe(ziffern));
    }
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Lang.kv13"), felder));
    TFGarantie* w = analyse();
    QVERIFY(w);
    ui::Fenstergitter* g = w->GVerteilung();
    QCOMPARE(g->zeilenAnzahl(), std::uint64_t{kFelder + 2});
    QVERIFY2(g->gitter()->model()->rowCount() < 100,
             qPrintable(QString::number(g->gitter()->model()->rowCount())));
    QCOMPARE(tabellenzeile(w, kFelder + 1), QStringLiteral("Feld 100000 | 1 | 1 0 0 0 0 | 13"));
    QCOMPARE(zelle(g, 0, 1), QStringLiteral("1.594.323"));
    // the keys reach the last field, whose guarantee the line then tells
    g->gitter()->setFocus();
    QTest::keyClick(g->gitter(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(g->aktuelleZeile(), std::optional<std::uint64_t>(kFelder + 1));
    QCOMPARE(w->LGarantie()->text(),
             QStringLiteral("Garantie: 13 Richtige, wenn alle Ergebnisse innerhalb der Tipps von Feld 100000 "
                            "liegen (1 Ausgang)."));
    // its one outcome with 13 hits: a single bar, in the large chart and in
    // the last row's cell
    for (const std::array<int, 5>& h : {grosseBalken(w), zellBalken(w, kFelder + 1)})
        QVERIFY2(
            h[0] >= 10 && h[1] == 0 && h[2] == 0 && h[3] == 0 && h[4] == 0,
            qPrintable(QStringLiteral("%1 %2 %3 %4 %5").arg(h[0]).arg(h[1]).arg(h[2]).arg(h[3]).arg(h[4])));
}

void TstGarantieanalyse::ersetzterLinkerScheinNeuAnalysiert() {
    QVERIFY(haupt_->DateiEinlesen(welt().schein(QStringLiteral("Erster.kv13"), {vollsystem()})));
    TFGarantie* w = analyse();
    QVERIFY(w);
    QCOMPARE(w->CBSchein()->currentText(), QStringLiteral("Erster (links)"));
    QCOMPARE(zelle(w->GVerteilung(), 0, 7), QStringLiteral("13"));
    // another slip into the left panel while the window shows the first
    QVERIFY(haupt_->DateiEinlesen(welt().schein(QStringLiteral("Zweiter.kv13"), {reihe("2222222222222")})));
    QCOMPARE(w->CBSchein()->count(), 1);
    QCOMPARE(w->CBSchein()->currentText(), QStringLiteral("Zweiter (links)"));
    QCOMPARE(tabellenzeile(w, 0), QStringLiteral("Alle Ausgänge | 1.594.323 | 1 26 312 2.288 1.591.696 | 0"));
    // and once more while it is hidden: shown again, it shows the new slip
    w->close();
    QVERIFY(haupt_->DateiEinlesen(welt().schein(QStringLiteral("Dritter.kv13"), {vollsystem()})));
    ui::zeigen(w);
    QCOMPARE(zelle(w->GVerteilung(), 0, 7), QStringLiteral("13"));
}

void TstGarantieanalyse::hilfeSeite() {
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Voll.kv13"), {vollsystem()}));
    TFGarantie* w = analyse();
    QVERIFY(w);
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_F1);
    QWidget* hilfe = ui::fensterSuchen(QStringLiteral("FHilfe"));
    QVERIFY(hilfe);
    auto* browser = hilfe->findChild<QTextBrowser*>(QStringLiteral("hilfeBrowser"));
    QVERIFY(browser);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Garantie-Analyse und Garantie-Reduzierung"));
}

KV_GUI_TEST_MAIN(TstGarantieanalyse)
#include "tst_garantieanalyse.moc"
