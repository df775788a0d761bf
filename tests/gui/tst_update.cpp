// The update window against a real HTTPS server on 127.0.0.1: the version
// check, the download with its progress bar, every failure of the transfer,
// redirects whose target fails, and the way through a proxy. The hand-over
// to the installer is tst_update_installation.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

#include "GuiHilfen.h"
#include "TestProxy.h"
#include "TestServer.h"
#include "TestUmgebung.h"
#include "Updatetest.h"
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

class TestUpdate : public Updatetest {
    Q_OBJECT
  private Q_SLOTS:
    void fensterBeimOeffnen();
    void pruefen_data();
    void pruefen();
    void gescheiterteUmleitung_data();
    void gescheiterteUmleitung();
    void erneutePruefungVergisstDieVersion_data();
    void erneutePruefungVergisstDieVersion();
    void ohneVerbindungUndFalscheAdresse();
    void ueberProxy();
    void download_data();
    void download();
    void schliessenBrichtDownloadAb();
};

void TestUpdate::fensterBeimOeffnen() {
    server_ = std::make_unique<TestServer>();
    umgebung_->setze(update::kServerVariable, server_->adresse().toUtf8());
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
    // (centred on the main window by its real frame: tests/schreibtisch)

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
    QTest::newRow("Laengenbyte 0")
        << versionsAntwort({"1.6.3.0", ""}) << lh << true << QString() << false
        << QStringLiteral(
               "Die Versionsinformation \"verinfos.kvx\" vom Server ist nicht lesbar, daher kann "
               "ich die Versionen nicht vergleichen. Ihr letzter Eintrag enthält keine "
               "Versionsangabe.\r\rDie Aktualisierung hat leider nicht geklappt.")
        << true;
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

void TestUpdate::gescheiterteUmleitung_data() {
    QTest::addColumn<QString>("ziel");   // where the server redirects to: HOST:PORT, or "abgewiesen"/"fremd"
    QTest::addColumn<QString>("grund");  // the reason the message names

    QTest::newRow("Ziel nimmt keine Verbindung an")
        << QStringLiteral("abgewiesen")
        << QStringLiteral("Der Server 127.0.0.1:%1 nimmt keine Verbindung an.");
    QTest::newRow("Zertifikat des Ziels fuer anderen Namen")
        << QStringLiteral("fremd")
        << QStringLiteral("Das Zertifikat des Servers gilt nicht für „localhost“.");
    // The name is looked up for real (no proxy is set, see init()); its
    // failure is the event waited for, however long the resolver takes.
    QTest::newRow("Name des Ziels unbekannt")
        << QStringLiteral("kalvendo.invalid:443")
        << QStringLiteral("Der Servername „kalvendo.invalid“ wurde nicht gefunden.");
}

void TestUpdate::gescheiterteUmleitung() {
    QFETCH(QString, ziel);
    QFETCH(QString, grund);

    TestServer fremd(Zertifikat::FremderHost);
    fremd.setze(kVersionPfad, versionsAntwort({"1.6.1.0"}));
    QByteArray host;
    if (ziel == QLatin1String("abgewiesen")) {
        const quint16 port = abgewiesenerPort();
        host = "127.0.0.1:" + QByteArray::number(port);
        grund = grund.arg(port);
    } else if (ziel == QLatin1String("fremd")) {
        host = "localhost:" + QByteArray::number(QUrl(fremd.adresse()).port());
    } else {
        host = ziel.toUtf8();
    }
    server_ = std::make_unique<TestServer>();
    ServerAntwort weiter;
    weiter.umleitungAdresse = "https://" + host + kVersionPfad;
    server_->setze(kVersionPfad, weiter);

    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r") + grund);
    QCOMPARE(fenster_->PvVersion()->text(), QString());
    QVERIFY(!fenster_->BDown()->isEnabled());
    QCOMPARE(server_->anfragen().size(), 1);
    QVERIFY(fremd.anfragen().isEmpty());
    QCOMPARE(datenordnerInhalt(), QStringList());
}

void TestUpdate::erneutePruefungVergisstDieVersion_data() {
    QTest::addColumn<ServerAntwort>("danach");
    QTest::addColumn<QString>("meldung");  // start of the message

    const QString gescheitert = QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r");
    QTest::newRow("404") << antwort(404, html404())
                         << gescheitert + "Der Server antwortete mit dem Status 404";
    QTest::newRow("Version ohne Text")
        << versionsAntwort({""})
        << QStringLiteral("Die Versionsinformation \"verinfos.kvx\" vom Server ist nicht lesbar");
    ServerAntwort abbruch = versionsAntwort({"1.6.3.0", "1.6.4.0"});
    abbruch.abbruchNach = 30;
    QTest::newRow("Verbindung bricht ab") << abbruch << gescheitert;
}

void TestUpdate::erneutePruefungVergisstDieVersion() {
    QFETCH(ServerAntwort, danach);
    QFETCH(QString, meldung);

    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.8.0.0"}));
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    QCOMPARE(fenster_->PvVersion()->text(), QStringLiteral("1.8.0.0"));
    QVERIFY(fenster_->BDown()->isEnabled());

    server_->setze(kVersionPfad, danach);
    // Nothing of the last check counts while this one runs ...
    fenster_->BCalc()->click();
    QVERIFY(fenster_->laeuft());
    QCOMPARE(fenster_->PvVersion()->text(), QString());
    QVERIFY(!fenster_->BDown()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!fenster_->laeuft(), 120000);
    // ... nor after it failed.
    const QString text = dialoge().nimmMeldung(Art::Information);
    QVERIFY2(text.startsWith(meldung), qPrintable(text));
    QCOMPARE(fenster_->PvVersion()->text(), QString());
    QVERIFY(!fenster_->BDown()->isEnabled());
    QVERIFY(fenster_->BCalc()->isEnabled());
}

void TestUpdate::ueberProxy() {
    // The server answers only as "anderer-server.example", a name no resolver
    // knows: the check and the download can only go through the proxy.
    TestProxy proxy;
    server_ = std::make_unique<TestServer>(Zertifikat::FremderHost);
    server_->setze(kVersionPfad, versionsAntwort({"1.7.0.0"}));
    const QByteArray installer = bytes(64 * 1024);
    server_->setze(kInstallerPfad, antwort(200, installer));
    const QByteArray ziel = "anderer-server.example:" + QByteArray::number(QUrl(server_->adresse()).port());
    umgebung_->setze("https_proxy", proxy.adresse());

    QVERIFY(oeffnen(QStringLiteral("https://") + QString::fromLatin1(ziel)));
    klickeUndWarte(fenster_->BCalc());
    QCOMPARE(fenster_->PvVersion()->text(), QStringLiteral("1.7.0.0"));
    klickeUndWarte(fenster_->BDown());
    QVERIFY(fenster_->BSetup()->isEnabled());
    QCOMPARE(lies(welt().datenordner() + QStringLiteral("Update.run")), installer);
    QVERIFY(!proxy.ziele().isEmpty());
    for (const QByteArray& z : proxy.ziele()) QCOMPARE(z, ziel);
    QCOMPARE(server_->anfragen().size(), 2);
    QCOMPARE(server_->anfragen().first().pfad, kVersionPfad);
    QCOMPARE(server_->anfragen().last().pfad, kInstallerPfad);

    // A proxy that takes no connection is named as the cause.
    const quint16 port = abgewiesenerPort();
    umgebung_->setze("https_proxy", "http://127.0.0.1:" + QByteArray::number(port));
    klickeUndWarte(fenster_->BCalc());
    const QString text = dialoge().nimmMeldung(Art::Information);
    QVERIFY2(text.startsWith(QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r"
                                            "Der Proxy-Server 127.0.0.1:%1 ist nicht erreichbar (")
                                 .arg(port)),
             qPrintable(text));
    QCOMPARE(fenster_->PvVersion()->text(), QString());
    QVERIFY(!fenster_->BDown()->isEnabled());
    QCOMPARE(server_->anfragen().size(), 2);
}

