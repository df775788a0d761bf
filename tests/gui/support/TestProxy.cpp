#include "TestProxy.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace kv::test {

TestProxy::TestProxy() : server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &TestProxy::verbunden);
    if (!server_->listen(QHostAddress::LocalHost, 0)) qFatal("Testproxy lauscht nicht");
}

TestProxy::~TestProxy() = default;

QByteArray TestProxy::adresse() const {
    return "http://127.0.0.1:" + QByteArray::number(server_->serverPort());
}

void TestProxy::verbunden() {
    while (QTcpSocket* client = server_->nextPendingConnection()) {
        connect(client, &QTcpSocket::readyRead, this, [this, client] { lesen(client); });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}

void TestProxy::lesen(QTcpSocket* client) {
    // Until the tunnel stands, the request head is collected in the socket.
    if (client->property("tunnel").toBool()) return;
    if (!client->canReadLine()) return;
    QByteArray kopf = client->peek(8192);
    const qsizetype ende = kopf.indexOf("\r\n\r\n");
    if (ende < 0) return;
    client->read(ende + 4);
    const QList<QByteArray> erste = kopf.left(kopf.indexOf("\r\n")).split(' ');
    if (erste.value(0) != "CONNECT") {
        client->write("HTTP/1.1 405 Method Not Allowed\r\nConnection: close\r\n\r\n");
        client->disconnectFromHost();
        return;
    }
    const QByteArray ziel = erste.value(1);
    ziele_ << ziel;
    const quint16 port = ziel.mid(ziel.lastIndexOf(':') + 1).toUShort();
    client->setProperty("tunnel", true);
    auto* server = new QTcpSocket(client);
    QPointer<QTcpSocket> c(client);
    connect(server, &QTcpSocket::connected, client, [client, server] {
        client->setProperty("offen", true);
        client->write("HTTP/1.1 200 Connection established\r\n\r\n");
        // what the client sent after its request head goes through now
        server->write(client->readAll());
    });
    connect(client, &QTcpSocket::readyRead, server, [client, server] {
        if (server->state() == QAbstractSocket::ConnectedState) server->write(client->readAll());
    });
    connect(server, &QTcpSocket::readyRead, client, [client, server] { client->write(server->readAll()); });
    connect(server, &QTcpSocket::disconnected, client, [c] {
        if (c) c->disconnectFromHost();
    });
    connect(client, &QTcpSocket::disconnected, server, &QTcpSocket::disconnectFromHost);
    connect(server, &QTcpSocket::errorOccurred, client, [c] {
        if (c && !c->property("offen").toBool()) {
            c->write("HTTP/1.1 502 Bad Gateway\r\nConnection: close\r\n\r\n");
            c->disconnectFromHost();
        }
    });
    server->connectToHost(QHostAddress::LocalHost, port);
}

}  // namespace kv::test
