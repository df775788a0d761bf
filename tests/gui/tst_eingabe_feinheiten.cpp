// Details of the slip entry windows as the player meets them: a fixture
// table pasted with no-break spaces is read as the command line reads it, a
// mark takes only left clicks, every suggestion brings the row list back
// into view, the status line and the save dialog follow the files opened and
// saved, a file of 1 GB is refused at once, and the odds filter is within
// reach from the suggestion group and from the main window's menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "Adressraumgrenze.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Bauteile.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/TFfrFeld.h"
#include "eingabe/Spielplanimport.h"
#include "eingabe/Systemscheineingabe.h"
#include "eingabe/Tippfeld.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "main/TFMain.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFEingabe;

namespace {

// The middle of the mark of box (spalte, spiel) as the field places it.
QPoint markenMitte(const Tippfeld& f, int spalte, int spiel) {
    const Punkt p = f.markenPosition(spalte, spiel);
    return {p.x + kMarkenGroesse / 2, p.y + kMarkenGroesse / 2};
}

}  // namespace

class TstEingabeFeinheiten : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    TFEingabe* normalschein() {
        return durchBefehlGezeigt<TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
    }
    ui::TFEingabeSys* systemschein() {
        return durchBefehlGezeigt<ui::TFEingabeSys>(*haupt_, "NeuenSystemscheineingeben1", "FEingabeSys");
    }
    // The fixture table of 13 readable tendencies, read with "Daten auslesen".
    void auslesen(TFEingabe* w) {
        teil<QPlainTextEdit>(w, "M1")->setPlainText(QString::fromUtf8(testdatei("spielplan_lf.txt")));
        klicke(teil<QPushButton>(w, "BAuslesen"));
        QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void geschuetzteLeerzeichenBleiben();
    void markenNehmenNurLinksklicks();
    void jederVorschlagZeigtDieReihen();
    void statuszeileUndSpeichervorschlag();
    void riesigeDateienSofortAbgelehnt();
    void quotenfilterErreichbar();
};

// A table whose tendencies are written with no-break spaces (U+00A0) is no
// tendency table, in the window as for "kalvendo-cli import-fixtures": the
// window reads what was pasted, not a copy with blanks, and keeps it.
void TstEingabeFeinheiten::geschuetzteLeerzeichenBleiben() {
    TFEingabe* w = normalschein();
    auslesen(w);
    const TendenzWerte vorher = haupt_->kontext().zustand().tendenzWerte();
    const QByteArray bytes = testdatei("spielplan_nbsp.txt");
    QCOMPARE(DatenAuslesen(bytes.toStdString(), TendenzWerte{}).gefunden, 0);  // what the command line finds

    auto* M1 = teil<QPlainTextEdit>(w, "M1");
    M1->clear();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(bytes));
    M1->setFocus();
    QTest::keyClick(M1, Qt::Key_V, Qt::ControlModifier);
    dialoge().frageAntwort(TestDialoge::kVerwerfen);  // the fixtures read first are not kept
    klicke(teil<QPushButton>(w, "BAuslesen"));
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern).contains(QStringLiteral("Begegnungen")));
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::Information)
                .startsWith(QStringLiteral("Diese Zeilen haben keine Tendenz")));

    QVERIFY(!teil<QPushButton>(w, "BVorschlag")->isEnabled());
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte(), vorher);
    QCOMPARE(QString::fromStdString(w->raster().zelle(3, 1)),
             QStringLiteral("5\u00A0-\u00A03\u00A0-\u00A02"));
    // the text field still holds them after the tidying of the import
    QCOMPARE(ui::rohText(M1).count(QChar(0x00A0)), QString::fromUtf8(bytes).count(QChar(0x00A0)));
    w->close();
}

