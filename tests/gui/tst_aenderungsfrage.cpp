// "Änderungen speichern?" before anything discards unsaved work, answered
// Speichern, Verwerfen and Abbrechen on every path: the system slip window
// ("Alle Angaben löschen", opening a slip, the program's end with the window
// hidden), the normal slip window (reading a table, opening a fixture list
// here or in the main window, listing the rows anew, ticking "Filter
// anwenden", the program's end) and the print window (shown again, opening
// a format, the program's end).
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/Zeilenliste.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"
#include "print/Scheinformat.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFDruck;
using kv::ui::TFEingabe;
using kv::ui::TFEingabeSys;
using Antwort = kv::ui::Dialoge::Antwort;

Q_DECLARE_METATYPE(Antwort)

namespace {

const QString kFrage = QStringLiteral("\r\rÄnderungen speichern?");

// The three answers as rows of a data table, for each path.
void zeilen(const QStringList& wege) {
    QTest::addColumn<int>("weg");
    QTest::addColumn<Antwort>("antwort");
    for (int w = 0; w < wege.size(); ++w)
        for (const auto& [name, a] :
             {std::pair{"Speichern", TestDialoge::kSpeichern},
              std::pair{"Verwerfen", TestDialoge::kVerwerfen}, std::pair{"Abbrechen", Antwort::Abbrechen}})
            QTest::newRow(qPrintable(wege[w] + QStringLiteral(", ") + QLatin1String(name))) << w << a;
}

// 13 pairings whose suggestion (thresholds 2, 3, 3) is "10" on match 1, then
// four "1", four "2" and four "0": two rows, both within the filter.
QString tabelle(const QString& heim) {
    QString t;
    for (int m = 1; m <= 13; ++m) {
        const char* tendenz = m == 1   ? "4 - 4 - 2"
                              : m <= 5 ? "5 - 3 - 2"
                              : m <= 9 ? "2 - 3 - 5"
                                       : "2 - 6 - 2";
        t += QStringLiteral("%1\t%2 %1\tGast %1\t%3\n").arg(m).arg(heim, QLatin1String(tendenz));
    }
    return t;
}

TScheinFormat format(int B) {
    TScheinFormat f;
    f.FelderProReihe = 6;
    f.B = B;
    f.C = 480;
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b)
                f.kaestchen(feld, m, b) = {100 * feld + 40 * (b - 1), 300 + 40 * (m - 1)};
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j) f.zusatz(g, j) = {kUnbenutzt, kUnbenutzt};
    f.Nr = {kUnbenutzt, kUnbenutzt};
    return f;
}

}  // namespace

class TstAenderungsfrage : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void systemschein_data() {
        zeilen({QStringLiteral("Alle Angaben löschen"), QStringLiteral("Spielschein öffnen"),
                QStringLiteral("Programmende, Fenster verborgen")});
    }
    void systemschein();
    void normalschein_data() {
        zeilen({QStringLiteral("Daten auslesen"), QStringLiteral("Spielplan öffnen"),
                QStringLiteral("Spielplan öffnen im Hauptfenster"), QStringLiteral("Aktualisieren"),
                QStringLiteral("Filter anwenden"), QStringLiteral("Programmende, Fenster verborgen")});
    }
    void normalschein();
    void druckformat_data() {
        zeilen({QStringLiteral("wieder gezeigt"), QStringLiteral("Scheinformat öffnen"),
                QStringLiteral("Programmende, Fenster verborgen")});
    }
    void druckformat();
};

void TstAenderungsfrage::systemschein() {
    QFETCH(int, weg);
    QFETCH(Antwort, antwort);
    enum { Loeschen, Oeffnen, Ende };
    const bool geht = antwort != Antwort::Abbrechen;
    ui::TFMain& w = starten();
    QPointer<TFEingabeSys> sys =
        durchBefehlGezeigt<TFEingabeSys>(w, "NeuenSystemscheineingeben1", "FEingabeSys");
    for (int m = 1; m <= 13; ++m)
        QTest::mouseClick(sys->Feld(6)->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(1, m));
    QVERIFY(sys->LGeaendert()->isVisible());
    const QString andere = welt().schein(QStringLiteral("andere.kv13"), {reihe("2222222222222")});
    const QString gesichert = welt().ablage() + QStringLiteral("gesichert.kv13");

    dialoge().frageAntwort(antwort);
    if (antwort == TestDialoge::kSpeichern) dialoge().speichernAntwort(gesichert);
    bool zu = false;
    switch (weg) {
        case Loeschen:
            klicke(teil<QPushButton>(sys, "BDel"));
            break;
        case Oeffnen:
            if (geht) dialoge().oeffnenAntwort({andere});
            klicke(teil<QPushButton>(sys, "BOpen"));
            break;
        case Ende:
            sys->close();
            zu = welt().beenden();
            break;
    }
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern),
             (weg == Ende ? QStringLiteral("Der Systemschein im Fenster „Neuen Systemschein eingeben“ wurde "
                                           "geändert und noch nicht gespeichert.")
                          : QStringLiteral("Der Systemschein wurde geändert und noch nicht gespeichert.")) +
                 kFrage);
    if (antwort == TestDialoge::kSpeichern) {
        QCOMPARE(leseSpielschein(gesichert.toStdString()), std::vector<TScheinOffen>{reihe("1111111111111")});
    } else {
        QVERIFY(!QFile::exists(gesichert));
    }
    if (weg == Ende) {
        // Abbrechen keeps the program running, the crosses with it
        QCOMPARE(zu, geht);
        QCOMPARE(sys.isNull(), geht);
        if (!geht) QCOMPARE(sys->schein().feld(6).daten(), reihe("1111111111111"));
        return;
    }
    if (!geht) {
        QCOMPARE(sys->schein().feld(6).daten(), reihe("1111111111111"));
        QVERIFY(sys->LGeaendert()->isVisible());
        QVERIFY(dialoge().dateiDialoge().isEmpty());  // no open dialog either
        return;
    }
    QVERIFY(sys->schein().feld(6).leer());
    QVERIFY(!sys->LGeaendert()->isVisible());
    if (weg == Oeffnen) {
        QCOMPARE(sys->schein().feld(1).daten(), reihe("2222222222222"));
        QCOMPARE(sys->LDatei()->text(), QStringLiteral("Geöffnet: andere.kv13"));
    }
}

