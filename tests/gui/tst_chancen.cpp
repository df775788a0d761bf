// The line "Wahrscheinlichkeit" as the player sees it: under a tab's prize
// classes and the left slip's fields, "…" until the first figures arrive,
// following finished matches, a directly entered winning row and the goal
// that ends it, new tendencies and the stake per row; beside "Anzahl
// Tippreihen" of the normal slip entry window for the listed rows; and the
// weighted distribution of the guarantee analysis window.
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "chancen/Chancenzeile.h"
#include "chancen/TFEinsatz.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Programmkontext.h"
#include "common/UpDown.h"
#include "entry/Garantiereduzierung.h"
#include "entry/TFEingabe.h"
#include "garantie/TFGarantie.h"
#include "garantie/Verteilungsbild.h"
#include "main/TFFrScheineS.h"
#include "main/TFMain.h"
#include "main/TFfrGrid.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::Chancenzeile;

namespace {

// Every match "5 - 2 - 3": home win 5 of 10.
TendenzWerte halbeHalbe() {
    TendenzWerte t{};
    for (auto& w : t) {
        w.Heim = 5;
        w.Remis = 2;
        w.Gast = 3;
    }
    return t;
}

// The figures of a chance line ("Wahrscheinlichkeit...: I ...") and its
// stake ("Einsatz: ..."), whether on two lines or on one.
// (The line keeps "II 0,41 %" and "0,50 €" together with no-break spaces.)
QString ersteZeile(const QLabel* l) {
    const QString t = QString(l->text()).replace(QChar(0x00A0), QLatin1Char(' '));
    return t.left(t.indexOf(QStringLiteral("Einsatz: "))).trimmed();
}
QString zweiteZeile(const QLabel* l) {
    const QString t = QString(l->text()).replace(QChar(0x00A0), QLatin1Char(' '));
    return t.mid(t.indexOf(QStringLiteral("Einsatz: ")));
}

bool bereit(const Chancenzeile* z) {
    return z->rechner().chancen().has_value();
}

}  // namespace

class TstChancen : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    Chancenzeile* tabZeile(int slot) {
        ui::TFfrGrid* fr = haupt_->fr(slot);
        return fr ? fr->findChild<Chancenzeile*>(QStringLiteral("LChancen")) : nullptr;
    }
    Chancenzeile* linkeZeile() {
        return haupt_->PTipps()->findChild<Chancenzeile*>(QStringLiteral("LChancen"));
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void tabZeigtErstPunkteDannZahlen();
    void folgtBeendetenSpielenUndGewinnreihe();
    void linkerScheinUndOhneTendenzen();
    void einsatzJeReihe();
    void normalscheinVergleichtReduzierungen();
    void garantieanalyseGewichtet();
    void prozentTexte();
};

void TstChancen::tabZeigtErstPunkteDannZahlen() {
    haupt_->kontext().zustand().tendenzWerteSetzen(halbeHalbe());
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Eine.kv13"), {reihe("1111111111111")}));
    Chancenzeile* z = tabZeile(0);
    QVERIFY(z);
    // computed off the user interface thread: nothing until the events run
    QCOMPARE(ersteZeile(z), QStringLiteral("Wahrscheinlichkeit: …"));
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 0,50 € für 1 Reihe (0,50 € je Reihe)"));
    QTRY_VERIFY(bereit(z));
    // every tip right with 1/2: 1, 14, 92, 378 of 8192
    QCOMPARE(ersteZeile(z), QStringLiteral("Wahrscheinlichkeit: I 0,012 %  II 0,17 %  III 1,1 %  IV 4,6 %"));
    QVERIFY(z->isVisible());
    QVERIFY(z->toolTip().contains(QStringLiteral("mindestens eine Reihe")));
    QVERIFY2(
        z->toolTip().contains(QStringLiteral("Erwartete Reihen mit genau 13, 12, 11, 10 Richtigen: 0,000122; "
                                             "0,00159; 0,00952; 0,0349")),
        qPrintable(z->toolTip()));
    // under the prize-class counts of the tab
    const QWidget* band = haupt_->fr(0)->findChild<QWidget*>(QStringLiteral("PUnten"));
    QVERIFY(band);
    QVERIFY(z->mapTo(haupt_->fr(0), QPoint(0, 0)).y() >=
            band->mapTo(haupt_->fr(0), QPoint(0, band->height())).y());
}

