// The print window as the user meets it: opened by the print command, its
// settings read on every showing and written when it closes, format files
// opened and saved through the dialogs, the calibration buttons, the key
// filters, the detail window, and the row table of a slip.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "print/Reihenansicht.h"
#include "print/Scheinformat.h"
#include "print/TFDetail.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFDruck;
using Art = TestDialoge::Art;

namespace {

TFDruck* druckfenster(ui::TFMain& w) {
    aktion(w, "Tippscheinedrucken1")->trigger();
    auto* d = qobject_cast<TFDruck*>(ui::fensterSuchen(QStringLiteral("FDruck")));
    if (!d) QTest::qFail("Drucken-Fenster fehlt", __FILE__, __LINE__);
    return d;
}

template <typename T>
T* kind(const QWidget* w, const QString& name) {
    T* k = w->findChild<T*>(name);
    if (!k) QTest::qFail(qPrintable(QStringLiteral("fehlt: ") + name), __FILE__, __LINE__);
    return k;
}

QString text(const QWidget* w, const char* name) {
    if (const auto* e = w->findChild<QLineEdit*>(QLatin1String(name))) return e->text();
    if (const auto* l = w->findChild<QLabel*>(QLatin1String(name))) return l->text();
    if (const auto* b = w->findChild<QAbstractButton*>(QLatin1String(name))) return b->text();
    QTest::qFail(name, __FILE__, __LINE__);
    return {};
}

bool haken(const QWidget* w, const char* name) {
    return kind<QAbstractButton>(w, QLatin1String(name))->isChecked();
}

// The field table `feld` (1..12) and its delete button.
QTableView* gxy(const QWidget* w, int feld) {
    return kind<QTableView>(kind<QWidget>(w, QStringLiteral("xyFeld%1").arg(feld)), QStringLiteral("Gxy"));
}

// Types into a field as the user does: click, select all, keys.
void tippe(QWidget* w, const char* name, const QString& tasten) {
    auto* e = kind<QLineEdit>(w, QLatin1String(name));
    e->setFocus();
    e->selectAll();
    if (tasten.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        QTest::keyClicks(e, tasten);
}

// Types into a table cell: the first key opens the cell's editor (with the
// cell's text selected), Enter ends it.
void tippeInZelle(QTableView* g, int zeile, int spalte, const QString& tasten) {
    g->setFocus();
    g->setCurrentIndex(g->model()->index(zeile, spalte));
    QTest::keyClicks(g, tasten.left(1));
    auto* e = g->findChild<QLineEdit*>(QStringLiteral("Zelleditor"));
    if (!e) {
        QTest::qFail("kein Zellen-Editor", __FILE__, __LINE__);
        return;
    }
    QTest::keyClicks(e, tasten.mid(1));
    QTest::keyClick(e, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits the editor's text queued
}

// The title of the page the help window shows.
QString hilfeSeite() {
    QWidget* hilfe = ui::fensterSuchen(QStringLiteral("FHilfe"));
    auto* inhalt = hilfe ? hilfe->findChild<QListWidget*>(QStringLiteral("hilfeInhalt")) : nullptr;
    return inhalt && inhalt->currentItem() ? inhalt->currentItem()->text() : QString();
}

TScheinFormat format(int felderProReihe, int anordnung) {
    TScheinFormat f;
    f.FelderProReihe = felderProReihe;
    f.Anordnung = anordnung;
    f.B = 80;
    f.C = 492;
    f.Hori = -3;
    f.Vert = 7;
    f.Nr = {1500, kUnbenutzt};
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b)
                f.kaestchen(feld, m, b) = {100 * feld + 40 * (b - 1), 300 + 41 * (m - 1)};
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j) f.zusatz(g, j) = {kUnbenutzt, kUnbenutzt};
    f.zusatz(3, 2) = {1700, 950};
    return f;
}

QString formatDatei(TestUmgebung& welt, const QString& name, const TScheinFormat& f) {
    const auto b = formatBytes(f);
    return welt.datei(name, std::string(b.begin(), b.end()));
}

}  // namespace

