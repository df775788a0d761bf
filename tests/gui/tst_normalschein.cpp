// The normal slip entry window's fixture side as the player drives it: the
// command and the buttons that open it, the table pasted through the real
// clipboard and read with "Daten auslesen", the import's messages, the
// fixture files and the main window's fixture list, the grid edited by hand,
// the web page behind "Quelle aufrufen", the window's settings and the
// question about a changed address, and its help pages.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Fenster.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "common/Webseiten.h"
#include "eingabe/Eingabeeinstellungen.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "help/HilfeSeiten.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "model/Spielplandatei.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFEingabe;

namespace {

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The browser as the tests see it: what would have been opened.
class TestWebseiten : public ui::Webseiten {
  public:
    TestWebseiten() { setzeWebseiten(this); }
    ~TestWebseiten() override { setzeWebseiten(nullptr); }
    bool verbunden() override { return verbindung; }
    bool oeffnen(const QUrl& adresse) override {
        geoeffnet << adresse;
        return browser;
    }
    bool verbindung = true;
    bool browser = true;
    QList<QUrl> geoeffnet;
};

bool gleichesBild(const QIcon& a, const QIcon& b) {
    return a.pixmap(24, 24).toImage() == b.pixmap(24, 24).toImage();
}

// Match m with its tendency text.
TBegegnung begegnung(int m, const std::string& tendenz) {
    return {tendenz, "Heim " + std::to_string(m), "Gast " + std::to_string(m)};
}

}  // namespace

class TstNormalschein : public Hauptfenstertest {
    Q_OBJECT

  private:
    ui::TFMain* haupt_ = nullptr;

    TFEingabe* fenster() {
        return durchBefehlGezeigt<TFEingabe>(*haupt_, "NeuenNormalscheineingeben1", "FEingabe");
    }
    QString zelle(TFEingabe* w, int zeile, int spalte) {
        return QString::fromStdString(w->raster().zelle(spalte, zeile));
    }
    // The text of M1 read with "Daten auslesen".
    void auslesen(TFEingabe* w, const QString& text) {
        teil<QPlainTextEdit>(w, "M1")->setPlainText(text);
        klicke(teil<QPushButton>(w, "BAuslesen"));
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        haupt_ = &starten();
    }

    void befehlUndKnoepfe();
    void einfuegenUndAuslesen();
    void meldungenDesImports_data();
    void meldungenDesImports();
    void spielplanSpeichernUndOeffnen();
    void spielplanDesHauptfensters();
    void gitterVonHandGeaendert();
    void quelleAufrufen();
    void einstellungenUndPosition();
    void urlFrage();
    void hilfeSeiten();
};

