// The update window against a real HTTPS server on 127.0.0.1: the version
// check, the download with its progress bar, every failure of the transfer,
// and the hand-over to the installer with a fake installer and a copy of a
// small program in a temporary program folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

#include "../common/Schreibschutz.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestServer.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "main/TFMain.h"
#include "model/Records.h"
#include "update/TFNeu.h"
#include "update/Updatepruefung.h"

using namespace kv;
using namespace kv::test;
using Art = TestDialoge::Art;
using Zertifikat = TestServer::Zertifikat;

Q_DECLARE_METATYPE(kv::test::ServerAntwort)

namespace {

const QByteArray kVersionPfad = update::kVersionPfad;
const QByteArray kInstallerPfad = update::kInstallerPfad;

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(inhalt), inhalt.size());
}

QByteArray html404() {
    return "<!DOCTYPE html><html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>"
           "<p>The requested URL was not found on this server.</p></body></html>";
}

QByteArray bytes(int n) {
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) b[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    return b;
}

}  // namespace

class TestUpdate : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();

    void fensterBeimOeffnen();
    void pruefen_data();
    void pruefen();
    void ohneVerbindungUndFalscheAdresse();
    void download_data();
    void download();
    void schliessenBrichtDownloadAb();
    void installationJa();
    void installationNein();
    void installationOhneSchreibrecht();
    void installerStartetNicht();

  private:
    // A new window on the server `s` for the test's program context.
    ui::TFNeu* oeffnen(const TestServer& s);
    // Runs a step and waits until it has finished.
    void klickeUndWarte(QPushButton* b);
    // Check and download of an installer with this body: afterwards "Installation" is enabled.
    void bisZurInstallation(const QByteArray& installer);
    QStringList datenordnerInhalt();
    QString programmordner() const { return tmp_->path() + QStringLiteral("/Programm/"); }
    QString programm() const { return programmordner() + QStringLiteral("kalvendo"); }
    QString marke() const { return tmp_->path() + QStringLiteral("/installer-gestartet"); }
    QStringList skripte() const;
    QByteArray fakeInstaller() const;
    // Starts the copy of the small program; its process id goes into the context.
    void programmStarten();

    std::unique_ptr<QTemporaryDir> tmp_;
    QWidget* haupt_ = nullptr;  // the program's main window
    std::unique_ptr<TestServer> server_;
    std::unique_ptr<QProcess> programmLauf_;
    QPointer<ui::TFNeu> fenster_;
    ui::Updatekontext kontext_;
    int beendet_ = 0;
    QByteArray altTmp_;
};

void TestUpdate::init() {
    Hauptfenstertest::init();
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(tmp_->path()).mkpath(QStringLiteral("Programm")));
    QVERIFY(QDir(tmp_->path()).mkpath(QStringLiteral("tmp")));
    // The removal script goes to the temporary folder: the test's own.
    altTmp_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", (tmp_->path() + QStringLiteral("/tmp")).toUtf8());
    qputenv("no_proxy", "127.0.0.1,localhost");
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), programm()));
    TestServer::vertrauen(true);

    haupt_ = &starten();
    beendet_ = 0;
    kontext_ = ui::Updatekontext{};
    kontext_.datenordner = welt().datenordner();
    kontext_.version = QString::fromUtf8(kVersion);
    kontext_.programmDatei = programm();
    kontext_.prozessId = 0;
    kontext_.beenden = [this] { ++beendet_; };
}

