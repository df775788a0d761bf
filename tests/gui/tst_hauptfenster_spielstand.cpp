// The score entry: goals typed with the up-downs, finished toggles, "Alles",
// "Alles auf Anfang", the score files and the direct entry of the winning
// row, each checked on the winning row, the colours of the left slip and the
// evaluation.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <sys/stat.h>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Farben.h"
#include "common/Gitter.h"
#include "common/UpDown.h"
#include "main/Spielstandsicherung.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFMain;

namespace {
const QColor starkGruen(94, 255, 94), hellGruen(206, 255, 206), starkRot(255, 91, 91), hellRot(255, 185, 185),
    gelb(255, 255, 0), bernstein(245, 199, 10);

// Field 1 tips "1" everywhere, field 2 "0" everywhere, field 3 "1" and "2" on match 5.
QString linkerSchein(TestUmgebung& welt) {
    return welt.schein(QStringLiteral("Links.kv13"),
                       {reihe("1111111111111"), reihe("0000000000000"),
                        system({"1", "1", "1", "1", "12", "1", "1", "1", "1", "1", "1", "1", "1"})});
}

TFMain& mitSchein(TestUmgebung& welt) {
    TFMain& w = welt.starten();
    const QString fn = linkerSchein(welt);
    if (!w.DateiEinlesen(fn)) QTest::qFail("Schein nicht geöffnet", __FILE__, __LINE__);
    return w;
}

// How long a test waits for the save delay to pass on a busy machine: far
// beyond the delay itself.
constexpr int kReichlich = 30000;

QByteArray lies(const QString& fn) {
    QFile f(fn);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class TestSpielstand : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void toreUndTendenzen();
    void beendetUmschalten();
    void allesZweimal();
    void allesAufAnfang();
    void trefferbildOhneSchein();
    void spielstandDateien();
    void spielstandDateiMitZuGrossenToren();
    void laufendGesichert();
    void pfeilGehaltenUndTasten();
    void tastatur();
    void klickAufDieTore();
    void haekchenSofortGemerkt();
    void direkteEingabe();
    void direkteEingabeOhneSchein();
    void gewinnzahlenFenster();
};

void TestSpielstand::toreUndTendenzen() {
    TFMain& w = mitSchein(welt());
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000000000000"));
    QCOMPARE(w.Tippfeld(1)->LNr()->text(), QStringLiteral("Feld 1"));
    QCOMPARE(farbe(w.Ausgang(1, 4, 1)), gelb);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), hellRot);
    QCOMPARE(farbe(w.Ausgang(1, 4, 3)), ui::neutral());
    QCOMPARE(farbe(w.Ausgang(2, 4, 2)), hellGruen);
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 0), QStringLiteral("1"));  // 13 draws: class I

    tore(w, 4, 2, 1);
    QCOMPARE(w.frSpiel(4)->PHeim()->text(), QStringLiteral("2"));
    QCOMPARE(w.frSpiel(4)->PGast()->text(), QStringLiteral("1"));
    QCOMPARE(w.zustand().spielstand(4), (TSpielstand{2, 1, 0}));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0001000000000"));
    QCOMPARE(farbe(w.Ausgang(1, 4, 1)), hellGruen);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), ui::neutral());
    QCOMPARE(farbe(w.Ausgang(2, 4, 1)), hellRot);
    QCOMPARE(farbe(w.Ausgang(2, 4, 2)), gelb);
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 0), QStringLiteral("0"));
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 1), QStringLiteral("1"));

    // 2:1 -> 2:2 turns "1" into "0" and recolours only match 4
    tore(w, 4, 2, 2);
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000000000000"));
    QCOMPARE(farbe(w.Ausgang(1, 4, 1)), gelb);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), hellRot);
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 0), QStringLiteral("1"));

    tore(w, 6, 0, 3);
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000020000000"));
    QCOMPARE(farbe(w.Ausgang(3, 6, 3)), hellRot);
    // field 3 has two rows; with match 5 at 1:0 its row with "1" there gains a hit
    tore(w, 5, 1, 0);
    QCOMPARE(farbe(w.Ausgang(3, 5, 1)), hellGruen);
    QCOMPARE(farbe(w.Ausgang(3, 5, 3)), gelb);
    QCOMPARE(w.Tippfeld(3)->LTipps()->text(), QStringLiteral("2 Tippreihen"));

    // the up-downs stop at 0 and 12
    tore(w, 9, 0, 12);
    klicke(w.frSpiel(9)->Up2()->knopfHoch());
    klicke(w.frSpiel(9)->Up1()->knopfRunter());
    QCOMPARE(w.zustand().spielstand(9), (TSpielstand{0, 12, 0}));
    QCOMPARE(w.frSpiel(9)->PGast()->text(), QStringLiteral("12"));
}

