// The real program started as the user starts it, run as a child process: a
// slip double-clicked in the file manager while the program is not running,
// files a second start hands over while the first is still starting, and a
// settings file it cannot read. The probe Qt loads into the program
// (sonde/Sonde.cpp) reports what it shows and answers its message boxes as the
// user would.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include "Hauptfenstertest.h"
#include "Programm.h"
#include "TestUmgebung.h"
#include "main/TFMain.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;

namespace {

// How long a step of a started program may take on a busy machine.
constexpr int kReichlich = 60000;

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One started program and what its probe reported so far.
class Lauf {
  public:
    Lauf(const QString& programm, const QStringList& argumente, const QProcessEnvironment& umgebung,
         const QString& arbeitsordner = {}) {
        p_.setProcessEnvironment(umgebung);
        if (!arbeitsordner.isEmpty()) p_.setWorkingDirectory(arbeitsordner);
        p_.start(programm, argumente);
    }
    ~Lauf() {
        if (p_.state() != QProcess::NotRunning) {
            p_.kill();
            p_.waitForFinished();
        }
    }
    QProcess& prozess() { return p_; }

    // Waits until the probe reports `zeile`.
    bool warte(const QString& zeile) {
        return QTest::qWaitFor([&] { return zeilen().contains(zeile); }, kReichlich);
    }
    // The latest report of this kind ("REITER", "HAEKCHEN", ...), without the kind.
    QString letzte(const QString& art) {
        const QString kopf = art + QLatin1Char(' ');
        const QStringList z = zeilen();
        for (auto i = z.crbegin(); i != z.crend(); ++i)
            if (i->startsWith(kopf)) return i->mid(kopf.size());
        return QStringLiteral("(keine)");
    }
    QStringList zeilen() {
        gelesen_ += p_.readAllStandardOutput();
        return QString::fromUtf8(gelesen_).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString bericht() {
        return zeilen().join(QLatin1Char('\n')) + QLatin1Char('\n') +
               QString::fromUtf8(p_.readAllStandardError());
    }
    // What the user does: "OK" on a message box, "ENDE" to close the main window.
    void tue(const char* was) {
        p_.write(was);
        p_.write("\n");
    }
    bool endet() { return p_.waitForFinished(kReichlich) && p_.exitStatus() == QProcess::NormalExit; }

  private:
    QProcess p_;
    QByteArray gelesen_;
};

// A message as the probe reports it: the paragraph break as two line breaks.
QString meldung(QString text) {
    return QStringLiteral("MELDUNG ") + text.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
}

}  // namespace

class TstProgrammstart : public Hauptfenstertest {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> laufzeit_;

