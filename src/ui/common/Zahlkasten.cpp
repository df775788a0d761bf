#include "common/Zahlkasten.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kv::ui {

namespace {

// the smallest font the box takes before it draws its text narrower
constexpr int kKleinstePixel = 7;
// room left free at either side of the text, in pixels
constexpr double kRand = 1.0;

double breitesteZeile(const QStringList& zeilen, const QFontMetricsF& fm) {
    double b = 0;
    for (const QString& z : zeilen) b = std::max(b, fm.horizontalAdvance(z));
    return b;
}

}  // namespace

Zahlkasten::Zahlkasten(QWidget* eltern) : QLabel(eltern) {
    setTextFormat(Qt::PlainText);
}

Zahlkasten::Einpassung Zahlkasten::einpassung() const {
    const QRectF r = contentsRect();
    const double breite = r.width() - 2 * kRand;
    Einpassung e;
    const int start = QFontInfo(font()).pixelSize();
    const int blank = static_cast<int>(text().lastIndexOf(QLatin1Char(' ')));
    for (int pixel = start; pixel >= std::min(start, kKleinstePixel); --pixel) {
        e.schrift = font();
        e.schrift.setPixelSize(pixel);
        const QFontMetricsF fm(e.schrift);
        e.zeilen = {text()};
        if (fm.horizontalAdvance(text()) <= breite) return e;
        if (blank > 0 && 2 * fm.height() <= r.height()) {
            e.zeilen = {text().left(blank), text().mid(blank + 1)};
            if (breitesteZeile(e.zeilen, fm) <= breite) return e;
        }
    }
    // too wide even in the smallest font: on one line, drawn narrower
    e.zeilen = {text()};
    const double noetig = QFontMetricsF(e.schrift).horizontalAdvance(text());
    e.stauchung = noetig > 0 && breite > 0 ? breite / noetig : 1.0;
    return e;
}

void Zahlkasten::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const Einpassung e = einpassung();
    // the text is fitted, never clipped: a clip would cut it as a plain label does
    const int flags = static_cast<int>(alignment()) | Qt::TextDontClip;
    p.setFont(e.schrift);
    p.setPen(palette().color(foregroundRole()));
    const QRectF r = QRectF(contentsRect()).adjusted(kRand, 0, -kRand, 0);
    if (e.stauchung < 1.0) {
        // squeezed about the box's middle, so the text stays centred
        p.translate(r.center().x(), 0);
        p.scale(e.stauchung, 1.0);
        p.translate(-r.center().x(), 0);
        const double w = r.width() / e.stauchung;
        p.drawText(QRectF(r.center().x() - w / 2, r.y(), w, r.height()), flags,
                   e.zeilen.join(QLatin1Char('\n')));
        return;
    }
    p.drawText(r, flags, e.zeilen.join(QLatin1Char('\n')));
}

}  // namespace kv::ui