void TestSpielstand::beendetUmschalten() {
    TFMain& w = mitSchein(welt());
    beenden(w, 4);
    QVERIFY(!w.frSpiel(4)->Pups()->isVisible());
    QCOMPARE(w.frSpiel(4)->BRun()->property("bild").toInt(), 1);
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{1u << 3});
    QCOMPARE(farbe(w.Ausgang(2, 4, 2)), starkGruen);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), starkRot);
    QCOMPARE(farbe(w.Ausgang(1, 5, 2)), hellRot);  // other matches still run
    beenden(w, 4);
    QVERIFY(w.frSpiel(4)->Pups()->isVisible());
    QCOMPARE(w.frSpiel(4)->BRun()->property("bild").toInt(), 0);
    QCOMPARE(farbe(w.Ausgang(2, 4, 2)), hellGruen);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), hellRot);
}

void TestSpielstand::allesZweimal() {
    TFMain& w = mitSchein(welt());
    QCOMPARE(w.BAlles()->property("bild").toInt(), 1);
    klicke(w.BAlles());
    QCOMPARE(w.BAlles()->property("bild").toInt(), 0);
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{0x1FFF});
    for (int m = 1; m <= 13; ++m) {
        QVERIFY(!w.frSpiel(m)->Pups()->isVisible());
        QCOMPARE(w.zustand().spielstand(m).Beendet, std::uint8_t{1});
        QCOMPARE(farbe(w.Ausgang(1, m, 2)), starkRot);
        QCOMPARE(farbe(w.Ausgang(2, m, 2)), starkGruen);
    }
    klicke(w.BAlles());
    QCOMPARE(w.BAlles()->property("bild").toInt(), 1);
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{0});
    for (int m = 1; m <= 13; ++m) {
        QVERIFY(w.frSpiel(m)->Pups()->isVisible());
        QCOMPARE(farbe(w.Ausgang(2, m, 2)), hellGruen);
    }
    // every match final one by one, or from a score file: "Alles" shows so too
    for (int m = 1; m <= 13; ++m) beenden(w, m);
    QCOMPARE(w.BAlles()->property("bild").toInt(), 0);
    beenden(w, 5);
    QCOMPARE(w.BAlles()->property("bild").toInt(), 1);
    std::string alle;
    for (int m = 1; m <= 13; ++m) alle += std::string("\x01\x00\x01", 3);
    dialoge().oeffnenAntwort({welt().datei(QStringLiteral("Alle.spst"), alle)});
    aktion(w, "Spielsystemauswhlen1")->trigger();
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{0x1FFF});
    QCOMPARE(w.BAlles()->property("bild").toInt(), 0);
}

void TestSpielstand::allesAufAnfang() {
    TFMain& w = mitSchein(welt());
    tore(w, 1, 3, 0);
    tore(w, 2, 0, 1);
    beenden(w, 2);
    klicke(w.BAlles());
    QCOMPARE(gewinnreihe(w), QStringLiteral("1200000000000"));
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BNull")));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000000000000"));
    QVERIFY(!w.zustand().alleBeendet());
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{0});
    QCOMPARE(w.BAlles()->property("bild").toInt(), 1);
    for (int m = 1; m <= 13; ++m) {
        QCOMPARE(w.zustand().spielstand(m), (TSpielstand{0, 0, 0}));
        QCOMPARE(w.frSpiel(m)->PHeim()->text(), QStringLiteral("0"));
        QVERIFY(w.frSpiel(m)->Pups()->isVisible());
        QCOMPARE(farbe(w.Ausgang(1, m, 2)), hellRot);
        QCOMPARE(farbe(w.Ausgang(2, m, 2)), hellGruen);
    }
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 0), QStringLiteral("1"));
    QCOMPARE(zelle(w.Tippfeld(1)->G1(), 0, 0), QStringLiteral("0"));
}