void TestUpdate::cleanup() {
    // Tear everything down first, so a failed check leaves nothing to the next test.
    if (fenster_) fenster_->close();
    const bool zu = QTest::qWaitFor([this] { return fenster_.isNull(); });
    const bool sanduhr = QApplication::overrideCursor() != nullptr;
    if (programmLauf_) {
        programmLauf_->kill();
        programmLauf_->waitForFinished();
        programmLauf_.reset();
    }
    server_.reset();
    haupt_ = nullptr;
    Hauptfenstertest::cleanup();
    tmp_.reset();
    if (altTmp_.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", altTmp_);
    qunsetenv(update::kServerVariable);
    QVERIFY2(zu, "Das Update-Fenster schliesst nicht");
    QVERIFY2(!sanduhr, "Die Sanduhr bleibt nach dem Schliessen");
}

ui::TFNeu* TestUpdate::oeffnen(const TestServer& s) {
    qputenv(update::kServerVariable, s.adresse().toUtf8());
    fenster_ = ui::updateFensterZeigen(haupt_, kontext_);
    if (!QTest::qWaitForWindowExposed(fenster_.data())) return nullptr;
    return fenster_;
}

void TestUpdate::klickeUndWarte(QPushButton* b) {
    QVERIFY(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!fenster_->laeuft(), 15000);
}

QStringList TestUpdate::datenordnerInhalt() {
    return QDir(welt().datenordner()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QStringList TestUpdate::skripte() const {
    return QDir(tmp_->path() + QStringLiteral("/tmp")).entryList({QStringLiteral("uis*")}, QDir::Files);
}

QByteArray TestUpdate::fakeInstaller() const {
    return "#!/bin/sh\npwd > '" + marke().toUtf8() + "'\n";
}

void TestUpdate::programmStarten() {
    programmLauf_ = std::make_unique<QProcess>();
    programmLauf_->start(programm(), {QStringLiteral("60")});
    QVERIFY(programmLauf_->waitForStarted());
    kontext_.prozessId = programmLauf_->processId();
}

void TestUpdate::bisZurInstallation(const QByteArray& installer) {
    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.7.0.0"}));
    server_->setze(kInstallerPfad, antwort(200, installer));
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    klickeUndWarte(fenster_->BDown());
    QVERIFY(fenster_->BSetup()->isEnabled());
}

void TestUpdate::fensterBeimOeffnen() {
    server_ = std::make_unique<TestServer>();
    qputenv(update::kServerVariable, server_->adresse().toUtf8());
    // The main window's tool button opens it, centred on the main window.
    klicke(haupt_->findChild<QToolButton*>(QStringLiteral("BUpdate")));
    fenster_ = qobject_cast<ui::TFNeu*>(ui::fensterSuchen(QStringLiteral("FNeu")));
    QVERIFY(fenster_);
    QVERIFY(QTest::qWaitForWindowExposed(fenster_.data()));
    ui::TFNeu* f = fenster_;
    QCOMPARE(f->objectName(), QStringLiteral("FNeu"));
    QCOMPARE(f->windowTitle(), QStringLiteral("Kalvendo"));
    QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(f->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(f->PiVersion()->text(), QStringLiteral("1.6.2.0"));
    QCOMPARE(f->PvVersion()->text(), QString());
    QVERIFY(f->BCalc()->isEnabled());
    QVERIFY(!f->BDown()->isEnabled());
    QVERIFY(!f->BSetup()->isEnabled());
    QCOMPARE(f->BCalc()->text(), QStringLiteral("Prüfen"));
    QCOMPARE(f->BDown()->text(), QStringLiteral("Download"));
    QCOMPARE(f->BSetup()->text(), QStringLiteral("Installation"));
    QCOMPARE(f->findChild<QPushButton*>(QStringLiteral("BClose"))->text(), QStringLiteral("Sch&ließen"));
    QCOMPARE(f->frameGeometry().center(), haupt_->frameGeometry().center());

    // The command shows the open window again instead of a second one.
    server_->setze(kVersionPfad, versionsAntwort({"1.6.1.0"}));
    klickeUndWarte(f->BCalc());
    QCOMPARE(ui::updateFensterZeigen(haupt_, kontext_), f);

    // F1 shows the update page; the transfer tool's 1100 stays its own page.
    QTest::keyClick(f, Qt::Key_F1);
    QWidget* hilfe = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FHilfe")) hilfe = w;
    QVERIFY(hilfe && hilfe->isVisible());
    QCOMPARE(hilfe->findChild<QTextBrowser*>(QStringLiteral("hilfeBrowser"))->documentTitle(),
             QStringLiteral("Update-Prüfung"));
    hilfe->close();

    // Closing destroys it; the next opening starts afresh.
    f->findChild<QPushButton*>(QStringLiteral("BClose"))->click();
    QTRY_VERIFY(fenster_.isNull());
    f = oeffnen(*server_);
    QCOMPARE(f->PvVersion()->text(), QString());
    QVERIFY(!f->BDown()->isEnabled());
}

void TestUpdate::pruefen_data() {
    QTest::addColumn<ServerAntwort>("antwort");
    QTest::addColumn<int>("zertifikat");
    QTest::addColumn<bool>("vertraut");
    QTest::addColumn<QString>("version");   // shown in PvVersion afterwards
    QTest::addColumn<bool>("download");     // "Download" enabled afterwards
    QTest::addColumn<QString>("meldung");   // start of the message, empty: none
    QTest::addColumn<bool>("dateiBleibt");  // verinfos.kvx is in the data folder afterwards

    const int lh = static_cast<int>(Zertifikat::Localhost);
    const QString gescheitert = QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r");
    const QString unlesbar =
        QStringLiteral("Die Versionsinformation \"verinfos.kvx\" vom Server ist nicht lesbar");

    QTest::newRow("gleiche Version") << versionsAntwort({"1.6.2.0"}) << lh << true << "1.6.2.0" << false
                                     << QString() << true;
    QTest::newRow("aeltere Version") << versionsAntwort({"1.6.1.0"}) << lh << true << "1.6.1.0" << true
                                     << QString() << true;
    QTest::newRow("zwei Saetze, der zweite zaehlt")
        << versionsAntwort({"1.7.0.0", "1.6.2.0"}) << lh << true << "1.6.2.0" << false << QString() << true;
    ServerAntwort teil = versionsAntwort({"1.6.3.0"});
    teil.body += QByteArray(12, 'x');
    QTest::newRow("Teilsatz am Ende") << teil << lh << true << "1.6.3.0" << true << QString() << true;
    QTest::newRow("kein ganzer Satz")
        << antwort(200, QByteArray(23, '\0')) << lh << true << QString() << false << unlesbar << true;
    ServerAntwort lang = versionsAntwort({"1.6.3.0"});
    lang.body[8] = 16;
    QTest::newRow("Laengenbyte 16") << lang << lh << true << QString() << false << unlesbar << true;
    QTest::newRow("404 mit HTML") << antwort(404, html404()) << lh << true << QString() << false
                                  << gescheitert + "Der Server antwortete mit dem Status 404" << false;
    QTest::newRow("500") << antwort(500, "<html>Fehler</html>") << lh << true << QString() << false
                         << gescheitert + "Der Server antwortete mit dem Status 500" << false;
    ServerAntwort abbruch = versionsAntwort({"1.6.3.0", "1.6.4.0", "1.6.5.0"});
    abbruch.abbruchNach = 30;
    QTest::newRow("Verbindung bricht ab")
        << abbruch << lh << true << QString() << false << gescheitert << false;
    ServerAntwort kurz = abbruch;
    kurz.sauberSchliessen = true;
    QTest::newRow("kuerzer als angekuendigt")
        << kurz << lh << true << QString() << false << gescheitert << false;
    QTest::newRow("Zertifikat fuer anderen Host")
        << versionsAntwort({"1.6.3.0"}) << static_cast<int>(Zertifikat::FremderHost) << true << QString()
        << false << gescheitert + "Das Zertifikat des Servers gilt nicht für „127.0.0.1“." << false;
    QTest::newRow("Zertifikat nicht vertrauenswuerdig")
        << versionsAntwort({"1.6.3.0"}) << lh << false << QString() << false
        << gescheitert + "Das Zertifikat des Servers ist nicht vertrauenswürdig." << false;
    ServerAntwort http;
    http.umleitungSchema = "http";
    http.umleitungZiel = "/spiegel/verinfos.kvx";
    QTest::newRow("Umleitung auf http")
        << http << lh << true << QString() << false
        << gescheitert + "Der Server leitet auf die unsichere Adresse" << false;
    ServerAntwort https = http;
    https.umleitungSchema = "https";
    QTest::newRow("Umleitung auf https") << https << lh << true << "1.6.1.0" << true << QString() << true;
    ServerAntwort ohneLaenge = versionsAntwort({"1.6.1.0"});
    ohneLaenge.ohneLaenge = true;
    QTest::newRow("ohne Laengenangabe") << ohneLaenge << lh << true << "1.6.1.0" << true << QString() << true;
}

void TestUpdate::pruefen() {
    QFETCH(ServerAntwort, antwort);
    QFETCH(int, zertifikat);
    QFETCH(bool, vertraut);
    QFETCH(QString, version);
    QFETCH(bool, download);
    QFETCH(QString, meldung);
    QFETCH(bool, dateiBleibt);

    TestServer::vertrauen(vertraut);
    server_ = std::make_unique<TestServer>(static_cast<Zertifikat>(zertifikat));
    server_->setze(kVersionPfad, antwort);
    server_->setze("/spiegel/verinfos.kvx", versionsAntwort({"1.6.1.0"}));
    // An old version file is deleted before the download, also when it fails.
    const QString datei = welt().datenordner() + QStringLiteral("verinfos.kvx");
    schreibe(datei, versionsAntwort({"1.6.2.0"}).body);

    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());

    QCOMPARE(fenster_->PvVersion()->text(), version);
    QCOMPARE(fenster_->BDown()->isEnabled(), download);
    QVERIFY(fenster_->BCalc()->isEnabled());
    QVERIFY(!fenster_->BSetup()->isEnabled());
    if (!meldung.isEmpty()) {
        const QString text = dialoge().nimmMeldung(Art::Information);
        QVERIFY2(text.startsWith(meldung), qPrintable(text));
    }
    // Nothing but the downloaded file: no half file, no error page.
    QCOMPARE(datenordnerInhalt(), dateiBleibt ? QStringList{QStringLiteral("verinfos.kvx")} : QStringList{});
    if (dateiBleibt && !antwort.body.isEmpty() && antwort.umleitungSchema.isEmpty())
        QCOMPARE(lies(datei), antwort.body);
    if (vertraut && zertifikat == static_cast<int>(Zertifikat::Localhost)) {
        QVERIFY(!server_->anfragen().isEmpty());
        for (const auto& a : server_->anfragen()) {
            QCOMPARE(a.methode, QByteArray("GET"));
            QCOMPARE(a.userAgent, QByteArray("Kalvendo"));
        }
        QCOMPARE(server_->anfragen().first().pfad, kVersionPfad);
    } else {
        QVERIFY(server_->anfragen().isEmpty());
    }
}

void TestUpdate::ohneVerbindungUndFalscheAdresse() {
    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.6.3.0"}));
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    QVERIFY(fenster_->BDown()->isEnabled());

    // A host that does not exist counts as no connection, for both steps.
    qputenv(update::kServerVariable, "https://kalvendo.invalid");
    klickeUndWarte(fenster_->BDown());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                            "bestehen.\r\rIch breche ab."));
    QVERIFY(!fenster_->BSetup()->isEnabled());
    klickeUndWarte(fenster_->BCalc());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));

    // An address that is not https is refused before anything is sent.
    qputenv(update::kServerVariable, QByteArray("http://") + server_->adresse().mid(8).toUtf8());
    const qsizetype vorher = server_->anfragen().size();
    QTest::mouseClick(fenster_->BCalc(), Qt::LeftButton);
    QVERIFY(!fenster_->laeuft());
    QVERIFY(dialoge().nimmMeldung(Art::Fehler).contains(QLatin1String("KALVENDO_UPDATE_URL")));
    QCOMPARE(server_->anfragen().size(), vorher);
    QVERIFY(fenster_->BCalc()->isEnabled());
}

