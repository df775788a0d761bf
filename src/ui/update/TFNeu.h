// "FNeu", the update window: compares the installed version with the one
// published on the maker's server ("Prüfen"), downloads the installer
// ("Download") and hands over to it ("Installation"). It destroys itself when
// closed, so every opening starts afresh.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "common/Befehle.h"
#include "common/Sanduhr.h"
#include "update/Programmentfernung.h"
#include "update/Updateserver.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kv::ui {

class Programmkontext;

// What the update window needs of the program around it.
struct Updatekontext {
    QString datenordner;    // the data folder, with a trailing separator
    QString version;        // the installed version
    QString programmDatei;  // full name of the running program file
    qint64 prozessId = 0;   // the process the removal script waits for
    // Before the installer starts: "Änderungen speichern?" for every entry
    // window with unsaved work, over `eltern`; false when the user chose
    // Abbrechen (or a save did not happen): the installer does not start.
    std::function<bool(QWidget* eltern)> eingabenFragen;
    // Saves what the closing sequence saves (the main window's settings, the
    // scores) without asking anything, and writes the draft of unsaved
    // entries at once; false, after a message, when the scores could not be
    // written.
    std::function<bool()> sichern;
    // Ends the program at once, after eingabenFragen() and sichern(); the
    // closing sequence does not run.
    std::function<void()> beenden;

    // This program: its file, its process, its saving and its end.
    static Updatekontext fuerDiesesProgramm(Programmkontext& kontext);
};

class TFNeu : public QDialog {
    Q_OBJECT
  public:
    // `zentrum`: the window the update window is centred on when first shown
    // (normally the main window; also its parent).
    TFNeu(Updatekontext kontext, QWidget* zentrum);
    ~TFNeu() override;

    void BCalcClick();   // "Prüfen"
    void BDownClick();   // "Download"
    void BSetupClick();  // "Installation"

    QLabel* PiVersion() const { return PiVersion_; }
    QLabel* PvVersion() const { return PvVersion_; }
    QPushButton* BCalc() const { return BCalc_; }
    QPushButton* BDown() const { return BDown_; }
    QPushButton* BSetup() const { return BSetup_; }
    QProgressBar* PBDownload() const { return PBDownload_; }
    // True while a check or a download runs.
    bool laeuft() const;

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    enum class Schritt { Keiner, Pruefen, Download };

    bool starten(Schritt schritt, const char* pfad, const QString& ziel, Updateserver::Inhalt inhalt);
    void geladen(Updateserver::Ergebnis ergebnis, const QString& grund);
    void pruefenFertig(Updateserver::Ergebnis ergebnis, const QString& grund);
    void downloadFertig(Updateserver::Ergebnis ergebnis, const QString& grund);
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void knoepfeSetzen();
    // Writes and starts the script that removes the old program file once
    // the program and the installer (`installer`, its process) have ended;
    // `programm` and `ordner`: their identities before the installer started.
    // False (with a message) when that failed.
    bool entfernungStarten(const update::Dateikennung& programm, const update::Dateikennung& ordner,
                           qint64 installer);
    QString programmOrdner() const;

    Updatekontext kontext_;
    QWidget* zentrum_;
    Updateserver* server_;
    Schritt schritt_ = Schritt::Keiner;
    std::optional<Sanduhr> sanduhr_;  // the hourglass while a step runs
    bool gezeigt_ = false;
    bool downloadAngeboten_ = false;
    bool installerDa_ = false;

    QPushButton* BCalc_ = nullptr;
    QLabel* PiVersion_ = nullptr;
    QLabel* PvVersion_ = nullptr;
    QPushButton* BDown_ = nullptr;
    QProgressBar* PBDownload_ = nullptr;
    QPushButton* BSetup_ = nullptr;
};

// Opens the update window for the command "&Update-Prüfung": the open one is
// brought back and to the front, otherwise a new one is made.
TFNeu* updateFensterZeigen(QWidget* hauptfenster, const Updatekontext& kontext);

// The same for this program; the entry windows' BUpdate opens the window so.
TFNeu* updatePruefungZeigen(Programmkontext& kontext);

// The command "&Update-Prüfung" (menus "&Extras" and "&Hilfe", tool bar) for
// this program.
Befehl updateBefehl(Programmkontext& kontext);

}  // namespace kv::ui