void TstNormalschein::befehlUndKnoepfe() {
    // the command sits in "&Datei" between printing and the system slip
    QAction* a = aktion(*haupt_, "NeuenNormalscheineingeben1");
    QCOMPARE(a->text(), QStringLiteral("Neuen Normalschein eingeben..."));
    const QList<QAction*> datei = haupt_->menueDatei()->actions();
    QCOMPARE(datei.indexOf(a) + 1, datei.indexOf(aktion(*haupt_, "NeuenSystemscheineingeben1")));
    auto* BEingabe = haupt_->PTool()->findChild<QToolButton*>(QStringLiteral("BEingabe"));
    QVERIFY(BEingabe);
    auto* w = qobject_cast<TFEingabe*>(ui::fensterSuchen(QStringLiteral("FEingabe")));
    QVERIFY(w);
    QVERIFY(!w->isVisible());  // made hidden at start-up
    klicke(BEingabe);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvendo 1.6.2.0"));

    // narrow, the raw-data page, the suggestion buttons disabled, the default address
    QCOMPARE(w->size(), QSize(TFEingabe::kSchmal, TFEingabe::kHoehe));
    QCOMPARE(teil<QTabWidget>(w, "PC1")->currentWidget()->objectName(), QStringLiteral("Tab1"));
    QCOMPARE(teil<QTabWidget>(w, "PC1")->tabText(1), QStringLiteral("Aufbereiteter Spielplan"));
    QVERIFY(!teil<QPushButton>(w, "BVorschlag")->isEnabled());
    QVERIFY(!teil<QPushButton>(w, "BSave2")->isEnabled());
    QCOMPARE(teil<QPushButton>(w, "BVorschlag")->text(), QStringLiteral("Tipp vor-\nschlagen"));
    QCOMPARE(teil<QPushButton>(w, "BSave2")->text(), QStringLiteral("Vorschlag als Spielschein"));
    QCOMPARE(teil<QLineEdit>(w, "EUrl")->text(), QString::fromUtf8(kSpielplanQuelle));
    // the left panel is all the narrow window shows
    QVERIFY(teil<QWidget>(w, "PLinks")->geometry().right() < w->width());
    QCOMPARE(teil<QWidget>(w, "PFeld")->x(), TFEingabe::kSchmal);
    QCOMPARE(w->Vorschlag()->LNr()->text(), QStringLiteral("Vorschlag"));
    QCOMPARE(w->Vorschlag()->size(), QSize(154, 400));
    QCOMPARE(w->Vorschlag()->pos(), QPoint(10, 5));
    QVERIFY(w->Vorschlag()->LVEW()->isHidden());

    // the CSV note only above 1000 pixels
    QWidget* PCSV = teil<QWidget>(w, "PCSV");
    QVERIFY(PCSV->isHidden());
    w->resize(1001, TFEingabe::kHoehe);
    QVERIFY(!PCSV->isHidden());
    w->resize(1000, TFEingabe::kHoehe);
    QVERIFY(PCSV->isHidden());

    // the system slip window opens it with its BEingabe, and BSys opens that window
    klicke(teil<QToolButton>(w, "BClose"));
    QVERIFY(!w->isVisible());
    haupt_->kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
    QWidget* sys = ui::fensterSuchen(QStringLiteral("FEingabeSys"));
    klicke(teil<QToolButton>(sys, "BEingabe"));
    QVERIFY(w->isVisible());
    sys->close();
    klicke(teil<QToolButton>(w, "BSys"));
    QVERIFY(sys->isVisible());
    sys->close();
    klicke(teil<QToolButton>(w, "BKal"));
    QWidget* kal = ui::fensterSuchen(QStringLiteral("FKal"));
    QVERIFY(kal && kal->isVisible());
    kal->close();
    QVERIFY(teil<QToolButton>(w, "BUpdate"));
    QVERIFY(teil<QToolButton>(w, "BCalc"));
    w->close();
}

