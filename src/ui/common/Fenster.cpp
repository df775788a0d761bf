#include "common/Fenster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <limits>

#include "common/Dialoge.h"
#include "model/Records.h"

namespace kv::ui {

namespace {

// How much of a frame's top strip must lie on a screen for it to be grabbed.
constexpr int kStreifenBreite = 100;
constexpr int kStreifenHoehe = 30;

QRect primaer() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1920, 1080);
}

}  // namespace

QString titelMitVersion() {
    return QString::fromUtf8(kProgrammTitel) + QLatin1Char(' ') + QString::fromUtf8(kVersion);
}

QWidget* fensterSuchen(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void zeigen(QWidget* w) {
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
}

void zeigenUndHeben(QWidget* w) {
    if (!w) return;
    zeigen(w);
    w->raise();
    w->activateWindow();
}

QPoint Fensterposition::lesen(const Einstellungen& e) const {
    return {e.lese(links_), e.lese(oben_)};
}

QPoint Fensterposition::lesen(const QString& einstellungsdatei) const {
    try {
        return lesen(Einstellungen(einstellungsdatei.toStdString()));
    } catch (const std::exception&) {
        // an unreadable settings file leaves the window at its default place
        return {links_.vorgabe, oben_.vorgabe};
    }
}

void Fensterposition::schreiben(Einstellungen& e, const QWidget* fenster) const {
    e.schreibe(links_, fenster->x());
    e.schreibe(oben_, fenster->y());
}

void Fensterposition::schreiben(const QString& einstellungsdatei, QWidget* fenster) const {
    try {
        Einstellungen e(einstellungsdatei.toStdString());
        schreiben(e, fenster);
        e.speichern();
    } catch (const std::exception& f) {
        dialoge().fehler(fenster, QString::fromStdString(f.what()));
    }
}

QPoint Fensterposition::mitte(QSize rahmen) {
    const QRect s = primaer();
    return {(s.width() - rahmen.width()) / 2, (s.height() - rahmen.height()) / 2};
}

QPoint Fensterposition::aufBildschirm(QPoint p, QSize rahmen) {
    // the title strip of the frame must show on a screen, wide enough to grab
    const QRect streifen(p, QSize(rahmen.width(), kStreifenHoehe));
    const int genug = std::min(rahmen.width(), kStreifenBreite);
    QList<QRect> schirme;
    for (const QScreen* s : QGuiApplication::screens()) schirme << s->availableGeometry();
    if (schirme.isEmpty()) schirme << primaer();
    for (const QRect& s : schirme)
        if (s.intersected(streifen).width() >= genug) return p;
    // the nearest screen, and on it the nearest place for the whole frame
    const QRect* naechster = &schirme.front();
    long besteEntfernung = std::numeric_limits<long>::max();
    for (const QRect& s : schirme) {
        const long dx = std::max({0, s.left() - p.x(), p.x() - s.right()});
        const long dy = std::max({0, s.top() - p.y(), p.y() - s.bottom()});
        if (dx * dx + dy * dy < besteEntfernung) {
            besteEntfernung = dx * dx + dy * dy;
            naechster = &s;
        }
    }
    const QRect& s = *naechster;
    const int x = std::clamp(p.x(), s.left(), std::max(s.left(), s.right() + 1 - rahmen.width()));
    const int y = std::clamp(p.y(), s.top(), std::max(s.top(), s.bottom() + 1 - rahmen.height()));
    return {x, y};
}

void Fensterposition::platzieren(QWidget* fenster, QPoint p) {
    fenster->move(aufBildschirm(p, fenster->frameGeometry().size()));
}

}  // namespace kv::ui