void TstChancen::folgtBeendetenSpielenUndGewinnreihe() {
    haupt_->kontext().zustand().tendenzWerteSetzen(halbeHalbe());
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Eine.kv13"), {reihe("1111111111111")}));
    Chancenzeile* z = tabZeile(0);
    QTRY_VERIFY(bereit(z));
    const QString offen = ersteZeile(z);

    // a goal in a running match changes nothing: it counts with its tendency
    tore(*haupt_, 1, 1, 0);
    QApplication::processEvents();
    QCOMPARE(ersteZeile(z), offen);
    // finished with the tip right: 12 open matches left, 1, 13, 79, 299 of 4096
    beenden(*haupt_, 1);
    QTRY_COMPARE(ersteZeile(z),
                 QStringLiteral("Wahrscheinlichkeit: I 0,024 %  II 0,32 %  III 1,9 %  IV 7,3 %"));

    // a winning row entered directly turns match 1 into a draw: the tip is
    // wrong, class I out of reach; 0, 1, 13, 79 of 4096
    std::array<std::uint8_t, kSpiele> direkt{};
    direkt.fill(1);
    direkt[0] = 2;
    haupt_->kontext().zustand().gewinnreiheDirektSetzen(direkt);
    haupt_->kontext().zustand().gewinnauswertung();
    QTRY_COMPARE(ersteZeile(z),
                 QStringLiteral("Wahrscheinlichkeit: I 0 %  II 0,024 %  III 0,32 %  IV 1,9 %"));
    // the next goal, in another match, brings back the winning row of the
    // scores: match 1 ended 1:0, the tip is right again
    tore(*haupt_, 5, 0, 1);
    QTRY_COMPARE(ersteZeile(z),
                 QStringLiteral("Wahrscheinlichkeit: I 0,024 %  II 0,32 %  III 1,9 %  IV 7,3 %"));
    // "Alles": every match final at its score, 1:0 and twelve 0:0 or 0:1
    klicke(haupt_->BAlles());
    QTRY_COMPARE(ersteZeile(z), QStringLiteral("Wahrscheinlichkeit: I 0 %  II 0 %  III 0 %  IV 0 %"));
}

void TstChancen::linkerScheinUndOhneTendenzen() {
    QVERIFY(haupt_->DateiEinlesen(welt().schein(QStringLiteral("Links.kv13"), {reihe("1021021021021")})));
    Chancenzeile* z = linkeZeile();
    QVERIFY(z);
    QTRY_VERIFY(bereit(z));
    QVERIFY(z->isVisible());
    // no tendencies: every outcome alike, 1, 27, 339, 2627 of 3^13
    QCOMPARE(ersteZeile(z), QStringLiteral("Wahrscheinlichkeit (ohne Tendenzen: gleich wahrscheinlich): "
                                           "I 0,000063 %  II 0,0017 %  III 0,021 %  IV 0,16 %"));
    // below the fields
    QVERIFY(z->geometry().top() >= haupt_->Tippfeld(1)->geometry().bottom());

    // tendencies arrive: the line follows
    haupt_->kontext().zustand().tendenzWerteSetzen(halbeHalbe());
    QTRY_VERIFY(ersteZeile(z).startsWith(QStringLiteral("Wahrscheinlichkeit: I ")));

    // another slip on the left: its own figures; the left panel emptied: no line
    QVERIFY(haupt_->DateiEinlesen(welt().schein(
        QStringLiteral("Zwei.kv13"), {reihe("1111111111111"), system({"1", "1", "1", "1", "1", "1", "1", "1",
                                                                      "1", "1", "1", "1", "12"})})));
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 1,50 € für 3 Reihen (0,50 € je Reihe)"));
    QTRY_VERIFY(bereit(z));
    // the same row twice does not count twice: at least one 13 is 1/8192 + the "2" on match 13 (3/10 of
    // 1/4096)
    QCOMPARE(z->rechner().chancen()->mindestensZaehler[0],
             std::uint64_t{244140625} * (5 + 3));  // 5^12 (5 + 3)
    haupt_->BNeu();
    QVERIFY(z->isHidden());
}

