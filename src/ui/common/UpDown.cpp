#include "common/UpDown.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace kv::ui {

UpDown::UpDown(QWidget* eltern, int minimum, int maximum)
    : QWidget(eltern), minimum_(minimum), maximum_(maximum), position_(minimum) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(2, 1, 2, 1);  // room for the focus frame
    l->setSpacing(0);
    runter_ = new QToolButton(this);
    runter_->setObjectName(QStringLiteral("runter"));
    runter_->setArrowType(Qt::LeftArrow);
    runter_->setToolTip(QStringLiteral("ein Tor weniger"));
    hoch_ = new QToolButton(this);
    hoch_->setObjectName(QStringLiteral("hoch"));
    hoch_->setArrowType(Qt::RightArrow);
    hoch_->setToolTip(QStringLiteral("ein Tor mehr"));
    for (QToolButton* b : {runter_, hoch_}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 18);
        b->setFocusPolicy(Qt::NoFocus);
        l->addWidget(b);
    }
    setFocusPolicy(Qt::StrongFocus);
    connect(runter_, &QToolButton::clicked, this, [this] { schritt(-1); });
    connect(hoch_, &QToolButton::clicked, this, [this] { schritt(1); });
}

bool UpDown::setzePosition(int wert) {
    if (wert < minimum_ || wert > maximum_) return false;
    position_ = wert;
    Q_EMIT geaendert(position_);
    return true;
}

bool UpDown::zeigePosition(int wert) {
    if (wert < minimum_ || wert > maximum_) return false;
    position_ = wert;
    return true;
}

void UpDown::setzeBereich(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    if (position_ < minimum_) setzePosition(minimum_);
    if (position_ > maximum_) setzePosition(maximum_);
}

void UpDown::setzeHinweise(const QString& runter, const QString& hoch) {
    runter_->setToolTip(runter);
    hoch_->setToolTip(hoch);
}

void UpDown::schritt(int d) {
    const int neu = position_ + d;
    if (neu < minimum_ || neu > maximum_) return;
    setzePosition(neu);
}

void UpDown::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Plus:
            schritt(1);
            return;
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Minus:
            schritt(-1);
            return;
        case Qt::Key_Home:
            setzePosition(minimum_);
            return;
        default:
            break;
    }
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9 && !(e->modifiers() & ~Qt::KeypadModifier)) {
        ziffer(e->key() - Qt::Key_0);
        return;
    }
    QWidget::keyPressEvent(e);
}

void UpDown::ziffer(int z) {
    // a second digit within a second makes a two-digit number where it fits
    const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
    const int zusammen = letzteZiffer_ * 10 + z;
    const bool zweistellig = letzteZiffer_ > 0 && jetzt - letzteZifferZeit_ < 1000 && zusammen <= maximum_;
    const int wert = zweistellig ? zusammen : z;
    letzteZiffer_ = zweistellig ? -1 : z;
    letzteZifferZeit_ = jetzt;
    if (wert >= minimum_ && wert <= maximum_) setzePosition(wert);
}

void UpDown::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    if (!hasFocus()) return;
    // the keyboard focus: a frame around both arrows, in the margin left for it
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void UpDown::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    letzteZiffer_ = -1;
    update();
}

void UpDown::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

}  // namespace kv::ui