void TestSpielstand::trefferbildOhneSchein() {
    TFMain& w = starten();
    tore(w, 1, 1, 0);
    tore(w, 13, 0, 2);
    QCOMPARE(gewinnreihe(w), QStringLiteral("1000000000002"));
    QCOMPARE(farbe(w.Ausgang(1, 1, 1)), bernstein);
    QCOMPARE(farbe(w.Ausgang(1, 1, 2)), ui::neutral());
    QCOMPARE(farbe(w.Ausgang(1, 13, 3)), bernstein);
    QCOMPARE(farbe(w.Ausgang(1, 2, 2)), bernstein);
    QCOMPARE(farbe(w.Ausgang(2, 1, 1)), ui::neutral());
    QCOMPARE(w.zustand().scheinAnzahl(), 0);
}

void TestSpielstand::spielstandDateien() {
    TFMain& w = mitSchein(welt());
    tore(w, 1, 2, 1);
    tore(w, 7, 1, 1);
    beenden(w, 7);
    const QString gesondert = welt().ablage() + QStringLiteral("Samstag");
    dialoge().speichernAntwort(gesondert);
    aktion(w, "Spielstndegesondertspeichern1")->trigger();
    QCOMPARE(dialoge().dateiDialoge().last().titel, QStringLiteral("Spielstände gesondert speichern"));
    QCOMPARE(dialoge().dateiDialoge().last().filter, QStringLiteral("Spielstände|*.spst"));
    const QByteArray bytes = lies(gesondert + QStringLiteral(".spst"));
    QCOMPARE(bytes.size(), 39);
    QCOMPARE(bytes.mid(0, 3), QByteArray("\x02\x01\x00", 3));
    QCOMPARE(bytes.mid(18, 3), QByteArray("\x01\x01\x01", 3));

    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BNull")));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000000000000"));
    dialoge().oeffnenAntwort({gesondert + QStringLiteral(".spst")});
    aktion(w, "Spielsystemauswhlen1")->trigger();
    QCOMPARE(dialoge().dateiDialoge().last().titel,
             QStringLiteral("Gesondert gespeicherte Spielstände öffnen"));
    QCOMPARE(gewinnreihe(w), QStringLiteral("1000000000000"));
    QCOMPARE(w.frSpiel(1)->PHeim()->text(), QStringLiteral("2"));
    QVERIFY(!w.frSpiel(7)->Pups()->isVisible());
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{1u << 6});
    QCOMPARE(farbe(w.Ausgang(2, 7, 2)), starkGruen);
    QCOMPARE(zelle(w.Tippfeld(1)->G1(), 0, 0), QStringLiteral("0"));

    // five records change matches 1 to 5 only
    const QString fuenf =
        welt().datei(QStringLiteral("Fuenf.spst"), std::string("\x00\x03\x00\x00\x00\x00\x00\x00\x00"
                                                               "\x00\x00\x00\x04\x00\x01",
                                                               15));
    dialoge().oeffnenAntwort({fuenf});
    aktion(w, "Spielsystemauswhlen1")->trigger();
    QCOMPARE(gewinnreihe(w), QStringLiteral("2000100000000"));
    QCOMPARE(w.zustand().beendeteSpiele(), std::uint16_t{(1u << 4) | (1u << 6)});
    QCOMPARE(w.frSpiel(7)->PHeim()->text(), QStringLiteral("1"));

    // the automatic file: missing, then written by closing and read again
    aktion(w, "AutomatischgespeicherteSpielstndeeinlesen1")->trigger();
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::Information),
        QStringLiteral("Die Datei Spielstaende.spst, in der die Spielstände automatisch gespeichert werden, "
                       "wurde im Pfad ") +
            welt().datenordner() + QStringLiteral(" nicht gefunden."));
    TFMain& w2 = starten();
    QCOMPARE(gewinnreihe(w2), QStringLiteral("2000100000000"));
    klicke(w2.findChild<QAbstractButton*>(QStringLiteral("BNull")));
    aktion(w2, "AutomatischgespeicherteSpielstndeeinlesen1")->trigger();
    QCOMPARE(gewinnreihe(w2), QStringLiteral("2000100000000"));
    QCOMPARE(w2.frSpiel(5)->PHeim()->text(), QStringLiteral("4"));
}

