// The odds filter window as the normal slip window hands it a field: the copy
// of the suggestion field, the limits, the listing into the row grid and the
// overview, on small fixtures whose Quotes are worked out by hand, and the
// whole 3^13 field.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "eingabe/Tippfeld.h"
#include "entry/TFQuotenFilter.h"
#include "main/TFMain.h"
#include "settings/Einstellungen.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFQuotenFilter;

namespace {

TTendenzWert tw(int heim, int remis, int gast) {
    TTendenzWert w;
    w.Heim = static_cast<std::uint8_t>(heim);
    w.Remis = static_cast<std::uint8_t>(remis);
    w.Gast = static_cast<std::uint8_t>(gast);
    return w;
}

TendenzWerte ueberall(int heim, int remis, int gast) {
    TendenzWerte t;
    t.fill(tw(heim, remis, gast));
    return t;
}

// The crosses of a field as digits per match, e.g. "1 10 102 …".
QString kreuze(const Tippfeld& f) {
    QStringList s;
    for (int m = 1; m <= 13; ++m) {
        QString g;
        for (int c = 1; c <= 3; ++c)
            if (f.kreuz(m, c)) g += QLatin1Char(zeichenVonSpalte(c));
        s << g;
    }
    return s.join(QLatin1Char(' '));
}

// A row of g1 as shown: "n: 13 digits = Quote".
QString g1Zeile(const TFQuotenFilter* w, int zeile) {
    QString ziffern;
    for (int c = 1; c <= 13; ++c) ziffern += zelle(w->g1(), zeile, c);
    return zelle(w->g1(), zeile, 0) + QStringLiteral(": ") + ziffern + QStringLiteral(" = ") +
           zelle(w->g1(), zeile, 14);
}

}  // namespace

class TstQuotenfilter : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    ui::Programmkontext& kontext() { return haupt_->kontext(); }
    TFQuotenFilter* oeffnen(const TScheinOffen& vorschlag) {
        TFQuotenFilter* w = ui::quotenFilterOeffnen(kontext(), vorschlag);
        if (!w || !w->isVisible()) qFatal("FQuotenFilter wurde nicht gezeigt");
        return w;
    }
    void grenzen(TFQuotenFilter* w, int untere, int obere) {
        w->scrMin()->setValue(untere);
        w->scrMax()->setValue(obere);
    }
    void listen(TFQuotenFilter* w) {
        klicke(w->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton2")));
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void startzustand();
    void zweimalOeffnenZeigtDenVorschlag();
    void grenzenEntscheiden_data();
    void grenzenEntscheiden();
    void reihenInExpansionsfolge();
    void listeBleibtBisZumNaechstenListen();
    void uebersicht();
    void vollsystemGanzGelistet();
    void schliessenVersteckt();
};

void TstQuotenfilter::startzustand() {
    // made hidden at start-up, caption as named, the limits at 32 and 50
    auto* w = qobject_cast<TFQuotenFilter*>(ui::fensterSuchen(QStringLiteral("FQuotenFilter")));
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("FQuotenFilter"));
    QCOMPARE(w->LMin()->text(), QStringLiteral("32"));
    QCOMPARE(w->LMax()->text(), QStringLiteral("50"));
    QCOMPARE(w->scrMin()->minimum(), 13);
    QCOMPARE(w->scrMin()->maximum(), 65);
    QCOMPARE(w->scrMax()->minimum(), 39);
    QCOMPARE(w->scrMax()->maximum(), 104);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 0);
    QCOMPARE(w->g1()->gitter()->model()->columnCount(), 15);
    QCOMPARE(kopf(w->g1(), 1).trimmed(), QStringLiteral("1"));
    QCOMPARE(kopf(w->g1(), 13).trimmed(), QStringLiteral("13"));
    QCOMPARE(w->G0()->model()->columnCount(), 16);
    QCOMPARE(zelle(w->G0(), 0, 0), QStringLiteral("Min-Quote"));
    QCOMPARE(zelle(w->G0(), 1, 0), QStringLiteral("Max-Quote"));
    QCOMPARE(zelle(w->G0(), 0, 1), QString());
    QCOMPARE(kopf(w->G0(), 14).trimmed(), QStringLiteral("Faktor"));
    QCOMPARE(kopf(w->G0(), 15).trimmed(), QStringLiteral("Summe"));
    QCOMPARE(w->Feld()->LNr()->text(), QStringLiteral("Feld 1"));
    QCOMPARE(w->Feld()->PAnz()->text(), QStringLiteral("0"));
    QVERIFY(w->Feld()->LVEW()->isHidden());
}

