// Unsaved work of the entry windows. Each window makes its work known here
// (anmelden): whether it holds unsaved changes, how to save them, its draft
// and how to show a draft again. From that this class
//
// - keeps the draft file "Entwurf.kventwurf" in the data folder up to date:
//   shortly after a change (at most kVerzoegerung after it; changes in quick
//   succession are written together) the unsaved work of every window is
//   written there atomically, and the file goes once nothing is unsaved;
// - offers a draft left behind by a crash at the next start ("Nicht
//   gespeicherte Eingaben vom ... wiederherstellen?");
// - asks "Änderungen speichern?" for every window with unsaved work before
//   the program ends, whether the window is shown or hidden; "Abbrechen"
//   keeps the program running.
//
// The windows ask the same question before one of their own actions
// discards unsaved work (verwerfenErlaubt).
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace kv::ui {

// Asks "Änderungen speichern?" with Speichern / Verwerfen / Abbrechen, after
// `was` (which names the unsaved work). Speichern runs `sichern`. True when
// the action that discards the work may go on: it was saved or is to be
// discarded; false for Abbrechen and for a save that did not happen.
bool verwerfenErlaubt(QWidget* eltern, const QString& was, const std::function<bool()>& sichern);

class Eingabesicherung : public QObject {
    Q_OBJECT
  public:
    static constexpr int kVerzoegerung = 500;  // ms

    struct Teil {
        std::string name;                 // its part of the draft, e.g. "Systemschein"
        std::function<bool()> geaendert;  // it holds unsaved work
        // The sentence naming that work, before "Änderungen speichern?".
        std::function<QString()> beschreibung;
        // Saves it as the window's save commands do (dialogs included); true
        // when nothing unsaved is left.
        std::function<bool()> sichern;
        std::function<std::string()> entwurf;  // its draft (asked only while geaendert())
        // Shows a draft again, as unsaved work; throws UngueltigeDatei.
        std::function<void(std::string_view)> wiederherstellen;
        // For a window that shows every fixture list the program reads:
        // asked before one is read; false keeps the present list.
        std::function<bool(QWidget*)> vorSpielplan = {};
    };

    // `datenordner` with a trailing separator.
    explicit Eingabesicherung(const QString& datenordner, QObject* eltern = nullptr);

    void anmelden(Teil teil);
    // The work of a window changed, or was saved or discarded: the draft
    // follows (once anbieten() has run).
    void geaendert();

    // At the start, once the main window is shown: offers the draft of an
    // earlier run that did not end, and from now on keeps the draft.
    void anbieten(QWidget* eltern);
    // Before the program reads a fixture list: the windows that would show it
    // over unsaved fixtures ask first. False: the list is not to be read.
    bool spielplanErlaubt(QWidget* eltern);
    // Before the program ends: "Änderungen speichern?" for every window with
    // unsaved work. False when the user chose Abbrechen (or a save did not
    // happen): the program goes on.
    bool beendenErlaubt(QWidget* eltern);
    // The program ends after beendenErlaubt(): no more drafts; the draft
    // file goes, as everything was saved or deliberately discarded.
    void beenden();

    QString datei() const;
    // A change waits to be written.
    bool wartet() const { return timer_.isActive(); }
    // Writes the draft now (what the timer does), once anbieten() has run:
    // also before the program ends without its closing sequence.
    void schreiben();

  private:
    QString datenordner_;
    std::vector<Teil> teile_;
    // Parts of a restored draft that no window took: kept in later drafts.
    std::map<std::string, std::string> fremd_;
    QTimer timer_;
    bool aktiv_ = false;
    bool fehlerGemeldet_ = false;
};

}  // namespace kv::ui