// A press on the picture takes any mouse button; a mark takes clicks, and a
// click is the left button's.
void TstEingabeFeinheiten::markenNehmenNurLinksklicks() {
    TFEingabe* w = normalschein();
    w->resize(TFEingabe::kBreit, TFEingabe::kHoehe);
    Tippfeld& f = w->Vorschlag()->feld();
    QWidget* bild = w->Vorschlag()->Panel1();
    f.kreuzeSetzen(system({"1", "1", "1", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    QVERIFY(f.zweiwegMarke(4));

    // right: on the 2-way mark no message, on a cross's mark no change
    QTest::mouseClick(bild, Qt::RightButton, {}, markenMitte(f, kZweiwegSpalte, 4));
    QVERIFY(dialoge().meldungen().isEmpty());
    QTest::mouseClick(bild, Qt::RightButton, {}, markenMitte(f, 1, 4));
    QVERIFY(f.kreuz(4, 1));
    // right on an empty box of the picture: crossed
    QTest::mouseClick(bild, Qt::RightButton, {}, ui::Feldbild::kastenMitte(3, 6));
    QVERIFY(f.kreuz(6, 3));

    // left: the message of the mark columns, and the cross taken away
    QTest::mouseClick(bild, Qt::LeftButton, {}, markenMitte(f, kZweiwegSpalte, 4));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), QString::fromUtf8(kMarkenHinweis));
    QTest::mouseClick(bild, Qt::LeftButton, {}, markenMitte(f, 1, 4));
    QVERIFY(!f.kreuz(4, 1));
    QVERIFY(!f.zweiwegMarke(4));
    w->close();
}

// "Tipp vor- schlagen" widens the window to its full width whenever it is
// narrower, not only the first time; a wider window stays as it is.
void TstEingabeFeinheiten::jederVorschlagZeigtDieReihen() {
    TFEingabe* w = normalschein();
    auslesen(w);
    auto* BVorschlag = teil<QPushButton>(w, "BVorschlag");
    klicke(BVorschlag);
    QCOMPARE(w->width(), TFEingabe::kBreit);
    w->resize(700, w->height());
    QCOMPARE(w->width(), 700);
    klicke(BVorschlag);
    QCOMPARE(w->width(), TFEingabe::kBreit);
    w->resize(TFEingabe::kBreit + 100, w->height());
    klicke(BVorschlag);
    QCOMPARE(w->width(), TFEingabe::kBreit + 100);
    w->close();
}

// The main window's note on a saved slip goes once a slip is opened; the
// system slip window's save dialog proposes the file the slip came from or
// went to, and nothing for a new slip.
void TstEingabeFeinheiten::statuszeileUndSpeichervorschlag() {
    ui::TFEingabeSys* sys = systemschein();
    sys->schein().feld(1).kreuzeSetzen(reihe("1021021021021"));
    const QString erster = welt().ablage() + QStringLiteral("Erster.kv13");
    dialoge().speichernAntwort(erster);
    klicke(teil<QPushButton>(sys, "BSave"));
    QVERIFY(haupt_->statusBar()->currentMessage().startsWith(QStringLiteral("Spielschein gespeichert: ")));

    dialoge().oeffnenAntwort({erster});
    klicke(teil<QPushButton>(haupt_, "BOpen"));
    QCOMPARE(haupt_->statusBar()->currentMessage(), QString());

    const auto vorschlag = [&] {
        dialoge().speichernAntwort(QString());  // cancelled
        klicke(teil<QPushButton>(sys, "BSave"));
        return dialoge().dateiDialoge().last().vorauswahl;
    };
    QCOMPARE(vorschlag(), erster);
    const QString anderer = welt().schein(QStringLiteral("Anderer.kv13"), {reihe("1111111111111")});
    dialoge().oeffnenAntwort({anderer});
    klicke(teil<QPushButton>(sys, "BOpen"));
    QCOMPARE(vorschlag(), anderer);
    klicke(teil<QPushButton>(sys, "BDel"));                      // "Alle Angaben löschen": a new slip
    sys->schein().feld(1).kreuzeSetzen(reihe("1021021021021"));  // an empty slip is not saved
    QCOMPARE(vorschlag(), QString());
    sys->close();
}

// Files of 1 GB (sparse, all zero) are refused at once with a German message:
// the system slip window reads no more than 13 records of a slip, the print
// window no more than the one record of a format. Within an address space
// 200 MB larger than now, a reader that took the whole file would fail.
void TstEingabeFeinheiten::riesigeDateienSofortAbgelehnt() {
    const QString schein = welt().datei(QStringLiteral("Riesig.kv13"), "");
    const QString format = welt().datei(QStringLiteral("Riesig.kvxdr"), "");
    for (const QString& fn : {schein, format}) std::filesystem::resize_file(fn.toStdString(), 1u << 30);

    ui::TFEingabeSys* sys = systemschein();
    sys->schein().feld(1).kreuzeSetzen(reihe("1111111111111"));
    dialoge().frageAntwort(TestDialoge::kVerwerfen);  // the unsaved cross may go
    dialoge().oeffnenAntwort({schein});
    {
        const Adressraumgrenze grenze(200u << 20);
        klicke(teil<QPushButton>(sys, "BOpen"));
    }
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::FrageSpeichern)
                .startsWith(QStringLiteral("Der Systemschein")));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), QString::fromUtf8(kZuVieleFelder));
    QCOMPARE(sys->schein().feld(1).daten(), reihe("1111111111111"));
    sys->close();

    aktion(*haupt_, "Tippscheinedrucken1")->trigger();
    QWidget* druck = ui::fensterSuchen(QStringLiteral("FDruck"));
    QVERIFY(druck && druck->isVisible());
    dialoge().oeffnenAntwort({format});
    {
        const Adressraumgrenze grenze(200u << 20);
        klicke(teil<QPushButton>(druck, "BOpen"));
    }
    const QString meldung = dialoge().nimmMeldung(TestDialoge::Art::Fehler);
    QVERIFY2(
        meldung.startsWith(QStringLiteral("Die Datei Riesig.kvxdr ist kein gültiges Schein-Format: Die "
                                          "Zahl der Tippfelder pro Reihe ist 0, möglich sind 4, 5 und 6.")),
        qPrintable(meldung));
    druck->close();
}