void TestUpdate::download_data() {
    QTest::addColumn<ServerAntwort>("antwort");
    QTest::addColumn<bool>("erfolg");
    QTest::addColumn<QString>("grund");  // the reason after the download message

    const QByteArray installer = bytes(300 * 1024);
    ServerAntwort stueckweise = antwort(200, installer);
    stueckweise.stueck = 16 * 1024;
    stueckweise.pauseMs = 5;
    QTest::newRow("in Stuecken mit Laenge") << stueckweise << true << QString();
    ServerAntwort ohneLaenge = stueckweise;
    ohneLaenge.ohneLaenge = true;
    QTest::newRow("ohne Laengenangabe") << ohneLaenge << true << QString();
    QTest::newRow("404 mit HTML") << antwort(404, html404()) << false
                                  << "Der Server antwortete mit dem Status 404 (Not Found).";
    ServerAntwort abbruch = stueckweise;
    abbruch.abbruchNach = 100 * 1024;
    QTest::newRow("Verbindung bricht ab") << abbruch << false << QString();
    ServerAntwort kurz = abbruch;
    kurz.sauberSchliessen = true;
    QTest::newRow("kuerzer als angekuendigt") << kurz << false << QString();
}

void TestUpdate::download() {
    QFETCH(ServerAntwort, antwort);
    QFETCH(bool, erfolg);
    QFETCH(QString, grund);

    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.6.3.0"}));
    server_->setze(kInstallerPfad, antwort);
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    // An old installer is deleted before the download, also when it fails.
    const QString datei = welt().datenordner() + QStringLiteral("Update.run");
    schreibe(datei, "alt");

    QProgressBar* balken = fenster_->PBDownload();
    QList<std::pair<int, int>> stand;  // (value, maximum) as the bar showed them
    connect(balken, &QProgressBar::valueChanged, this, [&](int wert) {
        stand.append({wert, balken->maximum()});
    });
    klickeUndWarte(fenster_->BDown());

    QCOMPARE(fenster_->BSetup()->isEnabled(), erfolg);
    QVERIFY(fenster_->BDown()->isEnabled());
    const QString geprueft = QStringLiteral("verinfos.kvx");
    if (erfolg) {
        QCOMPARE(datenordnerInhalt(), (QStringList{QStringLiteral("Update.run"), geprueft}));
        QCOMPARE(lies(datei), antwort.body);
        QCOMPARE(QFileInfo(datei).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                              QFile::ExeOwner | QFile::ReadUser |
                                                              QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(balken->value(), balken->maximum());
        QVERIFY(balken->maximum() > 0);
        if (!antwort.ohneLaenge) {
            // Real progress: the bar went through values between empty and full.
            bool zwischendurch = false;
            for (const auto& [wert, maximum] : stand) zwischendurch |= wert > 0 && wert < maximum;
            QVERIFY2(zwischendurch, "kein Zwischenstand");
            QCOMPARE(balken->maximum(), 300);  // KiB
        }
    } else {
        QCOMPARE(datenordnerInhalt(), QStringList{geprueft});
        const QString text = dialoge().nimmMeldung(Art::Information);
        QVERIFY2(
            text.startsWith(QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später "
                                           "noch einmal oder laden Sie das Update von \"www.kalvendo.de\" "
                                           "herunter.")),
            qPrintable(text));
        if (!grund.isEmpty()) QVERIFY2(text.endsWith(QStringLiteral("\r\r") + grund), qPrintable(text));
        QCOMPARE(balken->value(), 0);
    }
    QCOMPARE(server_->anfragen().last().pfad, kInstallerPfad);
    QCOMPARE(server_->anfragen().last().userAgent, QByteArray("Kalvendo"));
}

