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
// the share weighted by the tendencies
const QColor kGewichtet(60, 110, 200);

QString anteilText(double anteil, bool etwas) {
    // a class with outcomes never reads as nothing
    return etwas && anteil < 0.0005
               ? QStringLiteral("< 0,1 %")
               : QLocale(QLocale::German).toString(100 * anteil, 'f', 1) + QStringLiteral(" %");
}

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

void Verteilungsbild::setzeGewichtet(const std::optional<std::array<double, 5>>& anteile) {
    gewichtet_ = anteile;
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
    const int zeilen = gewichtet_ ? 3 : 2;                 // count, share (, weighted share)
    const int legende = gewichtet_ ? fm.height() + 4 : 0;  // what the two colours are
    const int unten = height() - fm.height() - 8;          // baseline of the bars
    const int oben = legende + zeilen * fm.height() + 10;  // room for the labels
    const int spalte = (width() - 20) / 5;
    const int hoehe = unten - oben;
    const auto h = balkenhoehen(v, hoehe);
    const double n = static_cast<double>(std::max<std::uint64_t>(1, v.ausgaenge()));
    if (gewichtet_) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(10, 4, width() - 20, fm.height()), Qt::AlignLeft,
                   QStringLiteral("Anteil der Ausgänge"));
        p.setPen(kGewichtet);
        p.drawText(QRect(10, 4, width() - 20, fm.height()), Qt::AlignRight,
                   QStringLiteral("nach Tendenzen gewichtet"));
    }
    for (int k = 0; k < 5; ++k) {
        const auto ki = static_cast<std::size_t>(k);
        const int x = 10 + k * spalte;
        const int hk = h[ki];
        const int breite = gewichtet_ ? (spalte - 14) / 2 : spalte - 12;
        p.fillRect(QRect(x + 6, unten - hk, breite, hk), kBalken[k]);
        int hoechster = hk;
        if (gewichtet_) {
            const double g = (*gewichtet_)[ki];
            const int hg = g > 0 ? std::max(1, static_cast<int>(g * hoehe + 0.5)) : 0;
            p.fillRect(QRect(x + 8 + breite, unten - hg, breite, hg), kGewichtet);
            hoechster = std::max(hoechster, hg);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(x, unten + 4, spalte, fm.height()), Qt::AlignCenter, klassenText(k));
        const std::uint64_t anzahl = v.beste[ki];
        int y = unten - hoechster - zeilen * fm.height() - 2 * zeilen;
        p.drawText(QRect(x, y, spalte, fm.height()), Qt::AlignCenter,
                   QString::fromStdString(tausender(anzahl)));
        y += fm.height() + 2;
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRect(x, y, spalte, fm.height()), Qt::AlignCenter,
                   anteilText(static_cast<double>(anzahl) / n, anzahl > 0));
        if (gewichtet_) {
            y += fm.height() + 2;
            p.setPen(kGewichtet);
            p.drawText(QRect(x, y, spalte, fm.height()), Qt::AlignCenter,
                       anteilText((*gewichtet_)[ki], (*gewichtet_)[ki] > 0));
        }
    }
    p.setPen(QColor(120, 120, 120));
    p.drawLine(8, unten, width() - 8, unten);
}

}  // namespace kv::ui
