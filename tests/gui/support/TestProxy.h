// A small HTTP proxy on 127.0.0.1 for the update tests, as a company network
// has one: it takes "CONNECT host:port", records the target and tunnels the
// bytes to 127.0.0.1 on that port, whatever the host is called. A name that
// resolves nowhere thus works only through the proxy.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class QTcpServer;
class QTcpSocket;

namespace kv::test {

class TestProxy : public QObject {
    Q_OBJECT
  public:
    TestProxy();
    ~TestProxy() override;

    // "http://127.0.0.1:PORT", for https_proxy.
    QByteArray adresse() const;
    // The targets of the CONNECT requests so far ("host:port").
    const QList<QByteArray>& ziele() const { return ziele_; }

  private:
    void verbunden();
    void lesen(QTcpSocket* client);

    QTcpServer* server_;
    QList<QByteArray> ziele_;
};

}  // namespace kv::test
