#include "Uebergabe.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <memory>

namespace kv::ui {

namespace {

constexpr char kMarke[4] = {'K', 'V', 'U', '1'};
constexpr qsizetype kKopf = 8;                        // mark and length
constexpr quint32 kGroessteLaenge = 8 * 1024 * 1024;  // far more than any list of names
constexpr char kAngenommen = 'J';

// The name of socket and lock: one pair per data folder.
QString basisname(const QString& laufzeitordner, const QString& datenordner) {
    const QByteArray kennung =
        QCryptographicHash::hash(datenordner.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return laufzeitordner + QStringLiteral("/kalvendo-") + QString::fromLatin1(kennung);
}

}  // namespace

QByteArray uebergabeNachricht(const QStringList& dateien) {
    QByteArray namen;
    for (const QString& d : dateien) {
        namen += d.toUtf8();
        namen += '\0';
    }
    QByteArray n(kMarke, sizeof kMarke);
    char laenge[4];
    qToBigEndian(static_cast<quint32>(namen.size()), laenge);
    n.append(laenge, sizeof laenge);
    return n + namen;
}

Nachrichtlage uebergabeLesen(const QByteArray& puffer, QStringList& dateien) {
    const qsizetype vergleich = std::min<qsizetype>(puffer.size(), sizeof kMarke);
    if (puffer.left(vergleich) != QByteArray(kMarke, vergleich)) return Nachrichtlage::Ungueltig;
    if (puffer.size() < kKopf) return Nachrichtlage::Unvollstaendig;
    const quint32 laenge = qFromBigEndian<quint32>(puffer.constData() + sizeof kMarke);
    if (laenge > kGroessteLaenge) return Nachrichtlage::Ungueltig;
    if (puffer.size() < kKopf + static_cast<qsizetype>(laenge)) return Nachrichtlage::Unvollstaendig;
    const QByteArray namen = puffer.mid(kKopf, laenge);
    if (!namen.isEmpty() && !namen.endsWith('\0')) return Nachrichtlage::Ungueltig;
    dateien.clear();
    qsizetype anfang = 0;
    while (anfang < namen.size()) {
        const qsizetype ende = namen.indexOf('\0', anfang);
        dateien << QString::fromUtf8(namen.constData() + anfang, ende - anfang);
        anfang = ende + 1;
    }
    return Nachrichtlage::Gelesen;
}

Uebergabe::Uebergabe(const QString& laufzeitordner, const QString& datenordner, QObject* eltern)
    : QObject(eltern) {
    if (laufzeitordner.isEmpty()) return;
    const QString basis = basisname(laufzeitordner, datenordner);
    socket_ = basis + QStringLiteral(".sock");
    sperre_ = basis + QStringLiteral(".lock");
}

Uebergabe::~Uebergabe() = default;

QString Uebergabe::laufzeitordner() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

Uebergabe::Ergebnis Uebergabe::starten(const QStringList& dateien, int fristMs, int antwortMs) {
    if (socket_.isEmpty()) {
        qWarning("Kein Laufzeitordner: Kalvendo startet ohne Übergabe an ein laufendes Programm");
        return Ergebnis::Erster;
    }
    lock_ = std::make_unique<QLockFile>(sperre_);
    // The lock is held for the whole run: it must never count as stale by
    // its age, only when its process is gone.
    lock_->setStaleLockTime(0);
    QElapsedTimer uhr;
    uhr.start();
    for (;;) {
        switch (uebergeben(dateien, antwortMs)) {
            case Versuch::Uebergeben:
                return Ergebnis::Uebergeben;
            case Versuch::KeineAntwort:
                fehler_ = QStringLiteral(
                    "Kalvendo läuft bereits, hat aber nicht geantwortet. Die Dateien "
                    "wurden nicht geöffnet.");
                return Ergebnis::Fehlgeschlagen;
            case Versuch::KeinProgramm:
                break;
        }
        if (lock_->tryLock(0)) {
            if (!zuhoeren())
                qWarning("Kalvendo kann auf %s nicht auf weitere Starts warten: %s", qPrintable(socket_),
                         qPrintable(server_->errorString()));
            return Ergebnis::Erster;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            qWarning("Die Sperrdatei %s ist nicht anzulegen: Kalvendo startet ohne Übergabe",
                     qPrintable(sperre_));
            return Ergebnis::Erster;
        }
        // another start holds the lock and is about to listen
        if (uhr.elapsed() > fristMs) {
            fehler_ = QStringLiteral(
                "Kalvendo startet bereits, ist aber nicht bereit. Die Dateien wurden "
                "nicht geöffnet.");
            return Ergebnis::Fehlgeschlagen;
        }
        QThread::msleep(50);
    }
}

Uebergabe::Versuch Uebergabe::uebergeben(const QStringList& dateien, int antwortMs) {
    QLocalSocket s;
    s.connectToServer(socket_);
    if (!s.waitForConnected(1000)) return Versuch::KeinProgramm;
    s.write(uebergabeNachricht(dateien));
    QElapsedTimer uhr;
    uhr.start();
    while (s.bytesToWrite() > 0) {
        if (!s.waitForBytesWritten(antwortMs)) return Versuch::KeineAntwort;
    }
    while (s.bytesAvailable() < 1) {
        const int rest = antwortMs - static_cast<int>(uhr.elapsed());
        if (rest <= 0 || !s.waitForReadyRead(rest)) return Versuch::KeineAntwort;
    }
    char antwort = 0;
    s.read(&antwort, 1);
    return antwort == kAngenommen ? Versuch::Uebergeben : Versuch::KeineAntwort;
}

bool Uebergabe::zuhoeren() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // a socket left by a program that died
    QLocalServer::removeServer(socket_);
    connect(server_.get(), &QLocalServer::newConnection, this, &Uebergabe::verbindungAnnehmen);
    return server_->listen(socket_);
}

void Uebergabe::verbindungAnnehmen() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        auto puffer = std::make_shared<QByteArray>();
        connect(s, &QLocalSocket::readyRead, this, [this, s, puffer] {
            *puffer += s->readAll();
            QStringList dateien;
            switch (uebergabeLesen(*puffer, dateien)) {
                case Nachrichtlage::Unvollstaendig:
                    return;
                case Nachrichtlage::Ungueltig:
                    s->abort();
                    s->deleteLater();
                    return;
                case Nachrichtlage::Gelesen:
                    break;
            }
            puffer->clear();
            s->write(&kAngenommen, 1);
            s->flush();
            s->disconnectFromServer();
            Q_EMIT dateienErhalten(dateien);
        });
    }
}

}  // namespace kv::ui