void TstNormalschein::einfuegenUndAuslesen() {
    TFEingabe* w = fenster();
    auto* M1 = teil<QPlainTextEdit>(w, "M1");
    auto* BAuslesen = teil<QPushButton>(w, "BAuslesen");
    // the table as a browser puts it on the clipboard: quoted cells, CR LF
    QGuiApplication::clipboard()->setText(testdaten("spielplan_quotes_crlf.txt"));
    M1->setFocus();
    QTest::keyClick(M1, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(M1->toPlainText().contains(QStringLiteral("Hertha \"\"BSC\"\" Berlin")));
    klicke(BAuslesen);

    // pairings and tendencies in the grid, the page shown, the suggestion possible
    QCOMPARE(teil<QTabWidget>(w, "PC1")->currentWidget()->objectName(), QStringLiteral("Tab2"));
    QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());
    QVERIFY(gleichesBild(BAuslesen->icon(), ui::symbol::erfolg()));
    QCOMPARE(zelle(w, 2, 2), QStringLiteral("Hertha \"BSC\" Berlin"));
    QCOMPARE(zelle(w, 3, 1), QStringLiteral("VfB\tStuttgart"));
    QCOMPARE(zelle(w, 13, 0), QStringLiteral("13"));
    auto* G1 = teil<QTableView>(w, "G1");
    QCOMPARE(G1->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Tendenz"));
    QCOMPARE(G1->columnWidth(0), 26);
    QCOMPARE(G1->columnWidth(1), 200);
    QCOMPARE(G1->columnWidth(3), 52);
    QCOMPARE(G1->rowHeight(0), 18);
    // the tendencies are the program's; the main window's score frames show the pairings
    const TendenzWerte& t = haupt_->kontext().zustand().tendenzWerte();
    QCOMPARE(t[0], (TTendenzWert{3, 5, 2}));  // 5 - 3 - 2: Remis 3, Heim 5, Gast 2
    QCOMPARE(t[2], (TTendenzWert{4, 4, 2}));
    QCOMPARE(haupt_->frSpiel(2)->LGast()->text(), QStringLiteral("Hertha \"BSC\" Berlin"));
    QCOMPARE(haupt_->frSpiel(13)->LHeim()->text(), zelle(w, 13, 1));

    // the grid's data cells are drawn white, the number column as a fixed column
    const QImage bild = G1->viewport()->grab().toImage();
    const QRect zelle1 = G1->visualRect(G1->model()->index(0, 1));
    QCOMPARE(bild.pixelColor(zelle1.left() + 2, zelle1.bottom() - 1), QColor(Qt::white));
    const QRect nummer = G1->visualRect(G1->model()->index(0, 0));
    QVERIFY(bild.pixelColor(nummer.left() + 2, nummer.bottom() - 1) != QColor(Qt::white));

    // emptying the text field brings back the first icon; the grid stays
    klicke(teil<QToolButton>(w, "bsSkinSpeedButton3"));
    QVERIFY(M1->toPlainText().isEmpty());
    QVERIFY(gleichesBild(BAuslesen->icon(), ui::symbol::auslesen()));
    QCOMPARE(zelle(w, 2, 2), QStringLiteral("Hertha \"BSC\" Berlin"));

    // a table with date and kick-off keeps five columns; match 5 has no
    // tendency, and its line is named. The grid holds the first import,
    // unsaved: asked first, and discarded.
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    auslesen(w, testdaten("spielplan_spalten_crlf.txt"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::Information)
                .contains(QStringLiteral("Zeile 5: keine Tendenz in der letzten Spalte")));
    QCOMPARE(G1->model()->columnCount(), 6);
    QCOMPARE(zelle(w, 5, 1), QStringLiteral("Sa, 14.09."));
    QCOMPARE(zelle(w, 5, 5), QStringLiteral("5 - 3 - 2"));
    QVERIFY(!teil<QPushButton>(w, "BVorschlag")->isEnabled());
    QCOMPARE(teil<QTabWidget>(w, "PC1")->currentWidget()->objectName(), QStringLiteral("Tab2"));
    w->close();
}

void TstNormalschein::meldungenDesImports_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<bool>("vorschlag");  // BVorschlag afterwards (it was enabled before)
    const QString lf = testdaten("spielplan_lf.txt");
    const QString abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");
    QTest::newRow("leer") << QString()
                          << QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + abbruch
                          << true;
    QTest::newRow("nur Zeilenumbrüche")
        << QStringLiteral("\n\n\n\n\n\n\n\n\n\n\n\n\n\n")
        << QStringLiteral("Ich kann keine 13 Zeilen mit Spielpaarungen ausmachen.") + abbruch << true;
    QString ohneTab = lf;
    ohneTab.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QTest::newRow("ohne Tabulator") << ohneTab
                                    << QStringLiteral(
                                           "Ich kann keine Spaltentrennungen ausmachen. Bitte nutzen Sie "
                                           "eine andere Tabelle mit Spielpaarungen.") +
                                           abbruch
                                    << true;
    QString keineZahl = lf;
    keineZahl.replace(QStringLiteral("6 - 2 - 2"), QStringLiteral("4 - x - 3"));
    QTest::newRow("keine Zahl")
        << keineZahl
        << QStringLiteral("In Zeile 7 ist die Tendenz \"4 - x - 3\" keine Zahlenfolge.") + abbruch << true;
    // 10,000 short lines of junk with a tab: no pairing to be found
    QString muell;
    for (int i = 0; i < 10000; ++i) muell += QStringLiteral("x\ty%1\n").arg(i % 100);
    QTest::newRow("10000 Zeilen Müll")
        << muell << QStringLiteral("Ich kann keine Spielpaarungen ausmachen.") + abbruch << false;
}

