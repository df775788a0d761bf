// The program on the desktop: its command line, files handed to it from
// outside (arguments, a drop on the main window, a second start), one program
// per data folder when several starts come at once or one died, and its icon
// found beside the program.
#include <signal.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

#include "Aufruf.h"
#include "Hauptfenstertest.h"
#include "Programm.h"
#include "TestUmgebung.h"
#include "Uebergabe.h"
#include "common/Dateioeffner.h"
#include "common/Fenster.h"
#include "common/Programmdateien.h"
#include "main/TFMain.h"
#include "model/Spielstandsdatei.h"
#include "print/Scheinformat.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::Aufruf;
using kv::ui::TFMain;
using kv::ui::Uebergabe;

Q_DECLARE_METATYPE(Aufruf::Art)

namespace {

QStringList namenVon(const QTabWidget* tabs) {
    QStringList n;
    for (int i = 0; i < tabs->count(); ++i) n << tabs->tabText(i);
    return n;
}

// A started probe and all it printed so far.
struct Probe {
    std::unique_ptr<QProcess> p = std::make_unique<QProcess>();
    QByteArray gelesen;
    QString ausgabe() {
        gelesen += p->readAllStandardOutput();
        return QString::fromUtf8(gelesen);
    }
};

}  // namespace

class TestDesktop : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();

    void aufruf_data();
    void aufruf();
    void antwortOhneAnzeige();
    void dateienVonAussen();
    void meldungNenntDieOeffnbarenArten();
    void scheinformatImDruckfenster();
    void gleicheMeldungWieImDialog_data();
    void gleicheMeldungWieImDialog();
    void ablegen();
    void zweiterStartUebergibtUndHebt();
    void gleichzeitigeStartsWaehlenEinenErsten();
    void verwaisterSocketUndStummesProgramm();
    void getoetetOhneVerlust();
    void symbolNebenDemProgramm();

  private:
    QString laufzeit() const { return laufzeit_->path(); }
    // Starts the probe; `dauer`: how long it stays as the first program;
    // `frist`: how long it waits for another start holding the lock;
    // `aufLos`: it says BEREIT and starts on a line written to it.
    Probe probe(const QStringList& dateien, int dauer = 3000, int antwort = 30000, int frist = 10000,
                bool aufLos = false);
    // The program as a second start, in the test's data and runtime folders.
    QProcess* programm(const QStringList& argumente, const QString& arbeitsordner = {});

    std::unique_ptr<QTemporaryDir> laufzeit_;
    QByteArray altLaufzeit_;
    std::vector<std::unique_ptr<QProcess>> prozesse_;
};

