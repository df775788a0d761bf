#include "common/Fensterrahmen.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <memory>

#ifdef KALVENDO_MIT_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace kv::ui::rahmen {

namespace {

bool plattform(const char* name) {
    return QGuiApplication::platformName().startsWith(QLatin1String(name));
}

#ifdef KALVENDO_MIT_XCB

template <typename T>
using Antwort = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Antwort<T> antwort(T* a) {
    return Antwort<T>(a, &std::free);
}

// The rectangles in the X server's pixels; null when the window is not
// viewable or the server does not answer.
std::optional<Messung> xMessen(WId id) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* c = x11->connection();
    const auto fenster = static_cast<xcb_window_t>(id);

    const auto attribute =
        antwort(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, fenster), nullptr));
    if (!attribute || attribute->map_state != XCB_MAP_STATE_VIEWABLE) return std::nullopt;
    const auto eigene = antwort(xcb_get_geometry_reply(c, xcb_get_geometry(c, fenster), nullptr));
    if (!eigene) return std::nullopt;
    const xcb_window_t wurzel = eigene->root;
    const auto ort = antwort(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, fenster, wurzel, 0, 0), nullptr));
    if (!ort) return std::nullopt;

    // the frame: the ancestor whose parent is the root window (the window
    // itself when no window manager framed it)
    xcb_window_t oberstes = fenster;
    for (int tiefe = 0; tiefe < 16; ++tiefe) {
        const auto baum = antwort(xcb_query_tree_reply(c, xcb_query_tree(c, oberstes), nullptr));
        if (!baum) return std::nullopt;
        if (baum->parent == wurzel || baum->parent == XCB_NONE) break;
        oberstes = baum->parent;
    }
    const auto rahmen = antwort(xcb_get_geometry_reply(c, xcb_get_geometry(c, oberstes), nullptr));
    if (!rahmen) return std::nullopt;
    const int rand = rahmen->border_width;
    Messung m;
    m.aussen = QRect(rahmen->x, rahmen->y, rahmen->width + 2 * rand, rahmen->height + 2 * rand);
    m.innen = QRect(ort->dst_x, ort->dst_y, eigene->width, eigene->height);
    return m;
}

QRect logisch(const QRect& r, qreal faktor) {
    if (faktor == 1.0) return r;
    return QRect(QPoint(qRound(r.x() / faktor), qRound(r.y() / faktor)),
                 QSize(qRound(r.width() / faktor), qRound(r.height() / faktor)));
}

#endif

}  // namespace

QMargins Messung::raender() const {
    return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
            aussen.bottom() - innen.bottom()};
}

bool ortSetzbar() {
    return !plattform("wayland");
}

bool x11() {
    return plattform("xcb");
}

std::optional<Messung> messen(const QWidget* fenster) {
    if (!fenster || !fenster->isVisible() || !fenster->windowHandle()) return std::nullopt;
#ifdef KALVENDO_MIT_XCB
    if (plattform("xcb")) {
        auto m = xMessen(fenster->winId());
        if (!m) return std::nullopt;
        const qreal faktor = fenster->devicePixelRatioF();
        m->aussen = logisch(m->aussen, faktor);
        m->innen = logisch(m->innen, faktor);
        return m;
    }
#endif
    return Messung{fenster->frameGeometry(), fenster->geometry()};
}

}  // namespace kv::ui::rahmen
