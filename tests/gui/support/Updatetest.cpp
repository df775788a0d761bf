#include "Updatetest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include "Programm.h"
#include "main/TFMain.h"
#include "model/Records.h"
#include "update/Updatepruefung.h"

namespace kv::test {

Umgebung::~Umgebung() {
    for (auto it = alt_.crbegin(); it != alt_.crend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

void Umgebung::merke(const char* name) {
    for (const auto& [n, w] : alt_)
        if (n == name) return;
    alt_.append({QByteArray(name), qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                   : std::optional<QByteArray>()});
}

void Umgebung::setze(const char* name, const QByteArray& wert) {
    merke(name);
    qputenv(name, wert);
}

void Umgebung::entferne(const char* name) {
    merke(name);
    qunsetenv(name);
}

quint16 abgewiesenerPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();  // closed again on return
}

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(inhalt), inhalt.size());
}

void Updatetest::init() {
    Hauptfenstertest::init();
    tmp_ = std::make_unique<QTemporaryDir>();
    umgebung_ = std::make_unique<Umgebung>();
    QVERIFY(QDir(tmp()).mkpath(QStringLiteral("Programm")));
    QVERIFY(QDir(tmp()).mkpath(QStringLiteral("tmp")));
    // The removal script goes to the temporary folder: the test's own.
    umgebung_->setze("TMPDIR", (tmp() + QStringLiteral("/tmp")).toUtf8());
    // Whatever proxy the machine has: none here, unless a test sets one.
    for (const char* name : {"http_proxy", "https_proxy", "all_proxy", "no_proxy", "HTTP_PROXY",
                             "HTTPS_PROXY", "ALL_PROXY", "NO_PROXY"})
        umgebung_->entferne(name);
    umgebung_->entferne(update::kServerVariable);
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), programm()));
    TestServer::vertrauen(true);

    haupt_ = &starten();
    gesichert_ = 0;
    sichernGelingt_ = true;
    beendet_ = 0;
    kontext_ = ui::Updatekontext{};
    kontext_.datenordner = welt().datenordner();
    kontext_.version = QString::fromUtf8(kVersion);
    kontext_.programmDatei = programm();
    kontext_.prozessId = 0;
    kontext_.sichern = [this] {
        ++gesichert_;
        return sichernGelingt_;
    };
    kontext_.beenden = [this] { ++beendet_; };
    // the question about unsaved entries is the program's own
    kontext_.eingabenFragen =
        ui::Updatekontext::fuerDiesesProgramm(welt().programm()->kontext()).eingabenFragen;
}

void Updatetest::cleanup() {
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
    umgebung_.reset();
    QVERIFY2(zu, "Das Update-Fenster schliesst nicht");
    QVERIFY2(!sanduhr, "Die Sanduhr bleibt nach dem Schliessen");
}

ui::TFNeu* Updatetest::oeffnen(const TestServer& s) {
    return oeffnen(s.adresse());
}

ui::TFNeu* Updatetest::oeffnen(const QString& adresse) {
    umgebung_->setze(update::kServerVariable, adresse.toUtf8());
    fenster_ = ui::updateFensterZeigen(haupt_, kontext_);
    if (!QTest::qWaitForWindowExposed(fenster_.data())) return nullptr;
    return fenster_;
}

void Updatetest::klickeUndWarte(QPushButton* b) {
    QVERIFY(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    // The end of the step is the event; the limit only stops a hung test.
    QTRY_VERIFY_WITH_TIMEOUT(!fenster_->laeuft(), 120000);
}

QStringList Updatetest::datenordnerInhalt() {
    return QDir(welt().datenordner()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QStringList Updatetest::skripte() const {
    return QDir(tmp() + QStringLiteral("/tmp")).entryList({QStringLiteral("uis*")}, QDir::Files);
}

QByteArray Updatetest::fakeInstaller() const {
    return "#!/bin/sh\npwd > '" + marke().toUtf8() + "'\n";
}

void Updatetest::programmStarten() {
    programmLauf_ = std::make_unique<QProcess>();
    programmLauf_->start(programm(), {QStringLiteral("600")});
    QVERIFY(programmLauf_->waitForStarted());
    kontext_.prozessId = programmLauf_->processId();
}

void Updatetest::bisZurInstallation(const QByteArray& installer) {
    server_ = std::make_unique<TestServer>();
    server_->setze(update::kVersionPfad, versionsAntwort({"1.7.0.0"}));
    server_->setze(update::kInstallerPfad, antwort(200, installer));
    QVERIFY(oeffnen(*server_));
    klickeUndWarte(fenster_->BCalc());
    klickeUndWarte(fenster_->BDown());
    QVERIFY(fenster_->BSetup()->isEnabled());
}

}  // namespace kv::test