class TestDruckfenster : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void ersterStart();
    void kleinerBildschirm();
    void einstellungenBeimZeigenUndSchliessen();
    void formatOeffnenUndSpeichern();
    void ausfuellenRueckgaengigLoeschen();
    void tastenfilter_data();
    void tastenfilter();
    void detailfenster();
    void reihentabelleEinesVollsystems();
    void scheinbedarf_data();
    void scheinbedarf();
};

void TestDruckfenster::ersterStart() {
    ui::TFMain& w = starten();
    QAction* a = aktion(w, "Tippscheinedrucken1");
    QCOMPARE(a->text(), QStringLiteral("Tippschein(e) drucken..."));
    TFDruck* d = druckfenster(w);
    QVERIFY(d->isVisible());
    QCOMPARE(d->size(), QSize(1140, 674));
    QCOMPARE(d->windowTitle(), ui::titelMitVersion());
    // the built-in values of a first start
    QCOMPARE(text(d, "LAnz"), QStringLiteral("12"));
    QVERIFY(haken(d, "RG1einer"));
    QCOMPARE(text(d, "LReihen"), QStringLiteral("Reihe"));
    QCOMPARE(text(d, "eAbstandh"), QStringLiteral("76"));
    QCOMPARE(text(d, "eAbstandv"), QStringLiteral("480"));
    QVERIFY(haken(d, "cbFragen"));
    QVERIFY(!haken(d, "cbNr"));
    QCOMPARE(text(d, "ENr"), QStringLiteral("1"));
    QCOMPARE(text(d, "EStart"), QStringLiteral("1"));
    QCOMPARE(text(d, "EEnde"), QString());
    QCOMPARE(text(d, "Ehori"), QString());
    QCOMPARE(text(d, "LDatei"), QString());
    for (int f = 1; f <= 12; ++f) {
        QTableView* g = gxy(d, f);
        QCOMPARE(kopf(g, 0), QStringLiteral("Nr."));
        QCOMPARE(zelle(g, 0, 1), QString::number(200 * f));
        QCOMPARE(zelle(g, 0, 2), f == 1 ? QStringLiteral("200") : QString());
        QCOMPARE(zelle(g, 12, 0), QStringLiteral("13"));
        QCOMPARE(zelle(g, 12, 1), QString());
    }
    QVERIFY(!kind<QPushButton>(d, QStringLiteral("BUndo"))->isEnabled());
    QCOMPARE(text(d, "BUndo"), QStringLiteral("Ausfüllen rückgängig"));
    QVERIFY(!kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->isEnabled());
    QVERIFY(!kind<QPushButton>(d, QStringLiteral("BStop"))->isEnabled());
    QCOMPARE(text(d, "BAusdruck"), QStringLiteral("Drucken starten"));
    // the help button opens the page of printing (1130 here, not the program information)
    klicke(kind<QToolButton>(d, QStringLiteral("BHilfe")));
    QCOMPARE(hilfeSeite(), QStringLiteral("Tippscheine drucken"));
    klicke(kind<QToolButton>(d, QStringLiteral("BHilfeA")));
    QCOMPARE(hilfeSeite(), QStringLiteral("A-Werte und Kästchen-Positionen"));
    d->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), d);
    QTest::keyClick(d, Qt::Key_F1);
    QCOMPARE(hilfeSeite(), QStringLiteral("Tippscheine drucken"));
    // closing hides; the tool-bar button shows the same window again
    kind<QPushButton>(d, QStringLiteral("BSchliessen"))->click();
    QVERIFY(!d->isVisible());
    klicke(kind<QToolButton>(&w, QStringLiteral("BDruck")));
    QVERIFY(d->isVisible());
    QCOMPARE(qobject_cast<TFDruck*>(ui::fensterSuchen(QStringLiteral("FDruck"))), d);
}