void TestDesktop::init() {
    Hauptfenstertest::init();
    laufzeit_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::setPermissions(laufzeit_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    altLaufzeit_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", laufzeit().toUtf8());
}

void TestDesktop::cleanup() {
    for (auto& p : prozesse_) {
        p->kill();
        p->waitForFinished();
    }
    prozesse_.clear();
    Hauptfenstertest::cleanup();
    if (altLaufzeit_.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", altLaufzeit_);
    laufzeit_.reset();
}

Probe TestDesktop::probe(const QStringList& dateien, int dauer, int antwort, int frist, bool aufLos) {
    Probe pr;
    if (aufLos) {
        QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
        u.insert(QStringLiteral("KALVENDO_PROBE_AUF_LOS"), QStringLiteral("1"));
        pr.p->setProcessEnvironment(u);
    }
    pr.p->start(QStringLiteral(KALVENDO_UEBERGABE_PROBE),
                QStringList{laufzeit(), welt().datenordner(), QString::number(dauer),
                            QString::number(antwort), QString::number(frist)} +
                    dateien);
    return pr;
}

QProcess* TestDesktop::programm(const QStringList& argumente, const QString& arbeitsordner) {
    auto p = std::make_unique<QProcess>();
    if (!arbeitsordner.isEmpty()) p->setWorkingDirectory(arbeitsordner);
    p->start(QStringLiteral(KALVENDO_PROGRAMM), argumente);
    prozesse_.push_back(std::move(p));
    return prozesse_.back().get();
}

void TestDesktop::aufruf_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<bool>("nurHilfe");
    QTest::addColumn<Aufruf::Art>("art");
    QTest::addColumn<QStringList>("dateien");  // relative to /arbeit
    QTest::addColumn<QString>("fehler");

    using A = Aufruf::Art;
    QTest::newRow("Namen relativ und absolut")
        << QStringList{"Samstag.kv13", "../plan/Tag.sp13", "/daten/./a.spst"} << false << A::Starten
        << QStringList{"/arbeit/Samstag.kv13", "/plan/Tag.sp13", "/daten/a.spst"} << QString();
    QTest::newRow("file-URL des Dateimanagers")
        << QStringList{"file:///home/anna/Spieltag%2012.sp13"} << false << A::Starten
        << QStringList{"/home/anna/Spieltag 12.sp13"} << QString();
    QTest::newRow("nach -- sind alle Namen")
        << QStringList{"--", "-x.kv13", "--version"} << false << A::Starten
        << QStringList{"/arbeit/-x.kv13", "/arbeit/--version"} << QString();
    QTest::newRow("--version") << QStringList{"a.kv13", "--version"} << false << A::Version << QStringList()
                               << QString();
    QTest::newRow("-h") << QStringList{"-h"} << false << A::Hilfe << QStringList() << QString();
    QTest::newRow("unbekannte Option")
        << QStringList{"a.kv13", "--gibtsnicht"} << false << A::Fehler << QStringList()
        << QStringLiteral(
               "kalvendo: Unbekannte Option --gibtsnicht.\n"
               "Aufruf: kalvendo [DATEI...]; kalvendo --help zeigt die Hilfe.\n");
    // before the application object Qt's own options are still there
    QTest::newRow("vorab: Qt-Optionen bleiben liegen") << QStringList{"-platform", "offscreen", "a.kv13"}
                                                       << true << A::Starten << QStringList() << QString();
    QTest::newRow("vorab: --help hinter einer Qt-Option")
        << QStringList{"-style", "fusion", "--help"} << true << A::Hilfe << QStringList() << QString();
    QTest::newRow("vorab: Qt-Optionen mit = und zwei Strichen")
        << QStringList{"--style=fusion", "--platform", "xcb", "-reverse", "a.kv13"} << true << A::Starten
        << QStringList() << QString();
    // refused before the application object, which would want a display
    QTest::newRow("vorab: unbekannte Option")
        << QStringList{"-platform", "offscreen", "a.kv13", "--bogus"} << true << A::Fehler << QStringList()
        << QStringLiteral(
               "kalvendo: Unbekannte Option --bogus.\n"
               "Aufruf: kalvendo [DATEI...]; kalvendo --help zeigt die Hilfe.\n");
    QTest::newRow("vorab: --help hinter einer unbekannten Option")
        << QStringList{"--bogus", "--help"} << true << A::Hilfe << QStringList() << QString();
    QTest::newRow("vorab: der Wert einer Qt-Option ist keine Option")
        << QStringList{"-title", "-x"} << true << A::Starten << QStringList() << QString();
}

void TestDesktop::aufruf() {
    QFETCH(QStringList, argumente);
    QFETCH(bool, nurHilfe);
    QFETCH(Aufruf::Art, art);
    QFETCH(QStringList, dateien);
    QFETCH(QString, fehler);
    const Aufruf a = ui::aufrufLesen(argumente, QStringLiteral("/arbeit"), nurHilfe);
    QCOMPARE(a.art, art);
    QCOMPARE(a.dateien, dateien);
    QCOMPARE(a.fehler, fehler);
}

void TestDesktop::antwortOhneAnzeige() {
    // --version and --help answer without any display to connect to
    QProcessEnvironment ohne = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ohne.remove(QString::fromLatin1(v));
    QProcess p;
    p.setProcessEnvironment(ohne);
    p.start(QStringLiteral(KALVENDO_PROGRAMM), {QStringLiteral("--version")});
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(), QByteArray("kalvendo ") + kVersion + "\n");
    QCOMPARE(p.readAllStandardError(), QByteArray());

    p.start(QStringLiteral(KALVENDO_PROGRAMM), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), ui::aufrufHilfe());

    // a failed write is seen
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("\"$0\" --version >/dev/full"),
                                        QStringLiteral(KALVENDO_PROGRAMM)});
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(
        QString::fromUtf8(p.readAllStandardError()),
        QStringLiteral("kalvendo: Die Ausgabe konnte nicht geschrieben werden: Kein Speicherplatz mehr auf "
                       "dem Datenträger.\n"));

    // an unknown option is refused before anything starts
    QProcess* q = programm({QStringLiteral("--gibtsnicht")});
    QVERIFY(q->waitForFinished());
    QCOMPARE(q->exitCode(), 2);
    QVERIFY(q->readAllStandardError().contains("kalvendo: Unbekannte Option --gibtsnicht."));

    // also without a display, behind Qt's own options: refused, not aborted
    for (const QStringList& argumente :
         {QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--bogus")}}) {
        p.start(QStringLiteral(KALVENDO_PROGRAMM), argumente);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
                 QStringLiteral("kalvendo: Unbekannte Option --bogus.\n"
                                "Aufruf: kalvendo [DATEI...]; kalvendo --help zeigt die Hilfe.\n"));
    }
}