void TstChancen::einsatzJeReihe() {
    haupt_->DateienEinlesen(
        welt().schein(QStringLiteral("Neun.kv13"),
                      {system({"102", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})}));
    Chancenzeile* z = tabZeile(0);
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 4,50 € für 9 Reihen (0,50 € je Reihe)"));
    auto* w = durchBefehlGezeigt<ui::TFEinsatz>(*haupt_, "EinsatzJeReihe1", "FEinsatz");
    QCOMPARE(w->EEinsatz()->value(), 0.5);
    QCOMPARE(w->EEinsatz()->text(), QStringLiteral("0,50 €"));
    w->EEinsatz()->setValue(1.2);
    klicke(teil<QPushButton>(w, "BOk"));
    QVERIFY(!w->isVisible());
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 10,80 € für 9 Reihen (1,20 € je Reihe)"));
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseZahl("Chancen", "Einsatz je Reihe", 0),
             120);

    // kept for the next start; F1 in the window opens the page of the figures
    haupt_ = &starten();
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Eine.kv13"), {reihe("1111111111111")}));
    QCOMPARE(zweiteZeile(tabZeile(0)), QStringLiteral("Einsatz: 1,20 € für 1 Reihe (1,20 € je Reihe)"));
    w = durchBefehlGezeigt<ui::TFEinsatz>(*haupt_, "EinsatzJeReihe1", "FEinsatz");
    QCOMPARE(w->EEinsatz()->value(), 1.2);
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_F1);
    QWidget* hilfe = ui::fensterSuchen(QStringLiteral("FHilfe"));
    QVERIFY(hilfe);
    QCOMPARE(hilfe->findChild<QTextBrowser*>(QStringLiteral("hilfeBrowser"))->documentTitle(),
             QStringLiteral("Wahrscheinlichkeit der Gewinnklassen und Einsatz"));
}