void TestUpdate::ohneVerbindungUndFalscheAdresse() {
    server_ = std::make_unique<TestServer>();
    server_->setze(kVersionPfad, versionsAntwort({"1.6.3.0"}));
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    QVERIFY(fenster_->BDown()->isEnabled());

    // A host that does not exist counts as no connection, for both steps.
    // It is looked up for real (no proxy is set, see init()); the step's end
    // is waited for, however long the resolver takes.
    umgebung_->setze(update::kServerVariable, "https://kalvendo.invalid");
    klickeUndWarte(fenster_->BDown());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                            "bestehen.\r\rIch breche ab."));
    QVERIFY(!fenster_->BSetup()->isEnabled());
    klickeUndWarte(fenster_->BCalc());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));

    // An address that is not https is refused before anything is sent.
    umgebung_->setze(update::kServerVariable, QByteArray("http://") + server_->adresse().mid(8).toUtf8());
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
    // A maintenance page served with status 200 is no installer.
    const QString seite =
        QStringLiteral("Der Server hat keine Installationsdatei geliefert, sondern eine Web-Seite.");
    ServerAntwort wartung = antwort(200, "<!DOCTYPE html><html><body>Wartungsarbeiten</body></html>");
    wartung.typ = "text/html; charset=utf-8";
    QTest::newRow("HTML mit Status 200") << wartung << false << seite;
    ServerAntwort ohneTyp = antwort(200, "\r\n  <html><body>Wartungsarbeiten</body></html>");
    QTest::newRow("HTML als octet-stream") << ohneTyp << false << seite;
    QTest::newRow("leerer Koerper") << antwort(200, QByteArray()) << false
                                    << QStringLiteral("Der Server hat eine leere Datei geliefert.");
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

KV_GUI_TEST_MAIN(TestUpdate)
#include "tst_update.moc"
