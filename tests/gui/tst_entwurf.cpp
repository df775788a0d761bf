// Unsaved work survives a crash: the entry windows' draft in the data
// folder follows every change and goes once the work is saved or discarded,
// the next start offers it back, and a program killed with SIGKILL right
// after crosses were set (the real program on its own X display, driven with
// the mouse and keyboard) has them offered back.
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Eingabesicherung.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "eingabe/Entwurf.h"
#include "eingabe/Feldgeometrie.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/Zeilenliste.h"
#include "main/TFMain.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFDruck;
using kv::ui::TFEingabe;
using kv::ui::TFEingabeSys;

namespace {

QString tabelle() {
    QString t;
    for (int m = 1; m <= 13; ++m) t += QStringLiteral("%1\tHeim %1\tGast %1\t5 - 3 - 2\n").arg(m);
    return t;
}

void kreuze(ui::TFfrFeld* f, int spalte, int spiel) {
    QTest::mouseClick(f->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(spalte, spiel));
}

// A process started by the test, killed when the test ends.
struct Kind {
    std::unique_ptr<QProcess> p = std::make_unique<QProcess>();
    ~Kind() {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
};

}  // namespace

class TstEntwurf : public Hauptfenstertest {
    Q_OBJECT

  private:
    QString entwurfDatei() { return welt().datenordner() + QString::fromLatin1(kEntwurfDatei); }
    std::optional<Entwurf> entwurf() { return leseEntwurf(entwurfDatei().toStdString()); }

  private Q_SLOTS:
    void folgtDenAenderungen();
    void angebotBeimNaechstenStart_data();
    void angebotBeimNaechstenStart();
    void unlesbarerEntwurfBleibtErhalten();
    void sofortigesEndeSchreibtDenEntwurf();
    void getoetetesProgrammBietetDieKreuzeAn();
};

void TstEntwurf::folgtDenAenderungen() {
    ui::TFMain& w = starten();
    auto* sys = durchBefehlGezeigt<TFEingabeSys>(w, "NeuenSystemscheineingeben1", "FEingabeSys");
    QVERIFY(!QFile::exists(entwurfDatei()));
    for (int m = 1; m <= 13; ++m) kreuze(sys->Feld(6), 1, m);
    QVERIFY(sys->LGeaendert()->isVisible());
    // written shortly after the change, as a whole file
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(entwurfDatei()), 5000);
    QVERIFY(!w.kontext().eingabesicherung().wartet());
    std::optional<Entwurf> e = entwurf();
    QVERIFY(e);
    QCOMPARE(e->teile.size(), std::size_t{1});
    QVERIFY(e->teile.count("Systemschein"));
    QVERIFY(std::abs(e->zeit - static_cast<std::int64_t>(std::time(nullptr))) < 60);

    // saved: the draft goes
    dialoge().speichernAntwort(welt().ablage() + QStringLiteral("sechs.kv13"));
    QVERIFY(sys->BSaveClick());
    QVERIFY(!sys->LGeaendert()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(entwurfDatei()), 5000);

    // changed again, and another window too: one draft with both
    kreuze(sys->Feld(2), 3, 4);
    auto* normal = durchBefehlGezeigt<TFEingabe>(w, "NeuenNormalscheineingeben1", "FEingabe");
    teil<QPlainTextEdit>(normal, "M1")->setPlainText(tabelle());
    klicke(teil<QPushButton>(normal, "BAuslesen"));
    QTRY_VERIFY_WITH_TIMEOUT(entwurf() && entwurf()->teile.size() == 2, 5000);

    // discarded on purpose ("Alle Angaben löschen", Verwerfen): only the normal slip's part is left
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    klicke(teil<QPushButton>(sys, "BDel"));
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QTRY_VERIFY_WITH_TIMEOUT(entwurf() && entwurf()->teile.size() == 1, 5000);
    QVERIFY(entwurf()->teile.count("Normalschein"));

