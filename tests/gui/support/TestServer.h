// A small HTTPS server on 127.0.0.1 for the update tests: it answers each
// path with a scripted answer (status, body, broken-off transfers, slow
// chunks, redirects) and records every request. It runs in the test's own
// event loop, with the test certificates of tests/data.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>

class QSslServer;
class QSslSocket;

namespace kv::test {

struct ServerAntwort {
    int status = 200;
    QByteArray body;
    // Redirect (status 302) to this scheme ("https" or "http") on the same
    // server and the path `ziel`.
    QByteArray umleitungSchema;
    QByteArray umleitungZiel;
    QByteArray umleitungAdresse;    // or (status 302) to this whole address
    QByteArray typ;                 // Content-Type; empty: by status (octet-stream for 200, else HTML)
    bool ohneLaenge = false;        // no Content-Length; the end of the body closes the connection
    qint64 abbruchNach = -1;        // announce the whole body, send only this many bytes, then
    bool sauberSchliessen = false;  // ... close cleanly (true) or drop the connection (false)
    bool haengen = false;           // after abbruchNach bytes, keep the connection open and silent
    int stueck = 0;                 // send the body in pieces of this size ...
    int pauseMs = 0;                // ... with this pause between them
};

inline ServerAntwort antwort(int status, const QByteArray& body) {
    ServerAntwort a;
    a.status = status;
    a.body = body;
    return a;
}

// A server answer holding the version file records of `versionen`.
ServerAntwort versionsAntwort(const QList<QByteArray>& versionen);

class TestServer : public QObject {
    Q_OBJECT
  public:
    enum class Zertifikat { Localhost, FremderHost };

    explicit TestServer(Zertifikat z = Zertifikat::Localhost);
    ~TestServer() override;

    // "https://127.0.0.1:PORT"
    QString adresse() const;
    void setze(const QByteArray& pfad, const ServerAntwort& a) { antworten_[pfad] = a; }

    struct Anfrage {
        QByteArray methode, pfad, userAgent;
        QList<QByteArray> kopfzeilen;
    };
    const QList<Anfrage>& anfragen() const { return anfragen_; }

    // Both test certificates: the client trusts them, and only them.
    static QList<QSslCertificate> testZertifikate();
    // Makes the test certificates the only trusted ones for new requests
    // (false: none of them is trusted).
    static void vertrauen(bool ja);

  private:
    void verbunden();
    void lesen(QSslSocket* s);
    void antworten(QSslSocket* s, const QByteArray& pfad);
    void senden(QSslSocket* s, QByteArray rest, const ServerAntwort& a);

    QSslServer* server_;
    QHash<QByteArray, ServerAntwort> antworten_;
    QHash<QSslSocket*, QByteArray> puffer_;
    QList<Anfrage> anfragen_;
};

}  // namespace kv::test
