// The normal slip entry window's working side as the player drives it: the
// suggestion from the tendencies, the rows listed, filtered and reduced, the
// slip and text files (hand edits, a stale list), the slip opened in the main
// window, and the hand-over to the system slip entry window.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "common/UpDown.h"
#include "eingabe/Tippvorschlag.h"
#include "entry/Garantiereduzierung.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "entry/Zeilenliste.h"
#include "main/TFMain.h"
#include "model/Spielscheindatei.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFEingabe;

namespace {

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// 13 pairings with these tendencies, tab-separated as pasted.
QString tabelle(const std::vector<std::string>& tendenzen) {
    QString t;
    for (int m = 1; m <= 13; ++m)
        t += QStringLiteral("%1\tHeim %1\tGast %1\t%2\n")
                 .arg(m)
                 .arg(QString::fromStdString(tendenzen[static_cast<std::size_t>(m - 1)]));
    return t;
}

// With thresholds 2, 3, 3: "4 - 4 - 2" gives "1" and "0", "5 - 3 - 2" only
// "1", "2 - 4 - 4" "0" and "2", "4 - 1 - 5" "1" and "2" (the draw gets what
// home and away leave of 10; the middle digit is not read).
const std::vector<std::string> kTendenzen = {"4 - 4 - 2", "5 - 3 - 2", "2 - 4 - 4", "5 - 3 - 2", "4 - 1 - 5",
                                             "5 - 3 - 2", "5 - 3 - 2", "5 - 3 - 2", "5 - 3 - 2", "5 - 3 - 2",
                                             "5 - 3 - 2", "5 - 3 - 2", "5 - 3 - 2"};

// Four 2-ways "10", five single "1", four single "2": 16 rows with 5 to 9 "1".
const std::vector<std::string> kFilterTendenzen = {
    "4 - 4 - 2", "4 - 4 - 2", "4 - 4 - 2", "4 - 4 - 2", "5 - 3 - 2", "5 - 3 - 2", "5 - 3 - 2",
    "5 - 3 - 2", "5 - 3 - 2", "2 - 3 - 5", "2 - 3 - 5", "2 - 3 - 5", "2 - 3 - 5"};

QStringList zeilenVon(const ui::Zeilenliste* M2) {
    QStringList z;
    for (std::uint64_t i = 0; i < M2->zeilen(); ++i) z << QString::fromStdString(M2->inhalt().zeile(i));
    return z;
}

TScheinOffen zeileAlsFeld(const QString& zeile) {
    QString ziffern = zeile;
    ziffern.remove(QLatin1Char(' '));
    return reihe(ziffern.toLatin1().constData());
}

}  // namespace

class TstNormalscheinReihen : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    TFEingabe* fenster() {
        return durchBefehlGezeigt<TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
    }
    // Pastes the table, reads it, suggests a tip and lists its rows.
    TFEingabe* vorgeschlagen(const std::vector<std::string>& tendenzen = kTendenzen) {
        TFEingabe* w = fenster();
        teil<QPlainTextEdit>(w, "M1")->setPlainText(tabelle(tendenzen));
        klicke(teil<QPushButton>(w, "BAuslesen"));
        klicke(teil<QPushButton>(w, "BVorschlag"));
        return w;
    }
    void setzeUpZ(TFEingabe* w, int wert) {
        while (w->upZ()->position() > wert) klicke(w->upZ()->knopfRunter());
        while (w->upZ()->position() < wert) klicke(w->upZ()->knopfHoch());
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void vorschlagMachtDasFensterBreit();
    void auflistenReduzierenSpeichernAuswerten();
    void reduktionsreglerFolgtDerListe_data();
    void reduktionsreglerFolgtDerListe();
    void handarbeitInDerListe();
    void veralteteListeSpeichertWasSieZeigt();
    void uebergabeAnDenSystemschein();
    void garantieReduzierungErsetztDieListe();
    void quotenfilterMitDemVorschlag();
};

