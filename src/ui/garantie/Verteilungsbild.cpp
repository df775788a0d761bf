#include "garantie/Verteilungsbild.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

#include "common/Farben.h"
#include "garantie/Garantietexte.h"

namespace kv::ui {

namespace {

// 13 hits green as the top prize, down to grey for "at most 9".
const QColor kBalken[5] = {QColor(40, 150, 60), QColor(90, 180, 90), QColor(150, 200, 110),
                           QColor(200, 210, 140), QColor(170, 170, 170)};

}  // namespace

QString klassenText(int klasse) {
    return klasse < 4 ? QString::number(13 - klasse) : QStringLiteral("≤ 9");
}

Verteilungsbild::Verteilungsbild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Verteilungsbild"));
    setMinimumSize(380, 200);
}

void Verteilungsbild::setzeVerteilung(const std::optional<Trefferverteilung>& v) {
    verteilung_ = v;
    update();
}

std::array<int, 5> Verteilungsbild::balkenhoehen(const Trefferverteilung& v, int hoehe) {
    std::array<int, 5> h{};
    const std::uint64_t n = v.ausgaenge();
    if (n == 0) return h;
    for (std::size_t k = 0; k < 5; ++k) {
        if (v.beste[k] == 0) continue;
        const double anteil = static_cast<double>(v.beste[k]) / static_cast<double>(n);
        h[k] = std::max(1, static_cast<int>(anteil * hoehe + 0.5));
    }
    return h;
}

void Verteilungsbild::malenKlein(QPainter& p, const QRect& r, const Trefferverteilung& v) {
    const int breite = std::max(2, (r.width() - 6) / 5);
    const auto h = balkenhoehen(v, r.height() - 4);
    for (int k = 0; k < 5; ++k) {
        const QRect balken(r.left() + 3 + k * breite, r.bottom() - 1 - h[static_cast<std::size_t>(k)],
                           breite - 2, h[static_cast<std::size_t>(k)]);
        p.fillRect(balken, kBalken[k]);
    }
    p.setPen(QColor(180, 180, 180));
    p.drawLine(r.left() + 2, r.bottom() - 1, r.right() - 2, r.bottom() - 1);
}

void Verteilungsbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!verteilung_) return;
    const Trefferverteilung& v = *verteilung_;
    QFont f = schrift(this, 11, false);
    p.setFont(f);
    const QFontMetrics fm(f);
    const int unten = height() - fm.height() - 8;  // baseline of the bars
    const int oben = 2 * fm.height() + 10;         // room for count and share
    const int spalte = (width() - 20) / 5;
    const auto h = balkenhoehen(v, unten - oben);
    const double n = static_cast<double>(std::max<std::uint64_t>(1, v.ausgaenge()));
    for (int k = 0; k < 5; ++k) {
        const int x = 10 + k * spalte;
        const int hk = h[static_cast<std::size_t>(k)];
        p.fillRect(QRect(x + 6, unten - hk, spalte - 12, hk), kBalken[k]);
        p.setPen(Qt::black);
        p.drawText(QRect(x, unten + 4, spalte, fm.height()), Qt::AlignCenter, klassenText(k));
        const std::uint64_t anzahl = v.beste[static_cast<std::size_t>(k)];
        const double anteil = 100.0 * static_cast<double>(anzahl) / n;
        // a class with outcomes never reads as nothing
        const QString prozent =
            anzahl > 0 && anteil < 0.05
                ? QStringLiteral("< 0,1 %")
                : QLocale(QLocale::German).toString(anteil, 'f', 1) + QStringLiteral(" %");
        p.drawText(QRect(x, unten - hk - 2 * fm.height() - 4, spalte, fm.height()), Qt::AlignCenter,
                   QString::fromStdString(tausender(anzahl)));
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(x, unten - hk - fm.height() - 2, spalte, fm.height()), Qt::AlignCenter, prozent);
    }
    p.setPen(QColor(120, 120, 120));
    p.drawLine(8, unten, width() - 8, unten);
}

}  // namespace kv::ui