void TestDesktop::dateienVonAussen() {
    TFMain& w = starten();
    const QString eins = welt().schein(QStringLiteral("Eins.kv13"), {reihe("1111111111111")});
    const QString zwei = welt().schein(QStringLiteral("Zwei.kv13"), {reihe("2222222222222"), vollsystem()});
    Begegnungen b{};
    b[0].Heim = "Heim 1";
    const QString plan = welt().spielplan(QStringLiteral("Tag.sp13"), b);
    Spielstaende stand{};
    stand[0] = {2, 1, 1};
    const QString staende = welt().ablage() + QStringLiteral("Abend.SPST");
    schreibeSpielstaende(staende.toStdString(), stand);

    welt().programm()->dateienOeffnen({eins, plan, zwei, staende});
    // slips as tabs on the right, the last one active; the others by kind
    QCOMPARE(namenVon(w.PC1()), (QStringList{"Eins", "Zwei"}));
    QCOMPARE(w.PC1()->currentIndex(), 1);
    QCOMPARE(w.LDatei2()->text(), QStringLiteral("Tag.sp13"));
    QCOMPARE(w.zustand().begegnungen()[0].Heim, std::string("Heim 1"));
    QCOMPARE(w.zustand().spielstaende()[0], (TSpielstand{2, 1, 1}));
    // the left slip stays as it was
    QVERIFY(w.LDatei()->text().isEmpty());

    // a name of no known kind gets its message; the files after it still open
    const QString text = welt().datei(QStringLiteral("Notizen.txt"), "1111111111111\n");
    welt().programm()->dateienOeffnen({text, eins});
    QCOMPARE(
        dialoge().nimmMeldung(TestDialoge::Art::Fehler),
        QStringLiteral("Kalvendo kann die Datei Notizen.txt nicht öffnen.\r\rGeöffnet werden Spielscheine "
                       "(*.kv13), Spielpläne (*.sp13), gesondert gespeicherte Spielstände (*.spst) und "
                       "Scheinformate (*.kvxdr)."));
    // "Eins" is open already: its tab comes to the front, no copy is added
    QCOMPARE(namenVon(w.PC1()), (QStringList{"Eins", "Zwei"}));
    QCOMPARE(w.PC1()->currentIndex(), 0);
}