void TstChancen::normalscheinVergleichtReduzierungen() {
    // Four 2-ways "10" of 4 - 4 - 2 (8 of 10), nine single tips of 1/2: 16 rows
    QString tabelle;
    for (int m = 1; m <= kSpiele; ++m)
        tabelle += QStringLiteral("%1\tHeim %1\tGast %1\t%2\n")
                       .arg(m)
                       .arg(m <= 4   ? QStringLiteral("4 - 4 - 2")
                            : m <= 9 ? QStringLiteral("5 - 3 - 2")
                                     : QStringLiteral("2 - 3 - 5"));
    auto* w = durchBefehlGezeigt<ui::TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
    teil<QPlainTextEdit>(w, "M1")->setPlainText(tabelle);
    klicke(teil<QPushButton>(w, "BAuslesen"));
    klicke(teil<QPushButton>(w, "BVorschlag"));
    Chancenzeile* z = w->chancen();
    QVERIFY(z && z->isHidden());  // nothing listed yet
    klicke(teil<QCheckBox>(w, "cbFilter"));
    klicke(teil<QPushButton>(w, "BFilter"));
    QVERIFY(z->isVisible());
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 8,00 € für 16 Reihen (0,50 € je Reihe)"));
    QTRY_VERIFY(bereit(z));
    // all rows of the field: 13 hits exactly when every result lies within its tips
    const double imFeld = 0.8 * 0.8 * 0.8 * 0.8 / 512;
    QCOMPARE(z->rechner().chancen()->mindestens(0), imFeld);

    // the guaranteed reduction to 12 hits: class II at least as likely as the field
    klicke(w->garantie()->RB12());
    klicke(w->garantie()->BGarantie());
    const auto garantiert = static_cast<std::uint64_t>(w->eingabe().liste().anzahl());
    QVERIFY(garantiert < 16);
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: %1,%2 € für %3 Reihen (0,50 € je Reihe)")
                                 .arg(garantiert / 2)
                                 .arg(garantiert % 2 ? QStringLiteral("50") : QStringLiteral("00"))
                                 .arg(garantiert));
    QTRY_VERIFY(bereit(z));
    QVERIFY(z->rechner().chancen()->mindestens(1) >= imFeld);
    QVERIFY(z->rechner().chancen()->mindestens(0) < imFeld);

    // all rows again, then a random reduction to 4 of them: the line follows the list
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 8,00 € für 16 Reihen (0,50 € je Reihe)"));
    while (w->upZ()->position() > 4) klicke(w->upZ()->knopfRunter());
    klicke(teil<QToolButton>(w, "BZufall"));
    QCOMPARE(zweiteZeile(z), QStringLiteral("Einsatz: 2,00 € für 4 Reihen (0,50 € je Reihe)"));
    QTRY_VERIFY(bereit(z));
    QCOMPARE(z->rechner().chancen()->reihen, std::uint64_t{4});
}

void TstChancen::garantieanalyseGewichtet() {
    haupt_->DateienEinlesen(welt().schein(QStringLiteral("Eine.kv13"), {reihe("1111111111111")}));
    haupt_->kontext().befehle().ausfuehren(QStringLiteral("GarantieAnalyse1"));
    auto* g = qobject_cast<ui::TFGarantie*>(ui::fensterSuchen(QStringLiteral("FGarantie")));
    QVERIFY(g);
    // no tendencies: the shares of the outcomes
    QCOMPARE(g->LGewichtet()->text(),
             QStringLiteral(
                 "Ohne Tendenzen (gleich wahrscheinlich): 13 Richtige 0,000063 %, 12 Richtige 0,0016 %, "
                 "11 Richtige 0,020 %, 10 Richtige 0,14 %, höchstens 9 Richtige 99,8 %."));
    // tendencies arrive: the same outcomes weighed, in the text and beside the bars
    haupt_->kontext().zustand().tendenzWerteSetzen(halbeHalbe());
    QCOMPARE(g->LGewichtet()->text(),
             QStringLiteral("Nach den Tendenzen gewichtet: 13 Richtige 0,012 %, 12 Richtige 0,16 %, "
                            "11 Richtige 0,95 %, 10 Richtige 3,5 %, höchstens 9 Richtige 95 %."));
    const auto& anteile = g->Bild()->gewichtet();
    QVERIFY(anteile.has_value());
    QCOMPARE((*anteile)[1], 13.0 / 8192);
    // within the tips of field 1 (its one outcome) it is certain
    g->GVerteilung()->setzeAktuelleZeile(1);
    QCOMPARE(g->gewichtet(1)->anteil(0), 1.0);
    QVERIFY(!g->grab().isNull());
}

void TstChancen::prozentTexte() {
    const struct {
        double p;
        const char* text;
    } faelle[] = {
        {0, "0 %"},
        {1, "100 %"},
        {0.27, "27 %"},
        {0.052, "5,2 %"},
        {0.0041, "0,41 %"},
        {0.0997, "10 %"},
        {0.000013, "0,0013 %"},
        {0.9997, "99,97 %"},
        {0.99999, "99,999 %"},
        {1e-20, "< 0,000000000001 %"},
    };
    for (const auto& f : faelle) QCOMPARE(ui::prozentText(f.p), QString::fromUtf8(f.text));
}

KV_GUI_TEST_MAIN(TstChancen)
#include "tst_chancen.moc"