// The odds filter from the suggestion group ("Quotenfilter...", usable while
// the suggestion has a cross) and from the main window's menu "Extras", each
// with a copy of the suggestion; the menu copies no empty suggestion.
void TstEingabeFeinheiten::quotenfilterErreichbar() {
    TFEingabe* w = normalschein();
    w->resize(TFEingabe::kBreit, TFEingabe::kHoehe);
    auto* knopf = teil<QToolButton>(w, "bsSkinSpeedButton5");
    QVERIFY(knopf->isVisible());
    QCOMPARE(knopf->text(), QStringLiteral("Quotenfilter..."));
    QVERIFY(!knopf->isEnabled());
    QWidget* bild = w->Vorschlag()->Panel1();
    QTest::mouseClick(bild, Qt::LeftButton, {}, ui::Feldbild::kastenMitte(2, 1));
    QVERIFY(knopf->isEnabled());
    QTest::mouseClick(bild, Qt::LeftButton, {}, ui::Feldbild::kastenMitte(2, 1));
    QVERIFY(!knopf->isEnabled());

    auslesen(w);
    klicke(teil<QPushButton>(w, "BVorschlag"));
    QVERIFY(knopf->isEnabled());
    klicke(knopf);
    auto* q = qobject_cast<ui::TFQuotenFilter*>(ui::fensterSuchen(QStringLiteral("FQuotenFilter")));
    QVERIFY(q && q->isVisible());
    QCOMPARE(q->windowTitle(), QStringLiteral("FQuotenFilter"));
    const TScheinOffen vorschlag = w->eingabe().vorschlagsfeld().daten();
    QCOMPARE(q->filter().feld().daten(), vorschlag);

    // the menu item in "Extras" (its place: the main window's menu test)
    QAction* a = aktion(*haupt_, "Quotenfilter1");
    q->filter().feld().alleKreuzeEntfernen();  // the user's own field
    q->filter().feld().kreuzeSetzen(reihe("2222222222222"));
    q->close();
    a->trigger();
    QVERIFY(q->isVisible());
    QCOMPARE(q->filter().feld().daten(), vorschlag);

    // no suggestion: the window opens with the crosses it has
    w->Vorschlag()->feld().alleKreuzeEntfernen();
    QVERIFY(!knopf->isEnabled());
    q->filter().feld().alleKreuzeEntfernen();
    q->filter().feld().kreuzeSetzen(reihe("2222222222222"));
    q->close();
    a->trigger();
    QVERIFY(q->isVisible());
    QCOMPARE(q->filter().feld().daten(), reihe("2222222222222"));
    q->close();
    w->close();
}

KV_GUI_TEST_MAIN(TstEingabeFeinheiten)
#include "tst_eingabe_feinheiten.moc"
