// What the window system knows of a top-level window's frame: the outer
// rectangle a window manager draws around the contents (title bar and
// borders included), measured where Qt's own idea of it goes stale.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace kv::ui::rahmen {

// Whether a program may place its own windows. Not so under Wayland: there
// the compositor alone decides, and the position Qt reports means nothing.
bool ortSetzbar();
// Whether the windows are those of an X server.
bool x11();

// A shown window's outer frame and its contents, in screen coordinates.
struct Messung {
    QRect aussen;
    QRect innen;
    // the frame's width on each side: contents = frame minus these
    QMargins raender() const;
};

// The window as it is on the screen now, or nothing while it is not shown.
// Under X11 it is read from the window tree (the window manager's frame is
// the ancestor just below the root window): Qt keeps the frame it learnt at
// the first showing, which is wrong once a window manager has framed the
// window anew after it was hidden. Elsewhere Qt's frame geometry.
std::optional<Messung> messen(const QWidget* fenster);

}  // namespace kv::ui::rahmen
