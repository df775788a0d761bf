// Showing windows: the show-and-raise helper, the window-opening protocol
// and the remembered window position.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "settings/Einstellungen.h"

class QScrollArea;

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

// A window's place and size kept in the settings file: two position keys and,
// for a window that remembers its size as well, two size keys beside them
// ("Haupt-Left", "Haupt-Top", "Haupt-Width", "Haupt-Height"). The position is
// the top-left corner of the window's outer frame (title bar and borders of
// the window manager included), the size that of its contents: written from
// the frame and restored as the frame, a window comes back exactly where it
// was. Every window that is shown somewhere goes through platzieren().
class Fensterposition {
  public:
    Fensterposition(const einst::Zahl& links, const einst::Zahl& oben) : links_(links), oben_(oben) {}
    Fensterposition(const einst::Zahl& links, const einst::Zahl& oben, const einst::Zahl& breite,
                    const einst::Zahl& hoehe)
        : links_(links), oben_(oben), breite_(breite), hoehe_(hoehe), mitGroesse_(true) {}

    // The stored position (the keys' defaults where nothing is stored).
    QPoint lesen(const Einstellungen& e) const;
    // The same with a read of its own; the defaults when the file cannot be read.
    QPoint lesen(const QString& einstellungsdatei) const;
    // The stored size of the window without its frame; an invalid QSize when
    // none is stored (no size keys, or a value below 1).
    QSize groesse(const Einstellungen& e) const;
    QSize groesse(const QString& einstellungsdatei) const;
    // Writes where the window's frame stands and, with size keys, the size of
    // its contents (a maximised window thus opens as large again). Where the
    // window system does not tell a program where its windows are (Wayland),
    // the stored position stays as it is.
    void schreiben(Einstellungen& e, const QWidget* fenster) const;
    // The same with one write of its own; a failure is shown as an error message.
    void schreiben(const QString& einstellungsdatei, QWidget* fenster) const;

    // Places `fenster` at its stored place and size, read once; centred at its
    // laid-out size while either coordinate is still its default (never
    // stored) or when the settings file cannot be read.
    void gemerktOderMittig(QWidget* fenster, const QString& einstellungsdatei) const;

    // The place where a window's frame of size `rahmen` stands centred on the
    // primary screen: (screen size - frame size) div 2, for x and y.
    static QPoint mitte(QSize rahmen);
    // Places the window with its frame's top-left corner at `p`, at the size
    // `groesse` (without frame; invalid: the size it has, which is its
    // laid-out size before it was first shown); on every axis named in
    // `mittig` the frame is centred on the primary screen instead, or on the
    // frame of the window `bezug` where one is given. The whole
    // frame then lies on the free area of its screen (panels left out): a
    // window that would reach beyond it is moved in, one larger than it gets
    // its size (not below its minimum size). Until a window is first shown,
    // its frame is not known: it is placed with the frame of the program's
    // other windows, and once shown, its real frame is placed by the same
    // rule (a centred window is centred by it).
    static void platzieren(QWidget* fenster, QPoint p, QSize groesse = QSize(), Qt::Orientations mittig = {},
                           const QWidget* bezug = nullptr);
    // The rule of platzieren() for a frame at `p` of size `rahmen`: its new place.
    static QPoint aufBildschirm(QPoint p, QSize rahmen);
    // The rule itself: the frame `rahmen` on the screens' free areas
    // `schirme` (the primary screen first). The screen that holds most of
    // the frame is its screen, the primary one when none holds any of it.
    static QRect einpassen(QRect rahmen, const QList<QRect>& schirme);
    // The outer frame of a shown window as the screen shows it; before it is
    // shown, its contents with the frame of the program's other windows.
    static QRect rahmen(const QWidget* fenster);

  private:
    einst::Zahl links_, oben_;
    einst::Zahl breite_{}, hoehe_{};
    bool mitGroesse_ = false;
};

// Keeps every top-level window of the program on the free area of its
// screen: each time a window is shown and its frame is known, a window
// reaching beyond the area is moved in (and made smaller where it is larger),
// and a window placed by platzieren() is placed by its real frame. Installed
// once on the application (programmAufbauen() does).
void fensterHueten();

// A scroll area around the content of a window that may become smaller than
// its laid-out size: it asks for the content's whole size, so the window
// still opens at that size, but it lets the window shrink to `minimum`, and
// the content then scrolls. `inhalt` should have a layout (its minimum size
// is what it needs).
QScrollArea* rollbar(QWidget* inhalt, QSize minimum = QSize(160, 120), QWidget* eltern = nullptr);

// Escape closes the window (help, calendar, information, winning row).
void mitEscapeSchliessen(QWidget* fenster);

}  // namespace kv::ui