void TstNormalschein::meldungenDesImports() {
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    QFETCH(bool, vorschlag);
    TFEingabe* w = fenster();
    // a complete import first: its grid and tendencies must survive the failed one
    auslesen(w, testdaten("spielplan_lf.txt"));
    QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());
    const TendenzWerte vorher = haupt_->kontext().zustand().tendenzWerte();
    teil<QTabWidget>(w, "PC1")->setCurrentIndex(0);

    auslesen(w, text);
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler), meldung);
    QCOMPARE(zelle(w, 7, 1), QStringLiteral("Bayer 04 Leverkusen"));
    QCOMPARE(zelle(w, 7, 3), QStringLiteral("6 - 2 - 2"));
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte(), vorher);
    QCOMPARE(teil<QPushButton>(w, "BVorschlag")->isEnabled(), vorschlag);
    QCOMPARE(teil<QTabWidget>(w, "PC1")->currentIndex(), 0);
    w->close();
}

void TstNormalschein::spielplanSpeichernUndOeffnen() {
    TFEingabe* w = fenster();
    auslesen(w, testdaten("spielplan_lf.txt"));
    // a name of 35 characters is saved with its first 30
    w->raster();
    auto* G1 = teil<QTableView>(w, "G1");
    G1->model()->setData(G1->model()->index(0, 1), QStringLiteral("Fünfunddreißig Zeichen langer Name!"));

    const QString erste = welt().ablage() + QStringLiteral("/Erster.sp13");
    const QString zweite = welt().ablage() + QStringLiteral("/Zweiter.sp13");
    for (const QString& ziel : {erste, zweite}) {
        dialoge().speichernAntwort(ziel);
        klicke(teil<QPushButton>(w, "BSave"));
    }
    const ui::Dateiauswahl& d = dialoge().dateiDialoge().last();
    QCOMPARE(d.titel, QStringLiteral("Spielplan-Datei speichern"));
    QCOMPARE(d.filter, QStringLiteral("Spielplan|*.sp13"));
    QCOMPARE(d.endung, QStringLiteral("sp13"));
    QCOMPARE(d.ordner, welt().datenordner());
    QCOMPARE(teil<QLabel>(w, "LDatei")->text(), QStringLiteral("Gespeichert in: Zweiter.sp13"));
    // "Spieltag"/"Datei" names the first file only
    QCOMPARE(QString::fromStdString(
                 Einstellungen(welt().einstellungsdatei().toStdString()).lese(einst::kSpieltagDatei)),
             erste);

    // the bytes: 13 records of 73, Windows-1252, the long name cut
    const QByteArray bytes = lies(zweite);
    QCOMPARE(bytes.size(), 13 * 73);
    QCOMPARE(bytes.mid(0, 10), QByteArray("\x09"
                                          "5 - 3 - 2"));
    QCOMPARE(static_cast<int>(bytes[11]), 30);
    QCOMPARE(bytes.mid(12, 30), QByteArray("F\xFCnfunddrei\xDFig Zeichen langer "));
    QCOMPARE(bytes.mid(73 + 42, 11), QByteArray("\x0AHertha BSC"));
    QCOMPARE(lies(erste), bytes);
    // the saved fixtures are the program's fixture list
    QCOMPARE(haupt_->frSpiel(1)->LHeim()->text(), QStringLiteral("Fünfunddreißig Zeichen langer "));
    QCOMPARE(haupt_->LDatei2()->text(), QStringLiteral("Zweiter.sp13"));

    // a fixture list without hyphens: pairings shown, tendencies kept, suggestion possible
    Begegnungen ohne;
    for (int m = 1; m <= 13; ++m) ohne[static_cast<std::size_t>(m - 1)] = begegnung(m, "532");
    const QString plan = welt().spielplan(QStringLiteral("Ohne.sp13"), ohne);
    auslesen(w, QString());  // an empty text: message, nothing else
    dialoge().nimmMeldung(TestDialoge::Art::Fehler);
    const TendenzWerte vorher = haupt_->kontext().zustand().tendenzWerte();
    teil<QTabWidget>(w, "PC1")->setCurrentIndex(0);
    dialoge().oeffnenAntwort({plan});
    klicke(teil<QPushButton>(w, "BOpen"));
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Spielplan-Datei öffnen"));
    QCOMPARE(zelle(w, 4, 1), QStringLiteral("Heim 4"));
    QCOMPARE(zelle(w, 4, 3), QStringLiteral("532"));
    QCOMPARE(teil<QLabel>(w, "LDatei")->text(), QStringLiteral("Ohne.sp13"));
    QCOMPARE(teil<QTabWidget>(w, "PC1")->currentWidget()->objectName(), QStringLiteral("Tab2"));
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte(), vorher);
    QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());
    QCOMPARE(haupt_->frSpiel(4)->LGast()->text(), QStringLiteral("Gast 4"));
    QCOMPARE(haupt_->LDatei2()->text(), QStringLiteral("Ohne.sp13"));

    // the first saved list is opened at the next start and shown here as well
    haupt_ = &starten();
    w = fenster();
    QCOMPARE(zelle(w, 1, 1), QStringLiteral("Fünfunddreißig Zeichen langer "));
    QCOMPARE(teil<QLabel>(w, "LDatei")->text(), QStringLiteral("Erster.sp13"));
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte()[11], (TTendenzWert{3, 2, 5}));
    QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());

    // a file that cannot be read: the message, the grid as it was
    dialoge().oeffnenAntwort({welt().ablage() + QStringLiteral("/fehlt.sp13")});
    klicke(teil<QPushButton>(w, "BOpen"));
    QVERIFY(!dialoge().nimmMeldung(TestDialoge::Art::Fehler).isEmpty());
    QCOMPARE(zelle(w, 1, 1), QStringLiteral("Fünfunddreißig Zeichen langer "));
    w->close();
}