// On a screen smaller than the windows their content scrolls: the windows
// shrink, the bars at the top and bottom stay, and the scroll bars reach
// every control of the content, the far right and bottom ones included.
void TestDruckfenster::kleinerBildschirm() {
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    kind<QPushButton>(d, QStringLiteral("BDetailZeigen"))->click();
    ui::TFDetail* det = d->detail();
    QVERIFY(det && det->isVisible());
    struct Fall {
        QWidget* fenster;
        QSize klein;
        QStringList bleiben;  // bars outside the scrolling content
        QStringList erreichbar;
    };
    const Fall faelle[] = {
        {d,
         QSize(1000, 520),
         {"BSchliessen", "Bsave", "BHilfe"},
         {"BAusdruck", "cbFragen", "EZus422", "BExtrahieren"}},
        {det, QSize(700, 400), {"BSchliessen"}, {"GDetail"}},
    };
    for (const Fall& f : faelle) {
        // at its own size the window shows its whole content
        auto* bereich = kind<QScrollArea>(f.fenster, QStringLiteral("PMitteRollbereich"));
        QCoreApplication::processEvents();
        QVERIFY2(!bereich->horizontalScrollBar()->isVisible() && !bereich->verticalScrollBar()->isVisible(),
                 qPrintable(f.fenster->objectName()));
        f.fenster->resize(f.klein);
        QTRY_COMPARE(f.fenster->size(), f.klein);
        for (const QString& name : f.bleiben) {
            auto* k = kind<QWidget>(f.fenster, name);
            const QRect r(k->mapTo(f.fenster, QPoint(0, 0)), k->size());
            QVERIFY2(f.fenster->rect().contains(r) && !bereich->isAncestorOf(k), qPrintable(name));
        }
        // the scroll bars reach the whole content, and these controls lie in it
        QWidget* inhalt = bereich->widget();
        QVERIFY(bereich->viewport()->width() < inhalt->width() ||
                bereich->viewport()->height() < inhalt->height());
        QCOMPARE(bereich->viewport()->width() + bereich->horizontalScrollBar()->maximum(), inhalt->width());
        QCOMPARE(bereich->viewport()->height() + bereich->verticalScrollBar()->maximum(), inhalt->height());
        for (const QString& name : f.erreichbar) {
            auto* k = kind<QWidget>(f.fenster, name);
            QVERIFY2(k->isVisibleTo(inhalt) &&
                         inhalt->rect().contains(QRect(k->mapTo(inhalt, QPoint(0, 0)), k->size())),
                     qPrintable(name));
        }
    }
}

void TestDruckfenster::einstellungenBeimZeigenUndSchliessen() {
    const QString fmt = formatDatei(welt(), QStringLiteral("fuenf.kvxdr"), format(5, 0));
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeText("Druck", "Formatdatei", fmt.toStdString());
        ini.schreibeZahl("Druck", "Reihen", 1);
        ini.schreibeBool("Druck", "ScheinNr", true);
        ini.schreibeBool("Druck", "Zusatz2", true);
        ini.schreibeBool("Druck", "Fragen", false);
    }
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    // the format is read, then Reihen wins over its arrangement "einer"
    QCOMPARE(text(d, "LDatei"), QStringLiteral("Geöffnet: fuenf.kvxdr"));
    QCOMPARE(text(d, "LAnz"), QStringLiteral("10"));
    QCOMPARE(text(d, "eAbstandh"), QStringLiteral("80"));
    QCOMPARE(text(d, "Ehori"), QStringLiteral("-3"));
    QCOMPARE(text(d, "ENrx"), QStringLiteral("1500"));
    QCOMPARE(text(d, "ENry"), QString());
    QCOMPARE(text(d, "EZus321"), QStringLiteral("1700"));
    QVERIFY(haken(d, "RG1zwei"));
    QCOMPARE(text(d, "LReihen"), QStringLiteral("Reihen"));
    QVERIFY(haken(d, "cbNr"));
    QVERIFY(haken(d, "cbZus2"));
    QVERIFY(!haken(d, "cbZus1"));
    QVERIFY(!haken(d, "cbFragen"));
    QCOMPARE(zelle(gxy(d, 10), 12, 1), QStringLiteral("1000"));
    QCOMPARE(zelle(gxy(d, 11), 0, 1), QStringLiteral("2200"));  // beyond the format's ten fields: kept

    // changed boxes are written when the window closes
    klicke(kind<QCheckBox>(d, QStringLiteral("cbNr")));
    klicke(kind<QCheckBox>(d, QStringLiteral("cbZus4")));
    klicke(kind<QRadioButton>(d, QStringLiteral("RG1einer")));
    tippe(d, "eAbstandh", QStringLiteral("99"));
    d->close();
    {
        const IniDatei ini(welt().einstellungsdatei().toStdString());
        QCOMPARE(ini.leseBool("Druck", "ScheinNr", true), false);
        QCOMPARE(ini.leseBool("Druck", "Zusatz4", false), true);
        QCOMPARE(ini.leseBool("Druck", "Zusatz2", false), true);
        QCOMPARE(ini.leseBool("Druck", "Fragen", true), false);
        QCOMPARE(ini.leseZahl("Druck", "Reihen", -1), 0);
    }
    // shown again: the unsaved B is asked about; discarded, settings and
    // format are read again
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    druckfenster(w);
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::FrageSpeichern)
                .endsWith(QStringLiteral("Änderungen speichern?")));
    QVERIFY(!haken(d, "cbNr"));
    QVERIFY(haken(d, "cbZus4"));
    QCOMPARE(text(d, "eAbstandh"), QStringLiteral("80"));
    d->close();

    // a remembered format that no longer exists: nothing is read, no message
    QFile::remove(fmt);
    IniDatei(welt().einstellungsdatei().toStdString()).schreibeZahl("Druck", "Reihen", 1);
    kind<QLineEdit>(d, QStringLiteral("eAbstandh"))->setText(QStringLiteral("77"));
    dialoge().frageAntwort(ui::Dialoge::Antwort::Abbrechen);  // the unsaved B is kept
    druckfenster(w);
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QCOMPARE(text(d, "eAbstandh"), QStringLiteral("77"));
    QVERIFY(haken(d, "RG1zwei"));
}