void TstNormalscheinReihen::vorschlagMachtDasFensterBreit() {
    TFEingabe* w = vorgeschlagen();
    QVERIFY(w->breit());
    QCOMPARE(w->width(), TFEingabe::kBreit);
    QVERIFY(!teil<QWidget>(w, "PCSV")->isHidden());
    QVERIFY(teil<QPushButton>(w, "BSave2")->isEnabled());
    // the suggested field: two 2-ways ("10", "02") and one "12", single "1" elsewhere
    const TScheinOffen soll =
        tippVorschlag(haupt_->kontext().zustand().tendenzWerte(), Vorschlagseinstellungen{});
    QCOMPARE(w->eingabe().vorschlagsfeld().daten(), soll);
    QCOMPARE(QString::fromStdString(tippgruppen(soll)), QStringLiteral("10,1,02,1,12,1,1,1,1,1,1,1,1"));
    QCOMPARE(w->Vorschlag()->PZW()->text(), QStringLiteral("3"));
    QCOMPARE(w->Vorschlag()->PAnz()->text(), QStringLiteral("8"));
    QVERIFY(w->Vorschlag()->isVisible());
    // the row list is not filled by the suggestion
    QCOMPARE(w->M2()->zeilen(), 0u);
    QVERIFY(teil<QWidget>(w, "POben")->isHidden());

    // "nur" 1 and a higher threshold for "1": "4 - 4 - 2" keeps only "1", "5 - 3 - 2" as well
    klicke(teil<QCheckBox>(w, "cb1"));
    klicke(teil<QPushButton>(w, "BAktual"));
    QCOMPARE(QString::fromStdString(tippgruppen(w->eingabe().vorschlagsfeld().daten())),
             QStringLiteral("1,1,02,1,1,1,1,1,1,1,1,1,1"));
    klicke(w->upDown(1)->knopfHoch());
    klicke(w->upDown(1)->knopfHoch());
    klicke(w->upDown(1)->knopfHoch());  // Up1 = 5: "5 - 3 - 2" is not above it
    klicke(teil<QPushButton>(w, "BAktual"));
    QCOMPARE(QString::fromStdString(tippgruppen(w->eingabe().vorschlagsfeld().daten())),
             QStringLiteral("0,,02,,2,,,,,,,,"));
    QCOMPARE(w->eingabe().reihen().reihenAnzahl(), 0u);  // incomplete: no rows
    w->close();
    // the window stays wide at its next showing
    w = fenster();
    QCOMPARE(w->width(), TFEingabe::kBreit);
    w->close();
}

