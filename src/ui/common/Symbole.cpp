#include "common/Symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace kv::ui::symbol {

namespace {

// Drawn for screens of 1, 2 and 3 device pixels per pixel, so it stays sharp.
QIcon gemalt(int groesse, const std::function<void(QPainter&)>& malen) {
    QIcon icon;
    for (int faktor = 1; faktor <= 3; ++faktor) {
        QPixmap pm(groesse * faktor, groesse * faktor);
        pm.setDevicePixelRatio(faktor);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        malen(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace

QIcon beenden() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(170, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 5, 16, 16), 120 * 16, 300 * 16);
        p.drawLine(QPointF(12, 2), QPointF(12, 12));
    });
}

QIcon gewinnzahlen() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(166, 255, 166));
        p.drawRoundedRect(QRectF(1, 4, 22, 16), 3, 3);
        QFont f = p.font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0, 51, 51));
        p.drawText(QRectF(1, 4, 22, 16), Qt::AlignCenter, QStringLiteral("102"));
    });
}

QIcon update() {
    return gemalt(24, [](QPainter& p) {
        // a circular arrow around a downward arrow: a newer version arrives
        p.setPen(QPen(QColor(30, 110, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 18, 18), 60 * 16, 280 * 16);
        QPainterPath spitze;
        spitze.moveTo(16.5, 1.5);
        spitze.lineTo(21.5, 5.5);
        spitze.lineTo(15.5, 8.5);
        spitze.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 170));
        p.drawPath(spitze);
        p.setPen(QPen(QColor(40, 130, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 7.5), QPointF(12, 15.5));
        p.drawLine(QPointF(9, 12.5), QPointF(12, 15.5));
        p.drawLine(QPointF(15, 12.5), QPointF(12, 15.5));
    });
}

QIcon rechner() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(QRectF(4.5, 1.5, 15, 21), 2, 2);
        p.setBrush(QColor(180, 220, 180));
        p.drawRect(QRectF(6.5, 3.5, 11, 5));
        p.setBrush(QColor(90, 90, 90));
        p.setPen(Qt::NoPen);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(6.5 + c * 4, 11 + r * 3.7, 3, 2.6));
    });
}

QIcon kalender() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 4.5, 19, 17));
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(2.5, 4.5, 19, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) p.drawRect(QRectF(4.5 + c * 4.3, 11.5 + r * 3.3, 2.4, 2.2));
    });
}

QIcon hilfe() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont f = p.font();
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon oeffnen() {
    return gemalt(16, [](QPainter& p) {
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(250, 210, 90));
        QPainterPath pfad;
        pfad.moveTo(1.5, 3.5);
        pfad.lineTo(6, 3.5);
        pfad.lineTo(7.5, 5);
        pfad.lineTo(14.5, 5);
        pfad.lineTo(14.5, 13.5);
        pfad.lineTo(1.5, 13.5);
        pfad.closeSubpath();
        p.drawPath(pfad);
    });
}

QIcon systemschein() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(196, 30, 58), 1));
        p.setBrush(QColor(255, 250, 235));
        p.drawRect(QRectF(3.5, 1.5, 17, 21));
        p.setBrush(Qt::white);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(6.5 + c * 4.5, 4.5 + r * 4.5, 3, 3));
        p.setPen(QPen(QColor(0, 0, 255), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF kreuze[] = {{8, 6}, {12.5, 10.5}, {17, 10.5}, {8, 15}, {12.5, 19.5}};
        for (const QPointF& k : kreuze) {
            p.drawLine(k + QPointF(-1.8, -1.8), k + QPointF(1.8, 1.8));
            p.drawLine(k + QPointF(1.8, -1.8), k + QPointF(-1.8, 1.8));
        }
    });
}