void TestDesktop::meldungNenntDieOeffnbarenArten() {
    ui::Dateioeffner d;
    d.anmelden(Dateiart::Spielplan, [](const QString&) {});
    QCOMPARE(d.unbekannteDateiart(QStringLiteral("/a/b.kv13")),
             QStringLiteral(
                 "Kalvendo kann die Datei b.kv13 nicht öffnen.\r\rGeöffnet werden Spielpläne (*.sp13)."));
    QVERIFY(!d.kannOeffnen(QStringLiteral("/a/b.kv13")));
    QVERIFY(d.kannOeffnen(QStringLiteral("/a/B.SP13")));
    d.anmelden(Dateiart::Scheinformat, [](const QString&) {});
    d.anmelden(Dateiart::Spielschein, [](const QString&) {});
    QCOMPARE(
        d.unbekannteDateiart(QStringLiteral("x")),
        QStringLiteral("Kalvendo kann die Datei x nicht öffnen.\r\rGeöffnet werden Spielscheine (*.kv13), "
                       "Spielpläne (*.sp13) und Scheinformate (*.kvxdr)."));
}

// A print format from outside opens in the print window as "Scheinformat
// öffnen..." opens it, and becomes the remembered one; it wins over the
// remembered format the window reads when it is shown. A broken one gets the
// message of the dialog's path and changes nothing.
void TestDesktop::scheinformatImDruckfenster() {
    auto formatMitB = [this](const QString& name, int b) {
        TScheinFormat f;
        f.FelderProReihe = 5;
        f.B = b;
        f.C = 492;
        const auto bytes = formatBytes(f);
        return welt().datei(name, std::string(bytes.begin(), bytes.end()));
    };
    const QString gemerkt = formatMitB(QStringLiteral("Gemerkt.kvxdr"), 70);
    const QString neu = formatMitB(QStringLiteral("Lotto 2027.KVXDR"), 81);
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeText("Druck", "Formatdatei", gemerkt.toStdString());
    }
    TFMain& w = starten();
    QVERIFY(!ui::fensterSuchen(QStringLiteral("FDruck")));
    welt().programm()->dateienOeffnen({neu});
    auto* d = qobject_cast<ui::TFDruck*>(ui::fensterSuchen(QStringLiteral("FDruck")));
    QVERIFY(d);
    QVERIFY(d->isVisible());
    auto feld = [d](const char* name) {
        const auto* e = d->findChild<QLineEdit*>(QLatin1String(name));
        return e ? e->text() : QStringLiteral("fehlt");
    };
    auto label = [d](const char* name) {
        const auto* l = d->findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("fehlt");
    };
    QCOMPARE(feld("eAbstandh"), QStringLiteral("81"));
    QCOMPARE(label("LAnz"), QStringLiteral("10"));
    QCOMPARE(label("LDatei"), QStringLiteral("Geöffnet: Lotto 2027.KVXDR"));
    QCOMPARE(QString::fromStdString(
                 IniDatei(welt().einstellungsdatei().toStdString()).leseText("Druck", "Formatdatei", "")),
             neu);

    // a file too short to be a format: the dialog's message, nothing changes
    const QString kurz = welt().datei(QStringLiteral("Kurz.kvxdr"), std::string(100, '\0'));
    dialoge().oeffnenAntwort({kurz});
    d->BOpenClick();
    const QString imDialog = dialoge().nimmMeldung(TestDialoge::Art::Fehler);
    QVERIFY(imDialog.contains(QStringLiteral("Kurz.kvxdr")));
    welt().programm()->dateienOeffnen({kurz});
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler), imDialog);
    QCOMPARE(feld("eAbstandh"), QStringLiteral("81"));
    QCOMPARE(QString::fromStdString(
                 IniDatei(welt().einstellungsdatei().toStdString()).leseText("Druck", "Formatdatei", "")),
             neu);
    QCOMPARE(w.PC1()->count(), 0);
}

void TestDesktop::gleicheMeldungWieImDialog_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("was");  // 0 missing, 1 the content, 2 a folder
    QTest::addColumn<QString>("befehl");

    const QString tabs = QStringLiteral("Spielscheine");
    QTest::newRow("Text statt Spielschein")
        << "Notiz.kv13" << QByteArray("Das ist kein Spielschein, sondern ein Einkaufszettel.\n") << 1 << tabs;
    QTest::newRow("leerer Spielschein") << "Leer.kv13" << QByteArray() << 1 << tabs;
    QTest::newRow("fehlender Spielschein") << "Weg.kv13" << QByteArray() << 0 << tabs;
    QTest::newRow("Ordner statt Spielschein") << "Ordner.kv13" << QByteArray() << 2 << tabs;
    QTest::newRow("fehlender Spielplan") << "Weg.sp13" << QByteArray() << 0 << QStringLiteral("Spielplan");
    QTest::newRow("fehlende Spielstände") << "Weg.spst" << QByteArray() << 0 << QStringLiteral("Spielstände");
}

