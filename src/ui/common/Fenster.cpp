#include "common/Fenster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

#include <algorithm>

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
    if (ort.x() == links_.vorgabe || ort.y() == oben_.vorgabe) ort = mitte(fenster->frameGeometry().size());
    platzieren(fenster, ort, gemerkt);
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

void Fensterposition::schreiben(Einstellungen& e, const QWidget* fenster) const {
    e.schreibe(links_, fenster->x());
    e.schreibe(oben_, fenster->y());
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
    // the title strip of the frame must show on a screen, wide enough to grab;
    // the screen that shows most of it is the window's screen
    const QRect streifen(rahmen.topLeft(), QSize(rahmen.width(), kStreifenHoehe));
    const int genug = std::min(rahmen.width(), kStreifenBreite);
    const QRect* schirm = nullptr;
    int meist = 0;
    for (const QRect& s : schirme) {
        const int b = s.intersected(streifen).width();
        if (b >= genug && b > meist) {
            schirm = &s;
            meist = b;
        }
    }
    const bool sichtbar = schirm != nullptr;
    if (!sichtbar) schirm = &schirme.front();
    const bool zuGross = rahmen.width() > schirm->width() || rahmen.height() > schirm->height();
    rahmen.setSize(rahmen.size().boundedTo(schirm->size()));
    // a place the user chose stays, even partly off the screen; a window that
    // was too large, or on no screen, comes wholly onto its screen
    if (sichtbar && !zuGross) return rahmen;
    const QRect& s = *schirm;
    rahmen.moveTo(std::clamp(rahmen.x(), s.left(), s.right() + 1 - rahmen.width()),
                  std::clamp(rahmen.y(), s.top(), s.bottom() + 1 - rahmen.height()));
    return rahmen;
}

QPoint Fensterposition::aufBildschirm(QPoint p, QSize rahmen) {
    return einpassen(QRect(p, rahmen), freieFlaechen()).topLeft();
}

void Fensterposition::platzieren(QWidget* fenster, QPoint p, QSize groesse) {
    const QSize rand = fenster->frameGeometry().size() - fenster->size();
    const bool veraenderbar = fenster->minimumSize() != fenster->maximumSize();
    const QSize innen = groesse.isValid() && veraenderbar
                            ? groesse.expandedTo(fenster->minimumSize()).boundedTo(fenster->maximumSize())
                            : fenster->size();
    const QRect r = einpassen(QRect(p, innen + rand), freieFlaechen());
    if (veraenderbar) fenster->resize((r.size() - rand).expandedTo(fenster->minimumSize()));
    fenster->move(r.topLeft());
}

namespace {

// Asks for the whole size of its content and lets the window go smaller.
class Rollbereich : public QScrollArea {
  public:
    Rollbereich(QSize minimum, QWidget* eltern) : QScrollArea(eltern), minimum_(minimum) {}
    QSize sizeHint() const override {
        const QWidget* w = widget();
        if (!w) return QScrollArea::sizeHint();
        const int rand = 2 * frameWidth();
        return w->sizeHint().expandedTo(w->minimumSizeHint()) + QSize(rand, rand);
    }
    QSize minimumSizeHint() const override { return minimum_; }

  private:
    QSize minimum_;
};

}  // namespace

QScrollArea* rollbar(QWidget* inhalt, QSize minimum, QWidget* eltern) {
    auto* r = new Rollbereich(minimum, eltern);
    r->setObjectName(inhalt->objectName() + QStringLiteral("Rollbereich"));
    r->setFrameShape(QFrame::NoFrame);
    r->setWidgetResizable(true);
    r->setWidget(inhalt);
    return r;
}

void mitEscapeSchliessen(QWidget* fenster) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
    esc->setObjectName(QStringLiteral("EscapeSchliesst"));
    QObject::connect(esc, &QShortcut::activated, fenster, &QWidget::close);
}

}  // namespace kv::ui
