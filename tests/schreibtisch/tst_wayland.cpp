// The program under Wayland (weston, started by tests/schreibtisch/
// schreibtisch), where a program cannot place its own windows: it starts,
// opens a slip given on its command line and the system slip window, ends,
// says nothing but Qt's own notices, and leaves the remembered positions as
// they were (it keeps the sizes).
//
//   imProzess:       the program as programmAufbauen() builds it, in this
//                    process, under a headless weston (schreibtisch --wayland)
//   echtesProgramm:  the real program under a headless weston
//                    (schreibtisch --wayland), used through the probe Qt
//                    loads into it
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "Hauptfenstertest.h"
#include "Programm.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "main/TFMain.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFMain;

namespace {

const char kEinstellungen[] =
    "[Fenster]\nHaupt-Left=123\nHaupt-Top=45\nHaupt-Width=900\nHaupt-Height=500\n"
    "Schein-Left=77\nSchein-Top=66\n";

// The messages the program wrote, apart from Qt's own notices (categories
// "qt.…", as the Wayland plugin writes them).
QStringList eigeneMeldungen;
QtMessageHandler vorigerHandler = nullptr;

void meldungMerken(QtMsgType art, const QMessageLogContext& kontext, const QString& text) {
    const QString kategorie = QString::fromLatin1(kontext.category ? kontext.category : "");
    if (!kategorie.startsWith(QLatin1String("qt.")) && art != QtDebugMsg) eigeneMeldungen << text;
    if (vorigerHandler) vorigerHandler(art, kontext, text);
}

void einstellungenPruefen(const QString& datei) {
    const IniDatei ini(datei.toStdString());
    QCOMPARE(ini.leseZahl("Fenster", "Haupt-Left", 0), 123);
    QCOMPARE(ini.leseZahl("Fenster", "Haupt-Top", 0), 45);
    QCOMPARE(ini.leseZahl("Fenster", "Schein-Left", 0), 77);
    QCOMPARE(ini.leseZahl("Fenster", "Schein-Top", 0), 66);
}

}  // namespace

class TestWayland : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void imProzess();
    void echtesProgramm();
};

void TestWayland::imProzess() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QFAIL("kein Wayland: mit tests/schreibtisch/schreibtisch --wayland starten");
    {
        QFile f(welt().einstellungsdatei());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kEinstellungen);
    }
    const QString schein = welt().schein(QStringLiteral("Wayland.kv13"), {reihe("1021021021021"), vew(5)});
    eigeneMeldungen.clear();
    vorigerHandler = qInstallMessageHandler(meldungMerken);
    for (int lauf = 0; lauf < 2; ++lauf) {
        TFMain& w = starten();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        welt().programm()->dateienOeffnen({schein});
        QTRY_COMPARE(w.PC1()->count(), 1);
        w.kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
        QWidget* sys = ui::fensterSuchen(QStringLiteral("FEingabeSys"));
        QVERIFY(sys && QTest::qWaitForWindowExposed(sys));
        sys->close();
        QVERIFY(welt().beenden());
        einstellungenPruefen(welt().einstellungsdatei());
        const IniDatei ini(welt().einstellungsdatei().toStdString());
        QCOMPARE(ini.leseZahl("Fenster", "Haupt-Width", 0), 900);
        QCOMPARE(ini.leseZahl("Fenster", "Haupt-Height", 0), 500);
    }
    qInstallMessageHandler(vorigerHandler);
    QVERIFY2(eigeneMeldungen.isEmpty(), qPrintable(eigeneMeldungen.join(QLatin1Char('\n'))));
}

void TestWayland::echtesProgramm() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QFAIL("kein weston: mit tests/schreibtisch/schreibtisch --wayland starten");
    QTemporaryDir heim;
    const QString daten = heim.path() + QStringLiteral("/.local/share/Kalvendo");
    QVERIFY(QDir().mkpath(daten));
    {
        QFile f(daten + QStringLiteral("/Einstellungen.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kEinstellungen);
    }
    const QString schein = welt().schein(QStringLiteral("Echt.kv13"), {reihe("1111111111111")});
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), heim.path());
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), heim.path() + QStringLiteral("/.local/share"));
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // the probe Qt loads into the program reports its shown windows and acts as the user
    umgebung.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(KALVENDO_SONDE_ORDNER));
    umgebung.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("kalvendo-sonde"));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(KALVENDO_PROGRAMM), {schein});
    QVERIFY(p.waitForStarted());
    QByteArray bericht;
    // the probe's latest report of the kind `art`, without the kind
    const auto letzte = [&](const QByteArray& art) {
        bericht += p.readAllStandardOutput();
        QString z;
        for (const QByteArray& zeile : bericht.split('\n'))
            if (zeile.startsWith(art + ' ')) z = QString::fromUtf8(zeile.mid(art.size() + 1));
        return z;
    };
    // waits until the probe's latest list of shown windows is `fenster`,
    // however long a busy machine takes
    const auto warteAufFenster = [&](const QString& fenster) {
        if (QTest::qWaitFor([&] { return letzte("FENSTER") == fenster || p.state() != QProcess::Running; },
                            60000) &&
            letzte("FENSTER") == fenster)
            return true;
        qWarning().noquote() << "erwartet FENSTER" << fenster << "- die Sonde sagte:\n" << bericht;
        return false;
    };
    // What the user does, through the probe: keys typed into a compositor
    // were dropped now and then just after a window came to the front on a
    // loaded machine, which made the test fail for nothing.
    const auto tue = [&](const QByteArray& was) {
        p.write(was + '\n');
        p.waitForBytesWritten(5000);
    };
    QVERIFY(warteAufFenster(QStringLiteral("FMain")));
    tue("WAEHLE Datei/Neuen Systemschein eingeben...");
    QVERIFY(warteAufFenster(QStringLiteral("FEingabeSys|FMain")));
    tue("KLICKE FEingabeSys/BClose");  // "Schließen"
    QVERIFY(warteAufFenster(QStringLiteral("FMain")));
    tue("ENDE");  // "Datei → Beenden"
    QVERIFY2(p.state() == QProcess::NotRunning || p.waitForFinished(60000), "das Programm endet nicht");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QStringList fehler;
    for (const QString& zeile : QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n')))
        if (!zeile.trimmed().isEmpty() && !zeile.startsWith(QLatin1String("qt."))) fehler << zeile;
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    einstellungenPruefen(daten + QStringLiteral("/Einstellungen.ini"));
    // the system slip window was shown and closed: its size is on record
    const IniDatei ini((daten + QStringLiteral("/Einstellungen.ini")).toStdString());
    QVERIFY(ini.leseZahl("Fenster", "Schein-Width", 0) > 0);
}

// the desktop script has chosen the platform (xcb or wayland)
KV_GUI_TEST_MAIN(TestWayland)

#include "tst_wayland.moc"
