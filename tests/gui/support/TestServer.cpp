#include "TestServer.h"

#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

#include "update/Updatepruefung.h"

namespace kv::test {

namespace {

QByteArray lies(const char* name) {
    QFile f(QStringLiteral(KALVENDO_TEST_DATA "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly)) qFatal("Testdatei fehlt: %s", name);
    return f.readAll();
}

QByteArray statusText(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}

}  // namespace

ServerAntwort versionsAntwort(const QList<QByteArray>& versionen) {
    ServerAntwort a;
    for (const QByteArray& v : versionen) {
        const auto satz = update::versionsSatz(v.toStdString());
        a.body.append(reinterpret_cast<const char*>(satz.data()), static_cast<qsizetype>(satz.size()));
    }
    return a;
}

QList<QSslCertificate> TestServer::testZertifikate() {
    return {QSslCertificate(lies("update-cert.pem")), QSslCertificate(lies("update-fremd-cert.pem"))};
}

void TestServer::vertrauen(bool ja) {
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setCaCertificates(ja ? testZertifikate() : QSslConfiguration::systemCaCertificates());
    QSslConfiguration::setDefaultConfiguration(c);
}

TestServer::TestServer(Zertifikat z) : server_(new QSslServer(this)) {
    const bool fremd = z == Zertifikat::FremderHost;
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificate(QSslCertificate(lies(fremd ? "update-fremd-cert.pem" : "update-cert.pem")));
    c.setPrivateKey(QSslKey(lies(fremd ? "update-fremd-key.pem" : "update-key.pem"), QSsl::Ec));
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    server_->setSslConfiguration(c);
    connect(server_, &QSslServer::pendingConnectionAvailable, this, &TestServer::verbunden);
    if (!server_->listen(QHostAddress::LocalHost, 0)) qFatal("Testserver lauscht nicht");
}

TestServer::~TestServer() = default;

QString TestServer::adresse() const {
    return QStringLiteral("https://127.0.0.1:%1").arg(server_->serverPort());
}

void TestServer::verbunden() {
    while (server_->hasPendingConnections()) {
        auto* s = qobject_cast<QSslSocket*>(server_->nextPendingConnection());
        if (!s) continue;
        connect(s, &QSslSocket::readyRead, this, [this, s] { lesen(s); });
        connect(s, &QSslSocket::disconnected, this, [this, s] {
            puffer_.remove(s);
            s->deleteLater();
        });
        if (s->bytesAvailable() > 0) lesen(s);
    }
}

void TestServer::lesen(QSslSocket* s) {
    QByteArray& p = puffer_[s];
    p += s->readAll();
    const qsizetype ende = p.indexOf("\r\n\r\n");
    if (ende < 0) return;
    const QList<QByteArray> zeilen = p.left(ende).split('\n');
    p.remove(0, ende + 4);
    Anfrage a;
    const QList<QByteArray> erste = zeilen.value(0).trimmed().split(' ');
    a.methode = erste.value(0);
    a.pfad = erste.value(1);
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QByteArray z = zeilen[i].trimmed();
        a.kopfzeilen << z;
        if (z.toLower().startsWith("user-agent:")) a.userAgent = z.mid(11).trimmed();
    }
    anfragen_ << a;
    antworten(s, a.pfad);
}

void TestServer::antworten(QSslSocket* s, const QByteArray& pfad) {
    const auto it = antworten_.constFind(pfad);
    ServerAntwort a =
        it != antworten_.constEnd() ? *it : antwort(404, "<html><body>Nicht gefunden</body></html>");
    if (!a.umleitungSchema.isEmpty()) {
        a.umleitungAdresse =
            a.umleitungSchema + "://127.0.0.1:" + QByteArray::number(server_->serverPort()) + a.umleitungZiel;
    }
    if (!a.umleitungAdresse.isEmpty()) {
        a.status = 302;
        a.body.clear();
    }
    QByteArray kopf = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + statusText(a.status) + "\r\n";
    if (a.typ.isEmpty()) a.typ = a.status == 200 ? "application/octet-stream" : "text/html";
    kopf += "Content-Type: " + a.typ + "\r\n";
    if (!a.umleitungAdresse.isEmpty()) kopf += "Location: " + a.umleitungAdresse + "\r\n";
    if (!a.ohneLaenge) kopf += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
    kopf += "Connection: close\r\n\r\n";
    s->write(kopf);
    QByteArray body = a.abbruchNach >= 0 ? a.body.left(a.abbruchNach) : a.body;
    senden(s, body, a);
}

void TestServer::senden(QSslSocket* s, QByteArray rest, const ServerAntwort& a) {
    const qsizetype n = a.stueck > 0 ? qMin<qsizetype>(a.stueck, rest.size()) : rest.size();
    s->write(rest.left(n));
    rest.remove(0, n);
    s->flush();
    QPointer<QSslSocket> sp(s);
    if (!rest.isEmpty()) {
        QTimer::singleShot(a.pauseMs, this, [this, sp, rest, a] {
            if (sp) senden(sp, rest, a);
        });
        return;
    }
    if (a.haengen) return;
    if (a.abbruchNach >= 0 && !a.sauberSchliessen) {
        // Let the bytes go out, then drop the connection without a TLS goodbye.
        QTimer::singleShot(100, this, [sp] {
            if (sp) sp->abort();
        });
        return;
    }
    s->disconnectFromHost();
}

}  // namespace kv::test