void TestDesktop::gleicheMeldungWieImDialog() {
    QFETCH(QString, name);
    QFETCH(QByteArray, inhalt);
    QFETCH(int, was);
    QFETCH(QString, befehl);
    TFMain& w = starten();
    const QString fn = welt().ablage() + name;
    if (was == 1) welt().datei(name, inhalt.toStdString());
    if (was == 2) QVERIFY(QDir().mkpath(fn));

    dialoge().oeffnenAntwort({fn});
    if (befehl == QLatin1String("Spielscheine"))
        w.BOpen2Click();
    else if (befehl == QLatin1String("Spielplan"))
        w.BOpen1Click();
    else
        w.gesondertGespeicherteSpielstaendeOeffnen();
    const QString imDialog = dialoge().nimmMeldung(TestDialoge::Art::Fehler);

    welt().programm()->dateienOeffnen({fn});
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler), imDialog);
    QVERIFY(!imDialog.isEmpty());
    QCOMPARE(w.PC1()->count(), 0);
}

void TestDesktop::ablegen() {
    TFMain& w = starten();
    const QString schein = welt().schein(QStringLiteral("Gezogen.kv13"), {reihe("1021021021021")});
    const QString plan = welt().spielplan(QStringLiteral("Gezogen.sp13"), Begegnungen{});
    const QString text = welt().datei(QStringLiteral("Brief.txt"), "Hallo");
    QWindow* fenster = w.windowHandle();
    // over the right-hand tabs, a child of the main window
    const QPoint ort = w.PC1()->mapTo(&w, w.PC1()->rect().center());

    auto ziehen = [&](const QList<QUrl>& urls) {
        QMimeData daten;
        daten.setUrls(urls);
        QDragEnterEvent e(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster, &e);
        return e.isAccepted();
    };
    QVERIFY(!ziehen({QUrl::fromLocalFile(text)}));
    QVERIFY(!ziehen({QUrl(QStringLiteral("https://www.kalvendo.de/Schein.kv13"))}));
    QVERIFY(ziehen({QUrl::fromLocalFile(text), QUrl::fromLocalFile(schein)}));

    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(schein), QUrl::fromLocalFile(plan)});
    QDragEnterEvent hinein(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fenster, &hinein);
    QVERIFY(hinein.isAccepted());
    QDropEvent ab(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fenster, &ab);
    QVERIFY(ab.isAccepted());
    // the files open once the drop is over
    QTRY_COMPARE(namenVon(w.PC1()), QStringList{QStringLiteral("Gezogen")});
    QCOMPARE(w.LDatei2()->text(), QStringLiteral("Gezogen.sp13"));
}

void TestDesktop::zweiterStartUebergibtUndHebt() {
    TFMain& w = starten();
    Uebergabe uebergabe(laufzeit(), welt().datenordner());
    QCOMPARE(uebergabe.starten({}), Uebergabe::Ergebnis::Erster);
    welt().programm()->uebergabeAnnehmen(uebergabe);
    welt().schein(QStringLiteral("Zweiter Start.kv13"), {reihe("1111111111111")});
    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());

    // the second program, started in the slip's folder with a relative name
    QProcess* zweiter = programm({QStringLiteral("Zweiter Start.kv13")}, welt().ablage());
    QTRY_VERIFY_WITH_TIMEOUT(zweiter->state() == QProcess::NotRunning, 20000);
    QCOMPARE(zweiter->exitStatus(), QProcess::NormalExit);
    QCOMPARE(zweiter->exitCode(), 0);
    QTRY_COMPARE(namenVon(w.PC1()), QStringList{QStringLiteral("Zweiter Start")});
    QVERIFY(!w.isMinimized());

    // without files the running program only comes to the front (which
    // window the window manager puts in front: tests/schreibtisch)
    QProcess* dritter = programm({});
    QTRY_VERIFY_WITH_TIMEOUT(dritter->state() == QProcess::NotRunning, 20000);
    QCOMPARE(dritter->exitCode(), 0);
    QCOMPARE(w.PC1()->count(), 1);
}

