// The built program: the context (state, notices, command table, data
// folder), the main window and every window's command. main.cpp, the GUI
// tests and the GUI benchmarks all build it with programmAufbauen().
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "common/Programmkontext.h"

namespace kv::ui {

class TFMain;
class Uebergabe;

class Programm {
  public:
    explicit Programm(const QString& datenordner);
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Programmkontext& kontext() { return kontext_; }
    TFMain& hauptfenster() { return *hauptfenster_; }

    // Opens files from outside (the command line, a later start) by what
    // they are, in their order, after those still being opened; files that
    // come before the main window's start is over wait for it.
    void dateienOeffnen(const QStringList& dateien);
    // Files a later start hands over open here, and the main window comes
    // to the front first.
    void uebergabeAnnehmen(Uebergabe& uebergabe);

  private:
    void wartendeOeffnen();

    Programmkontext kontext_;
    std::unique_ptr<TFMain> hauptfenster_;
    QStringList wartend_;
    bool oeffnet_ = false;
};

// Builds the program for the data folder `datenordner` (with a trailing
// separator; it exists): the main window, not yet shown, with the commands of
// all windows in its menus and tool bar, and the windows made at start-up
// (hidden). Closing the main window ends the event loop without closing the
// other windows, so they do not save their settings at the end.
std::unique_ptr<Programm> programmAufbauen(const QString& datenordner);

}  // namespace kv::ui