void TstNormalschein::spielplanDesHauptfensters() {
    // a fixture list the main window reads is shown in the entry window too
    Begegnungen b;
    for (int m = 1; m <= 13; ++m)
        b[static_cast<std::size_t>(m - 1)] = begegnung(m, m == 2 ? "2 - 2 - 6" : "4-4-2");
    const QString plan = welt().spielplan(QStringLiteral("Spieltag 3.sp13"), b);
    dialoge().oeffnenAntwort({plan});
    klicke(haupt_->findChild<QAbstractButton*>(QStringLiteral("BOpen1")));
    auto* w = qobject_cast<TFEingabe*>(ui::fensterSuchen(QStringLiteral("FEingabe")));
    QVERIFY(!w->isVisible());
    QCOMPARE(zelle(w, 2, 2), QStringLiteral("Gast 2"));
    QCOMPARE(QString::fromStdString(w->raster().zelle(3, 2)), QStringLiteral("2 - 2 - 6"));
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte()[1], (TTendenzWert{2, 2, 6}));
    QCOMPARE(haupt_->kontext().zustand().tendenzWerte()[0], (TTendenzWert{4, 4, 2}));
    w = fenster();
    QCOMPARE(teil<QLabel>(w, "LDatei")->text(), QStringLiteral("Spieltag 3.sp13"));
    QVERIFY(teil<QPushButton>(w, "BVorschlag")->isEnabled());
    w->close();
}

