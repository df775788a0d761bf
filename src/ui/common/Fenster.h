// Showing windows: the show-and-raise helper, the window-opening protocol
// and the remembered window position.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include "settings/Einstellungen.h"

namespace kv::ui {

// The caption of the main window and of the windows that share it: the
// program title, one blank, the version.
QString titelMitVersion();

// The top-level window with this object name, or null.
QWidget* fensterSuchen(const QString& name);

// Shows the window; a minimised one is restored (a maximised one stays so).
void zeigen(QWidget* w);
// Shows the window as zeigen() does, raises it and makes it the active window.
void zeigenUndHeben(QWidget* w);

// The window-opening protocol: the window `name` is looked for among all
// windows and made by `erzeugen` when there is none; it is shown (restored
// when minimised) and, when `nachVorn`, brought to the front.
template <typename T, typename Erzeugen>
T* fensterOeffnen(const QString& name, Erzeugen erzeugen, bool nachVorn = true) {
    T* w = qobject_cast<T*>(fensterSuchen(name));
    if (!w) w = erzeugen();
    if (nachVorn)
        zeigenUndHeben(w);
    else
        zeigen(w);
    return w;
}

// A window's position kept in two keys of the settings file.
class Fensterposition {
  public:
    Fensterposition(const einst::Zahl& links, const einst::Zahl& oben) : links_(links), oben_(oben) {}

    // The stored position (the keys' defaults where nothing is stored).
    QPoint lesen(const Einstellungen& e) const;
    // The same with a read of its own; the defaults when the file cannot be read.
    QPoint lesen(const QString& einstellungsdatei) const;
    void schreiben(Einstellungen& e, const QWidget* fenster) const;
    // The same with one write of its own; a failure is shown as an error message.
    void schreiben(const QString& einstellungsdatei, QWidget* fenster) const;

    // The place where a window's frame of size `rahmen` stands centred on the
    // primary screen: (screen size - frame size) div 2, for x and y.
    static QPoint mitte(QSize rahmen);
    // Places the window with its frame's top-left corner at `p`. A place where
    // the top strip of the frame would lie on no screen (a stored position from
    // a screen that is gone) is moved onto the nearest screen.
    static void platzieren(QWidget* fenster, QPoint p);
    // The rule of platzieren() for a frame of size `rahmen`.
    static QPoint aufBildschirm(QPoint p, QSize rahmen);

  private:
    einst::Zahl links_, oben_;
};

}  // namespace kv::ui
