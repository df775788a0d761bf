// The real program on a real desktop (an X server with the window manager
// openbox, started by tests/schreibtisch/schreibtisch), used as a user uses
// it: started, its entry windows opened from the menu and closed with the
// window manager's Alt+F4, ended through "Datei → Beenden", started again.
// Where its windows stand is read from the X server.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

#include "Aussensicht.h"
#include "common/Uebersetzung.h"

using namespace kv::test;

namespace {

QString text(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestNeustart : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void fuenfStartsAmSelbenOrt();
    void zweiterStartHoltDasFensterNachVorn();

  private:
    // The program started in the test's home; its main window once shown.
    QProcess* starten(const QStringList& argumente = {});
    unsigned long hauptfenster(QProcess* p);
    // The window of `p` besides `ausser` that a command opened.
    unsigned long neuesFenster(QProcess* p, const QList<unsigned long>& ausser);
    void beenden(QProcess* p, unsigned long haupt);

    std::unique_ptr<QTemporaryDir> heim_;
    std::vector<std::unique_ptr<QProcess>> prozesse_;
    const QRect schirm_ = schirmVorgabe();
};

void TestNeustart::init() {
    heim_ = std::make_unique<QTemporaryDir>();
    QVERIFY(heim_->isValid());
}

void TestNeustart::cleanup() {
    for (auto& p : prozesse_) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished();
        }
    }
    prozesse_.clear();
    heim_.reset();
}

QProcess* TestNeustart::starten(const QStringList& argumente) {
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), heim_->path());
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), heim_->path() + QStringLiteral("/.local/share"));
    p->setProcessEnvironment(umgebung);
    p->setWorkingDirectory(heim_->path());
    p->start(QStringLiteral(KALVENDO_PROGRAMM), argumente);
    p->waitForStarted();
    prozesse_.push_back(std::move(p));
    return prozesse_.back().get();
}

unsigned long TestNeustart::hauptfenster(QProcess* p) {
    QList<unsigned long> ids;
    (void)QTest::qWaitFor(
        [&] { return !(ids = fensterDesProzesses(p->processId(), QStringLiteral("^Kalvendo"))).isEmpty(); },
        30000);
    if (ids.isEmpty()) QTest::qFail("das Hauptfenster erscheint nicht", __FILE__, __LINE__);
    return ids.value(0);
}

unsigned long TestNeustart::neuesFenster(QProcess* p, const QList<unsigned long>& ausser) {
    unsigned long neu = 0;
    auto suchen = [&] {
        for (unsigned long id : fensterDesProzesses(p->processId()))
            if (!ausser.contains(id)) neu = id;
        return neu != 0;
    };
    if (!QTest::qWaitFor(suchen, 20000)) QTest::qFail("kein neues Fenster", __FILE__, __LINE__);
    return neu;
}

void TestNeustart::beenden(QProcess* p, unsigned long haupt) {
    tippen(haupt, {QStringLiteral("alt+d"), QStringLiteral("b")});
    // (it may have ended already while the keys were typed)
    QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(30000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);
}