// Scores, finished flags and "Alles" reach the disk while the program runs,
// shortly after each change; changes in quick succession are written together.
void TestSpielstand::laufendGesichert() {
    TFMain& w = mitSchein(welt());
    const QString datei = welt().spielstanddatei();
    const auto stand = [&] {
        QByteArray b;
        for (const TSpielstand& s : w.zustand().spielstaende())
            b.append(char(s.Heim)).append(char(s.Gast)).append(char(s.Beendet));
        return b;
    };
    // every write puts a new file in place of the old one
    const auto fassung = [&] {
        struct stat st {};
        return ::stat(QFile::encodeName(datei).constData(), &st) == 0 ? st.st_ino : ino_t{0};
    };
    QVERIFY(!QFile::exists(datei));

    // changes one right after the other wait for the save delay together:
    // nothing is on disk at once, then one write holds them all
    for (int i = 0; i < 6; ++i)
        klicke(i % 2 ? w.frSpiel(3)->Up2()->knopfHoch() : w.frSpiel(3)->Up1()->knopfHoch());
    QVERIFY(w.sicherung()->wartet());
    QVERIFY(!QFile::exists(datei));
    QTRY_COMPARE_WITH_TIMEOUT(lies(datei), stand(), kReichlich);
    QCOMPARE(lies(datei).mid(6, 3), QByteArray("\x03\x03\x00", 3));
    QVERIFY(!w.sicherung()->wartet());

    // an arrow held down: the changes go on, and the first of them is on
    // disk while they still do, not only once they stop
    const ino_t erste = fassung();
    int schritte = 0;
    for (; fassung() == erste && schritte < 400; ++schritte) {
        klicke(schritte % 2 ? w.frSpiel(3)->Up1()->knopfRunter() : w.frSpiel(3)->Up1()->knopfHoch());
        QTest::qWait(25);
    }
    QVERIFY2(fassung() != erste, qPrintable(QStringLiteral("%1 Schritte ohne Sicherung").arg(schritte)));
    if (schritte % 2) klicke(w.frSpiel(3)->Up1()->knopfRunter());
    QCOMPARE(w.zustand().spielstand(3), (TSpielstand{3, 3, 0}));
    QTRY_COMPARE_WITH_TIMEOUT(lies(datei), stand(), kReichlich);

    beenden(w, 3);
    QTRY_COMPARE_WITH_TIMEOUT(lies(datei), stand(), kReichlich);
    QCOMPARE(lies(datei).mid(6, 3), QByteArray("\x03\x03\x01", 3));

    klicke(w.BAlles());
    QTRY_COMPARE_WITH_TIMEOUT(lies(datei), stand(), kReichlich);
    QTRY_VERIFY_WITH_TIMEOUT(
        IniDatei(welt().einstellungsdatei().toStdString()).leseBool("Spieltag", "Ende", false), kReichlich);
}