void TestDruckfenster::formatOeffnenUndSpeichern() {
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    const QString kurz = welt().datei(QStringLiteral("kurz.kvxdr"), std::string(100, '\0'));
    const QString gut = formatDatei(welt(), QStringLiteral("gut.kvxdr"), format(4, 1));

    // a file that is no format: refused, nothing changes, nothing remembered
    welt().dialoge().oeffnenAntwort({kurz});
    kind<QPushButton>(d, QStringLiteral("BOpen"))->click();
    const ui::Dateiauswahl a = welt().dialoge().dateiDialoge().last();
    QCOMPARE(a.titel, QStringLiteral("Schein-Format öffnen"));
    QCOMPARE(a.filter, QStringLiteral("Schein-Format|*.kvxdr"));
    QCOMPARE(a.ordner, welt().datenordner());
    QVERIFY(welt().dialoge().nimmMeldung(Art::Fehler).contains(QStringLiteral("kurz.kvxdr")));
    QCOMPARE(text(d, "eAbstandh"), QStringLiteral("76"));
    QCOMPARE(text(d, "LAnz"), QStringLiteral("12"));
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseText("Druck", "Formatdatei", "-"), "-");

    welt().dialoge().oeffnenAntwort({gut});
    kind<QPushButton>(d, QStringLiteral("BOpen"))->click();
    QCOMPARE(text(d, "LDatei"), QStringLiteral("Geöffnet: gut.kvxdr"));
    QCOMPARE(text(d, "LAnz"), QStringLiteral("8"));
    QVERIFY(haken(d, "RG1zwei"));
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseText("Druck", "Formatdatei", ""),
             gut.toStdString());

    // saved under a name without suffix: "kvxdr" is added; the remembered format stays
    const QString neu = welt().ablage() + QStringLiteral("neu");
    welt().dialoge().speichernAntwort(neu);
    tippe(d, "Evert", QStringLiteral("-12"));
    kind<QPushButton>(d, QStringLiteral("Bsave"))->click();
    QCOMPARE(welt().dialoge().dateiDialoge().last().titel, QStringLiteral("Schein-Format speichern"));
    QCOMPARE(text(d, "LDatei"), QStringLiteral("Gespeichert: neu.kvxdr"));
    const TScheinFormat gelesen = leseScheinformat((neu + QStringLiteral(".kvxdr")).toStdString());
    QCOMPARE(gelesen.Vert, -12);
    QCOMPARE(gelesen.FelderProReihe, 4);
    QCOMPARE(gelesen.kaestchen(8, 13, 3), (TPosition{800 + 80, 300 + 41 * 12}));  // B as the window shows it
    QCOMPARE(gelesen.kaestchen(9, 1, 1), format(4, 1).kaestchen(9, 1, 1));        // beyond the slip: kept
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseText("Druck", "Formatdatei", ""),
             gut.toStdString());

    // an emptied cell of the detail table: named, nothing written
    kind<QPushButton>(d, QStringLiteral("BAutoFill"))->click();
    kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->click();
    QVERIFY(d->detail()->isVisible());
    QAbstractItemModel* detail = d->detail()->GDetail()->model();
    // field 3, box "0", y of match 5 (table row 10, model row 9)
    QVERIFY(detail->setData(detail->index(9, 2 + 3 * 2 + 1), QString(), Qt::EditRole));
    const QString leer = welt().ablage() + QStringLiteral("leer.kvxdr");
    welt().dialoge().speichernAntwort(leer);
    kind<QPushButton>(d, QStringLiteral("Bsave"))->click();
    const QString m = welt().dialoge().nimmMeldung(Art::Fehler);
    QVERIFY2(m.contains(QStringLiteral("3. Tippfeld")) && m.contains(QStringLiteral("\"0\" von Spiel 5")),
             qPrintable(m));
    QVERIFY(!QFile::exists(leer));
    QCOMPARE(text(d, "LDatei"), QStringLiteral("Gespeichert: neu.kvxdr"));
}