void TstNormalschein::gitterVonHandGeaendert() {
    TFEingabe* w = fenster();
    auslesen(w, testdaten("spielplan_lf.txt"));
    auto* G1 = teil<QTableView>(w, "G1");
    // typing into a selected cell replaces its text; the number column is fixed
    G1->setCurrentIndex(G1->model()->index(1, 2));
    QTest::keyClick(G1, 'U');
    auto* editor = G1->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("nion"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(zelle(w, 2, 2), QStringLiteral("Union"));  // the view commits after the key
    QVERIFY(!(G1->model()->flags(G1->model()->index(1, 0)) & Qt::ItemIsEditable));
    // what the grid shows is what is saved
    const QString ziel = welt().ablage() + QStringLiteral("/Hand.sp13");
    dialoge().speichernAntwort(ziel);
    klicke(teil<QPushButton>(w, "BSave"));
    Begegnungen b;
    leseBegegnungen(ziel.toStdString(), b);
    QCOMPARE(QString::fromStdString(b[1].Gast), QStringLiteral("Union"));
    QCOMPARE(QString::fromStdString(b[1].Heim), QStringLiteral("1. FC Köln"));
    w->close();
}

void TstNormalschein::quelleAufrufen() {
    TestWebseiten web;
    TFEingabe* w = fenster();
    auto* EUrl = teil<QLineEdit>(w, "EUrl");
    auto* quelle = teil<QPushButton>(w, "bsSkinSpeedButton7");
    struct Fall {
        QString eurl;
        QString geoeffnet;
    };
    const Fall faelle[] = {
        {QString::fromUtf8(kSpielplanQuelle), QString::fromUtf8(kSpielplanQuelle)},
        {QStringLiteral("abc"), QString::fromUtf8(kSpielplanQuelle)},  // fewer than 6 characters
        {QStringLiteral("https://plan.example.net/spieltag?nr=3"),
         QStringLiteral("https://plan.example.net/spieltag?nr=3")},
    };
    for (const Fall& f : faelle) {
        EUrl->setText(f.eurl);
        klicke(quelle);
        QCOMPARE(web.geoeffnet.size(), 1);
        QCOMPARE(web.geoeffnet.takeFirst().toString(), f.geoeffnet);
    }
    // no connection: the message, nothing opened
    web.verbindung = false;
    klicke(quelle);
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
             QStringLiteral("Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen."));
    QVERIFY(web.geoeffnet.isEmpty());
    // a browser that cannot be started is said so, not passed over
    web.verbindung = true;
    web.browser = false;
    klicke(quelle);
    QVERIFY(dialoge().nimmMeldung(TestDialoge::Art::Fehler).contains(QStringLiteral("plan.example.net")));
    // the edited address: answer the question at closing with No
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    w->close();
    dialoge().nimmMeldung(TestDialoge::Art::FrageJaNein);
}

void TstNormalschein::einstellungenUndPosition() {
    // no settings file: centred, narrow, the start values
    QVERIFY(!QFile::exists(welt().einstellungsdatei()));
    TFEingabe* w = fenster();
    // narrow (centred by its real frame: tests/schreibtisch)
    QCOMPARE(w->size(), QSize(510, 466));
    QCOMPARE(w->einstellungen(), Eingabeeinstellungen{});
    QCOMPARE(teil<QLabel>(w, "l2")->text(), QStringLiteral("3"));
    QCOMPARE(teil<QLabel>(w, "L5")->text(), QStringLiteral("5"));
    QVERIFY(teil<QCheckBox>(w, "cbFilter")->isChecked());
    w->close();
    {
        const Einstellungen e(welt().einstellungsdatei().toStdString());
        for (const char* k : {"Heim", "Remis", "Gast", "nurHeim", "nurRemis", "nurGast", "FilterHeim",
                              "FilterRemis", "FilterGast", "Filter", "Reduz"})
            QVERIFY2(e.enthaeltSchluessel("Tipp", k), k);
        QCOMPARE(e.lese(einst::kTippFilterRemis), 5);
    }

    // values outside their range are not taken; a missing key gives its default
    QVERIFY(QFile::remove(welt().einstellungsdatei()));
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeZahl("Tipp", "Heim", 9);
        ini.schreibeZahl("Tipp", "Gast", 6);
        ini.schreibeBool("Tipp", "nurRemis", true);
        ini.schreibeZahl("Tipp", "FilterGast", 13);
        ini.schreibeBool("Tipp", "Filter", false);
        ini.schreibeZahl("Fenster", "Eingabe-Left", 120);
        ini.schreibeZahl("Fenster", "Eingabe-Top", -1000);
    }
    w = fenster();
    QCOMPARE(w->upDown(1)->position(), 2);
    QCOMPARE(teil<QLabel>(w, "l1")->text(), QStringLiteral("2"));
    QCOMPARE(w->upDown(3)->position(), 6);
    QCOMPARE(teil<QLabel>(w, "l3")->text(), QStringLiteral("6"));
    QVERIFY(teil<QCheckBox>(w, "cb2")->isChecked());
    QCOMPARE(w->upDown(5)->position(), 6);
    QCOMPARE(w->upDown(6)->position(), 13);
    QVERIFY(!teil<QCheckBox>(w, "cbFilter")->isChecked());
    // left as stored (the top centred: tests/schreibtisch)
    QCOMPARE(w->pos().x(), 120);
    w->move(200, 100);
    w->close();
    const Einstellungen e(welt().einstellungsdatei().toStdString());
    QCOMPARE(e.lese(einst::kTippHeim), 2);  // written back as the control shows it
    QCOMPARE(e.lese(einst::kTippGast), 6);
    QCOMPARE(e.lese(einst::kTippFilterRemis), 6);
    QCOMPARE(e.lese(einst::kEingabeLeft), 200);
    QCOMPARE(e.lese(einst::kEingabeTop), 100);
}