    // the program's end: Verwerfen, and the draft is gone at once
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    QVERIFY(welt().beenden());
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QVERIFY(!QFile::exists(entwurfDatei()));
}

void TstEntwurf::angebotBeimNaechstenStart_data() {
    QTest::addColumn<bool>("ja");
    QTest::newRow("wiederherstellen") << true;
    QTest::newRow("nicht wiederherstellen") << false;
}

// Work in all three windows is left behind as a crash would leave it; the
// next start asks, and brings back everything or removes the draft.
void TstEntwurf::angebotBeimNaechstenStart() {
    QFETCH(bool, ja);
    ui::TFMain& w = starten();
    auto* sys = durchBefehlGezeigt<TFEingabeSys>(w, "NeuenSystemscheineingeben1", "FEingabeSys");
    for (int m = 1; m <= 3; ++m) kreuze(sys->Feld(6), m, m);
    klicke(sys->Feld(6)->vewKnopf(3));
    auto* normal = durchBefehlGezeigt<TFEingabe>(w, "NeuenNormalscheineingeben1", "FEingabe");
    teil<QPlainTextEdit>(normal, "M1")->setPlainText(tabelle());
    klicke(teil<QPushButton>(normal, "BAuslesen"));
    klicke(teil<QPushButton>(normal, "BVorschlag"));
    klicke(teil<QPushButton>(normal, "BFilter"));
    auto* M2 = normal->M2();
    QTest::keyClick(M2, Qt::Key_End);
    QTest::keyClicks(M2, QStringLiteral(" von Hand"));
    auto* druck = durchBefehlGezeigt<TFDruck>(w, "Tippscheinedrucken1", "FDruck");
    auto* B = druck->findChild<QLineEdit*>(QStringLiteral("eAbstandh"));
    B->setText(QStringLiteral("81"));
    QVERIFY(druck->LGeaendert()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(entwurf() && entwurf()->teile.size() == 3, 5000);

    // the crash: the draft as it is now stays (the regular end below removes its file)
    QFile f(entwurfDatei());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    const std::int64_t zeit = entwurf()->zeit;
    for (int i = 0; i < 3; ++i) dialoge().frageAntwort(TestDialoge::kVerwerfen);
    QVERIFY(welt().beenden());
    for (int i = 0; i < 3; ++i) dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
    QVERIFY(!QFile::exists(entwurfDatei()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    dialoge().frageAntwort(ja ? ui::Dialoge::Antwort::Ja : ui::Dialoge::Antwort::Nein);
    ui::TFMain& neu = starten();
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::FrageJaNein),
             QStringLiteral("Nicht gespeicherte Eingaben vom %1 wiederherstellen?")
                 .arg(QString::fromStdString(entwurfZeit(zeit))));
    sys = qobject_cast<TFEingabeSys*>(ui::fensterSuchen(QStringLiteral("FEingabeSys")));
    normal = qobject_cast<TFEingabe*>(ui::fensterSuchen(QStringLiteral("FEingabe")));
    if (!ja) {
        QVERIFY(!QFile::exists(entwurfDatei()));
        QVERIFY(!sys->isVisible());
        QVERIFY(sys->schein().feld(6).leer());
        QVERIFY(!normal->spielplanGeaendert());
        QVERIFY(!ui::fensterSuchen(QStringLiteral("FDruck")));
        return;
    }
    // each window shows its work again, as unsaved work
    QVERIFY(sys->isVisible());
    QVERIFY(sys->schein().feld(6).kreuz(1, 1) && sys->schein().feld(6).kreuz(2, 2) &&
            sys->schein().feld(6).kreuz(3, 3));
    QCOMPARE(sys->schein().feld(6).vewWahl(), 3);
    QVERIFY(sys->Feld(6)->vewKnopf(3)->isChecked());
    QVERIFY(sys->LGeaendert()->isVisible());
    QVERIFY(normal->isVisible());
    QVERIFY(normal->spielplanGeaendert() && normal->listeGeaendert());
    QCOMPARE(QString::fromStdString(normal->M2()->inhalt().zeile(normal->M2()->zeilen() - 1)).right(9),
             QStringLiteral(" von Hand"));
    QCOMPARE(normal->raster().zelle(2, 13), std::string("Gast 13"));
    QVERIFY(teil<QPushButton>(normal, "BVorschlag")->isEnabled());
    QCOMPARE(neu.kontext().zustand().tendenzWerte()[12], (TTendenzWert{3, 5, 2}));
    druck = qobject_cast<TFDruck*>(ui::fensterSuchen(QStringLiteral("FDruck")));
    QVERIFY(druck && druck->isVisible());
    QCOMPARE(druck->findChild<QLineEdit*>(QStringLiteral("eAbstandh"))->text(), QStringLiteral("81"));
    QVERIFY(druck->LGeaendert()->isVisible());
    // the draft stays until the work is saved or discarded
    QVERIFY(QFile::exists(entwurfDatei()));
    for (int i = 0; i < 3; ++i) dialoge().frageAntwort(TestDialoge::kVerwerfen);
    QVERIFY(welt().beenden());
    for (int i = 0; i < 3; ++i) dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
}

void TstEntwurf::unlesbarerEntwurfBleibtErhalten() {
    {
        QFile f(entwurfDatei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("KALVENDO-ENTWURF\x01kaputt");
    }
    starten();
    const QString text = dialoge().nimmMeldung(TestDialoge::Art::Fehler);
    QVERIFY2(text.contains(QString::fromLatin1(kEntwurfDatei)), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(".unlesbar")), qPrintable(text));
    // kept beside under another name: not offered again, not lost
    QVERIFY(!QFile::exists(entwurfDatei()));
    QVERIFY(QFile::exists(entwurfDatei() + QStringLiteral(".unlesbar")));
    starten();
}

// The update's hand-over ends the program at once, after what the closing
// sequence keeps was saved: the draft is written then, not half a second later.
void TstEntwurf::sofortigesEndeSchreibtDenEntwurf() {
    ui::TFMain& w = starten();
    auto* sys = durchBefehlGezeigt<TFEingabeSys>(w, "NeuenSystemscheineingeben1", "FEingabeSys");
    kreuze(sys->Feld(9), 2, 5);
    QVERIFY(w.kontext().eingabesicherung().wartet());
    QVERIFY(!QFile::exists(entwurfDatei()));
    QVERIFY(w.kontext().sichern());
    QVERIFY(!w.kontext().eingabesicherung().wartet());
    const std::optional<Entwurf> e = entwurf();
    QVERIFY(e && e->teile.count("Systemschein"));
}

// The real program on an X display of its own: crosses set in field 6 of the
// system slip window with the mouse and the keyboard, the draft written,
// the program killed; the next start offers the crosses back.
void TstEntwurf::getoetetesProgrammBietetDieKreuzeAn() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfb.isEmpty() || xdotool.isEmpty()) QFAIL("Xvfb und xdotool werden gebraucht (scripts/pakete)");

    // the windows at known places: without a window manager they are where the program puts them
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeZahl("Fenster", "Haupt-Left", 0);
        ini.schreibeZahl("Fenster", "Haupt-Top", 0);
        ini.schreibeZahl("Fenster", "Schein-Left", 10);
        ini.schreibeZahl("Fenster", "Schein-Top", 10);
    }

    Kind x;
    x.p->start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp")});
    QTRY_VERIFY_WITH_TIMEOUT(x.p->canReadLine(), 20000);
    const QString anzeige = QStringLiteral(":") + QString::fromLatin1(x.p->readLine()).trimmed();

    QTemporaryDir laufzeit;
    QVERIFY(QFile::setPermissions(laufzeit.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("DISPLAY"), anzeige);
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit.path());
    const auto werkzeug = [&](const QStringList& argumente) {
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.start(xdotool, argumente);
        p.waitForFinished(20000);
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    };

    Kind programm;
    programm.p->setProcessEnvironment(umgebung);
    programm.p->start(QStringLiteral(KALVENDO_PROGRAMM), {});
    // Bounds here are generous: they only end a test that would otherwise
    // hang; on a loaded machine the program's start alone took over 20 s.
    constexpr int kReichlich = 90000;
    const auto kalvendoFenster = [&] {
        return werkzeug({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                         QStringLiteral("Kalvendo")});
    };
    QString haupt;
    QTRY_VERIFY_WITH_TIMEOUT(!(haupt = kalvendoFenster()).isEmpty(), kReichlich);
    // "&Datei", its fourth item: "Neuen Systemschein eingeben...". Keys
    // typed before the window takes them are lost, so they are typed again
    // while the system slip window has not come.
    bool gekommen = false;
    for (int versuch = 0; versuch < 5 && !gekommen; ++versuch) {
        werkzeug({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                  haupt.section(QLatin1Char('\n'), 0, 0)});
        werkzeug({QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("alt+d")});
        QTest::qWait(500);
        werkzeug({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"),
                  QStringLiteral("Down"), QStringLiteral("Return")});
        gekommen = QTest::qWaitFor([&] { return kalvendoFenster().count(QLatin1Char('\n')) == 1; }, 15000);
    }
    QVERIFY2(gekommen, "das Fenster Neuen Systemschein eingeben kam nicht");
    QTest::qWait(500);
    // a click into field 6's picture between the tip boxes and the marks,
    // which crosses nothing and gives it the keyboard; then 1, 0 and 2 on
    // matches 1 to 3. The picture lies below the tool bar (40) and the bar
    // of buttons (50), in the frame at 2, 2; the frames are 154 + 4 apart
    // from x = 5; the window at 10, 10.
    const int x0 = 10 + 5 + 5 * (ui::TFfrFeld::kBreite + 4) + 2 + (kTippGrenzeX + kMarkenX) / 2;
    const int y0 = 10 + 40 + 50 + 2 + kSpielOben[7];
    werkzeug({QStringLiteral("mousemove"), QString::number(x0), QString::number(y0), QStringLiteral("click"),
              QStringLiteral("1")});
    QTest::qWait(300);
    werkzeug({QStringLiteral("key"), QStringLiteral("1"), QStringLiteral("Down"), QStringLiteral("0"),
              QStringLiteral("Down"), QStringLiteral("2")});

    // the draft is written while the program runs
    QTRY_VERIFY_WITH_TIMEOUT(entwurf() && entwurf()->teile.count("Systemschein"), kReichlich);
    QCOMPARE(programm.p->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(programm.p->processId()), SIGKILL);
    QVERIFY(programm.p->waitForFinished(10000));
    QCOMPARE(programm.p->exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(entwurfDatei()));

    // the next start offers them back
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    starten();
    QVERIFY(dialoge()
                .nimmMeldung(TestDialoge::Art::FrageJaNein)
                .startsWith(QStringLiteral("Nicht gespeicherte Eingaben vom ")));
    auto* sys = qobject_cast<TFEingabeSys*>(ui::fensterSuchen(QStringLiteral("FEingabeSys")));
    QVERIFY(sys->isVisible());
    TScheinOffen soll;
    soll.setzeKreuz(1, 1, true);
    soll.setzeKreuz(2, 2, true);
    soll.setzeKreuz(3, 3, true);
    QCOMPARE(sys->schein().feld(6).daten(), soll);
    for (int f = 1; f <= 12; ++f)
        if (f != 6) QVERIFY(sys->schein().feld(f).leer());
    QVERIFY(sys->LGeaendert()->isVisible());
    dialoge().frageAntwort(TestDialoge::kVerwerfen);
    QVERIFY(welt().beenden());
    dialoge().nimmMeldung(TestDialoge::Art::FrageSpeichern);
}

KV_GUI_TEST_MAIN(TstEntwurf)
#include "tst_entwurf.moc"
