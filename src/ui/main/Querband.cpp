#include "main/Querband.h"

#include <QScrollBar>

namespace kv::ui {

Querband::Querband(QWidget* eltern) : QScrollArea(eltern) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, &Querband::hoeheAnpassen);
}

void Querband::inhaltSetzen(QWidget* inhalt) {
    inhalt->setMinimumWidth(inhalt->minimumSizeHint().width());
    setWidget(inhalt);
    hoehe_ = inhalt->sizeHint().height();
    hoeheAnpassen();
}

void Querband::hoeheAnpassen() {
    const QScrollBar* balken = horizontalScrollBar();
    setFixedHeight(hoehe_ + (balken->maximum() > 0 ? balken->sizeHint().height() : 0));
}

QSize Querband::sizeHint() const {
    // as wide as the whole content: the window's laid-out width
    return {widget() ? widget()->minimumWidth() : 0, height()};
}

QSize Querband::minimumSizeHint() const {
    return {200, height()};
}

}  // namespace kv::ui