// An arrow button held down counts on, one goal per repeat, up to 12, and
// stops when it is let go; each step is shown and evaluated. The keys the
// help names: arrows (held: repeated key presses), + and - (also on the
// keypad) one goal more or less, Pos1 back to 0.
void TestSpielstand::pfeilGehaltenUndTasten() {
    TFMain& w = mitSchein(welt());
    ui::UpDown* heim = w.frSpiel(5)->Up1();
    QTest::mousePress(heim->knopfHoch(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(w.zustand().spielstand(5).Heim >= 3, kReichlich);
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000100000000"));
    // field 3 tips "1" and "2" on match 5: its "1" row gains the hit
    QCOMPARE(farbe(w.Ausgang(3, 5, 1)), hellGruen);
    QTRY_COMPARE_WITH_TIMEOUT(w.zustand().spielstand(5).Heim, std::uint8_t{12}, kReichlich);
    QCOMPARE(w.frSpiel(5)->PHeim()->text(), QStringLiteral("12"));
    // held on at the top it stays there
    const int repeats = heim->knopfHoch()->autoRepeatInterval();
    QTest::qWait(4 * repeats);
    QTest::mouseRelease(heim->knopfHoch(), Qt::LeftButton);
    QCOMPARE(w.zustand().spielstand(5).Heim, std::uint8_t{12});

    QTest::mousePress(heim->knopfRunter(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(w.zustand().spielstand(5).Heim <= 9, kReichlich);
    QTest::mouseRelease(heim->knopfRunter(), Qt::LeftButton);
    const std::uint8_t losgelassen = w.zustand().spielstand(5).Heim;
    QVERIFY(losgelassen > 0);
    QCOMPARE(w.frSpiel(5)->PHeim()->text(), QString::number(losgelassen));
    // let go, it counts no more
    QTest::qWait(heim->knopfRunter()->autoRepeatDelay() + 4 * repeats);
    QCOMPARE(w.zustand().spielstand(5).Heim, losgelassen);

    // a key held down: the first press and the repeats each count one goal
    ui::UpDown* gast = w.frSpiel(5)->Up2();
    gast->setFocus();
    for (int i = 0; i < 15; ++i) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(gast, &druck);
        if (i == 1) QCOMPARE(w.zustand().spielstand(5).Gast, std::uint8_t{2});
    }
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(gast, &los);
    QCOMPARE(w.zustand().spielstand(5).Gast, std::uint8_t{12});
    QCOMPARE(w.frSpiel(5)->PGast()->text(), QStringLiteral("12"));

    struct Taste {
        Qt::Key taste;
        Qt::KeyboardModifiers zusatz;
        int vorher, nachher;
    };
    const Taste tasten[] = {
        {Qt::Key_Plus, Qt::NoModifier, 3, 4},      {Qt::Key_Plus, Qt::KeypadModifier, 3, 4},
        {Qt::Key_Minus, Qt::NoModifier, 3, 2},     {Qt::Key_Minus, Qt::KeypadModifier, 3, 2},
        {Qt::Key_Home, Qt::NoModifier, 7, 0},      {Qt::Key_Plus, Qt::NoModifier, 12, 12},
        {Qt::Key_Minus, Qt::KeypadModifier, 0, 0}, {Qt::Key_Home, Qt::NoModifier, 0, 0},
    };
    heim->setFocus();
    for (const Taste& t : tasten) {
        const QString fall = QStringLiteral("Taste %1 bei %2").arg(t.taste, 0, 16).arg(t.vorher);
        QVERIFY(heim->setzePosition(t.vorher));
        QTest::keyClick(heim, t.taste, t.zusatz);
        QVERIFY2(w.zustand().spielstand(5).Heim == t.nachher, qPrintable(fall));
        QVERIFY2(w.frSpiel(5)->PHeim()->text() == QString::number(t.nachher), qPrintable(fall));
        // the away side has 12: a draw only at 12, else "2"
        QVERIFY2(gewinnreihe(w).at(4) == (t.nachher == 12 ? QLatin1Char('0') : QLatin1Char('2')),
                 qPrintable(fall + QStringLiteral(": ") + gewinnreihe(w)));
    }
}

// Goals and finished flags with the keyboard alone: Tab goes from the
// finished flag to the home and the away goals and on to the next match;
// arrows and digits change a goal, Space a finished flag, and each runs the
// evaluation. The winning-row window's buttons are reached with Tab as well.
void TestSpielstand::tastatur() {
    TFMain& w = mitSchein(welt());
    QVERIFY(aktivieren(&w));
    w.frSpiel(1)->BRun()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w.frSpiel(1)->BRun());
    const QList<QWidget*> reihenfolge = {w.frSpiel(1)->Up1(), w.frSpiel(1)->Up2(), w.frSpiel(2)->BRun(),
                                         w.frSpiel(2)->Up1()};
    for (QWidget* naechstes : reihenfolge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), naechstes);
    }

    // match 4, away goals: two steps up, the away side leads
    ui::UpDown* gast = w.frSpiel(4)->Up2();
    gast->setFocus();
    QTest::keyClick(gast, Qt::Key_Right);
    QTest::keyClick(gast, Qt::Key_Up);
    QCOMPARE(w.zustand().spielstand(4), (TSpielstand{0, 2, 0}));
    QCOMPARE(w.frSpiel(4)->PGast()->text(), QStringLiteral("2"));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0002000000000"));
    QCOMPARE(zelle(w.Tippfeld(2)->G1(), 0, 1), QStringLiteral("1"));  // the draws field: 12 hits now
    QTest::keyClick(gast, Qt::Key_Left);
    QCOMPARE(w.zustand().spielstand(4).Gast, std::uint8_t{1});
    // digits: one, or two typed quickly; none beyond the maximum
    ui::UpDown* heim = w.frSpiel(4)->Up1();
    heim->setFocus();
    QTest::keyClick(heim, Qt::Key_3);
    QCOMPARE(w.zustand().spielstand(4), (TSpielstand{3, 1, 0}));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0001000000000"));
    QTest::keyClick(heim, Qt::Key_1);
    QTest::keyClick(heim, Qt::Key_2);
    QCOMPARE(w.zustand().spielstand(4).Heim, std::uint8_t{12});
    QTest::keyClick(heim, Qt::Key_Right);
    QCOMPARE(w.zustand().spielstand(4).Heim, std::uint8_t{12});
    QTest::keyClick(heim, Qt::Key_0);
    QCOMPARE(w.zustand().spielstand(4), (TSpielstand{0, 1, 0}));
    // Space on the finished flag
    w.frSpiel(4)->BRun()->setFocus();
    QTest::keyClick(w.frSpiel(4)->BRun(), Qt::Key_Space);
    QVERIFY(w.zustand().istBeendet(4));
    QCOMPARE(farbe(w.Ausgang(1, 4, 3)), starkRot);

    w.BGZdirektClick();
    ui::TFGZEingabe* gz = w.gzEingabe();
    QVERIFY(aktivieren(gz));
    gz->BGZ(1, 1)->setFocus();
    QTest::keyClick(gz->BGZ(1, 1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), gz->BGZ(1, 2));
    QTest::keyClick(gz->BGZ(1, 2), Qt::Key_Space);
    QVERIFY(gz->BGZ(1, 2)->property("gewaehlt").toBool());
}

