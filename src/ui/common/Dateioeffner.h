// Files handed to the program from outside: named on the command line,
// dropped on the main window, or handed over by a second start. Each kind of
// file is opened by the window that made itself known for it, the way its
// own open command opens a file the user chose:
//
//     kontext.dateioeffner().anmelden(Dateiart::Spielplan, [this](const QString& fn) { ... });
//     kontext.dateioeffner().oeffnen({"/home/anna/Spieltag 12.sp13"}, hauptfenster);
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

#include "io/Dateiart.h"

class QWidget;

namespace kv::ui {

class Dateioeffner {
  public:
    // Opens one file of its kind; throws what its reader throws (the German
    // message of the file dialog's path).
    using Oeffnen = std::function<void(const QString& pfad)>;

    // Makes `oeffnen` the one way files of kind `art` are opened (a later
    // call replaces an earlier one).
    void anmelden(Dateiart art, Oeffnen oeffnen);
    // True when a file of this name's kind can be opened.
    bool kannOeffnen(const QString& pfad) const;

    // Opens the files in their order. A file that fails gets its message
    // (parent `fenster`) and the others still open; a name of no known kind
    // gets the message that says which files Kalvendo opens.
    void oeffnen(const QStringList& pfade, QWidget* fenster) const;

    // "Kalvendo kann die Datei NAME nicht öffnen. ..." with the kinds it opens.
    QString unbekannteDateiart(const QString& pfad) const;

  private:
    std::map<Dateiart, Oeffnen> oeffner_;
};

}  // namespace kv::ui