void TestUpdate::schliessenBrichtDownloadAb() {
    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.6.3.0"}));
    ServerAntwort haengt = antwort(200, bytes(200 * 1024));
    haengt.abbruchNach = 100 * 1024;
    haengt.haengen = true;
    // Qt reports progress at most every few hundred milliseconds: send slowly.
    haengt.stueck = 8 * 1024;
    haengt.pauseMs = 60;
    server_->setze(kInstallerPfad, haengt);
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    QTest::mouseClick(fenster_->BDown(), Qt::LeftButton);
    QTRY_VERIFY(fenster_->PBDownload()->value() > 0);
    QVERIFY(fenster_->laeuft());
    QVERIFY(!fenster_->BDown()->isEnabled());
    QVERIFY(!fenster_->BCalc()->isEnabled());
    QVERIFY(QApplication::overrideCursor());
    fenster_->close();
    QTRY_VERIFY(fenster_.isNull());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(datenordnerInhalt(), QStringList{QStringLiteral("verinfos.kvx")});
}

void TestUpdate::installationJa() {
    programmStarten();
    bisZurInstallation(fakeInstaller());
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein),
             QString::fromStdString(update::textInstallationFrage(welt().datenordner().toStdString())));
    QCOMPARE(dialoge().meldungen().size(), 0);
    QCOMPARE(beendet_, 1);

    // The installer ran in the data folder.
    QTRY_VERIFY(QFile::exists(marke()));
    QCOMPARE(lies(marke()).trimmed(), QDir(welt().datenordner()).absolutePath().toUtf8());
    // The removal script waits while the program runs.
    const QStringList s = skripte();
    QCOMPARE(s.size(), 1);
    QVERIFY2(s.first().startsWith(QLatin1String("uis")) && s.first().endsWith(QLatin1String(".sh")),
             qPrintable(s.first()));
    QTest::qWait(700);
    QVERIFY(QFile::exists(programm()));
    QCOMPARE(skripte().size(), 1);

    // Once the program has ended: file, empty folder and script are gone.
    programmLauf_->terminate();
    QVERIFY(programmLauf_->waitForFinished());
    QTRY_VERIFY_WITH_TIMEOUT(skripte().isEmpty(), 10000);
    QVERIFY(!QFile::exists(programm()));
    QVERIFY(!QDir(programmordner()).exists());
    QVERIFY(QFile::exists(welt().datenordner() + QStringLiteral("Update.run")));
}