// As a user tries it: a click on a goal's number or on its arrows gives that
// goal the keyboard focus, its frame shows, and a digit typed next (sent to
// the window as the keyboard sends it) sets the goal. A final match's number
// takes no focus: its goals cannot be changed.
void TestSpielstand::klickAufDieTore() {
    TFMain& w = mitSchein(welt());
    QVERIFY(aktivieren(&w));
    struct Fall {
        const char* was;
        QWidget* klick;
        ui::UpDown* up;
        Qt::Key ziffer;
        TSpielstand danach;
        int spiel;
    };
    const Fall faelle[] = {
        {"Heimtore von Spiel 2", w.frSpiel(2)->PHeim(), w.frSpiel(2)->Up1(), Qt::Key_3, {3, 0, 0}, 2},
        {"Gasttore von Spiel 3", w.frSpiel(3)->PGast(), w.frSpiel(3)->Up2(), Qt::Key_4, {0, 4, 0}, 3},
        {"Pfeil hoch von Spiel 5",
         w.frSpiel(5)->Up2()->knopfHoch(),
         w.frSpiel(5)->Up2(),
         Qt::Key_7,
         {0, 7, 0},
         5},
        {"Pfeil runter von Spiel 6",
         w.frSpiel(6)->Up1()->knopfRunter(),
         w.frSpiel(6)->Up1(),
         Qt::Key_2,
         {2, 0, 0},
         6},
    };
    for (const Fall& f : faelle) {
        QTest::mouseClick(f.klick, Qt::LeftButton);
        QVERIFY2(f.up->hasFocus(), f.was);
        // the focus frame around both arrows
        QCOMPARE(f.up->grab().toImage().pixelColor(1, f.up->height() / 2),
                 f.up->palette().color(QPalette::Highlight));
        QTest::keyClick(w.windowHandle(), f.ziffer);
        QVERIFY2(w.zustand().spielstand(f.spiel) == f.danach, f.was);
        QCOMPARE(f.up->position(), int(f.up == w.frSpiel(f.spiel)->Up1() ? f.danach.Heim : f.danach.Gast));
    }
    QCOMPARE(w.frSpiel(2)->PHeim()->text(), QStringLiteral("3"));

    // match 7 final: a click on its number gives its goals no focus, and a
    // digit typed then changes no score
    beenden(w, 7);
    const Spielstaende vorher = w.zustand().spielstaende();
    QTest::mouseClick(w.frSpiel(7)->PHeim(), Qt::LeftButton);
    QVERIFY(!w.frSpiel(7)->Up1()->hasFocus());
    QTest::keyClick(w.windowHandle(), Qt::Key_5);
    QVERIFY(w.zustand().spielstaende() == vorher);
    QCOMPARE(w.zustand().spielstand(7), (TSpielstand{0, 0, 1}));
}