void TstNormalscheinReihen::auflistenReduzierenSpeichernAuswerten() {
    TFEingabe* w = vorgeschlagen(kFilterTendenzen);
    QCOMPARE(w->eingabe().reihen().reihenAnzahl(), 16u);
    auto* M2 = w->M2();
    auto* LAnz = teil<QLabel>(w, "LAnz");

    // with the filter (at most 8 "1", 5 "0", 5 "2"): the one row with nine "1" is dropped
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(M2->zeilen(), 15u);
    QCOMPARE(LAnz->text(), QStringLiteral("15"));
    QCOMPARE(zeilenVon(M2).first(), QStringLiteral("1 1 1 0 1 1 1 1 1 2 2 2 2"));
    QVERIFY(!zeilenVon(M2).contains(QStringLiteral("1 1 1 1 1 1 1 1 1 2 2 2 2")));
    // unticked: nothing happens until the next listing, which has all 16 rows
    klicke(teil<QCheckBox>(w, "cbFilter"));
    QCOMPARE(M2->zeilen(), 15u);
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(M2->zeilen(), 16u);
    QCOMPARE(zeilenVon(M2).first(), QStringLiteral("1 1 1 1 1 1 1 1 1 2 2 2 2"));
    QVERIFY(!teil<QWidget>(w, "POben")->isHidden());
    // ticking it again lists at once
    klicke(teil<QCheckBox>(w, "cbFilter"));
    QCOMPARE(M2->zeilen(), 15u);

    // reduced at random to 4 different rows of the filtered list
    const QStringList alle = zeilenVon(M2);
    setzeUpZ(w, 4);
    QCOMPARE(w->Reduz(), 4);
    klicke(teil<QToolButton>(w, "BZufall"));
    const QStringList vier = zeilenVon(M2);
    QCOMPARE(vier.size(), 4);
    QCOMPARE(QSet<QString>(vier.begin(), vier.end()).size(), 4);
    for (const QString& z : vier) QVERIFY(alle.contains(z));
    QCOMPARE(LAnz->text(), QStringLiteral("4"));
    QCOMPARE(w->upZ()->maximum(), 3);

    // as slip: exactly those 4 rows, one single-row field each, in list order
    const QString schein = welt().ablage() + QStringLiteral("/Vier.kv13");
    dialoge().speichernAntwort(schein);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    const ui::Dateiauswahl& d = dialoge().dateiDialoge().last();
    QCOMPARE(d.titel, QStringLiteral("Spielschein speichern"));
    QCOMPARE(d.filter, QStringLiteral("Spielschein-Datei|*.kv13"));
    std::vector<TScheinOffen> felder;
    for (const QString& z : vier) felder.push_back(zeileAlsFeld(z));
    const auto bytes = spielscheinBytes(felder);
    QCOMPARE(lies(schein),
             QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QCOMPARE(teil<QLabel>(w, "LDatei")->text(), QStringLiteral("Gespeichert: Vier.kv13"));
    // the main window names the saved file in its status line
    const QString status = QStringLiteral("Spielschein gespeichert: ") + schein +
                           QStringLiteral(" – „Spielschein öffnen...“ zeigt ihn hier an.");
    QCOMPARE(haupt_->statusBar()->currentMessage(), status);

    // as text: the lines with commas, CR LF each
    const QString text = welt().ablage() + QStringLiteral("/Vier.txt");
    dialoge().speichernAntwort(text);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton2"));
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Text-Datei speichern"));
    QString soll;
    for (QString z : vier) soll += z.replace(QLatin1Char(' '), QLatin1Char(',')) + QStringLiteral("\r\n");
    QCOMPARE(lies(text), soll.toLatin1());
    QCOMPARE(lies(text).size(), 4 * 27);

    // a save that fails is no saved slip: the status line keeps the last one
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("fehlt/Nein.kv13"));
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Fehler).contains(QStringLiteral("Nein.kv13")));
    QCOMPARE(haupt_->statusBar()->currentMessage(), status);

    // "Spielschein(e) öffnen..." has the saved slip chosen already: one
    // click opens it as a tab
    dialoge().oeffnenAntwort({schein});
    klicke(haupt_->findChild<QAbstractButton*>(QStringLiteral("BOpen2")));
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Spielschein-Datei einlesen"));
    QCOMPARE(dialoge().dateiDialoge().last().vorauswahl, schein);
    QCOMPARE(haupt_->PC1()->count(), 1);
    QCOMPARE(haupt_->PC1()->tabText(0), QStringLiteral("Vier"));

    // the saved slip opened in the main window: its four rows on the left
    dialoge().oeffnenAntwort({schein});
    klicke(haupt_->findChild<QAbstractButton*>(QStringLiteral("BOpen")));
    QCOMPARE(dialoge().dateiDialoge().last().vorauswahl, schein);
    const Programmzustand& z = haupt_->kontext().zustand();
    QVERIFY(z.linkerSchein() >= 0);
    const Schein& links = z.slot(z.linkerSchein()).schein;
    QCOMPARE(links.feldAnzahl(), std::size_t{4});
    for (std::size_t f = 0; f < 4; ++f)
        QCOMPARE(QString::fromStdString(zeilentext(links.feld(f).reihe(0))), vier[static_cast<qsizetype>(f)]);
    w->close();
}