void TestDruckfenster::ausfuellenRueckgaengigLoeschen() {
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    auto* fuellen = kind<QPushButton>(d, QStringLiteral("BAutoFill"));
    auto* undo = kind<QPushButton>(d, QStringLiteral("BUndo"));

    tippe(d, "eAbstandv", QString());
    fuellen->click();
    QVERIFY(welt()
                .dialoge()
                .nimmMeldung(Art::Information)
                .startsWith(QStringLiteral("Bitte geben Sie als C-Wert")));
    QCOMPARE(zelle(gxy(d, 1), 1, 2), QString());

    // C = 359: the question; Nein leaves everything, Ja fills with 359 / 12 = 30
    tippe(d, "eAbstandv", QStringLiteral("359"));
    welt().dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);

    fuellen->click();
    QVERIFY(welt()
                .dialoge()
                .nimmMeldung(Art::FrageJaNeinAbbrechen)
                .contains(QStringLiteral("ist zu 99 % falsch")));
    QCOMPARE(zelle(gxy(d, 1), 1, 2), QString());
    QVERIFY(!undo->isEnabled());
    welt().dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    fuellen->click();
    welt().dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
    for (int m = 1; m <= 13; ++m) {
        QCOMPARE(zelle(gxy(d, 1), m - 1, 2), QString::number(200 + 30 * (m - 1)));
        QCOMPARE(zelle(gxy(d, 4), m - 1, 1), QStringLiteral("800"));
    }
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Ausfüllen rückgängig"));
    QVERIFY(kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->isEnabled());
    undo->click();
    QCOMPARE(zelle(gxy(d, 1), 0, 2), QStringLiteral("200"));
    QCOMPARE(zelle(gxy(d, 1), 1, 2), QString());
    QCOMPARE(zelle(gxy(d, 4), 1, 1), QString());
    QVERIFY(!undo->isEnabled());

    // two rows with 6 per row: field 7 needs its y, asked with the question icon
    tippe(d, "eAbstandv", QStringLiteral("480"));
    klicke(kind<QRadioButton>(d, QStringLiteral("RG1zwei")));
    fuellen->click();
    QCOMPARE(welt().dialoge().nimmMeldung(Art::Hinweis),
             QStringLiteral("Für das automatische Ausfüllen benötige ich im Tippfeld 7 für Spiel 1 die "
                            "y-Koordinate.\r\rIch breche ab."));

    // deleting all tables, then one
    kind<QPushButton>(d, QStringLiteral("BDel"))->click();
    QCOMPARE(undo->text(), QStringLiteral("Löschen rückgängig"));
    QVERIFY(!kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->isEnabled());
    QCOMPARE(zelle(gxy(d, 5), 0, 1), QString());
    QCOMPARE(zelle(gxy(d, 5), 0, 0), QStringLiteral("1"));
    undo->click();
    QCOMPARE(zelle(gxy(d, 5), 0, 1), QStringLiteral("1000"));
    klicke(kind<QToolButton>(kind<QWidget>(d, QStringLiteral("xyFeld5")), QStringLiteral("BDel")));
    QCOMPARE(zelle(gxy(d, 5), 0, 1), QString());
    QCOMPARE(zelle(gxy(d, 6), 0, 1), QStringLiteral("1200"));
    QVERIFY(!undo->isEnabled());  // a single table is emptied without a snapshot
}