// The remember boxes are written when they change, not only at the end.
void TestSpielstand::haekchenSofortGemerkt() {
    TFMain& w = starten();
    const auto gemerkt = [&](const char* abschnitt) {
        return IniDatei(welt().einstellungsdatei().toStdString()).leseBool(abschnitt, "Merken", true);
    };
    // a click on the box itself (a wide check box takes clicks only there and on its text)
    const auto haken = [](QCheckBox* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    };
    for (auto [box, abschnitt] :
         {std::pair{w.cbMerken(), "Spielschein"}, std::pair{w.cbMerken2(), "Spielscheine"},
          std::pair{w.cbMerkenSp(), "Spieltag"}}) {
        box->setChecked(true);
        haken(box);
        QVERIFY(!box->isChecked());
        QVERIFY2(!gemerkt(abschnitt), abschnitt);
    }
    haken(w.cbRechts());
    QVERIFY(w.cbRechts()->isChecked());
    QVERIFY(IniDatei(welt().einstellungsdatei().toStdString()).leseBool("Spielschein", "AuchRechts", false));
}

void TestSpielstand::spielstandDateiMitZuGrossenToren() {
    // match 1: 2:1 finished; match 2: 13:12 stored. The stored bytes are kept
    // and give the tendency (home win); the score controls cannot show 13 and
    // keep their previous 0:0.
    {
        QFile f(welt().spielstanddatei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x02\x01\x01\x0d\x0c\x00", 6) + QByteArray(33, '\0'));
    }
    TFMain& w = starten();
    QCOMPARE(gewinnreihe(w), QStringLiteral("1100000000000"));
    QVERIFY(!w.frSpiel(1)->Pups()->isVisible());
    QCOMPARE(w.frSpiel(1)->PHeim()->text(), QStringLiteral("2"));
    QCOMPARE(w.frSpiel(2)->PHeim()->text(), QStringLiteral("0"));
    QCOMPARE(w.zustand().spielstand(2), (TSpielstand{13, 12, 0}));
    QCOMPARE(w.zustand().tendenz(2), 1);
    // a later change stores what the controls show, and score and tendency agree again
    tore(w, 2, 12, 12);
    QCOMPARE(gewinnreihe(w), QStringLiteral("1000000000000"));
    QCOMPARE(w.zustand().spielstand(2), (TSpielstand{12, 12, 0}));
}

void TestSpielstand::direkteEingabe() {
    TFMain& w = mitSchein(welt());
    tore(w, 7, 1, 0);
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BGZdirekt")));
    ui::TFGZEingabe* gz = w.gzEingabe();
    QVERIFY(gz && gz->isVisible());

    // "0" of match 5 twice: no choice; the transfer refuses
    klicke(gz->BGZ(5, 2));
    klicke(gz->BGZ(5, 2));
    QCOMPARE(gz->eingabe(5), 0);
    QVERIFY(!gz->BGZ(5, 2)->gewaehlt());
    // "1" then "2" of match 3: only "2"
    klicke(gz->BGZ(3, 1));
    klicke(gz->BGZ(3, 3));
    QVERIFY(!gz->BGZ(3, 1)->gewaehlt());
    QVERIFY(gz->BGZ(3, 3)->gewaehlt());
    klicke(gz->findChild<QAbstractButton*>(QStringLiteral("bsSkinSpeedButton2")));
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
             QStringLiteral(
                 "Es müssen sämtliche Spielergebnisse eingegeben werden.\r\rIch breche erst einmal ab."));
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000001000000"));

    for (int i = 1; i <= 13; ++i) klicke(gz->BGZ(i, 1));
    klicke(gz->findChild<QAbstractButton*>(QStringLiteral("bsSkinSpeedButton2")));
    QCOMPARE(gewinnreihe(w), QStringLiteral("1111111111111"));
    QVERIFY(w.zustand().gewinnreiheDirekt());
    QVERIFY(gz->isVisible());
    QCOMPARE(zelle(w.Tippfeld(1)->G1(), 0, 0), QStringLiteral("1"));
    QCOMPARE(farbe(w.Ausgang(1, 2, 1)), hellGruen);
    QCOMPARE(w.zustand().spielstand(2), (TSpielstand{0, 0, 0}));  // the scores stay

    // finishing match 7 brings back its score tendency only
    beenden(w, 7);
    QCOMPARE(gewinnreihe(w), QStringLiteral("1111111111111"));
    beenden(w, 2);
    QCOMPARE(gewinnreihe(w), QStringLiteral("1011111111111"));
    QCOMPARE(farbe(w.Ausgang(1, 2, 2)), starkRot);
    // the next goal change anywhere restores all 13 from the scores
    tore(w, 13, 0, 1);
    QCOMPARE(gewinnreihe(w), QStringLiteral("0000001000002"));
    QVERIFY(!w.zustand().gewinnreiheDirekt());
    QCOMPARE(zelle(w.Tippfeld(1)->G1(), 0, 0), QStringLiteral("0"));
}

