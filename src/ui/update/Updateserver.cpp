#include "update/Updateserver.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <stdexcept>

#include "model/Records.h"
#include "update/Updatepruefung.h"

namespace kv::ui {

namespace {

constexpr int kWeiterleitungenHoechstens = 5;
constexpr int kStilleHoechstensMs = 30000;

bool ohneVerbindung(QNetworkReply::NetworkError e) {
    switch (e) {
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
        case QNetworkReply::ProxyNotFoundError:
            return true;
        default:
            return false;
    }
}

QString sslGrund(const QList<QSslError>& fehler, const QString& host) {
    for (const QSslError& f : fehler) {
        switch (f.error()) {
            case QSslError::HostNameMismatch:
                return QStringLiteral("Das Zertifikat des Servers gilt nicht für „%1“.").arg(host);
            case QSslError::CertificateExpired:
                return QStringLiteral("Das Zertifikat des Servers ist abgelaufen.");
            case QSslError::CertificateNotYetValid:
                return QStringLiteral("Das Zertifikat des Servers ist noch nicht gültig.");
            case QSslError::SelfSignedCertificate:
            case QSslError::SelfSignedCertificateInChain:
            case QSslError::UnableToGetLocalIssuerCertificate:
            case QSslError::UnableToGetIssuerCertificate:
            case QSslError::UnableToVerifyFirstCertificate:
            case QSslError::CertificateUntrusted:
                return QStringLiteral("Das Zertifikat des Servers ist nicht vertrauenswürdig.");
            default:
                break;
        }
    }
    return QStringLiteral("Die sichere Verbindung zum Server ist gescheitert (%1).")
        .arg(fehler.isEmpty() ? QString() : fehler.first().errorString());
}

}  // namespace

Updateserver::Updateserver(QObject* eltern) : QObject(eltern), netz_(new QNetworkAccessManager(this)) {
    // The platform's proxy settings (the *_proxy variables on Linux).
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    netz_->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
}

Updateserver::~Updateserver() {
    abbrechen();
}

QUrl Updateserver::basisAdresse() {
    const QByteArray wert = qgetenv(update::kServerVariable);
    return QUrl(QString::fromStdString(update::serverAdresse(wert.isNull() ? nullptr : wert.constData())));
}

void Updateserver::verbindungenVergessen() {
    netz_->clearAccessCache();
    netz_->clearConnectionCache();
}

void Updateserver::laden(const QUrl& url, const QString& ziel) {
    abbrechen();
    grund_.clear();
    sslFehler_.clear();
    geschrieben_ = 0;
    datei_ = std::make_unique<QSaveFile>(ziel);
    if (!datei_->open(QIODevice::WriteOnly)) {
        const QString grund = QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2")
                                  .arg(QDir::toNativeSeparators(ziel), datei_->errorString());
        datei_.reset();
        Q_EMIT fertig(Ergebnis::Fehler, grund);
        return;
    }

    QNetworkRequest anfrage(url);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, QString::fromUtf8(kProgrammTitel));
    // The body is stored as it comes; its length must match Content-Length.
    anfrage.setRawHeader("Accept-Encoding", "identity");
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    anfrage.setMaximumRedirectsAllowed(kWeiterleitungenHoechstens);
    anfrage.setTransferTimeout(kStilleHoechstensMs);

    antwort_ = netz_->get(anfrage);
    connect(antwort_, &QNetworkReply::redirected, this, &Updateserver::umgeleitet);
    connect(antwort_, &QNetworkReply::readyRead, this, &Updateserver::datenDa);
    connect(antwort_, &QNetworkReply::finished, this, &Updateserver::beendet);
    connect(antwort_, &QNetworkReply::sslErrors, this,
            [this](const QList<QSslError>& fehler) { sslFehler_ = fehler; });
    connect(antwort_, &QNetworkReply::downloadProgress, this, &Updateserver::fortschritt);
}

void Updateserver::abbrechen() {
    if (antwort_) {
        QNetworkReply* a = antwort_;
        antwort_ = nullptr;
        a->disconnect(this);
        a->abort();
        a->deleteLater();
    }
    datei_.reset();  // discards the temporary file
}