void TestDruckfenster::tastenfilter_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("B nur Ziffern, drei") << "eAbstandh"
                                         << "7a6-14"
                                         << "761";
    QTest::newRow("C") << "eAbstandv"
                       << "4 8,0"
                       << "480";
    QTest::newRow("Korrektur mit Minus an jeder Stelle") << "Ehori"
                                                         << "-1x2-"
                                                         << "-12-";
    QTest::newRow("Korrektur vier Zeichen") << "Evert"
                                            << "-12345"
                                            << "-123";
    QTest::newRow("Start-Nr.") << "ENr"
                               << "1-2.3"
                               << "123";
    QTest::newRow("Nummer x fünf Ziffern") << "ENrx"
                                           << "123456"
                                           << "12345";
    QTest::newRow("Zusatzspiel vier Ziffern") << "EZus422"
                                              << "98-765"
                                              << "9876";
    QTest::newRow("Ausdruck ab") << "EStart"
                                 << "+12"
                                 << "12";
    QTest::newRow("bis") << "EEnde"
                         << "1e3"
                         << "13";
}

void TestDruckfenster::tastenfilter() {
    QFETCH(QString, feld);
    QFETCH(QString, tasten);
    QFETCH(QString, ergebnis);
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    tippe(d, feld.toLatin1().constData(), tasten);
    QCOMPARE(text(d, feld.toLatin1().constData()), ergebnis);
    // pasted text is held to the same characters
    auto* e = kind<QLineEdit>(d, feld);
    e->selectAll();
    e->insert(QStringLiteral("4x"));
    QCOMPARE(e->text(), ergebnis);
}

