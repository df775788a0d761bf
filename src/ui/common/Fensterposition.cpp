// The place of the program's windows on the screen: stored and restored as
// the outer frame's corner, and the whole frame kept on the screen's free area.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Fensterrahmen.h"

namespace kv::ui {

namespace {

QRect primaer() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1920, 1080);
}

// The free area (without panels) of every screen, the primary screen first.
QList<QRect> freieFlaechen() {
    QList<QRect> schirme;
    const QScreen* erster = QGuiApplication::primaryScreen();
    if (erster) schirme << erster->availableGeometry();
    for (const QScreen* s : QGuiApplication::screens())
        if (s != erster) schirme << s->availableGeometry();
    if (schirme.isEmpty()) schirme << primaer();
    return schirme;
}

// The frame the window manager gave the window shown last: until a window
// is shown, its own frame is not known, and the frames of one program's
// windows are alike.
QMargins& gelernteRaender() {
    static QMargins raender;
    return raender;
}

// What platzieren() asked for a window that was not shown yet: kept on the
// window until its real frame is known, then placed by it once.
constexpr char kWunschOrt[] = "kalvendoWunschOrt";
constexpr char kWunschMittig[] = "kalvendoWunschMittig";
// the object name of the window to centre on (empty: the primary screen)
constexpr char kWunschBezug[] = "kalvendoWunschBezug";

bool veraenderbar(const QWidget* w) {
    return w->minimumSize() != w->maximumSize();
}

QSize innenGroesse(const QWidget* w, QSize groesse) {
    if (!groesse.isValid() || !veraenderbar(w)) return w->size();
    return groesse.expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
}

// The frame around contents of size `innen` whose corner is `p`, centred on
// the axes in `mittig` (on the primary screen, or on the frame of `bezug`),
// on the free area of its screen.
QRect zielRahmen(QPoint p, QSize innen, QMargins raender, Qt::Orientations mittig, const QWidget* bezug) {
    QRect r(p, innen.grownBy(raender));
    QPoint m = Fensterposition::mitte(r.size());
    if (bezug) {
        QRect um = r;
        um.moveCenter(Fensterposition::rahmen(bezug).center());
        m = um.topLeft();
    }
    if (mittig & Qt::Horizontal) r.moveLeft(m.x());
    if (mittig & Qt::Vertical) r.moveTop(m.y());
    return Fensterposition::einpassen(r, freieFlaechen());
}

const QWidget* fensterNamens(const QString& name) {
    if (name.isEmpty()) return nullptr;
    const QWidget* w = fensterSuchen(name);
    return w && w->isVisible() ? w : nullptr;
}

// Gives the window the frame `r` (`raender`: the frame's width on each side;
// `gezeigt`: the window is on the screen already).
void anwenden(QWidget* w, const QRect& r, QMargins raender, bool gezeigt) {
    if (veraenderbar(w)) {
        const QSize innen =
            r.marginsRemoved(raender).size().expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
        if (innen != w->size()) w->resize(innen);
    }
    if (!rahmen::ortSetzbar()) return;
    // Under X11 the frame's corner is given to the window system as such:
    // the window manager puts the frame there (move() of a window made
    // already would place its contents there, and setGeometry() of a shown
    // one is taken for the frame or the contents depending on how the window
    // was made). Elsewhere (no frame, or Qt's own) move() places the frame.
    QWindow* h = w->windowHandle();
    if (!h || !rahmen::x11()) {
        w->move(r.topLeft());
        return;
    }
    if (!gezeigt) w->move(r.topLeft());
    h->setFramePosition(r.topLeft());
}

// The program's top-level windows and dialogs, not menus, tips and the like.
bool gehuetet(const QWidget* w) {
    if (!w->isWindow() || w->testAttribute(Qt::WA_DontShowOnScreen)) return false;
    const Qt::WindowType art = w->windowType();
    return art == Qt::Window || art == Qt::Dialog;
}

