#include "print/Druckausgabe.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace kv::ui {

namespace {

const QColor kNavy(0, 0, 128);
constexpr double kZellhoehe = 35;  // 3.5 mm: ascent + descent of the mark font
// Fonts come in whole pixels, and their cell is larger than their size: the
// mark font is made this large and drawn scaled down to the cell's height.
constexpr int kMarkenPixel = 350;

// A font as drawn at a mark: its metrics and the scale of its drawing.
struct Markenmass {
    QFontMetricsF fm;
    double s;  // logical units per font pixel

    Markenmass(QPainter& p, bool markenschrift)
        : fm(p.font(), p.device()), s(markenschrift ? kZellhoehe / (fm.ascent() + fm.descent()) : 1.0) {}
};

// How a text is drawn with the top-left corner of its cell at (X, Y) in the
// page system, whose y grows upwards.
void textBei(QPainter& p, const Markenmass& m, Markenpunkt punkt, const QString& text) {
    p.save();
    p.translate(static_cast<double>(punkt.X), static_cast<double>(punkt.Y));
    p.scale(m.s, -m.s);
    p.drawText(QPointF(0, m.fm.ascent()), text);
    p.restore();
}

QString auftragsdatei(const QString& gewaehlt, int nummer) {
    if (nummer <= 1 || gewaehlt.isEmpty()) return gewaehlt;
    const QFileInfo info(gewaehlt);
    const QString endung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stamm = gewaehlt.left(gewaehlt.size() - endung.size());
    return stamm + QLatin1Char('-') + QString::number(nummer) + endung;
}

}  // namespace

QMargins druckerversatz(const QPrinter& drucker) {
    QPageLayout l = drucker.pageLayout();
    l.setMode(QPageLayout::StandardMode);
    l.setMargins(l.minimumMargins());
    return l.marginsPixels(drucker.resolution());
}

Geraeteversatz geraeteversatz(const QPrinter& drucker) {
    const QMargins m = druckerversatz(drucker);
    return {m.left(), m.top(), static_cast<double>(drucker.resolution())};
}

void seitensystem(QPainter& p, const QMargins& versatz) {
    const double sx = p.device()->logicalDpiX() / 254.0;
    const double sy = p.device()->logicalDpiY() / 254.0;
    p.translate(versatz.left(), versatz.top());
    p.scale(sx, -sy);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(kMarkenPixel);
    p.setFont(f);
    p.setPen(kNavy);
}

void markenZeichnen(QPainter& p, const std::vector<Druckmarke>& marken) {
    const Markenmass mass(p, true);
    for (const Druckmarke& m : marken) textBei(p, mass, m.punkt, QString::fromStdString(m.text));
}

void kaestchenZeichnen(QPainter& p, const std::vector<Markenpunkt>& punkte) {
    const Markenmass mass(p, true);
    const double breite = mass.fm.horizontalAdvance(QLatin1Char('x')) * mass.s;
    p.save();
    p.setPen(QPen(QColor(230, 140, 170), 2));
    p.setBrush(Qt::NoBrush);
    for (const Markenpunkt& m : punkte)
        p.drawRect(
            QRectF(static_cast<double>(m.X), static_cast<double>(m.Y) - kZellhoehe, breite, kZellhoehe));
    p.restore();
}

void kreuzeZeichnen(QPainter& p, const Kalibrierblatt& blatt, const QString& unterschrift) {
    const Markenmass mass(p, true);
    // the middle of the ink of an "x" drawn as a mark, from its cell's corner
    const QRectF tinte = mass.fm.tightBoundingRect(QStringLiteral("x"));
    const QPointF mitte(tinte.center().x() * mass.s, -(mass.fm.ascent() + tinte.center().y()) * mass.s);
    constexpr double arm = 15;  // 1.5 mm
    p.save();
    p.setPen(QPen(QColor(0, 0, 0), 2));
    double unten = 0;
    for (const auto& [punkt, m] : blatt.punkte) {
        const QPointF c(static_cast<double>(m.X) + mitte.x(), static_cast<double>(m.Y) + mitte.y());
        p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
        unten = std::min(unten, c.y() - arm);
    }
    QFont klein = p.font();
    klein.setBold(false);
    klein.setPixelSize(22);
    p.setFont(klein);
    p.setPen(QColor(90, 90, 90));
    const Markenmass km(p, false);
    for (const auto& [punkt, m] : blatt.punkte)
        if (punkt.art == Formatpunkt::Art::Kaestchen && punkt.spiel == 1 && punkt.box == 1)
            textBei(p, km, {m.X, m.Y + 30}, QStringLiteral("Feld %1").arg(punkt.feld));
    textBei(p, km,
            {blatt.punkte.empty() ? 0 : blatt.punkte.front().second.X, static_cast<std::int64_t>(unten) - 60},
            unterschrift);
    p.restore();
}

Druckauftraege::Druckauftraege(QPrinter& drucker, const QString& name)
    : drucker_(drucker), datei_(drucker.outputFileName()), versatz_(druckerversatz(drucker)) {
    drucker_.setDocName(name);
    drucker_.setFullPage(true);
}

Druckauftraege::~Druckauftraege() {
    if (drucker_.outputFileName() != datei_) drucker_.setOutputFileName(datei_);
}

bool Druckauftraege::beginnen(QPainter& p) {
    ++auftraege_;
    const QString datei = auftragsdatei(datei_, auftraege_);
    if (!datei.isEmpty()) drucker_.setOutputFileName(datei);
    if (!p.begin(&drucker_)) return false;
    if (!datei.isEmpty()) dateien_ << datei;
    seitensystem(p, versatz_);
    return true;
}

void Druckauftraege::beenden(QPainter& p) {
    if (p.isActive()) p.end();
}

QString Druckauftraege::fehlertext() const {
    const QString ziel = drucker_.outputFileName().isEmpty()
                             ? QStringLiteral("auf dem Drucker „%1“").arg(drucker_.printerName())
                             : QStringLiteral("in die Datei „%1“").arg(drucker_.outputFileName());
    return QStringLiteral("Der Druckauftrag konnte nicht beginnen: Es lässt sich nicht %1 drucken.")
               .arg(ziel) +
           QString::fromUtf8("\r\r") + QStringLiteral("Ich breche ab.");
}

}  // namespace kv::ui
