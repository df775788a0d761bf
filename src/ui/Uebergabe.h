// One program per user and data folder. The first start listens on a local
// socket in the user's runtime folder; a later start hands its files to it
// there (the running program opens them and comes to the front) and ends
// instead of starting a second program that would write the same settings
// and scores.
//
// Who is first is settled by a lock file beside the socket, so starts at the
// same moment elect exactly one; the others wait for it to listen. A socket
// left behind by a program that died is replaced; its lock, held by a process
// that no longer runs, is taken over at once.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace kv::ui {

class Uebergabe : public QObject {
    Q_OBJECT
  public:
    enum class Ergebnis {
        Erster,          // this process is the program: it listens now
        Uebergeben,      // a running program took the files: end this start
        Fehlgeschlagen,  // a program runs but did not take them (fehler())
    };

    // `laufzeitordner`: the user's runtime folder (0700); `datenordner`: the
    // program's data folder, which the socket's name is made from.
    Uebergabe(const QString& laufzeitordner, const QString& datenordner, QObject* eltern = nullptr);
    ~Uebergabe() override;

    // Hands `dateien` (absolute names; may be empty: the window only comes
    // to the front) to a running program, or becomes the first. A program
    // that is just starting elsewhere is waited for up to `fristMs`; its
    // answer up to `antwortMs`.
    Ergebnis starten(const QStringList& dateien, int fristMs = 10000, int antwortMs = 30000);
    // Why the hand-over failed, in German.
    QString fehler() const { return fehler_; }

    QString socketPfad() const { return socket_; }
    QString sperrPfad() const { return sperre_; }

    // The user's runtime folder ($XDG_RUNTIME_DIR, else Qt's private fallback).
    static QString laufzeitordner();

  Q_SIGNALS:
    // In the first program: a later start handed over these files.
    void dateienErhalten(const QStringList& dateien);

  private:
    enum class Versuch { KeinProgramm, Uebergeben, KeineAntwort };
    Versuch uebergeben(const QStringList& dateien, int antwortMs);
    bool zuhoeren();
    void verbindungAnnehmen();

    QString socket_;
    QString sperre_;
    QString fehler_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// The bytes of a hand-over, shared by both sides: a mark, the length, then
// the names in UTF-8, each ended by a zero byte (no name holds one).
QByteArray uebergabeNachricht(const QStringList& dateien);
enum class Nachrichtlage { Unvollstaendig, Gelesen, Ungueltig };
// Reads the message at the front of `puffer` into `dateien`; Ungueltig for
// bytes that are no hand-over (a wrong mark, an oversized length).
Nachrichtlage uebergabeLesen(const QByteArray& puffer, QStringList& dateien);

}  // namespace kv::ui