void TstNormalscheinReihen::reduktionsreglerFolgtDerListe_data() {
    QTest::addColumn<int>("reduz");
    QTest::addColumn<int>("wert");
    QTest::newRow("Reduz 12") << 12 << 12;
    QTest::newRow("Reduz 30") << 30 << 19;
    QTest::newRow("Reduz 0") << 0 << 1;
}

void TstNormalscheinReihen::reduktionsreglerFolgtDerListe() {
    QFETCH(int, reduz);
    QFETCH(int, wert);
    IniDatei(welt().einstellungsdatei().toStdString()).schreibeZahl("Tipp", "Reduz", reduz);
    // 16 listed rows and 4 lines typed below them: 20 lines
    TFEingabe* w = vorgeschlagen(kFilterTendenzen);
    klicke(teil<QCheckBox>(w, "cbFilter"));
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(w->M2()->zeilen(), 16u);
    QCOMPARE(w->upZ()->maximum(), 15);
    QTest::keyClick(w->M2(), Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(w->M2(), Qt::Key_Return);
        QTest::keyClicks(w->M2(), QStringLiteral("1 1 1 1 1 1 1 1 1 1 1 1 1"));
    }
    QCOMPARE(w->M2()->zeilen(), 20u);
    QCOMPARE(w->upZ()->maximum(), 19);
    QCOMPARE(w->upZ()->position(), wert);
    QCOMPARE(teil<QLabel>(w, "LReduz")->text(), QString::number(wert));
    w->close();
}

