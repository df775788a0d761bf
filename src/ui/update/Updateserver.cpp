#include "update/Updateserver.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
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

// The proxy the system's settings give for `url`; NoProxy when there is none.
QNetworkProxy proxyFuer(const QUrl& url) {
    const QList<QNetworkProxy> p = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    return p.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy) : p.first();
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

void Updateserver::laden(const QUrl& url, const QString& ziel, Inhalt inhalt) {
    abbrechen();
    grund_.clear();
    sslFehler_.clear();
    geschrieben_ = 0;
    inhalt_ = inhalt;
    anfangGeprueft_ = false;
    ziel_ = url;
    umgeleitet_ = false;
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
    ziel_ = ziel;
    umgeleitet_ = true;
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
    grund_ = keinProgramm(teil);
    if (!grund_.isEmpty()) {
        antwort_->abort();
        return;
    }
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
    // A redirect whose target failed keeps its 3xx status: the target's
    // failure is the reason.
    const bool umleitungGescheitert = s >= 300 && s <= 399 && e != QNetworkReply::NoError;
    if (s != 0 && (s < 200 || s > 299) && !umleitungGescheitert) {
        const QString text = antwort_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return abschliessen(
            Ergebnis::Fehler,
            text.isEmpty()
                ? QStringLiteral("Der Server antwortete mit dem Status %1.").arg(s)
                : QStringLiteral("Der Server antwortete mit dem Status %1 (%2).").arg(s).arg(text));
    }
    if (e != QNetworkReply::NoError) {
        // A name not found after a redirect: the server itself was reached.
        // Through a proxy, a failure to connect is the proxy's.
        const QNetworkProxy proxy = proxyFuer(ziel_);
        if (ohneVerbindung(e) && !umgeleitet_ && proxy.type() == QNetworkProxy::NoProxy)
            return abschliessen(Ergebnis::KeineVerbindung, antwort_->errorString());
        return abschliessen(Ergebnis::Fehler, netzGrund(e, proxy));
    }
    bool laengeBekannt = false;
    const qint64 laenge = antwort_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&laengeBekannt);
    if (laengeBekannt && laenge != geschrieben_) {
        return abschliessen(
            Ergebnis::Fehler,
            QStringLiteral("Die Übertragung brach nach %1 von %2 Bytes ab.").arg(geschrieben_).arg(laenge));
    }
    if (inhalt_ == Inhalt::Programm && geschrieben_ == 0)
        return abschliessen(Ergebnis::Fehler, QStringLiteral("Der Server hat eine leere Datei geliefert."));
    if (!datei_->commit()) {
        return abschliessen(Ergebnis::Fehler,
                            QStringLiteral("Die Datei %1 kann nicht gespeichert werden: %2")
                                .arg(QDir::toNativeSeparators(datei_->fileName()), datei_->errorString()));
    }
    abschliessen(Ergebnis::Erfolg, {});
}

QString Updateserver::netzGrund(QNetworkReply::NetworkError e, const QNetworkProxy& proxy) const {
    const QString host = ziel_.host();
    if (proxy.type() != QNetworkProxy::NoProxy &&
        (ohneVerbindung(e) || e == QNetworkReply::ProxyConnectionRefusedError)) {
        return QStringLiteral("Der Proxy-Server %1:%2 ist nicht erreichbar (%3).")
            .arg(proxy.hostName())
            .arg(proxy.port())
            .arg(antwort_->errorString());
    }
    switch (e) {
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("Der Servername „%1“ wurde nicht gefunden.").arg(host);
        case QNetworkReply::SslHandshakeFailedError:
            return sslGrund(sslFehler_, host);
        case QNetworkReply::InsecureRedirectError:
            return QStringLiteral(
                "Der Server leitet auf eine unsichere Adresse weiter; die ist nicht erlaubt.");
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("Der Server %1 nimmt keine Verbindung an.").arg(ziel_.authority());
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("Der Server hat die Verbindung vorzeitig beendet (nach %1 Bytes).")
                .arg(geschrieben_);
        case QNetworkReply::OperationCanceledError:
        case QNetworkReply::TimeoutError:
            return QStringLiteral("Der Server antwortet nicht mehr.");
        case QNetworkReply::TooManyRedirectsError:
            return QStringLiteral("Der Server leitet zu oft weiter.");
        case QNetworkReply::ProxyConnectionClosedError:
            return QStringLiteral("Der Proxy-Server hat die Verbindung vorzeitig beendet.");
        case QNetworkReply::ProxyTimeoutError:
            return QStringLiteral("Der Proxy-Server antwortet nicht.");
        case QNetworkReply::ProxyAuthenticationRequiredError:
            return QStringLiteral("Der Proxy-Server verlangt eine Anmeldung.");
        default:
            return QStringLiteral("Netzwerkfehler: %1").arg(antwort_->errorString());
    }
}

QString Updateserver::keinProgramm(const QByteArray& teil) {
    if (inhalt_ != Inhalt::Programm || anfangGeprueft_) return {};
    const QString typ = antwort_->header(QNetworkRequest::ContentTypeHeader).toString();
    const QString seite =
        QStringLiteral("Der Server hat keine Installationsdatei geliefert, sondern eine Web-Seite.");
    if (typ.startsWith(QLatin1String("text/html"), Qt::CaseInsensitive)) return seite;
    // the first byte that is not a blank or a byte-order mark
    qsizetype i = geschrieben_ == 0 && teil.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < teil.size() && (teil[i] == ' ' || teil[i] == '\t' || teil[i] == '\r' || teil[i] == '\n')) ++i;
    if (i == teil.size()) return {};
    anfangGeprueft_ = true;
    return teil[i] == '<' ? seite : QString();
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