void TestDruckfenster::detailfenster() {
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    ui::TFDetail* erstes = d->detail();
    QVERIFY(erstes && !erstes->isVisible());

    // ruler values: x 350 for field 1, then fill and extract
    tippeInZelle(gxy(d, 1), 0, 1, QStringLiteral("3x50"));
    QCOMPARE(zelle(gxy(d, 1), 0, 1), QStringLiteral("350"));
    kind<QPushButton>(d, QStringLiteral("BAutoFill"))->click();
    kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->click();
    QVERIFY(erstes->isVisible());
    QCOMPARE(erstes->size(), QSize(1190, 662));
    QCOMPARE(erstes->windowTitle(), QStringLiteral("Kalvendo 1.6.2.0"));
    QTableView* g = erstes->GDetail();
    QCOMPARE(g->model()->rowCount(), 26);
    QCOMPARE(g->model()->columnCount(), 38);
    QCOMPARE(kopf(g, 0), QStringLiteral("Spiel"));
    QCOMPARE(kopf(g, 4), QStringLiteral("  2"));  // two blanks before the tip, as the table is laid out
    QCOMPARE(zelle(g, 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(g, 0, 1), QStringLiteral("X"));
    QCOMPARE(zelle(g, 1, 1), QStringLiteral("Y"));
    QCOMPARE((QStringList{zelle(g, 0, 2), zelle(g, 0, 3), zelle(g, 0, 4)}),
             (QStringList{"350", "388", "426"}));
    QCOMPARE(zelle(g, 25, 37), QStringLiteral("680"));  // field 12, box "2", y of match 13

    // a hand correction survives saving, because the values were extracted
    tippeInZelle(g, 0, 3, QStringLiteral("3a90"));
    QCOMPARE(zelle(g, 0, 3), QStringLiteral("390"));
    const QString datei = welt().ablage() + QStringLiteral("hand.kvxdr");
    welt().dialoge().speichernAntwort(datei);
    kind<QPushButton>(d, QStringLiteral("Bsave"))->click();
    QCOMPARE(leseScheinformat(datei.toStdString()).kaestchen(1, 1, 2).x, 390);

    // "Alle A-Werte" empties the table; saving then computes it again
    kind<QPushButton>(erstes, QStringLiteral("BDel"))->click();
    QCOMPARE(zelle(g, 0, 2), QString());
    QCOMPARE(zelle(g, 25, 37), QString());
    welt().dialoge().speichernAntwort(datei);
    kind<QPushButton>(d, QStringLiteral("Bsave"))->click();
    QCOMPARE(leseScheinformat(datei.toStdString()).kaestchen(1, 1, 2).x, 388);

    // the print command again: a new, empty detail window
    kind<QPushButton>(d, QStringLiteral("BExtrahieren"))->click();
    tippeInZelle(erstes->GDetail(), 0, 3, QStringLiteral("391"));
    QVERIFY(d->isVisible());
    const QPointer<ui::TFDetail> altes(erstes);
    druckfenster(w);
    QTest::qWait(1);
    QVERIFY(altes.isNull());
    ui::TFDetail* zweites = d->detail();
    QVERIFY(zweites);
    QVERIFY(!zweites->isVisible());
    QCOMPARE(zelle(zweites->GDetail(), 0, 3), QString());
    welt().dialoge().speichernAntwort(datei);
    kind<QPushButton>(d, QStringLiteral("Bsave"))->click();
    QCOMPARE(leseScheinformat(datei.toStdString()).kaestchen(1, 1, 2).x, 388);
    // "Alle A-Werte anzeigen" shows it; its help is the page of the A-values
    kind<QPushButton>(d, QStringLiteral("BDetailZeigen"))->click();
    QVERIFY(zweites->isVisible());
    // the print window's help first, so each step below must change the page
    klicke(kind<QToolButton>(d, QStringLiteral("BHilfe")));
    QCOMPARE(hilfeSeite(), QStringLiteral("Tippscheine drucken"));
    zweites->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), zweites);
    QTest::keyClick(zweites, Qt::Key_F1);
    QCOMPARE(hilfeSeite(), QStringLiteral("A-Werte und Kästchen-Positionen"));
    klicke(kind<QToolButton>(d, QStringLiteral("BHilfe")));
    QCOMPARE(hilfeSeite(), QStringLiteral("Tippscheine drucken"));
    klicke(kind<QToolButton>(zweites, QStringLiteral("BHilfe")));
    QCOMPARE(hilfeSeite(), QStringLiteral("A-Werte und Kästchen-Positionen"));
    QCOMPARE(zelle(zweites->GDetail(), 0, 3), QStringLiteral("388"));
}

