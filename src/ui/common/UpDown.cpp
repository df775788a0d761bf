#include "common/UpDown.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace kv::ui {

UpDown::UpDown(QWidget* eltern, int minimum, int maximum)
    : QWidget(eltern), minimum_(minimum), maximum_(maximum), position_(minimum) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
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

void UpDown::schritt(int d) {
    const int neu = position_ + d;
    if (neu < minimum_ || neu > maximum_) return;
    setzePosition(neu);
}

}  // namespace kv::ui