void TstNormalscheinReihen::handarbeitInDerListe() {
    TFEingabe* w = vorgeschlagen();
    klicke(teil<QCheckBox>(w, "cbFilter"));
    klicke(teil<QPushButton>(w, "BFilter"));
    auto* M2 = w->M2();
    const QStringList vorher = zeilenVon(M2);
    QCOMPARE(vorher.size(), 8);

    // a digit changed by hand: the text file has it; the slip, which would
    // hold the listed row instead, is refused
    const QString meldung = QString::fromStdString(meldungListeGeaendert());
    QTest::keyClick(M2, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Delete);
    QTest::keyClicks(M2, QStringLiteral("2"));
    QCOMPARE(zeilenVon(M2).first(), QStringLiteral("2") + vorher.first().mid(1));
    const QString text = welt().ablage() + QStringLiteral("/Hand.txt");
    dialoge().speichernAntwort(text);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton2"));
    QVERIFY(lies(text).startsWith("2,"));
    const QString schein = welt().ablage() + QStringLiteral("/Hand.kv13");
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));  // no save dialog: nothing answered
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    QVERIFY(!QFile::exists(schein));

    // a line added: reduction and slip refuse, the text file takes the list as it stands
    QTest::keyClick(M2, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Return);
    QTest::keyClicks(M2, QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0"));
    QCOMPARE(M2->zeilen(), 9u);
    QCOMPARE(teil<QLabel>(w, "LAnz")->text(), QStringLiteral("9"));
    klicke(teil<QToolButton>(w, "BZufall"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    QCOMPARE(M2->zeilen(), 9u);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information), meldung);
    dialoge().speichernAntwort(text);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton2"));
    QVERIFY(lies(text).endsWith("0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"));
    QCOMPARE(lies(text).size(), 9 * 27);

    // the added line cut out again (Ctrl+X takes the cursor's line) and the
    // digit typed back: the lines are the rows again, and a reduction keeps them
    QTest::keyClick(M2, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(M2->zeilen(), 8u);
    QTest::keyClick(M2, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(M2, Qt::Key_Delete);
    QTest::keyClicks(M2, vorher.first().left(1));
    QCOMPARE(zeilenVon(M2), vorher);
    setzeUpZ(w, 7);
    klicke(teil<QToolButton>(w, "BZufall"));
    QCOMPARE(M2->zeilen(), 7u);
    for (const QString& z : zeilenVon(M2)) QVERIFY(vorher.contains(z));

    // thresholds 7, 7, 7: no tip anywhere, no rows, an empty list; both files are empty
    for (int n = 1; n <= 3; ++n)
        while (w->upDown(n)->position() < 7) klicke(w->upDown(n)->knopfHoch());
    klicke(teil<QPushButton>(w, "BAktual"));
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(M2->zeilen(), 0u);
    QCOMPARE(teil<QLabel>(w, "LAnz")->text(), QStringLiteral("0"));
    QVERIFY(teil<QWidget>(w, "POben")->isHidden());
    dialoge().speichernAntwort(text);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton2"));
    QVERIFY(QFile::exists(text));
    QCOMPARE(lies(text).size(), 0);
    dialoge().speichernAntwort(schein);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    QVERIFY(QFile::exists(schein));
    QCOMPARE(lies(schein).size(), 0);
    w->close();
}

void TstNormalscheinReihen::veralteteListeSpeichertWasSieZeigt() {
    TFEingabe* w = vorgeschlagen();
    klicke(teil<QCheckBox>(w, "cbFilter"));
    klicke(teil<QPushButton>(w, "BFilter"));
    const QStringList gelistet = zeilenVon(w->M2());
    // the field changed by hand after listing: a 3-way on match 2
    for (int spalte : {2, 3}) {
        const QPoint p = ui::Feldbild::kastenMitte(spalte, 2);
        QTest::mouseClick(w->Vorschlag()->Panel1(), Qt::LeftButton, {}, p);
    }
    QCOMPARE(w->eingabe().reihen().reihenAnzahl(), 24u);
    QCOMPARE(zeilenVon(w->M2()), gelistet);  // the list is not touched
    const QString schein = welt().ablage() + QStringLiteral("/Alt.kv13");
    dialoge().speichernAntwort(schein);
    klicke(teil<QPushButton>(w, "bsSkinSpeedButton1"));
    const std::vector<TScheinOffen> felder = leseSpielschein(schein.toStdString());
    QCOMPARE(felder.size(), std::size_t{8});
    for (std::size_t i = 0; i < felder.size(); ++i)
        QCOMPARE(felder[i], zeileAlsFeld(gelistet[static_cast<qsizetype>(i)]));
    w->close();
}

void TstNormalscheinReihen::uebergabeAnDenSystemschein() {
    TFEingabe* w = vorgeschlagen();
    const TScheinOffen vorschlag = w->eingabe().vorschlagsfeld().daten();
    haupt_->kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
    auto* sys = qobject_cast<ui::TFEingabeSys*>(ui::fensterSuchen(QStringLiteral("FEingabeSys")));
    sys->close();
    const auto kreuzeVon = [](const TScheinOffen& quelle, Tippfeld& ziel) { ziel.kreuzeSetzen(quelle); };
    const TScheinOffen zweier = reihe("2222222222222");

    // no complete field: field 1, no question
    klicke(teil<QPushButton>(w, "BSave2"));
    QVERIFY(sys->isVisible());
    QCOMPARE(sys->schein().feld(1).daten().ja, vorschlag.ja);

    // complete fields 1 and 3: asked ("den"), Yes puts it into the empty field 2; field 3 keeps its crosses
    sys->NeuerSchein();
    kreuzeVon(zweier, sys->schein().feld(1));
    kreuzeVon(vorschlag, sys->schein().feld(3));
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    klicke(teil<QPushButton>(w, "BSave2"));
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::FrageJaNeinAbbrechen),
        QStringLiteral("Soll das Tippfeld den Vorhandenen im Fenster Scheineingabe hinzugefügt werden?"));
    QCOMPARE(sys->schein().feld(2).daten().ja, vorschlag.ja);
    QCOMPARE(sys->schein().feld(3).daten().ja, vorschlag.ja);
    QCOMPARE(sys->schein().feld(1).daten().ja, zweier.ja);
    QCOMPARE(sys->Feld(2)->PAnz()->text(), QStringLiteral("8"));

    // No, then No: nothing changes
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    klicke(teil<QPushButton>(w, "BSave2"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageJaNeinAbbrechen);
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::FrageJaNeinAbbrechen),
        QStringLiteral("Soll das Tippfeld stattdessen als neuer Schein im Fenster Scheineingabe eingelesen "
                       "werden?"));
    QVERIFY(sys->schein().feld(4).leer());

    // twelve complete fields: the complete slip; Yes starts a new slip with it
    // in field 1, once the unsaved slip there is discarded
    for (int f = 4; f <= 12; ++f) kreuzeVon(zweier, sys->schein().feld(f));
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    klicke(teil<QPushButton>(w, "BSave2"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageJaNeinAbbrechen),
             QStringLiteral("Im Fenster Scheineingabe wird ein kompletter Spielschein abgebildet.\r\r"
                            "Soll das Tippfeld als neuer Schein eingelesen werden?"));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern),
             QStringLiteral(
                 "Der Systemschein wurde geändert und noch nicht gespeichert.\r\rÄnderungen speichern?"));
    QCOMPARE(sys->schein().feld(1).daten().ja, vorschlag.ja);
    for (int f = 2; f <= 12; ++f) QVERIFY(sys->schein().feld(f).leer());
    sys->close();
    w->close();
}