void TestUpdate::installationNein() {
    programmStarten();
    bisZurInstallation(fakeInstaller());
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein),
             QString::fromStdString(update::textInstallationFrage(welt().datenordner().toStdString())));
    const QString text = dialoge().nimmMeldung(Art::Information);
    QCOMPARE(text, QString::fromStdString(update::textInstallationAbgebrochen(
                       welt().datenordner().toStdString(), programmordner().toStdString())));
    QVERIFY(text.contains(welt().datenordner()));
    QVERIFY(text.contains(programmordner()));
    QCOMPARE(beendet_, 0);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(marke()));
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
    QVERIFY(QFile::exists(welt().datenordner() + QStringLiteral("Update.run")));
    QVERIFY(fenster_->BSetup()->isEnabled());
}

void TestUpdate::installationOhneSchreibrecht() {
    programmStarten();
    bisZurInstallation(fakeInstaller());
    Schreibschutz schutz(programmordner().toStdString());
    if (!schutz.ok()) QSKIP("Der Programmordner laesst sich hier nicht schuetzen");
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein),
             QString::fromStdString(update::textInstallationFrage(welt().datenordner().toStdString())));
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QString::fromStdString(update::textManuellEntfernen(welt().datenordner().toStdString(),
                                                                 programmordner().toStdString())));
    QCOMPARE(beendet_, 0);
    QTRY_VERIFY(QFile::exists(marke()));  // the installer was started all the same
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
}

void TestUpdate::installerStartetNicht() {
    programmStarten();
    bisZurInstallation("kein Programm, nur Text\n");
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein),
             QString::fromStdString(update::textInstallationFrage(welt().datenordner().toStdString())));
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QString::fromStdString(update::textStartGescheitert(welt().datenordner().toStdString())));
    QCOMPARE(beendet_, 0);
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
}

KV_GUI_TEST_MAIN(TestUpdate)
#include "tst_update.moc"
