#include "common/Feldbild.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/Dialoge.h"
#include "eingabe/Tippfeld.h"

namespace kv::ui {

namespace {

const char* const kVordruck[kFeldSpalten + 1] = {"", "1", "0", "2", "ZW", "DW"};

QRectF kasten(int spalte, int spiel) {
    // the box covers L..L + 17 and T..T + 18; a 1-pixel line on its outer pixels
    return {kSpalteLinks[spalte] + 0.5, kSpielOben[spiel] + 0.5, kKastenBreite - 1.0, kKastenHoehe - 1.0};
}

QFont schriftMit(const QPainter& p, int pixel, bool fett) {
    QFont f = p.font();
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void hintergrund(QPainter& p) {
    p.fillRect(QRect(0, 0, kBildBreite, kBildHoehe), feldfarbe::papier);
    // every second match line on a tinted band, from 3 pixels above its boxes
    // to 3 pixels above the next line's boxes
    for (int m = 2; m <= kSpiele; m += 2) {
        const int oben = kSpielOben[m] - 3;
        const int unten = m < kSpiele ? kSpielOben[m + 1] - 3 : kSpielOben[m] + kKastenHoehe + 3;
        p.fillRect(QRect(0, oben, kBildBreite, unten - oben), feldfarbe::band);
    }
    // the gap between the tip boxes and the mark columns
    p.setPen(QPen(feldfarbe::vordruck, 1, Qt::DashLine));
    const double x = (kTippGrenzeX + kMarkenX) / 2 + 0.5;
    p.drawLine(QPointF(x, 1), QPointF(x, kSpielOben[kSpiele] + kKastenHoehe));
}

void linien(QPainter& p) {
    const QFont nummer = schriftMit(p, 11, true);
    const QFont ziffer = schriftMit(p, 12, true);
    const QFont marke = schriftMit(p, 8, true);
    for (int m = 1; m <= kSpiele; ++m) {
        p.setFont(nummer);
        p.setPen(feldfarbe::druck);
        p.drawText(QRect(0, kSpielOben[m], kSpalteLinks[1] - 4, kKastenHoehe),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(m));
        for (int c = 1; c <= kFeldSpalten; ++c) {
            const QRectF k = kasten(c, m);
            p.setPen(QPen(feldfarbe::druck, 1));
            p.setBrush(Qt::white);
            p.drawRect(k);
            p.setFont(c <= kSpalten ? ziffer : marke);
            p.setPen(feldfarbe::vordruck);
            p.drawText(k, Qt::AlignCenter, QString::fromLatin1(kVordruck[c]));
        }
    }
}

void kreuzMalen(QPainter& p, const Punkt& ecke) {
    // the "x" where a letter x stands in the mark's 13 x 13 square: on its
    // lower two thirds, so it lies within the box it marks
    const double links = ecke.x + 2.5, rechts = ecke.x + 10.5;
    const double oben = ecke.y + 4.5, unten = ecke.y + 12.5;
    p.drawLine(QPointF(links, oben), QPointF(rechts, unten));
    p.drawLine(QPointF(rechts, oben), QPointF(links, unten));
}

void marken(QPainter& p, const Tippfeld& feld) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(feldfarbe::kreuz, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int m = 1; m <= kSpiele; ++m) {
        for (int c = 1; c <= kSpalten; ++c)
            if (feld.kreuz(m, c)) kreuzMalen(p, feld.markenPosition(c, m));
        if (feld.zweiwegMarke(m)) kreuzMalen(p, feld.markenPosition(kZweiwegSpalte, m));
        if (feld.dreiwegMarke(m)) kreuzMalen(p, feld.markenPosition(kDreiwegSpalte, m));
    }
    p.restore();
}

void fokusMalen(QPainter& p, const Tippfeld& feld) {
    const Feldfokus& f = feld.fokus();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(kasten(f.spalte, f.spiel).adjusted(-2, -2, 2, 2));
}

std::optional<Feldtaste> feldtaste(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (e->key()) {
        case Qt::Key_Left:
            return Feldtaste::Links;
        case Qt::Key_Right:
            return Feldtaste::Rechts;
        case Qt::Key_Up:
            return Feldtaste::Hoch;
        case Qt::Key_Down:
            return Feldtaste::Runter;
        case Qt::Key_Space:
            return Feldtaste::Leertaste;
        case Qt::Key_1:
            return Feldtaste::Eins;
        case Qt::Key_0:
            return Feldtaste::Null;
        case Qt::Key_2:
            return Feldtaste::Zwei;
        default:
            return std::nullopt;
    }
}

}  // namespace

Feldbild::Feldbild(Tippfeld& feld, QWidget* eltern) : QWidget(eltern), feld_(feld) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedSize(kBildBreite, kBildHoehe);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromStdString(feld.LNrText()));
    setToolTip(
        QStringLiteral("Kästchen anklicken: Kreuz setzen oder entfernen.\n"
                       "Tastatur: Pfeiltasten wählen ein Kästchen, Leertaste kreuzt es an,\n"
                       "1, 0 und 2 kreuzen das Kästchen der gewählten Zeile an."));
}

QPoint Feldbild::kastenMitte(int spalte, int spiel) {
    return {kSpalteLinks[spalte] + kKastenBreite / 2, kSpielOben[spiel] + kKastenHoehe / 2};
}

void Feldbild::malen(QPainter& p, const Tippfeld& feld, bool fokus) {
    hintergrund(p);
    linien(p);
    marken(p, feld);
    if (fokus) fokusMalen(p, feld);
}

void Feldbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    malen(p, feld_, hasFocus());
}

void Feldbild::mousePressEvent(QMouseEvent* e) {
    // the picture takes any mouse button, a mark only the left one (a click
    // on it); the shift keys are not looked at
    const QPoint pos = e->position().toPoint();
    e->accept();
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    const auto v = feld_.mausDruck(pos.x(), pos.y(), e->button() == Qt::LeftButton);
    update();
    if (v && v->art == Verwertung::Art::Hinweis)
        dialoge().information(window(), QString::fromUtf8(kMarkenHinweis));
}

void Feldbild::keyPressEvent(QKeyEvent* e) {
    const auto t = feldtaste(e);
    if (!t) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    feld_.taste(*t);
    update();
}

void Feldbild::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void Feldbild::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

}  // namespace kv::ui
