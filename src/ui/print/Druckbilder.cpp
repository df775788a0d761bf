#include "print/Druckbilder.h"

#include <QPainter>
#include <QPainterPath>

namespace kv::ui {

namespace {

const QColor kLinie(60, 60, 60);
const QColor kMarke(200, 30, 30);
const QColor kPapier(255, 255, 255);
const QColor kKaestchen(230, 120, 150);

QFont schrift(const QWidget* w, int pixel, bool fett = false) {
    QFont f = w->font();
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// An arrow from a to b with a filled head at b.
void pfeil(QPainter& p, QPointF a, QPointF b, const QColor& farbe) {
    p.setPen(QPen(farbe, 1.2));
    p.drawLine(a, b);
    const QLineF l(b, a);
    QLineF s1 = l;
    s1.setLength(6);
    s1.setAngle(l.angle() + 25);
    QLineF s2 = l;
    s2.setLength(6);
    s2.setAngle(l.angle() - 25);
    QPainterPath kopf;
    kopf.moveTo(b);
    kopf.lineTo(s1.p2());
    kopf.lineTo(s2.p2());
    kopf.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(kopf);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

Tippfeldbild::Tippfeldbild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("ImgTippfeld"));
    setFixedSize(sizeHint());
}

void Tippfeldbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPapier);
    p.setPen(QColor(180, 180, 180));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    constexpr double links = 22, abstand = 15, breite = 10, hoehe = 7, oben = 52, zeile = 10.2;
    auto box = [&](int spiel, int spalte) {
        return QRectF(links + (spalte - 1) * abstand, oben + (spiel - 1) * zeile, breite, hoehe);
    };

    // B: from the first to the third box of match 1
    p.setFont(schrift(this, 11, true));
    p.setPen(kMarke);
    p.drawText(QPointF(6, 14), QStringLiteral("B-Wert"));
    p.setFont(schrift(this, 10));
    p.drawText(QPointF(6, 26), QStringLiteral("doppelter Kästchen-Abstand"));
    const double bx1 = box(1, 1).left(), bx3 = box(1, 3).left();
    p.setPen(QPen(kMarke, 1.2));
    p.drawLine(QPointF(bx1, 33), QPointF(bx3, 33));
    p.drawLine(QPointF(bx1, 29), QPointF(bx1, 37));
    p.drawLine(QPointF(bx3, 29), QPointF(bx3, 37));

    // the boxes with the tips above and the match numbers beside them
    p.setFont(schrift(this, 10, true));
    p.setPen(kLinie);
    const char* ziffern[] = {"1", "0", "2"};
    for (int s = 1; s <= 3; ++s)
        p.drawText(QRectF(box(1, s).left() - 2, 39, breite + 4, 12), Qt::AlignCenter,
                   QString::fromLatin1(ziffern[s - 1]));
    p.setFont(schrift(this, 9));
    for (int m = 1; m <= 13; ++m) {
        p.setPen(kLinie);
        p.drawText(QRectF(0, box(m, 1).top() - 2, links - 4, hoehe + 4), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(m));
        p.setPen(QPen(kKaestchen, 1));
        for (int s = 1; s <= 3; ++s) p.drawRect(box(m, s));
    }

    // C: from the boxes of match 1 to those of match 13
    const double cx = box(1, 3).right() + 8;
    const double c1 = box(1, 1).top(), c13 = box(13, 1).top();
    p.setPen(QPen(kMarke, 1.2));
    p.drawLine(QPointF(cx, c1), QPointF(cx, c13));
    p.drawLine(QPointF(cx - 4, c1), QPointF(cx + 4, c1));
    p.drawLine(QPointF(cx - 4, c13), QPointF(cx + 4, c13));
    const double tx = cx + 8;
    p.setFont(schrift(this, 11, true));
    p.drawText(QPointF(tx, box(8, 1).top()), QStringLiteral("C-Wert"));
    p.setFont(schrift(this, 10));
    p.drawText(QPointF(tx, box(9, 1).top() + 2), QStringLiteral("vertikaler Abstand"));
    p.drawText(QPointF(tx, box(10, 1).top() + 4), QStringLiteral("von 1 -13"));