// The program killed in the middle of a match day (a crash, a power cut): the
// scores it was given last are on disk, without its closing sequence.
void TestDesktop::getoetetOhneVerlust() {
    Spielstaende stand{};
    stand[3] = {2, 1, 1};
    stand[12] = {0, 4, 0};
    const QString staende = welt().ablage() + QStringLiteral("Halbzeit.spst");
    schreibeSpielstaende(staende.toStdString(), stand);
    QByteArray erwartet;
    for (const TSpielstand& s : stand)
        erwartet.append(char(s.Heim)).append(char(s.Gast)).append(char(s.Beendet));
    const auto gesichert = [&] {
        QFile f(welt().spielstanddatei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    QProcess* erster = programm({});
    const Uebergabe namen(laufzeit(), welt().datenordner());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(namen.socketPfad()), 60000);
    // a second start hands the score file over: 4 goals in two matches
    QProcess* zweiter = programm({staende});
    QTRY_VERIFY_WITH_TIMEOUT(zweiter->state() == QProcess::NotRunning, 60000);
    QCOMPARE(zweiter->exitCode(), 0);
    // saved within the save delay; a busy machine may take its time
    QTRY_COMPARE_WITH_TIMEOUT(gesichert(), erwartet, 30000);
    QCOMPARE(erster->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(erster->processId()), SIGKILL);
    QVERIFY(erster->waitForFinished(10000));
    QCOMPARE(erster->exitStatus(), QProcess::CrashExit);
    QCOMPARE(gesichert(), erwartet);
}

void TestDesktop::gleichzeitigeStartsWaehlenEinenErsten() {
    // Five starts at the same moment: each waits at its start until all are
    // there. One becomes the first and stays until the test ends it; the
    // other four hand their files to it and end. A second first would stay
    // as well, so four ends are awaited and no more.
    for (int runde = 0; runde < 3; ++runde) {
        std::vector<Probe> starts;
        for (const char* datei : {"/a.kv13", "/b.kv13", "/c.kv13", "/d.kv13", "/e.kv13"})
            starts.push_back(probe({datei}, 600000, 30000, 10000, true));
        for (Probe& s : starts) QTRY_COMPARE_WITH_TIMEOUT(s.ausgabe(), QStringLiteral("BEREIT\n"), 60000);
        for (Probe& s : starts) s.p->write("LOS\n");
        const auto beendet = [&] {
            return std::count_if(starts.begin(), starts.end(),
                                 [](const Probe& s) { return s.p->state() == QProcess::NotRunning; });
        };
        QTRY_COMPARE_WITH_TIMEOUT(beendet(), 4, 60000);
        auto erster = std::find_if(starts.begin(), starts.end(),
                                   [](const Probe& s) { return s.p->state() != QProcess::NotRunning; });
        QVERIFY(erster != starts.end());
        // the first has every file handed over by the time their starts ended
        QTRY_COMPARE_WITH_TIMEOUT(erster->ausgabe().count(QLatin1Char('\n')), 6, 60000);
        erster->p->kill();
        QVERIFY(erster->p->waitForFinished(20000));
        QStringList erste, uebergeben, erhalten;
        for (Probe& s : starts) {
            const QStringList zeilen = s.ausgabe().split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
            QVERIFY(!zeilen.isEmpty());
            if (zeilen.first() == QLatin1String("ERSTER")) {
                erste << s.p->arguments().last();
                for (const QString& z : zeilen.mid(1)) erhalten << z.mid(QStringLiteral("ERHALTEN ").size());
            } else {
                QCOMPARE(zeilen, QStringList{QStringLiteral("UEBERGEBEN")});
                QCOMPARE(s.p->exitCode(), 0);
                uebergeben << s.p->arguments().last();
            }
        }
        QCOMPARE(erste.size(), 1);
        erhalten.sort();
        uebergeben.sort();
        QCOMPARE(erhalten, uebergeben);
    }
}

void TestDesktop::verwaisterSocketUndStummesProgramm() {
    Uebergabe namen(laufzeit(), welt().datenordner());
    // a first program that dies without cleaning up
    Probe tot = probe({}, 600000);
    QVERIFY(tot.p->waitForReadyRead(60000));
    QCOMPARE(tot.ausgabe(), QStringLiteral("ERSTER\n"));
    tot.p->kill();
    QVERIFY(tot.p->waitForFinished());
    QVERIFY(QFile::exists(namen.socketPfad()));
    QVERIFY(QFile::exists(namen.sperrPfad()));

    // the next start takes over at once, where it would wait ten minutes for
    // a holder of the lock that is alive, and takes files from later starts
    Probe neu = probe({}, 600000, 30000, 600000);
    QVERIFY(neu.p->waitForReadyRead(60000));
    QCOMPARE(neu.ausgabe(), QStringLiteral("ERSTER\n"));
    Probe spaeter = probe({QStringLiteral("/x.kv13")});
    QVERIFY(spaeter.p->waitForFinished(60000));
    QCOMPARE(spaeter.ausgabe(), QStringLiteral("UEBERGEBEN\n"));
    QTRY_COMPARE_WITH_TIMEOUT(neu.ausgabe(), QStringLiteral("ERSTER\nERHALTEN /x.kv13\n"), 20000);

    // a first program that does not answer: the start gives up with a message
    const auto pid = static_cast<pid_t>(neu.p->processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    Probe wartet = probe({QStringLiteral("/y.kv13")}, 3000, 300);
    const bool fertig = wartet.p->waitForFinished(60000);
    ::kill(pid, SIGCONT);
    QVERIFY(fertig);
    QCOMPARE(wartet.p->exitCode(), 1);
    QCOMPARE(wartet.ausgabe(),
             QStringLiteral("FEHLER Kalvendo läuft bereits, hat aber nicht geantwortet. Die "
                            "Dateien wurden nicht geöffnet.\n"));
    neu.p->kill();
    neu.p->waitForFinished();
}

void TestDesktop::symbolNebenDemProgramm() {
    QTemporaryDir d;
    const QString id = QString::fromLatin1(ui::kAnwendungsId);
    auto bild = [&](const QString& wurzel, int n) {
        const QString ordner = QStringLiteral("%1/icons/hicolor/%2x%2/apps").arg(wurzel).arg(n);
        QVERIFY(QDir().mkpath(ordner));
        QImage b(n, n, QImage::Format_ARGB32);
        b.fill(Qt::darkCyan);
        QVERIFY(b.save(ordner + QLatin1Char('/') + id + QStringLiteral(".png")));
    };
    // installed: <prefix>/bin/kalvendo and <prefix>/share/icons
    QVERIFY(QDir().mkpath(d.path() + QStringLiteral("/usr/bin")));
    bild(d.path() + QStringLiteral("/usr/share"), 16);
    bild(d.path() + QStringLiteral("/usr/share"), 48);
    // a build folder whose data lie two levels up
    QVERIFY(QDir().mkpath(d.path() + QStringLiteral("/bau/src/app")));
    bild(d.path() + QStringLiteral("/data"), 32);

    const QStringList installiert =
        ui::datenwurzeln(d.path() + QStringLiteral("/usr/bin"), QStringLiteral("../../data"));
    QCOMPARE(installiert.first(), d.path() + QStringLiteral("/usr/share"));
    QCOMPARE(ui::programmSymbol(installiert).availableSizes(), (QList<QSize>{{16, 16}, {48, 48}}));

    const QStringList imBau =
        ui::datenwurzeln(d.path() + QStringLiteral("/bau/src/app"), QStringLiteral("../../../data"));
    QCOMPARE(ui::programmSymbol(imBau).availableSizes(), (QList<QSize>{{32, 32}}));

    QVERIFY(ui::programmSymbol({d.path() + QStringLiteral("/nirgends")}).isNull());
}

KV_GUI_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
