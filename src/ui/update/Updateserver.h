// The update check's access to the maker's download server: one file at a
// time over HTTPS into the data folder. The body goes to a temporary file
// beside the target and replaces the target only when it arrived complete
// with a success status; anything else leaves no file behind.
#pragma once

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkProxy;
class QSaveFile;

namespace kv::ui {

class Updateserver : public QObject {
    Q_OBJECT
  public:
    enum class Ergebnis { Erfolg, KeineVerbindung, Fehler };
    // What is expected: any file, or a program (an installer). A web page
    // (text/html, or a body that begins with "<") or an empty body is no
    // program: a maintenance page served with status 200 is refused.
    enum class Inhalt { Datei, Programm };

    explicit Updateserver(QObject* eltern = nullptr);
    ~Updateserver() override;

    // The server's base address: the maker's server, or KALVENDO_UPDATE_URL.
    // Throws std::invalid_argument (German message) for an address that is no
    // https:// address.
    static QUrl basisAdresse();

    // Forgets open connections, so the next request starts afresh; nothing is
    // ever answered from a cache.
    void verbindungenVergessen();

    // Starts loading `url` into the file `ziel`. fertig() follows, also for a
    // download that could not even start. One download at a time.
    void laden(const QUrl& url, const QString& ziel, Inhalt inhalt = Inhalt::Datei);
    bool laeuft() const { return antwort_ != nullptr; }
    // Ends a running download without fertig(); no file is left.
    void abbrechen();

  Q_SIGNALS:
    // Bytes received so far of `gesamt` (-1 while the server has not said).
    void fortschritt(qint64 empfangen, qint64 gesamt);
    // `grund`: a German sentence for the user when the download failed.
    void fertig(kv::ui::Updateserver::Ergebnis ergebnis, const QString& grund);

  private:
    void umgeleitet(const QUrl& ziel);
    void datenDa();
    void beendet();
    void abschliessen(Ergebnis ergebnis, const QString& grund);
    int status() const;
    // The reason when the body so far shows that it is no program, else empty.
    QString keinProgramm(const QByteArray& teil);
    // The reason for a failed transfer, named after the hop that failed.
    QString netzGrund(QNetworkReply::NetworkError e, const QNetworkProxy& proxy) const;

    QNetworkAccessManager* netz_;
    QNetworkReply* antwort_ = nullptr;
    std::unique_ptr<QSaveFile> datei_;
    QString grund_;  // set when the download was stopped on purpose
    QList<QSslError> sslFehler_;
    qint64 geschrieben_ = 0;
    Inhalt inhalt_ = Inhalt::Datei;
    bool anfangGeprueft_ = false;  // the first byte of the body was looked at
    QUrl ziel_;                    // the address asked last (after redirects)
    bool umgeleitet_ = false;
};

}  // namespace kv::ui