// Five starts, each ended as a user ends it: the main window, the system slip
// window and the normal slip window stand where they stood, every time, on
// the screen.
void TestNeustart::fuenfStartsAmSelbenOrt() {
    QRect haupt, sys, eingabe;
    for (int lauf = 1; lauf <= 5; ++lauf) {
        QProcess* p = starten();
        const unsigned long h = hauptfenster(p);
        if (QTest::currentTestFailed()) return;
        const std::optional<QRect> rh = rahmenVonAussen(h);
        QVERIFY(rh);
        if (lauf == 1) haupt = *rh;
        QVERIFY2(*rh == haupt,
                 qPrintable(QStringLiteral("Start %1: %2 statt %3").arg(lauf).arg(text(*rh), text(haupt))));
        QVERIFY2(schirm_.contains(*rh), qPrintable(text(*rh)));

        // "Datei": Spielschein öffnen, drucken, Normalschein, Systemschein
        tippen(h, {QStringLiteral("alt+d"), QStringLiteral("Down"), QStringLiteral("Down"),
                   QStringLiteral("Down"), QStringLiteral("Return")});
        const unsigned long s = neuesFenster(p, {h});
        const std::optional<QRect> rs = rahmenVonAussen(s);
        QVERIFY(rs);
        if (lauf == 1) sys = *rs;
        QVERIFY2(*rs == sys,
                 qPrintable(QStringLiteral("Start %1: %2 statt %3").arg(lauf).arg(text(*rs), text(sys))));
        QVERIFY2(schirm_.contains(*rs), qPrintable(text(*rs)));
        tippen(s, {QStringLiteral("alt+F4")});
        QTRY_VERIFY_WITH_TIMEOUT(!fensterDesProzesses(p->processId()).contains(s), 10000);

        tippen(h, {QStringLiteral("alt+d"), QStringLiteral("Down"), QStringLiteral("Down"),
                   QStringLiteral("Return")});
        const unsigned long e = neuesFenster(p, {h, s});
        const std::optional<QRect> re = rahmenVonAussen(e);
        QVERIFY(re);
        if (lauf == 1) eingabe = *re;
        QVERIFY2(*re == eingabe,
                 qPrintable(QStringLiteral("Start %1: %2 statt %3").arg(lauf).arg(text(*re), text(eingabe))));
        QVERIFY2(schirm_.contains(*re), qPrintable(text(*re)));
        tippen(e, {QStringLiteral("alt+F4")});
        QTRY_VERIFY_WITH_TIMEOUT(!fensterDesProzesses(p->processId()).contains(e), 10000);

        beenden(p, h);
        if (QTest::currentTestFailed()) return;
    }
    // the first start placed the main window at its designed place
    QCOMPARE(haupt.topLeft(), QPoint(0, 0));
}

// A second start (a slip opened from the file manager) brings the running
// program's window to the front, even from the task bar; a start without
// files does so as well. The window manager decides what is in front: the
// X server is asked.
void TestNeustart::zweiterStartHoltDasFensterNachVorn() {
    QProcess* erster = starten();
    const unsigned long h = hauptfenster(erster);
    QVERIFY(rahmenVonAussen(h));
    const auto aktiv = [] {
        return ausfuehren(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed().toULong();
    };

    // a window of another program in front
    QWidget anderes;
    anderes.setWindowTitle(QStringLiteral("Anderes Programm"));
    anderes.resize(300, 200);
    anderes.show();
    QVERIFY(QTest::qWaitForWindowExposed(&anderes));
    ausfuehren(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                           QString::number(anderes.winId())});
    QTRY_COMPARE(aktiv(), static_cast<unsigned long>(anderes.winId()));

    QFile schein(heim_->path() + QStringLiteral("/Zweiter Start.kv13"));
    QVERIFY(schein.open(QIODevice::WriteOnly));
    QByteArray feld(40, '\0');
    for (int m = 0; m < 13; ++m) feld[1 + 3 * m] = 1;
    schein.write(feld);
    schein.close();
    QProcess* zweiter = starten({QStringLiteral("Zweiter Start.kv13")});
    QVERIFY(zweiter->state() == QProcess::NotRunning || zweiter->waitForFinished(30000));
    QCOMPARE(zweiter->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(aktiv(), h, 10000);

    // minimised to the task bar, then a start without files
    ausfuehren(QStringLiteral("xdotool"),
               {QStringLiteral("windowminimize"), QStringLiteral("--sync"), QString::number(h)});
    QProcess* dritter = starten();
    QVERIFY(dritter->state() == QProcess::NotRunning || dritter->waitForFinished(30000));
    QCOMPARE(dritter->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(aktiv(), h, 10000);
    QVERIFY(rahmenVonAussen(h));
    beenden(erster, h);
}

int main(int argc, char* argv[]) {
    kv::ui::deutschVorbereiten();
    QApplication app(argc, argv);
    TestNeustart t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_neustart.moc"
