// What every window may reach without the main window: the program state and
// its change notices, the command table, the data folder and its files, the
// main window as the place other windows belong to, and the help.
//
//     const Programmzustand& z = kontext.zustand();          // read
//     kontext.zustand().setzeBeendet(4, true);               // change (announced)
//     connect(&kontext.melder(), &Zustandsmelder::spieleGeaendert, ...);  // listen
//
// Message boxes and file dialogs go through dialoge() (common/Dialoge.h).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "common/Befehle.h"
#include "common/Dateioeffner.h"
#include "common/Eingabesicherung.h"
#include "common/Zustandsmelder.h"
#include "evaluation/Programmzustand.h"

namespace kv::ui {

class Programmkontext {
  public:
    // `datenordner`: the data folder with a trailing separator (it exists).
    explicit Programmkontext(const QString& datenordner);
    ~Programmkontext();
    Programmkontext(const Programmkontext&) = delete;
    Programmkontext& operator=(const Programmkontext&) = delete;

    // The state: read it, and change it only through its operations.
    Programmzustand& zustand() { return zustand_; }
    const Programmzustand& zustand() const { return zustand_; }
    // Its change notices.
    Zustandsmelder& melder() { return melder_; }

    Befehlstabelle& befehle() { return befehle_; }
    // How files from outside (arguments, a drop, a second start) are opened.
    Dateioeffner& dateioeffner() { return dateioeffner_; }
    // The unsaved work of the entry windows: drafts and the question before
    // the program ends.
    Eingabesicherung& eingabesicherung() { return eingabesicherung_; }

    const QString& datenordner() const { return datenordner_; }
    // "Einstellungen.ini" and "Spielstaende.spst" in the data folder.
    QString einstellungsdatei() const;
    QString spielstanddatei() const;

    // The main window: the parent and the anchor of the other windows.
    QWidget* hauptfenster() const { return hauptfenster_; }
    void setzeHauptfenster(QWidget* w) { hauptfenster_ = w; }

    // Opens the help at the page of a context number, for the window `fenster`.
    void hilfe(QWidget* fenster, int kontext) const;

    // Saves what the program keeps at its end (the main window's settings and
    // the scores), without any question, before an end at once (the update's
    // hand-over); the entry windows' draft is written then too, not after
    // its delay. False, after a message, when the scores could not be
    // written; true when nothing is registered.
    bool sichern() const { return !sicherung_ || sicherung_(); }
    void setzeSicherung(std::function<bool()> f) { sicherung_ = std::move(f); }

  private:
    QString datenordner_;
    Programmzustand zustand_;
    Zustandsmelder melder_;
    Befehlstabelle befehle_;
    Dateioeffner dateioeffner_;
    Eingabesicherung eingabesicherung_;
    QPointer<QWidget> hauptfenster_;
    std::function<bool()> sicherung_;
};

}  // namespace kv::ui
