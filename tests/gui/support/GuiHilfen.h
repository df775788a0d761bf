// Small helpers of the GUI tests: acting on the main window as a user would
// (clicking the up-downs and buttons) and reading what it shows.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QWidget>

#include <cstdint>

class QAbstractButton;
class QAction;
class QTableView;
class QWidget;

namespace kv::ui {
class Fenstergitter;
class TFMain;
}  // namespace kv::ui

namespace kv::test {

void klicke(QAbstractButton* b);
// Brings match `spiel` to heim:gast with clicks on the arrows of its up-downs.
void tore(kv::ui::TFMain& w, int spiel, int heim, int gast);
// Clicks the running/final button of match `spiel`.
void beenden(kv::ui::TFMain& w, int spiel);
// Makes `fenster` the active window (the one keys go to) and waits for it;
// false when it did not become so.
bool aktivieren(QWidget* fenster);
// The action with this object name (menu items and tool-bar commands).
QAction* aktion(const kv::ui::TFMain& w, const char* name);

// The background a panel or label shows.
QColor farbe(const QWidget* w);
// Text (without padding blanks) and background of a grid cell (value rows from 0).
QString zelle(const QTableView* g, int zeile, int spalte);
QColor zellfarbe(const QTableView* g, int zeile, int spalte);
QString kopf(const QTableView* g, int spalte);
// The same for a grid over a window of rows, as its source gives them (any
// row, shown or not).
QString zelle(const kv::ui::Fenstergitter* g, std::uint64_t zeile, int spalte);
QColor zellfarbe(const kv::ui::Fenstergitter* g, std::uint64_t zeile, int spalte);
QString kopf(const kv::ui::Fenstergitter* g, int spalte);
// Line i of what the grid draws (0 = the first line in its viewport).
QString gezeigt(const kv::ui::Fenstergitter* g, int i, int spalte);
// The winning row as shown, e.g. "1021021021021" (a blank for an empty panel).
QString gewinnreihe(const kv::ui::TFMain& w);

// The bytes of a file of tests/data; the test stops when it is missing.
QByteArray testdatei(const char* name);
// The same file as UTF-8 text.
QString testdaten(const char* name);

// The command `befehl` of the main window run, and the window `name` it
// shows; the test ends when it is not shown.
QWidget* durchBefehlGezeigt(kv::ui::TFMain& w, const char* befehl, const char* name);
template <typename T>
T* durchBefehlGezeigt(kv::ui::TFMain& w, const char* befehl, const char* name) {
    auto* fenster = qobject_cast<T*>(durchBefehlGezeigt(w, befehl, name));
    if (!fenster) qFatal("%s ist kein Fenster dieser Art", name);
    return fenster;
}
// The control `name` of `w`; the test ends when it is missing.
template <typename T>
T* teil(QWidget* w, const char* name) {
    T* t = w->findChild<T*>(QLatin1String(name));
    if (!t) qFatal("Teil %s fehlt", name);
    return t;
}

}  // namespace kv::test
