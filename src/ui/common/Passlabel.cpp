#include "common/Passlabel.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace kv::ui {

namespace {

// the smallest font a file label takes before it shortens its text
constexpr int kKleinstePixel = 10;

QFont inGroesse(QFont f, int pixel) {
    f.setPixelSize(pixel);
    return f;
}

// `text` in at most `zeilen` (1 or 2) lines of at most `breite` pixels,
// broken at a blank; empty when it does not fit.
QStringList umbrechen(const QString& text, const QFontMetrics& fm, int breite, int zeilen) {
    if (fm.horizontalAdvance(text) <= breite) return {text};
    if (zeilen < 2) return {};
    // the last blank that leaves a first line short enough, so that the
    // second is as short as it can be
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        if (text[i] != QLatin1Char(' ')) continue;
        const QString erste = text.left(i), zweite = text.mid(i + 1);
        if (fm.horizontalAdvance(erste) > breite) continue;
        if (fm.horizontalAdvance(zweite) <= breite) return {erste, zweite};
        break;
    }
    return {};
}

}  // namespace

Passlabel::Passlabel(Art art, QWidget* eltern, int zeilen)
    : QLabel(eltern), art_(art), maxZeilen_(art == Art::Datei ? std::clamp(zeilen, 1, 2) : 1) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

QSize Passlabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 2 * margin(), maxZeilen_ * fm.lineSpacing() + 2 * margin()};
}

QSize Passlabel::minimumSizeHint() const {
    const QSize s = sizeHint();
    return {std::min(s.width(), 40), s.height()};
}

bool Passlabel::event(QEvent* e) {
    if (e->type() == QEvent::FontChange) breite_ = -1;
    return QLabel::event(e);
}

void Passlabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    einpassen();
}

void Passlabel::einpassen() {
    const int breite = contentsRect().width() - 2 * margin();
    if (text() == gepasst_ && breite == breite_) return;
    gepasst_ = text();
    breite_ = breite;
    schrift_ = font();
    zeilen_.clear();
    if (art_ == Art::Datei) {
        const int start = QFontInfo(font()).pixelSize();
        for (int pixel = start; pixel >= std::min(start, kKleinstePixel) && zeilen_.isEmpty(); --pixel) {
            schrift_ = inGroesse(font(), pixel);
            zeilen_ = umbrechen(gepasst_, QFontMetrics(schrift_), breite, maxZeilen_);
        }
        // a name without blanks too long even for the smallest font
        if (zeilen_.isEmpty())
            zeilen_ = {QFontMetrics(schrift_).elidedText(gepasst_, Qt::ElideMiddle, breite)};
    } else {
        zeilen_ = {QFontMetrics(schrift_).elidedText(gepasst_, Qt::ElideRight, breite)};
    }
    const bool ganz = zeilen_.join(QLatin1Char(' ')) == gepasst_;
    setToolTip(ganz ? QString() : gepasst_);
    update();
}

void Passlabel::paintEvent(QPaintEvent*) {
    if (text() != gepasst_ || contentsRect().width() - 2 * margin() != breite_) einpassen();
    QPainter p(this);
    p.setFont(schrift_);
    p.setPen(palette().color(foregroundRole()));
    const QRect r = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    p.drawText(r, static_cast<int>(alignment()), zeilen_.join(QLatin1Char('\n')));
}

}  // namespace kv::ui
