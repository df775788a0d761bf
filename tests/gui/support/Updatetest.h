// The shared fixture of the update tests: the program with its main window,
// a local HTTPS server (TestServer), the update window on it, a program
// folder in a temporary folder with a running copy of a small program as the
// "old program", the removal script's folder, and an environment without any
// proxy unless a test sets one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <utility>

#include "Hauptfenstertest.h"
#include "TestServer.h"
#include "update/TFNeu.h"

class QPushButton;

namespace kv::test {

// Environment variables set for one test; the destructor restores them.
class Umgebung {
  public:
    ~Umgebung();
    void setze(const char* name, const QByteArray& wert);
    void entferne(const char* name);

  private:
    void merke(const char* name);
    QList<std::pair<QByteArray, std::optional<QByteArray>>> alt_;
};

// A port on 127.0.0.1 that nothing listens on: connections are refused.
quint16 abgewiesenerPort();

class Updatetest : public Hauptfenstertest {
    Q_OBJECT
  protected Q_SLOTS:
    void init();
    void cleanup();

  protected:
    // A new window on the server `s` (or the address `adresse`).
    ui::TFNeu* oeffnen(const TestServer& s);
    ui::TFNeu* oeffnen(const QString& adresse);
    // Runs a step and waits until it has finished.
    void klickeUndWarte(QPushButton* b);
    // Check and download of an installer with this body: afterwards "Installation" is enabled.
    void bisZurInstallation(const QByteArray& installer);
    QStringList datenordnerInhalt();
    QString programmordner() const { return tmp_->path() + QStringLiteral("/Programm/"); }
    QString programm() const { return programmordner() + QStringLiteral("kalvendo"); }
    QString marke() const { return tmp_->path() + QStringLiteral("/installer-gestartet"); }
    QString tmp() const { return tmp_->path(); }
    // The removal scripts in the temporary folder.
    QStringList skripte() const;
    // An installer that writes the folder it runs in into marke().
    QByteArray fakeInstaller() const;
    // Starts the copy of the small program; its process id goes into the context.
    void programmStarten();

    std::unique_ptr<Umgebung> umgebung_;
    QWidget* haupt_ = nullptr;  // the program's main window
    std::unique_ptr<TestServer> server_;
    std::unique_ptr<QProcess> programmLauf_;
    QPointer<ui::TFNeu> fenster_;
    ui::Updatekontext kontext_;
    int gesichert_ = 0;
    bool sichernGelingt_ = true;
    int beendet_ = 0;

  private:
    std::unique_ptr<QTemporaryDir> tmp_;
};

QByteArray lies(const QString& pfad);
void schreibe(const QString& pfad, const QByteArray& inhalt);

}  // namespace kv::test