int Updateserver::status() const {
    return antwort_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

void Updateserver::umgeleitet(const QUrl& ziel) {
    if (ziel.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0) {
        Q_EMIT antwort_->redirectAllowed();
        return;
    }
    grund_ = QStringLiteral("Der Server leitet auf die unsichere Adresse %1 weiter; die ist nicht erlaubt.")
                 .arg(ziel.toDisplayString());
    antwort_->abort();
}

void Updateserver::datenDa() {
    const int s = status();
    if (s < 200 || s > 299) {
        antwort_->readAll();  // an error page is never stored
        return;
    }
    const QByteArray teil = antwort_->readAll();
    if (datei_->write(teil) != teil.size()) {
        grund_ = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                     .arg(QDir::toNativeSeparators(datei_->fileName()), datei_->errorString());
        antwort_->abort();
        return;
    }
    geschrieben_ += teil.size();
}

void Updateserver::beendet() {
    if (!antwort_) return;
    if (!grund_.isEmpty()) return abschliessen(Ergebnis::Fehler, grund_);

    const QNetworkReply::NetworkError e = antwort_->error();
    const int s = status();
    if (s != 0 && (s < 200 || s > 299)) {
        const QString text = antwort_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return abschliessen(
            Ergebnis::Fehler,
            text.isEmpty()
                ? QStringLiteral("Der Server antwortete mit dem Status %1.").arg(s)
                : QStringLiteral("Der Server antwortete mit dem Status %1 (%2).").arg(s).arg(text));
    }
    if (e != QNetworkReply::NoError) {
        if (ohneVerbindung(e)) return abschliessen(Ergebnis::KeineVerbindung, antwort_->errorString());
        QString grund;
        switch (e) {
            case QNetworkReply::SslHandshakeFailedError:
                grund = sslGrund(sslFehler_, antwort_->url().host());
                break;
            case QNetworkReply::InsecureRedirectError:
                grund = QStringLiteral(
                    "Der Server leitet auf eine unsichere Adresse weiter; die ist nicht erlaubt.");
                break;
            case QNetworkReply::ConnectionRefusedError:
                grund = QStringLiteral("Der Server %1 nimmt keine Verbindung an.")
                            .arg(antwort_->url().authority());
                break;
            case QNetworkReply::RemoteHostClosedError:
                grund = QStringLiteral("Der Server hat die Verbindung vorzeitig beendet (nach %1 Bytes).")
                            .arg(geschrieben_);
                break;
            case QNetworkReply::OperationCanceledError:
            case QNetworkReply::TimeoutError:
                grund = QStringLiteral("Der Server antwortet nicht mehr.");
                break;
            case QNetworkReply::TooManyRedirectsError:
                grund = QStringLiteral("Der Server leitet zu oft weiter.");
                break;
            default:
                grund = QStringLiteral("Netzwerkfehler: %1").arg(antwort_->errorString());
                break;
        }
        return abschliessen(Ergebnis::Fehler, grund);
    }
    bool laengeBekannt = false;
    const qint64 laenge = antwort_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&laengeBekannt);
    if (laengeBekannt && laenge != geschrieben_) {
        return abschliessen(
            Ergebnis::Fehler,
            QStringLiteral("Die Übertragung brach nach %1 von %2 Bytes ab.").arg(geschrieben_).arg(laenge));
    }
    if (!datei_->commit()) {
        return abschliessen(Ergebnis::Fehler,
                            QStringLiteral("Die Datei %1 kann nicht gespeichert werden: %2")
                                .arg(QDir::toNativeSeparators(datei_->fileName()), datei_->errorString()));
    }
    abschliessen(Ergebnis::Erfolg, {});
}

void Updateserver::abschliessen(Ergebnis ergebnis, const QString& grund) {
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->deleteLater();
        antwort_ = nullptr;
    }
    datei_.reset();  // a file not committed is discarded
    Q_EMIT fertig(ergebnis, grund);
}

}  // namespace kv::ui