void TstAenderungsfrage::normalschein() {
    QFETCH(int, weg);
    QFETCH(Antwort, antwort);
    enum { Auslesen, Oeffnen, HauptOeffnen, Aktualisieren, FilterAnwenden, Ende };
    const bool geht = antwort != Antwort::Abbrechen;
    const bool liste = weg == Aktualisieren || weg == FilterAnwenden || weg == Ende;
    const bool spielplan = !liste || weg == Ende;
    ui::TFMain& w = starten();
    QPointer<TFEingabe> n = durchBefehlGezeigt<TFEingabe>(w, "NeuenNormalscheineingeben1", "FEingabe");
    teil<QPlainTextEdit>(n, "M1")->setPlainText(tabelle(QStringLiteral("Heim")));
    klicke(teil<QPushButton>(n, "BAuslesen"));
    auto* G1 = teil<QTableView>(n, "G1");
    QVERIFY(n->spielplanGeaendert());  // an import is no fixture list saved
    G1->model()->setData(G1->model()->index(0, 1), QStringLiteral("Eigene Elf"));
    QVERIFY(n->LGeaendert()->isVisible());
    QString ersteZeile;
    if (liste) {
        klicke(teil<QPushButton>(n, "BVorschlag"));
        if (weg == FilterAnwenden) klicke(teil<QCheckBox>(n, "cbFilter"));  // unticked
        klicke(teil<QPushButton>(n, "BFilter"));
        ersteZeile = QString::fromStdString(n->M2()->inhalt().zeile(0));
        QTest::keyClick(n->M2(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(n->M2(), Qt::Key_Delete);
        QTest::keyClicks(n->M2(), QStringLiteral("2"));
        QVERIFY(n->LListeGeaendert()->isVisible());
    }
    if (weg != Ende) {
        // the other part was saved: only the part the action replaces is asked about
        if (liste) {
            dialoge().speichernAntwort(welt().ablage() + QStringLiteral("vorher.sp13"));
            QVERIFY(n->BSaveClick());
        }
    }
    const QString planB = welt().spielplan(QStringLiteral("B.sp13"), [] {
        Begegnungen b;
        for (int m = 1; m <= 13; ++m)
            b[static_cast<std::size_t>(m - 1)] = {"5 - 3 - 2", "B " + std::to_string(m), "Gast"};
        return b;
    }());
    const QString gesichertPlan = welt().ablage() + QStringLiteral("gesichert.sp13");
    const QString gesichertText = welt().ablage() + QStringLiteral("gesichert.txt");

    dialoge().frageAntwort(antwort);
    if (antwort == TestDialoge::kSpeichern) {
        if (spielplan) dialoge().speichernAntwort(gesichertPlan);
        if (liste) dialoge().speichernAntwort(gesichertText);
    }
    bool zu = false;
    switch (weg) {
        case Auslesen:
            teil<QPlainTextEdit>(n, "M1")->setPlainText(tabelle(QStringLiteral("Neu")));
            klicke(teil<QPushButton>(n, "BAuslesen"));
            break;
        case Oeffnen:
            if (geht) dialoge().oeffnenAntwort({planB});
            klicke(teil<QPushButton>(n, "BOpen"));
            break;
        case HauptOeffnen:
            dialoge().oeffnenAntwort({planB});  // the main window's dialog comes first
            klicke(w.findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
            break;
        case Aktualisieren:
            klicke(teil<QPushButton>(n, "BFilter"));
            break;
        case FilterAnwenden:
            klicke(teil<QCheckBox>(n, "cbFilter"));
            break;
        case Ende:
            n->close();
            zu = welt().beenden();
            break;
    }
    const QString planText = QStringLiteral(
        "Die Begegnungen im Fenster „Neuen Normalschein eingeben“ wurden geändert und noch nicht als "
        "Spielplan "
        "gespeichert.");
    const QString listenText = QStringLiteral(
        "Die Liste der Tippreihen im Fenster „Neuen Normalschein eingeben“ wurde von Hand geändert und noch "
        "nicht als Text-Datei gespeichert.");
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern),
             (weg == Ende ? planText + QLatin1Char(' ') + listenText
              : liste     ? listenText
                          : planText) +
                 kFrage);
    if (antwort == TestDialoge::kSpeichern && spielplan) {
        Begegnungen b;
        leseBegegnungen(gesichertPlan.toStdString(), b);
        QCOMPARE(b[0].Heim, std::string("Eigene Elf"));
    } else {
        QVERIFY(!QFile::exists(gesichertPlan));
    }
    if (antwort == TestDialoge::kSpeichern && liste) {
        QFile f(gesichertText);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("2,"));
    } else {
        QVERIFY(!QFile::exists(gesichertText));
    }
    if (weg == Ende) {
        QCOMPARE(zu, geht);
        QCOMPARE(n.isNull(), geht);
        return;
    }
    if (liste) {
        const QString erste = QString::fromStdString(n->M2()->inhalt().zeile(0));
        QCOMPARE(erste, geht ? ersteZeile : QStringLiteral("2") + ersteZeile.mid(1));
        QCOMPARE(n->LListeGeaendert()->isVisible(), !geht);
        if (weg == FilterAnwenden) QCOMPARE(teil<QCheckBox>(n, "cbFilter")->isChecked(), geht);
        return;
    }
    const std::string heim1 = n->raster().zelle(1, 1);
    if (!geht) {
        QCOMPARE(heim1, std::string("Eigene Elf"));
        QVERIFY(n->LGeaendert()->isVisible());
        if (weg == Oeffnen) QVERIFY(dialoge().dateiDialoge().isEmpty());
        return;
    }
    QCOMPARE(heim1, weg == Auslesen ? std::string("Neu 1") : std::string("B 1"));
    QCOMPARE(w.frSpiel(1)->LHeim()->text(), QString::fromStdString(heim1));
}