void TestDruckfenster::reihentabelleEinesVollsystems() {
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    const QString voll = welt().schein(QStringLiteral("voll.kv13"), {reihe("1111111111111"), vollsystem()});
    welt().dialoge().oeffnenAntwort(
        {voll, welt().schein(QStringLiteral("anderer.kv13"), {reihe("2222222222222")})});
    kind<QPushButton>(d, QStringLiteral("BOpen2"))->click();
    const ui::Dateiauswahl a = welt().dialoge().dateiDialoge().last();
    QCOMPARE(a.titel, QStringLiteral("Spielschein-Datei einlesen"));
    QCOMPARE(a.filter, QStringLiteral("Spielschein|*.kv13"));
    QCOMPARE(text(d, "LDatei2"), QStringLiteral("voll.kv13"));
    QCOMPARE(text(d, "EStart"), QStringLiteral("1"));
    QCOMPARE(text(d, "EEnde"), QStringLiteral("1594324"));
    QCOMPARE(text(d, "LAnzTs"), QStringLiteral("132861"));
    QCOMPARE(text(d, "BAusdruck"), QStringLiteral("Scheine ausdrucken"));

    auto* ansicht = kind<ui::Reihenansicht>(d, QStringLiteral("PReihen"));
    QTableView* g = ansicht->tabelle();
    QCOMPARE(kopf(g, 0), QStringLiteral("Tippreihe"));
    QCOMPARE(kopf(g, 13), QStringLiteral("13"));
    // the view holds only the rows in sight
    QVERIFY2(g->model()->rowCount() <= ansicht->sichtbareZeilen() + 1,
             qPrintable(QString::number(g->model()->rowCount())));
    QVERIFY(ansicht->sichtbareZeilen() >= 15);
    auto reihe = [&](int r) {
        QString s;
        for (int c = 1; c <= 13; ++c) s += zelle(g, r, c);
        return zelle(g, r, 0) + QLatin1Char(':') + s;
    };
    QCOMPARE(reihe(0), QStringLiteral("1:1111111111111"));
    QCOMPARE(reihe(1), QStringLiteral("2:1111111111111"));  // the full system's first row
    QCOMPARE(reihe(2), QStringLiteral("3:1111111111110"));
    // scrolled to the end with the scroll bar
    ansicht->rollbalken()->setValue(ansicht->rollbalken()->maximum());
    const int letzte = ansicht->sichtbareZeilen() - 1;
    QCOMPARE(reihe(letzte), QStringLiteral("1594324:2222222222222"));
    QCOMPARE(zelle(g, letzte + 1, 0), QString());
    // the wheel scrolls three rows a notch
    ansicht->rollbalken()->setValue(0);
    QWheelEvent rad(QPointF(20, 20), g->viewport()->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g->viewport(), &rad);
    QCOMPARE(zelle(g, 0, 0), QStringLiteral("4"));

    // an empty slip file: an empty table, EEnde 0, nothing to print
    d->FileForPrint(welt().datei(QStringLiteral("leer.kv13"), {}));
    QCOMPARE(text(d, "EEnde"), QStringLiteral("0"));
    QCOMPARE(g->model()->rowCount(), 0);
    QCOMPARE(text(d, "LDatei2"), QStringLiteral("leer.kv13"));
    kind<QPushButton>(d, QStringLiteral("BAusdruck"))->click();
    QCOMPARE(welt().dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Es gibt nichts zu drucken, ich breche ab."));

    // the program ends with the window shown and a slip loaded
    d->FileForPrint(voll);
    QVERIFY(d->isVisible());
    QVERIFY(welt().beenden());
}

void TestDruckfenster::scheinbedarf_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("ende");
    QTest::addColumn<int>("klicksRunter");  // on Up1 from 6 fields per row
    QTest::addColumn<QString>("scheine");
    QTest::addColumn<QString>("knopf");
    // the fields are typed start first, then end; every change recomputes
    QTest::newRow("25 Reihen, 12 pro Schein") << "1"
                                              << "25" << 0 << "3"
                                              << "Scheine ausdrucken";
    QTest::newRow("1 bis 12") << "1"
                              << "12" << 0 << "1"
                              << "Schein ausdrucken";
    QTest::newRow("13 bis 20 zu 8") << "13"
                                    << "20" << 2 << "1"
                                    << "Schein ausdrucken";
    QTest::newRow("1 bis 25 zu 10") << "1"
                                    << "25" << 1 << "3"
                                    << "Scheine ausdrucken";
    QTest::newRow("Start 0 zählt als 1") << "0"
                                         << "24" << 0 << "2"
                                         << "Scheine ausdrucken";
    // an empty field or an end before the start changes nothing: the values of the file stay
    QTest::newRow("Ende leer") << "1"
                               << "" << 0 << "3"
                               << "Scheine ausdrucken";
    QTest::newRow("Ende vor Start") << "9"
                                    << "3" << 0 << "2"
                                    << "Scheine ausdrucken";
}

void TestDruckfenster::scheinbedarf() {
    QFETCH(QString, start);
    QFETCH(QString, ende);
    QFETCH(int, klicksRunter);
    QFETCH(QString, scheine);
    QFETCH(QString, knopf);
    ui::TFMain& w = starten();
    TFDruck* d = druckfenster(w);
    std::vector<TScheinOffen> felder(25, reihe("1021021021021"));
    d->FileForPrint(welt().schein(QStringLiteral("25.kv13"), felder));
    QCOMPARE(text(d, "LAnzTs"), QStringLiteral("3"));
    for (int i = 0; i < klicksRunter; ++i) klicke(kind<ui::UpDown>(d, QStringLiteral("Up1"))->knopfRunter());
    tippe(d, "EStart", start);
    tippe(d, "EEnde", ende);
    QCOMPARE(text(d, "LAnz"), QString::number(2 * (6 - klicksRunter)));
    QCOMPARE(text(d, "LAnzTs"), scheine);
    QCOMPARE(text(d, "BAusdruck"), knopf);
}

KV_GUI_TEST_MAIN(TestDruckfenster)
#include "tst_druckfenster.moc"