    // A: the first box of match 1
    p.setFont(schrift(this, 11, true));
    p.drawText(QPointF(tx, box(3, 1).top()), QStringLiteral("A-Wert"));
    p.setFont(schrift(this, 10));
    p.drawText(QPointF(tx, box(4, 1).top() + 2), QStringLiteral("jeweils für"));
    p.drawText(QPointF(tx, box(5, 1).top() + 4), QStringLiteral("Spiel 1"));
    p.setPen(QPen(kMarke, 1.5));
    p.drawRect(box(1, 1).adjusted(-1.5, -1.5, 1.5, 1.5));
    pfeil(p, QPointF(tx - 2, box(3, 1).top() - 6), box(1, 1).bottomRight() + QPointF(1, 1), kMarke);
}

Richtungsbild::Richtungsbild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("ImgRichtung"));
    setFixedSize(sizeHint());
}

void Richtungsbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF m(width() / 2.0, height() / 2.0);
    const double r = 15;
    pfeil(p, m, m + QPointF(-r, 0), kLinie);
    pfeil(p, m, m + QPointF(r, 0), kLinie);
    pfeil(p, m, m + QPointF(0, -r), kLinie);
    pfeil(p, m, m + QPointF(0, r), kLinie);
    p.setPen(kMarke);
    p.setFont(schrift(this, 9, true));
    p.drawText(QRectF(0, m.y() - 16, 20, 12), Qt::AlignLeft, QStringLiteral("-x"));
    p.drawText(QRectF(width() - 20, m.y() - 16, 20, 12), Qt::AlignRight, QStringLiteral("+x"));
    p.drawText(QRectF(m.x() + 3, 0, 20, 12), Qt::AlignLeft, QStringLiteral("-y"));
    p.drawText(QRectF(m.x() + 3, height() - 12, 20, 12), Qt::AlignLeft, QStringLiteral("+y"));
}

Papierfachbild::Papierfachbild(bool lage, QWidget* eltern) : QWidget(eltern), lage_(lage) {
    setObjectName(lage ? QStringLiteral("ImgLage") : QStringLiteral("ImgEinzug"));
    setFixedSize(sizeHint());
}

void Papierfachbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 250));
    p.setPen(QColor(190, 190, 190));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(schrift(this, 10));
    if (!lage_) {
        // the tray from above: the slip, back side up, between the guides
        const QRectF fach(20, 14, 110, 62);
        p.setPen(QPen(kLinie, 1.2));
        p.drawRect(fach);
        const QRectF schein(48, 22, 54, 46);
        p.setPen(QPen(kLinie, 1));
        p.setBrush(QColor(255, 240, 200));
        p.drawRect(schein);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        for (double y = schein.top() + 7; y < schein.bottom(); y += 7)
            p.drawLine(QPointF(schein.left() + 4, y), QPointF(schein.right() - 4, y));
        // the guides pushed against the slip
        p.setPen(QPen(kMarke, 3));
        p.drawLine(QPointF(schein.left() - 3, schein.top() + 8),
                   QPointF(schein.left() - 3, schein.bottom() - 8));
        p.drawLine(QPointF(schein.right() + 3, schein.top() + 8),
                   QPointF(schein.right() + 3, schein.bottom() - 8));
        p.setPen(kMarke);
        p.drawText(QRectF(0, 0, width(), 13), Qt::AlignCenter, QStringLiteral("fixieren"));
        // the front edge goes in first
        pfeil(p, QPointF(schein.center().x(), schein.bottom() + 2),
              QPointF(schein.center().x(), height() - 2), kLinie);
        p.setPen(kLinie);
        p.drawText(QRectF(schein.center().x() + 6, height() - 13, 50, 12), Qt::AlignLeft,
                   QStringLiteral("vorn"));
    } else {
        // the tray from the side: the slip lies flat, fed to the left
        p.setPen(QPen(kLinie, 1.5));
        QPainterPath fach;
        fach.moveTo(18, 30);
        fach.lineTo(26, 62);
        fach.lineTo(134, 62);
        fach.lineTo(134, 40);
        p.drawPath(fach);
        p.setPen(QPen(QColor(200, 150, 40), 3));
        p.drawLine(QPointF(40, 58), QPointF(104, 58));
        pfeil(p, QPointF(70, 48), QPointF(24, 48), kMarke);
        p.setPen(kLinie);
        p.drawText(QRectF(36, 64, 80, 14), Qt::AlignCenter, QStringLiteral("Tippschein"));
        p.drawText(QRectF(74, 36, 60, 12), Qt::AlignLeft, QStringLiteral("Einzug"));
    }
}

}  // namespace kv::ui