void TstQuotenfilter::zweimalOeffnenZeigtDenVorschlag() {
    // four 2-ways and three 3-ways: "4-3", 48 rows
    const TScheinOffen a =
        system({"10", "02", "12", "10", "102", "102", "102", "1", "1", "1", "1", "1", "1"});
    const TScheinOffen b = system({"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "02"});
    TFQuotenFilter* w = oeffnen(a);
    QCOMPARE(kreuze(w->filter().feld()), QStringLiteral("10 02 12 10 102 102 102 1 1 1 1 1 1"));
    QCOMPARE(w->Feld()->PZW()->text(), QStringLiteral("4"));
    QCOMPARE(w->Feld()->PDW()->text(), QStringLiteral("3"));
    QCOMPARE(w->Feld()->PAnz()->text(), QStringLiteral("432"));
    QCOMPARE(w->Feld()->LVEW()->text(), QStringLiteral("VEW: 48"));
    QVERIFY(!w->Feld()->LVEW()->isHidden());
    // the user adds a cross of his own, closes, and the suggestion comes again
    QTest::mouseClick(w->Feld()->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(3, 13));
    QVERIFY(w->filter().feld().kreuz(13, 3));
    w->close();
    QVERIFY(!w->isVisible());
    TFQuotenFilter* w2 = oeffnen(b);
    QCOMPARE(w2, w);
    QCOMPARE(kreuze(w->filter().feld()), QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 02"));
    QCOMPARE(w->Feld()->PAnz()->text(), QStringLiteral("2"));
    QVERIFY(w->Feld()->LVEW()->isHidden());
}

void TstQuotenfilter::grenzenEntscheiden_data() {
    QTest::addColumn<int>("untere");
    QTest::addColumn<int>("obere");
    QTest::addColumn<bool>("gelistet");
    // every tip "1" with 5 - 3 - 2 on all matches: Quote 13 x 5 = 65
    QTest::newRow("65 zwischen 32 und 70") << 32 << 70 << true;
    QTest::newRow("65 zwischen 64 und 66") << 64 << 66 << true;
    QTest::newRow("gleich der unteren Grenze") << 65 << 70 << false;
    QTest::newRow("gleich der oberen Grenze") << 32 << 65 << false;
    QTest::newRow("untere über der oberen") << 60 << 50 << false;
    QTest::newRow("obere am Start, 50") << 32 << 50 << false;
}

void TstQuotenfilter::grenzenEntscheiden() {
    QFETCH(int, untere);
    QFETCH(int, obere);
    QFETCH(bool, gelistet);
    kontext().zustand().tendenzWerteSetzen(ueberall(5, 3, 2));
    TFQuotenFilter* w = oeffnen(reihe("1111111111111"));
    grenzen(w, untere, obere);
    QCOMPARE(w->LMin()->text(), QString::number(untere));
    QCOMPARE(w->LMax()->text(), QString::number(obere));
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), gelistet ? 1 : 0);
    if (gelistet) QCOMPARE(g1Zeile(w, 0), QStringLiteral("1: 1111111111111 = 65"));
    QCOMPARE(w->LAnzahl()->text(), gelistet ? QStringLiteral("1 Tippreihe") : QStringLiteral("0 Tippreihen"));
}

void TstQuotenfilter::reihenInExpansionsfolge() {
    // match 1 with all three tips and 5 - 3 - 2 everywhere: the Quotes are
    // 60 + 5, 60 + 3 and 60 + 2; with 62 < q < 70 the row "2…" (62) is out
    kontext().zustand().tendenzWerteSetzen(ueberall(5, 3, 2));
    TFQuotenFilter* w = oeffnen(system({"102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    grenzen(w, 62, 70);
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 2);
    QCOMPARE(g1Zeile(w, 0), QStringLiteral("1: 1111111111111 = 65"));
    QCOMPARE(g1Zeile(w, 1), QStringLiteral("2: 0111111111111 = 63"));
    // before any tendencies are known every Quote is 0: nothing is listed
    kontext().zustand().tendenzWerteSetzen(TendenzWerte{});
    grenzen(w, 13, 104);
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 0);
}

void TstQuotenfilter::listeBleibtBisZumNaechstenListen() {
    kontext().zustand().tendenzWerteSetzen(ueberall(5, 3, 2));
    TFQuotenFilter* w = oeffnen(system({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    grenzen(w, 32, 70);
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 2);
    // the listed rows and their Quotes stay while field and tendencies change
    klicke(w->findChild<QToolButton*>(QStringLiteral("BAnzeige")));
    QCOMPARE(kreuze(w->filter().feld()).trimmed(), QString());
    QCOMPARE(w->Feld()->PAnz()->text(), QStringLiteral("0"));
    kontext().zustand().tendenzWerteSetzen(ueberall(1, 1, 1));
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 2);
    QCOMPARE(g1Zeile(w, 1), QStringLiteral("2: 0111111111111 = 63"));
    // listing the empty field leaves only the header
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 0);
}

void TstQuotenfilter::uebersicht() {
    TendenzWerte t = ueberall(5, 3, 2);
    t[1] = tw(0, 4, 6);  // match 2: a zero makes the product of the smallest 0
    t[12] = tw(1, 7, 2);
    kontext().zustand().tendenzWerteSetzen(t);
    TFQuotenFilter* w = oeffnen(reihe("1111111111111"));
    klicke(w->findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton3")));
    // "Min-Quote": the largest value, "Max-Quote": the smallest
    QCOMPARE(zelle(w->G0(), 0, 1), QStringLiteral("5"));
    QCOMPARE(zelle(w->G0(), 1, 1), QStringLiteral("2"));
    QCOMPARE(zelle(w->G0(), 0, 2), QStringLiteral("6"));
    QCOMPARE(zelle(w->G0(), 1, 2), QStringLiteral("0"));
    QCOMPARE(zelle(w->G0(), 0, 13), QStringLiteral("7"));
    QCOMPARE(zelle(w->G0(), 1, 13), QStringLiteral("1"));
    // largest: 11 x 5, 6, 7: product 5^11 * 42, sum 55 + 13; smallest: 0 and 12 + 0 + 1 + 20
    QCOMPARE(zelle(w->G0(), 0, 14), QString::number(48828125LL * 42));
    QCOMPARE(zelle(w->G0(), 0, 15), QStringLiteral("68"));
    QCOMPARE(zelle(w->G0(), 1, 14), QStringLiteral("0"));
    QCOMPARE(zelle(w->G0(), 1, 15), QStringLiteral("23"));
}

void TstQuotenfilter::vollsystemGanzGelistet() {
    // 3 points for every tip: every row of the 3^13 field has Quote 39
    kontext().zustand().tendenzWerteSetzen(ueberall(3, 3, 3));
    TFQuotenFilter* w = oeffnen(vollsystem());
    QCOMPARE(w->Feld()->PAnz()->text(), QStringLiteral("1594323"));
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 1594323);
    QCOMPARE(w->LAnzahl()->text(), QStringLiteral("1.594.323 Tippreihen"));
    QCOMPARE(g1Zeile(w, 0), QStringLiteral("1: 1111111111111 = 39"));
    QCOMPARE(g1Zeile(w, 1594322), QStringLiteral("1594323: 2222222222222 = 39"));
    // the grid scrolls to the end and draws the last row there
    w->g1()->setzeOben(1594322);
    QCOMPARE(w->g1()->oben() + static_cast<std::uint64_t>(w->g1()->sichtbareZeilen()), 1594323u);
    int letzte = -1;
    for (int i = 0; i < w->g1()->gitter()->model()->rowCount(); ++i)
        if (gezeigt(w->g1(), i, 0) == QStringLiteral("1594323")) letzte = i;
    QVERIFY(letzte >= 0);
    QCOMPARE(gezeigt(w->g1(), letzte, 13), QStringLiteral("2"));
    // a new listing starts at the top again
    listen(w);
    QCOMPARE(w->g1()->oben(), 0u);
    QCOMPARE(gezeigt(w->g1(), 0, 0), QStringLiteral("1"));
    grenzen(w, 39, 50);
    listen(w);
    QCOMPARE(static_cast<int>(w->g1()->zeilenAnzahl()), 0);
}

void TstQuotenfilter::schliessenVersteckt() {
    TFQuotenFilter* w = oeffnen(reihe("1111111111111"));
    w->move(120, 90);
    w->resize(1000, 640);
    QApplication::setActiveWindow(w);
    QVERIFY(w->isActiveWindow());
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QVERIFY(ui::fensterSuchen(QStringLiteral("FQuotenFilter")) == w);
    Einstellungen e(kontext().einstellungsdatei().toStdString());
    QCOMPARE(e.lese(einst::kQuotenFilterLeft), 120);
    QCOMPARE(e.lese(einst::kQuotenFilterTop), 90);
    QCOMPARE(e.lese(einst::kQuotenFilterWidth), 1000);
    QCOMPARE(e.lese(einst::kQuotenFilterHeight), 640);
    // shown again at the place and size it had, read from the settings: the
    // hidden window was moved and resized in between
    w->move(300, 250);
    w->resize(700, 500);
    oeffnen(reihe("2222222222222"));
    QCOMPARE(w->size(), QSize(1000, 640));
    QCOMPARE(w->frameGeometry().topLeft(), QPoint(120, 90));
}

KV_GUI_TEST_MAIN(TstQuotenfilter)
#include "tst_quotenfilter.moc"