// The guaranteed reduction beside the random one: the list then holds rows of
// the suggestion such that every row of the field is within one (12 hits) or
// two (11 hits) tips of one of them; a new listing clears its line.
void TstNormalscheinReihen::garantieReduzierungErsetztDieListe() {
    TFEingabe* w = vorgeschlagen(kFilterTendenzen);
    klicke(teil<QCheckBox>(w, "cbFilter"));  // unfiltered: every row of the field
    klicke(teil<QPushButton>(w, "BFilter"));
    const QStringList alle = zeilenVon(w->M2());
    QCOMPARE(alle.size(), 16);
    ui::Garantiereduzierung* g = w->garantie();
    QVERIFY(g && g->isVisibleTo(w));
    auto abweichungen = [](const QString& a, const QString& b) {
        int n = 0;
        for (qsizetype i = 0; i < a.size(); ++i) n += a[i] != b[i] ? 1 : 0;
        return n;
    };
    for (const int fehler : {1, 2}) {
        (fehler == 1 ? g->RB12() : g->RB11())->click();
        klicke(g->BGarantie());
        const QStringList reduziert = zeilenVon(w->M2());
        QVERIFY(!reduziert.isEmpty() && reduziert.size() < alle.size());
        QCOMPARE(teil<QLabel>(w, "LAnz")->text(), QString::number(reduziert.size()));
        QVERIFY2(g->LGarantie()->text().startsWith(QStringLiteral("%1 Tippreihen. Garantie: %2 Richtige")
                                                       .arg(reduziert.size())
                                                       .arg(13 - fehler)),
                 qPrintable(g->LGarantie()->text()));
        for (const QString& r : reduziert) QVERIFY(alle.contains(r));
        for (const QString& a : alle) {
            int beste = 99;
            for (const QString& r : reduziert) beste = std::min(beste, abweichungen(a, r));
            QVERIFY2(beste <= fehler, qPrintable(a));
        }
    }
    // a new listing: all rows again, the guarantee line gone
    klicke(teil<QPushButton>(w, "BFilter"));
    QCOMPARE(w->M2()->zeilen(), 16u);
    QVERIFY(g->LGarantie()->text().isEmpty());
    w->close();
}

// The hidden button of the suggestion group hands the suggestion to the odds filter.
void TstNormalscheinReihen::quotenfilterMitDemVorschlag() {
    TFEingabe* w = vorgeschlagen();
    teil<QToolButton>(w, "bsSkinSpeedButton5")->click();
    auto* q = qobject_cast<ui::TFQuotenFilter*>(ui::fensterSuchen(QStringLiteral("FQuotenFilter")));
    QVERIFY(q && q->isVisible());
    QCOMPARE(q->filter().feld().daten(), w->eingabe().vorschlagsfeld().daten());
    q->close();
    w->close();
}

KV_GUI_TEST_MAIN(TstNormalscheinReihen)
#include "tst_normalschein_reihen.moc"
