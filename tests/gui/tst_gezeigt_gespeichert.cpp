// Saving writes what the window shows, or refuses: a system slip without a
// complete field writes nothing, a partial one says which fields it wrote
// and skipped; the row list is saved as a slip, or reduced, only while its
// lines are exactly the listed rows; "Anzahl Tippreihen" and a Shift
// selection follow what the user sees. And imports change the main window
// only when they read all 13 pairings.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Feldbild.h"
#include "common/TFfrFeld.h"
#include "eingabe/Reihenliste.h"
#include "eingabe/Spielplanimport.h"
#include "eingabe/Systemscheineingabe.h"
#include "entry/Garantiereduzierung.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/Zeilenliste.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "model/Spielscheindatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFEingabe;
using kv::ui::TFEingabeSys;

namespace {

// Crosses a field by clicks, per match the digits ("" leaves the match empty).
void tippe(ui::TFfrFeld* f, const std::string& ziffern) {
    for (int m = 1; m <= 13; ++m) {
        const char z = ziffern[static_cast<std::size_t>(m - 1)];
        if (z != '-')
            QTest::mouseClick(f->Panel1(), Qt::LeftButton, {},
                              ui::Feldbild::kastenMitte(spalteVonZiffer(z - '0'), m));
    }
}

// 13 pairings "Heim m" : "Gast m"; the suggestion of their tendencies is
// "10" on matches 1 to 3, "1" on 4 to 8 and "2" on 9 to 13: eight rows, all
// within the filter.
QString tabelle() {
    QString t;
    for (int m = 1; m <= 13; ++m) {
        const char* tendenz = m <= 3 ? "4 - 4 - 2" : m <= 8 ? "5 - 3 - 2" : "2 - 3 - 5";
        t += QStringLiteral("%1\tHeim %1\tGast %1\t%2\n").arg(m).arg(QLatin1String(tendenz));
    }
    return t;
}

QStringList zeilenVon(const ui::Zeilenliste* M2) {
    QStringList z;
    for (std::uint64_t i = 0; i < M2->zeilen(); ++i) z << QString::fromStdString(M2->inhalt().zeile(i));
    return z;
}

}  // namespace

class TstGezeigtGespeichert : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;
    TFEingabe* gelistet() {
        auto* w = durchBefehlGezeigt<TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
        teil<QPlainTextEdit>(w, "M1")->setPlainText(tabelle());
        klicke(teil<QPushButton>(w, "BAuslesen"));
        klicke(teil<QPushButton>(w, "BVorschlag"));
        klicke(teil<QPushButton>(w, "BFilter"));
        return w;
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }
    void systemscheinOhneUndMitUnvollstaendigenFeldern();
    void zeilenlisteNurWieGezeigt_data();
    void zeilenlisteNurWieGezeigt();
    void umschaltMarkierungUndAnzahl();
    void importeAendernDasHauptfensterNurVollstaendig_data();
    void importeAendernDasHauptfensterNurVollstaendig();
};