QIcon drucken() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(190, 190, 190));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 15.5, 11, 6.5));
        p.setPen(QPen(QColor(0, 0, 128), 1.4));
        p.drawLine(QPointF(8.5, 17.5), QPointF(11, 20.5));
        p.drawLine(QPointF(11, 17.5), QPointF(8.5, 20.5));
        p.drawLine(QPointF(13, 17.5), QPointF(15.5, 20.5));
        p.drawLine(QPointF(15.5, 17.5), QPointF(13, 20.5));
    });
}

QIcon loeschen() {
    return gemalt(16, [](QPainter& p) {
        p.setPen(QPen(QColor(190, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

QIcon laeuft() {
    return gemalt(16, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 150, 30));
        QPolygonF dreieck;
        dreieck << QPointF(4, 2) << QPointF(13, 8) << QPointF(4, 14);
        p.drawPolygon(dreieck);
    });
}

QIcon beendet() {
    return gemalt(16, [](QPainter& p) {
        // a chequered flag
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(3, 1), QPointF(3, 15));
        p.setPen(Qt::NoPen);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                p.setBrush((r + c) % 2 ? Qt::white : Qt::black);
                p.drawRect(QRectF(3.5 + c * 2.8, 2 + r * 2.8, 2.8, 2.8));
            }
        p.setPen(QPen(Qt::black, 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3.5, 2, 11.2, 8.4));
    });
}

QIcon normalschein() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(196, 30, 58), 1));
        p.setBrush(QColor(255, 250, 235));
        p.drawRect(QRectF(2.5, 1.5, 15, 21));
        p.setBrush(Qt::white);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(4.5 + c * 4.2, 4.5 + r * 4.5, 3, 3));
        p.setPen(QPen(QColor(0, 0, 255), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF kreuze[] = {{6, 6}, {14.4, 10.5}, {10.2, 15}, {6, 19.5}};
        for (const QPointF& k : kreuze) {
            p.drawLine(k + QPointF(-1.6, -1.6), k + QPointF(1.6, 1.6));
            p.drawLine(k + QPointF(1.6, -1.6), k + QPointF(-1.6, 1.6));
        }
        // a pen across the right edge
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(245, 190, 40));
        p.drawPolygon(QPolygonF{{19, 6}, {22.5, 9.5}, {14, 21}, {11, 22}, {11.5, 18.5}});
    });
}

QIcon speichern() {
    return gemalt(16, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 50, 110), 1));
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
    });
}

QIcon auslesen() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9.5, 3.5, 13, 17));
        for (int r = 1; r < 4; ++r) p.drawLine(QPointF(9.5, 3.5 + r * 4.25), QPointF(22.5, 3.5 + r * 4.25));
        p.drawLine(QPointF(14, 3.5), QPointF(14, 20.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawPolygon(QPolygonF{{1, 9}, {7, 9}, {7, 5}, {13, 12}, {7, 19}, {7, 15}, {1, 15}});
    });
}

QIcon erfolg() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 150, 30));
        p.drawEllipse(QRectF(1, 1, 22, 22));
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{{6.5, 12.5}, {10.5, 16.5}, {17.5, 7.5}});
    });
}

QIcon zufall() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 30, 30));
        const QPointF augen[] = {{7.5, 7.5}, {16.5, 7.5}, {12, 12}, {7.5, 16.5}, {16.5, 16.5}};
        for (const QPointF& a : augen) p.drawEllipse(a, 1.8, 1.8);
    });
}

QIcon webseite() {
    return gemalt(16, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 90, 150), 1.1));
        p.setBrush(QColor(205, 228, 250));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
        p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
    });
}

QIcon quotenfilter() {
    return gemalt(24, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 90, 150), 1.2));
        p.setBrush(QColor(205, 228, 250));
        p.drawPolygon(QPolygonF{{3, 4}, {21, 4}, {14, 12}, {14, 20}, {10, 22}, {10, 12}});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 30, 30));
        p.drawEllipse(QPointF(9, 7), 1.6, 1.6);
        p.drawEllipse(QPointF(15, 7), 1.6, 1.6);
    });
}

}  // namespace kv::ui::symbol