void TstAenderungsfrage::druckformat() {
    QFETCH(int, weg);
    QFETCH(Antwort, antwort);
    enum { WiederGezeigt, FormatOeffnen, Ende };
    const bool geht = antwort != Antwort::Abbrechen;
    const auto formatdatei = [this](const QString& name, int B) {
        const auto b = formatBytes(format(B));
        return welt().datei(name, std::string(b.begin(), b.end()));
    };
    const QString fmt = formatdatei(QStringLiteral("achtzig.kvxdr"), 80);
    const QString siebzig = formatdatei(QStringLiteral("siebzig.kvxdr"), 70);
    IniDatei(welt().einstellungsdatei().toStdString())
        .schreibeText("Druck", "Formatdatei", fmt.toStdString());
    ui::TFMain& w = starten();
    QPointer<TFDruck> d = durchBefehlGezeigt<TFDruck>(w, "Tippscheinedrucken1", "FDruck");
    auto* B = d->findChild<QLineEdit*>(QStringLiteral("eAbstandh"));
    QCOMPARE(B->text(), QStringLiteral("80"));
    QVERIFY(!d->LGeaendert()->isVisible());
    B->setText(QStringLiteral("99"));
    QVERIFY(d->LGeaendert()->isVisible());
    const QString gesichert = welt().ablage() + QStringLiteral("gesichert.kvxdr");

    dialoge().frageAntwort(antwort);
    if (antwort == TestDialoge::kSpeichern) dialoge().speichernAntwort(gesichert);
    bool zu = false;
    switch (weg) {
        case WiederGezeigt:
            d->close();
            w.kontext().befehle().ausfuehren(QStringLiteral("Tippscheinedrucken1"));
            break;
        case FormatOeffnen:
            if (geht) dialoge().oeffnenAntwort({siebzig});
            klicke(teil<QPushButton>(d, "BOpen"));
            break;
        case Ende:
            d->close();
            zu = welt().beenden();
            break;
    }
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern),
             QStringLiteral("Das Schein-Format im Fenster „Tippschein-Druck“ wurde geändert und noch nicht "
                            "gespeichert.") +
                 kFrage);
    if (antwort == TestDialoge::kSpeichern)
        QCOMPARE(leseScheinformat(gesichert.toStdString()).B, 99);
    else
        QVERIFY(!QFile::exists(gesichert));
    if (weg == Ende) {
        QCOMPARE(zu, geht);
        QCOMPARE(d.isNull(), geht);
        return;
    }
    QVERIFY(d->isVisible());
    QCOMPARE(d->LGeaendert()->isVisible(), !geht);
    if (!geht) {
        QCOMPARE(B->text(), QStringLiteral("99"));
        return;
    }
    // the format read again, or the other one opened
    QCOMPARE(B->text(), weg == FormatOeffnen ? QStringLiteral("70") : QStringLiteral("80"));
}

KV_GUI_TEST_MAIN(TstAenderungsfrage)
#include "tst_aenderungsfrage.moc"