    // The environment of a start in the test's world: its data folder, its
    // runtime folder, the offscreen screen and the probe.
    QProcessEnvironment umgebung() const {
        QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
        u.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit_->path());
        u.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(KALVENDO_SONDE_ORDNER));
        u.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("kalvendo-sonde"));
        return u;
    }
    std::unique_ptr<Lauf> starte(const QStringList& argumente, const QString& arbeitsordner = {}) {
        return std::make_unique<Lauf>(QStringLiteral(KALVENDO_PROGRAMM), argumente, umgebung(),
                                      arbeitsordner);
    }
    // The command line the desktop runs for a double-click on `dateien`: the
    // desktop entry's Exec line with the program and the files put in.
    QStringList aufrufDesDesktops(const QStringList& dateien) {
        QStringList exec;
        for (const QByteArray& zeile : lies(QStringLiteral(KALVENDO_DESKTOP_EINTRAG)).split('\n'))
            if (zeile.startsWith("Exec=")) exec = QString::fromUtf8(zeile.mid(5)).split(QLatin1Char(' '));
        QStringList aufruf;
        for (const QString& teil : exec.mid(1)) {
            if (teil == QLatin1String("%F"))
                aufruf << dateien;
            else if (teil == QLatin1String("%U"))
                for (const QString& d : dateien) aufruf << QUrl::fromLocalFile(d).toString();
            else
                aufruf << teil;
        }
        if (exec.value(0) != QLatin1String("kalvendo"))
            aufruf.prepend(QStringLiteral("unerwartet: ") + exec.value(0));
        return aufruf;
    }

  private Q_SLOTS:
    void init() {
        Hauptfenstertest::init();
        laufzeit_ = std::make_unique<QTemporaryDir>();
        QVERIFY(
            QFile::setPermissions(laufzeit_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    void cleanup() {
        laufzeit_.reset();
        Hauptfenstertest::cleanup();
    }

    void doppelklickOeffnetReiter();
    void wartendeDateienNachDemStart();
    void uebergabeWaehrendDesStarts();
    void unlesbareEinstellungen_data();
    void unlesbareEinstellungen();
};

// The program not running: a double-click on a slip (or on two chosen
// together) starts it with the files, and each opens as a tab on the right,
// the last one in front. The remembered files stay as they were.
void TstProgrammstart::doppelklickOeffnetReiter() {
    const QString samstag =
        welt().schein(QStringLiteral("Samstag.kv13"), {reihe("1021021021021"), vollsystem()});
    const QString sonntag = welt().schein(QStringLiteral("Spieltag 12.kv13"), {reihe("2222222222222")});

    auto lauf = starte(aufrufDesDesktops({samstag}));
    QVERIFY2(lauf->warte(QStringLiteral("REITER Samstag")), qPrintable(lauf->bericht()));
    lauf->tue("ENDE");
    QVERIFY2(lauf->endet(), qPrintable(lauf->bericht()));
    QCOMPARE(lauf->prozess().exitCode(), 0);
    QVERIFY(lauf->zeilen().filter(QStringLiteral("MELDUNG")).isEmpty());
    QCOMPARE(IniDatei(welt().einstellungsdatei().toStdString()).leseZahl("Spielscheine", "Dateienanzahl", 0),
             0);

    lauf = starte(aufrufDesDesktops({samstag, sonntag}));
    QVERIFY2(lauf->warte(QStringLiteral("REITER Samstag|Spieltag 12")), qPrintable(lauf->bericht()));
    QVERIFY2(lauf->warte(QStringLiteral("VORN Spieltag 12")), qPrintable(lauf->bericht()));
    lauf->tue("ENDE");
    QVERIFY2(lauf->endet(), qPrintable(lauf->bericht()));
}

// Files that come before the main window's start is over (a later start
// handing them over while a message of the start is open) open once it is.
void TstProgrammstart::wartendeDateienNachDemStart() {
    const QString schein = welt().schein(QStringLiteral("Gewartet.kv13"), {reihe("1111111111111")});
    const auto programm = ui::programmAufbauen(welt().datenordner());
    ui::TFMain& w = programm->hauptfenster();
    programm->dateienOeffnen({schein});
    QCOMPARE(w.PC1()->count(), 0);
    w.show();
    QVERIFY(w.startFertig());
    QCOMPARE(w.PC1()->count(), 1);
    QCOMPARE(w.PC1()->tabText(0), QStringLiteral("Gewartet"));
    QVERIFY(w.close());
}

// The user path: the start shows a message (a remembered slip is gone);
// meanwhile a double-click on a slip hands it to the starting program. Once
// the message is answered and the start is over, the slip is open.
void TstProgrammstart::uebergabeWaehrendDesStarts() {
    const QString weg = welt().ablage() + QStringLiteral("Weg.kv13");
    {
        IniDatei ini(welt().einstellungsdatei().toStdString());
        ini.schreibeText("Spielschein", "Datei", weg.toStdString());
    }
    const QString spaet = welt().schein(QStringLiteral("Spät.kv13"), {reihe("0000000000000")});

    auto erster = starte({});
    const QString nichtGefunden = meldung(
        QStringLiteral("Die mit dem Programmstart zu ladende Datei Weg.kv13\r\r wurde nicht gefunden."));
    QVERIFY2(erster->warte(nichtGefunden), qPrintable(erster->bericht()));

    auto zweiter = starte(aufrufDesDesktops({spaet}));
    QVERIFY2(zweiter->endet(), qPrintable(zweiter->bericht()));
    QCOMPARE(zweiter->prozess().exitCode(), 0);
    QCOMPARE(erster->letzte(QStringLiteral("REITER")), QString());

    erster->tue("OK");
    QVERIFY2(erster->warte(QStringLiteral("REITER Spät")), qPrintable(erster->bericht()));
    erster->tue("ENDE");
    QVERIFY2(erster->endet(), qPrintable(erster->bericht()));
}

void TstProgrammstart::unlesbareEinstellungen_data() {
    QTest::addColumn<bool>("ordner");
    QTest::addColumn<QString>("grund");
    QTest::newRow("ein Ordner an ihrer Stelle")
        << true << QStringLiteral("konnte nicht gelesen werden: Das ist ein Ordner, keine Datei.");
    QTest::newRow("ohne Leserecht") << false
                                    << QStringLiteral("konnte nicht geöffnet werden: Zugriff verweigert.");
}

// "Einstellungen.ini" is there but cannot be read: the start says so in
// German and goes on with the defaults; nothing replaces the file, neither
// at the start nor at the end, whose scores are saved as always.
void TstProgrammstart::unlesbareEinstellungen() {
    QFETCH(bool, ordner);
    QFETCH(QString, grund);
    const QString ini = welt().einstellungsdatei();
    const QByteArray inhalt("[Spielschein]\nMerken=0\n[Fenster]\nHaupt-Left=17\n");
    if (ordner) {
        QVERIFY(QDir().mkpath(ini));
        QFile f(ini + QStringLiteral("/Notiz.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    } else {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        QVERIFY(::chmod(QFile::encodeName(ini).constData(), 0) == 0);
    }
    // Root reads every file: then the program runs as a user without
    // rights, in a world that user owns apart from the settings file.
    QString programm = QStringLiteral(KALVENDO_PROGRAMM);
    QStringList argumente;
    if (::geteuid() == 0) {
        const uid_t niemand = 65534;
        const QString home = QDir(qEnvironmentVariable("HOME")).absolutePath();
        QVERIFY(::chmod(QFile::encodeName(QFileInfo(home).absolutePath()).constData(), 0755) == 0);
        for (QString d = QDir::cleanPath(welt().datenordner()); d.startsWith(home);
             d = QFileInfo(d).absolutePath())
            QVERIFY(::chown(QFile::encodeName(d).constData(), niemand, niemand) == 0);
        QVERIFY(::chown(QFile::encodeName(laufzeit_->path()).constData(), niemand, niemand) == 0);
        argumente = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                     QStringLiteral("--clear-groups"), QStringLiteral("--"), programm};
        programm = QStringLiteral("setpriv");
    }
    const QString fehler = meldung(QStringLiteral("Die Datei ") + ini + QLatin1Char(' ') + grund);
    auto lauf = std::make_unique<Lauf>(programm, argumente, umgebung());
    QVERIFY2(lauf->warte(fehler), qPrintable(lauf->bericht()));
    lauf->tue("OK");
    QVERIFY2(lauf->warte(QStringLiteral("MELDUNG ZU")), qPrintable(lauf->bericht()));
    // the tick boxes as the window is designed, as without settings
    QCOMPARE(lauf->letzte(QStringLiteral("HAEKCHEN")),
             QStringLiteral("cbMerken=1 cbMerken2=1 cbMerkenSp=1 cbRechts=0"));
    QCOMPARE(lauf->letzte(QStringLiteral("REITER")), QString());

    // closing: the settings cannot be kept, which is said once more
    lauf->tue("ENDE");
    QVERIFY2(QTest::qWaitFor([&] { return lauf->zeilen().count(fehler) == 2; }, kReichlich),
             qPrintable(lauf->bericht()));
    lauf->tue("OK");
    QVERIFY2(lauf->endet(), qPrintable(lauf->bericht()));
    QCOMPARE(lauf->prozess().exitCode(), 0);
    // (the program ends with the second answer, before its probe sees the box go)
    QCOMPARE(lauf->zeilen().filter(QStringLiteral("MELDUNG")),
             (QStringList{fehler, QStringLiteral("MELDUNG ZU"), fehler}));

    const QFileInfo danach(ini);
    if (ordner) {
        QVERIFY(danach.isDir());
        QCOMPARE(QDir(ini).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Notiz.txt")});
        QCOMPARE(lies(ini + QStringLiteral("/Notiz.txt")), inhalt);
    } else {
        QVERIFY(danach.isFile());
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(ini).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, 0u);
        QVERIFY(::chmod(QFile::encodeName(ini).constData(), 0600) == 0);
        QCOMPARE(lies(ini), inhalt);
    }
    QCOMPARE(lies(welt().spielstanddatei()).size(), 39);
}

KV_GUI_TEST_MAIN(TstProgrammstart)
#include "tst_programmstart.moc"