void TestSpielstand::direkteEingabeOhneSchein() {
    TFMain& w = starten();
    w.BGZdirektClick();
    ui::TFGZEingabe* gz = w.gzEingabe();
    for (int i = 1; i <= 13; ++i) gz->BLotAuswerten(100 * i + (i == 4 ? 3 : 1));
    gz->gewinnzahlenUebertragen();
    QCOMPARE(gewinnreihe(w), QStringLiteral("1112111111111"));
    QCOMPARE(farbe(w.Ausgang(1, 4, 3)), bernstein);
    QCOMPARE(farbe(w.Ausgang(1, 4, 2)), ui::neutral());
    QCOMPARE(farbe(w.Ausgang(2, 4, 3)), ui::neutral());
}

void TestSpielstand::gewinnzahlenFenster() {
    TFMain& w = starten();
    w.move(500, 120);
    w.BGZdirektClick();
    ui::TFGZEingabe* gz = w.gzEingabe();
    QCOMPARE(gz->windowTitle(),
             QString::fromUtf8(kProgrammTitel) + QLatin1Char(' ') + QString::fromUtf8(kVersion));
    // nothing stored: left of the main window, top aligned with it
    QCOMPARE(gz->pos(), QPoint(500 - gz->frameGeometry().width(), 120));
    gz->BLotAuswerten(101);
    gz->move(40, 60);
    QVERIFY(gz->close());
    QVERIFY(!gz->isVisible());
    const IniDatei ini(welt().einstellungsdatei().toStdString());
    QCOMPARE(ini.leseZahl("Fenster", "GZEingabe-Left", 0), 40);
    QCOMPARE(ini.leseZahl("Fenster", "GZEingabe-Top", 0), 60);
    // shown again: the same window, at the stored place, with its choices
    klicke(w.findChild<QAbstractButton*>(QStringLiteral("BGZdirekt1")));
    QCOMPARE(w.gzEingabe(), gz);
    QCOMPARE(gz->pos(), QPoint(40, 60));
    QCOMPARE(gz->eingabe(1), 1);
    // a stored 0 counts as not stored: at the screen's left edge when there is no room
    gz->move(0, 0);
    gz->close();
    w.move(10, 5);
    w.BGZdirektClick();
    QCOMPARE(gz->pos(), QPoint(0, 5));
}

KV_GUI_TEST_MAIN(TestSpielstand)
#include "tst_hauptfenster_spielstand.moc"