// Watches the windows being shown: once a window's frame is known (after its
// first exposure, as soon as the window manager has framed it), it is placed
// by it.
class Waechter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (gehuetet(w) && w->windowHandle()) offen_.insert(w->windowHandle(), Offen{w});
        } else if (e->type() == QEvent::Expose) {
            auto* fenster = qobject_cast<QWindow*>(o);
            if (fenster && fenster->isExposed() && offen_.contains(fenster) && !offen_[fenster].geplant)
                versuchen(fenster);
        }
        return false;
    }

  private:
    struct Offen {
        QPointer<QWidget> w;
        int versuche = 0;
        bool geplant = false;
    };
    // tries every 30 ms for a few seconds, while the frame is not known yet
    static constexpr int kVersuche = 150;

    void versuchen(QWindow* fenster) {
        Offen& o = offen_[fenster];
        o.geplant = false;
        if (!o.w || !o.w->isVisible() || pruefen(o.w) || ++o.versuche >= kVersuche) {
            offen_.remove(fenster);
            return;
        }
        o.geplant = true;
        QTimer::singleShot(30, this, [this, f = QPointer<QWindow>(fenster)] {
            if (f && offen_.contains(f)) versuchen(f);
        });
    }

    // false while the frame is not known yet
    static bool pruefen(QWidget* w) {
        if (w->isMaximized() || w->isFullScreen()) return true;
        const auto m = rahmen::messen(w);
        if (!m) return false;
        const QMargins raender = m->raender();
        gelernteRaender() = raender;
        QRect soll;
        const QVariant ort = w->property(kWunschOrt);
        if (ort.isValid()) {
            const auto mittig = Qt::Orientations::fromInt(w->property(kWunschMittig).toInt());
            const QWidget* bezug = fensterNamens(w->property(kWunschBezug).toString());
            soll = zielRahmen(ort.toPoint(), w->size(), raender, mittig, bezug);
            for (const char* name : {kWunschOrt, kWunschMittig, kWunschBezug})
                w->setProperty(name, QVariant());
        } else {
            soll = Fensterposition::einpassen(m->aussen, freieFlaechen());
        }
        // where the compositor places the windows, only the size is the program's
        if (!rahmen::ortSetzbar()) soll.moveTopLeft(m->aussen.topLeft());
        if (soll != m->aussen) anwenden(w, soll, raender, true);
        return true;
    }

    QHash<QWindow*, Offen> offen_;
};

}  // namespace

void fensterHueten() {
    static Waechter* waechter = nullptr;
    if (waechter || !QCoreApplication::instance()) return;
    waechter = new Waechter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(waechter);
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

QSize Fensterposition::groesse(const Einstellungen& e) const {
    if (!mitGroesse_) return {};
    const QSize g(e.lese(breite_), e.lese(hoehe_));
    return g.width() > 0 && g.height() > 0 ? g : QSize();
}

QSize Fensterposition::groesse(const QString& einstellungsdatei) const {
    try {
        return groesse(Einstellungen(einstellungsdatei.toStdString()));
    } catch (const std::exception&) {
        return {};
    }
}

void Fensterposition::gemerktOderMittig(QWidget* fenster, const QString& einstellungsdatei) const {
    QPoint ort(links_.vorgabe, oben_.vorgabe);
    QSize gemerkt;
    try {
        const Einstellungen s(einstellungsdatei.toStdString());
        ort = lesen(s);
        gemerkt = groesse(s);
    } catch (const std::exception&) {
        // an unreadable settings file leaves the window centred at its laid-out size
    }
    const bool mittig = ort.x() == links_.vorgabe || ort.y() == oben_.vorgabe;
    platzieren(fenster, ort, gemerkt, mittig ? Qt::Horizontal | Qt::Vertical : Qt::Orientations());
}

void Fensterposition::schreiben(Einstellungen& e, const QWidget* fenster) const {
    if (rahmen::ortSetzbar()) {
        const QPoint ecke = rahmen(fenster).topLeft();
        e.schreibe(links_, ecke.x());
        e.schreibe(oben_, ecke.y());
    }
    if (!mitGroesse_) return;
    e.schreibe(breite_, fenster->width());
    e.schreibe(hoehe_, fenster->height());
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

QRect Fensterposition::einpassen(QRect rahmen, const QList<QRect>& schirme) {
    if (schirme.isEmpty()) return rahmen;
    const QRect* schirm = &schirme.front();
    qint64 meist = 0;
    for (const QRect& s : schirme) {
        const QRect teil = s.intersected(rahmen);
        const qint64 flaeche = teil.isEmpty() ? 0 : qint64(teil.width()) * teil.height();
        if (flaeche > meist) {
            meist = flaeche;
            schirm = &s;
        }
    }
    const QRect& s = *schirm;
    rahmen.setSize(rahmen.size().boundedTo(s.size()));
    rahmen.moveTo(std::clamp(rahmen.x(), s.left(), s.right() + 1 - rahmen.width()),
                  std::clamp(rahmen.y(), s.top(), s.bottom() + 1 - rahmen.height()));
    return rahmen;
}

QPoint Fensterposition::aufBildschirm(QPoint p, QSize rahmen) {
    return einpassen(QRect(p, rahmen), freieFlaechen()).topLeft();
}

QRect Fensterposition::rahmen(const QWidget* fenster) {
    if (const auto m = rahmen::messen(fenster)) return m->aussen;
    if (fenster->windowHandle() && fenster->isVisible()) return fenster->frameGeometry();
    return QRect(fenster->pos(), fenster->size().grownBy(gelernteRaender()));
}

void Fensterposition::platzieren(QWidget* fenster, QPoint p, QSize groesse, Qt::Orientations mittig,
                                 const QWidget* bezug) {
    const auto m = rahmen::messen(fenster);
    const QMargins raender = m ? m->raender() : gelernteRaender();
    const QRect r = zielRahmen(p, innenGroesse(fenster, groesse), raender, mittig, bezug);
    anwenden(fenster, r, raender, m.has_value());
    if (m) return;
    fenster->setProperty(kWunschOrt, p);
    fenster->setProperty(kWunschMittig, mittig.toInt());
    fenster->setProperty(kWunschBezug, bezug ? bezug->objectName() : QString());
}

}  // namespace kv::ui