void TstNormalschein::urlFrage() {
    TFEingabe* w = fenster();
    auto* EUrl = teil<QLineEdit>(w, "EUrl");
    QVERIFY(!w->UrlGeaendert());
    const QString frage = QStringLiteral(
        "Die geänderte Url der Internetquelle wurde noch nicht gespeichert.\r\r"
        "Soll die Änderung gespeichert werden?");

    // Yes saves the address; the next showing takes it without counting it a change
    EUrl->selectAll();
    QTest::keyClicks(EUrl, QStringLiteral("https://erste.example.net/plan"));
    QVERIFY(w->UrlGeaendert());
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    w->close();
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageJaNein), frage);
    haupt_ = &starten();
    w = fenster();
    EUrl = teil<QLineEdit>(w, "EUrl");
    QCOMPARE(EUrl->text(), QStringLiteral("https://erste.example.net/plan"));
    QVERIFY(!w->UrlGeaendert());

    // No leaves the saved address; showing again fills it in again
    QTest::keyClicks(EUrl, QStringLiteral("/anders"));
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    w->close();
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageJaNein), frage);
    QCOMPARE(QString::fromStdString(
                 Einstellungen(welt().einstellungsdatei().toStdString()).lese(einst::kSpieltagVorschauUrl)),
             QStringLiteral("https://erste.example.net/plan"));
    w = fenster();
    QCOMPARE(EUrl->text(), QStringLiteral("https://erste.example.net/plan"));

    // the save button: no question afterwards
    QTest::keyClicks(EUrl, QStringLiteral("/zwei"));
    klicke(teil<QToolButton>(w, "BSaveUrl"));
    QVERIFY(!w->UrlGeaendert());
    w->close();
    QCOMPARE(QString::fromStdString(
                 Einstellungen(welt().einstellungsdatei().toStdString()).lese(einst::kSpieltagVorschauUrl)),
             QStringLiteral("https://erste.example.net/plan/zwei"));
}

void TstNormalschein::hilfeSeiten() {
    TFEingabe* w = fenster();
    w->resize(TFEingabe::kBreit, TFEingabe::kHoehe);
    struct Fall {
        const char* knopf;
        const char* seite;
        const char* text;
    };
    const Fall faelle[] = {
        {"bsSkinSpeedButton6", "spielplan.html", "Daten auslesen"},
        {"BInfo4", "spielplan.html", "Tendenz"},
        {"BInfo", "vorschlag.html", "nur"},
        {"bsSkinSpeedButton4", "csvupload.html", "1,0,2,1,1,0,2,2,1,0,0,1,2"},
    };
    for (const Fall& f : faelle) {
        klicke(teil<QAbstractButton>(w, f.knopf));
        auto* hilfe = ui::fensterSuchen(QStringLiteral("FHilfe"));
        QVERIFY(hilfe && hilfe->isVisible());
        auto* text = hilfe->findChild<QTextBrowser*>();
        QCOMPARE(ui::hilfeDateiAusUrl(text->source()), QString::fromLatin1(f.seite));
        QVERIFY2(text->toPlainText().contains(QString::fromUtf8(f.text)), f.knopf);
        hilfe->close();
    }
    w->close();
}

KV_GUI_TEST_MAIN(TstNormalschein)
#include "tst_normalschein.moc"