void TstGezeigtGespeichert::systemscheinOhneUndMitUnvollstaendigenFeldern() {
    auto* w = durchBefehlGezeigt<TFEingabeSys>(*haupt_, "NeuenSystemscheineingeben1", "FEingabeSys");
    const QString gut = welt().schein(QStringLiteral("gut.kv13"), {reihe("1111111111111")});
    const QByteArray vorher = dateiBytes(gut);
    // no complete field: the message, no dialog, no file (the good slip stays)
    tippe(w->Feld(2), "102102102102-");
    klicke(teil<QPushButton>(w, "BSave"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
             QString::fromStdString(meldungKeinFeldVollstaendig()));
    QVERIFY(dialoge().dateiDialoge().isEmpty());
    QCOMPARE(dateiBytes(gut), vorher);
    QVERIFY(w->LGeaendert()->isVisible());

    // fields 1 and 3 complete, 2 not: both written, the status line says which
    tippe(w->Feld(1), "1021021021021");
    tippe(w->Feld(3), "2222222222222");
    dialoge().speichernAntwort(gut);
    klicke(teil<QPushButton>(w, "BSave"));
    QCOMPARE(leseSpielschein(gut.toStdString()),
             (std::vector<TScheinOffen>{reihe("1021021021021"), reihe("2222222222222")}));
    QCOMPARE(w->LStatus()->text(),
             QStringLiteral(
                 "In gut.kv13 gespeichert: Felder 1 und 3. Nicht gespeichert, weil unvollständig: Feld 2."));
    QCOMPARE(w->LDatei()->text(), QStringLiteral("Gespeichert: gut.kv13"));
    QVERIFY(!w->LGeaendert()->isVisible());
    // one more cross: the label names the file, the mark says it is not what the window shows
    QTest::mouseClick(w->Feld(2)->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(1, 13));
    QCOMPARE(w->LDatei()->text(), QStringLiteral("Gespeichert: gut.kv13"));
    QVERIFY(w->LGeaendert()->isVisible());
}

void TstGezeigtGespeichert::zeilenlisteNurWieGezeigt_data() {
    QTest::addColumn<int>("fall");
    QTest::newRow("eine Ziffer geändert") << 0;
    QTest::newRow("eine Zeile gelöscht, eine getippt") << 1;
    QTest::newRow("zwei Zeilen vertauscht") << 2;
    QTest::newRow("getippt und wieder hergestellt") << 3;
}

// The slip holds exactly the rows the list shows: any other line, order or
// count refuses the slip and both reductions with the same message; a text
// file still takes the lines as they stand.
void TstGezeigtGespeichert::zeilenlisteNurWieGezeigt() {
    QFETCH(int, fall);
    TFEingabe* w = gelistet();
    auto* M2 = w->M2();
    const QStringList vorher = zeilenVon(M2);
    QCOMPARE(vorher.size(), 8);
    const QString neu = QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2");
    QTest::keyClick(M2, Qt::Key_Home, Qt::ControlModifier);
    switch (fall) {
        case 0:  // the last digit of line 1, a "2", becomes a "1"
            QTest::keyClick(M2, Qt::Key_End);
            QTest::keyClick(M2, Qt::Key_Backspace);
            QTest::keyClicks(M2, QStringLiteral("1"));
            break;
        case 1:  // line 3 deleted (Home, Shift+Down, Delete), another typed at the end
            QTest::keyClick(M2, Qt::Key_Down);
            QTest::keyClick(M2, Qt::Key_Down);
            QTest::keyClick(M2, Qt::Key_Home);
            QTest::keyClick(M2, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(M2, Qt::Key_Delete);
            QCOMPARE(M2->zeilen(), 7u);
            QTest::keyClick(M2, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(M2, Qt::Key_Return);
            QTest::keyClicks(M2, neu);
            break;
        case 2:  // line 1 cut and pasted below line 2
            QTest::keyClick(M2, Qt::Key_X, Qt::ControlModifier);
            QTest::keyClick(M2, Qt::Key_Down);
            QTest::keyClick(M2, Qt::Key_V, Qt::ControlModifier);
            break;
        case 3:  // a digit typed and taken back
            QTest::keyClicks(M2, QStringLiteral("0"));
            QTest::keyClick(M2, Qt::Key_Backspace);
            break;
    }
    QCOMPARE(M2->zeilen(), 8u);
    QCOMPARE(teil<QLabel>(w, "LAnz")->text(), QStringLiteral("8"));
    const bool gleich = fall == 3;
    QCOMPARE(zeilenVon(M2) == vorher, gleich);
    QCOMPARE(w->LListeGeaendert()->isVisible(), !gleich);

    const QString meldung = QString::fromStdString(meldungListeGeaendert());
    const QString schein = welt().ablage() + QStringLiteral("Liste.kv13");
    if (gleich) dialoge().speichernAntwort(schein);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    if (gleich) {
        std::vector<TScheinOffen> soll;
        for (const QString& z : vorher) soll.push_back(reiheAusZeile(z));
        QCOMPARE(leseSpielschein(schein.toStdString()), soll);
        return;
    }
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    QVERIFY(!QFile::exists(schein));
    const QStringList bearbeitet = zeilenVon(M2);
    klicke(teil<QToolButton>(w, "BZufall"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    klicke(w->garantie()->BGarantie());
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    QCOMPARE(zeilenVon(M2), bearbeitet);
    // saved as text, the lines are still not the rows: the slip is still refused
    const QString text = welt().ablage() + QStringLiteral("Liste.txt");
    dialoge().speichernAntwort(text);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton2"));
    QCOMPARE(dateiBytes(text).count('\n'), 8);
    QVERIFY(!w->LListeGeaendert()->isVisible());
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
}

// Home, Shift+Down marks the one line the cursor went over; Delete removes
// just that line and "Anzahl Tippreihen" follows at once. A marking inside
// lines removes only the marked characters.
void TstGezeigtGespeichert::umschaltMarkierungUndAnzahl() {
    TFEingabe* w = gelistet();
    auto* M2 = w->M2();
    auto* LAnz = teil<QLabel>(w, "LAnz");
    const QStringList vorher = zeilenVon(M2);
    QTest::keyClick(M2, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Down);
    QTest::keyClick(M2, Qt::Key_Home);
    QTest::keyClick(M2, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(M2, Qt::Key_Delete);
    QStringList soll = vorher;
    soll.removeAt(1);
    QCOMPARE(zeilenVon(M2), soll);
    QCOMPARE(LAnz->text(), QStringLiteral("7"));

    // from column 2 of line 1 to column 4 of line 2: the rest of both lines joined
    QTest::keyClick(M2, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Right);
    QTest::keyClick(M2, Qt::Key_Right);
    QTest::keyClick(M2, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(M2, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(M2, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(M2, Qt::Key_Delete);
    QCOMPARE(zeilenVon(M2).first(), soll[0].left(2) + soll[1].mid(4));
    QCOMPARE(M2->zeilen(), 6u);
    QCOMPARE(LAnz->text(), QStringLiteral("6"));
    // everything marked and deleted: no row is shown any more
    QTest::keyClick(M2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Delete);
    QCOMPARE(LAnz->text(), QStringLiteral("0"));
    QVERIFY(teil<QWidget>(w, "POben")->isHidden());
}

void TstGezeigtGespeichert::importeAendernDasHauptfensterNurVollstaendig_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("uebernommen");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("meldung");  // information after the import, or the error
    QString junk;
    for (int i = 1; i <= 13; ++i) junk += QStringLiteral("izwdi\teq\tqx%1zt\n").arg(i * 7);
    QTest::newRow("13 Zeilen Unsinn")
        << junk << false
        << QStringLiteral(
               "Nur 0 von 13 Spielpaarungen vollständig gelesen; die Spielpaarungen im Hauptfenster "
               "bleiben, wie sie waren.")
        << QStringLiteral("Zeile 13: \"qx91zt\"");
    QString prozent = tabelle();
    prozent.replace(QStringLiteral("5 - 3 - 2\n"), QStringLiteral("45 - 30 - 25\n"));
    QTest::newRow("Prozente")
        << prozent << false
        << QStringLiteral(
               "Nur 8 von 13 Spielpaarungen vollständig gelesen; die Spielpaarungen im Hauptfenster "
               "bleiben, wie sie waren.")
        << QStringLiteral("Zeile 4: \"45 - 30 - 25\" sind Prozente; erwartet werden Punkte von 10");
    QTest::newRow("Kopfzeile und 12 Paarungen")
        << QStringLiteral("Nr\tHeim\tGast\tTendenz\n") + tabelle().section(QLatin1Char('\n'), 0, 11) << false
        << QString() << QString::fromStdString(meldungKeine13Zeilen());
    QTest::newRow("Kopfzeile und 13 Paarungen")
        << QStringLiteral("Nr\tHeim\tGast\tTendenz\n") + tabelle() << true
        << QStringLiteral(
               "Kopfzeile übersprungen. 13 Spielpaarungen mit Tendenz "
               "gelesen.")
        << QString();
}

void TstGezeigtGespeichert::importeAendernDasHauptfensterNurVollstaendig() {
    QFETCH(QString, text);
    QFETCH(bool, uebernommen);
    QFETCH(QString, status);
    QFETCH(QString, meldung);
    Begegnungen b;
    for (int m = 1; m <= 13; ++m)
        b[static_cast<std::size_t>(m - 1)] = {"5 - 3 - 2", "Alt " + std::to_string(m), "Gast"};
    const QString plan = welt().spielplan(QStringLiteral("Alt.sp13"), b);
    QVERIFY(haupt_->SpielplanEinlesen(plan));
    auto* w = durchBefehlGezeigt<TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
    teil<QPlainTextEdit>(w, "M1")->setPlainText(text);
    klicke(teil<QPushButton>(w, "BAuslesen"));
    if (!meldung.isEmpty()) {
        const QString m = dialoge().nimmMeldung(status.isEmpty() ? TestDialoge::Art::Fehler
                                                                 : TestDialoge::Art::Information);
        QVERIFY2(m.contains(meldung), qPrintable(m));
    }
    QCOMPARE(w->LStatus()->text(), status);
    if (uebernommen) {
        // nothing shifted: match 1 is the first pairing, match 13 the last
        QCOMPARE(haupt_->frSpiel(1)->LHeim()->text(), QStringLiteral("Heim 1"));
        QCOMPARE(haupt_->frSpiel(13)->LHeim()->text(), QStringLiteral("Heim 13"));
        QCOMPARE(haupt_->LDatei2()->text(), QString());
        return;
    }
    for (int m : {1, 7, 13}) {
        QCOMPARE(haupt_->frSpiel(m)->LHeim()->text(), QStringLiteral("Alt %1").arg(m));
        QCOMPARE(haupt_->frSpiel(m)->LGast()->text(), QStringLiteral("Gast"));
    }
    QCOMPARE(haupt_->LDatei2()->text(), QStringLiteral("Alt.sp13"));
    QVERIFY(!teil<QPushButton>(w, "BVorschlag")->isEnabled() || status.isEmpty());
}

KV_GUI_TEST_MAIN(TstGezeigtGespeichert)
#include "tst_gezeigt_gespeichert.moc"
