#include "main/Rechtsfeld.h"

#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>

#include "common/Farben.h"

namespace kv::ui {

Rechtsfeld::Rechtsfeld(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("PPC"));
    setMinimumWidth(46);
    Image1_ = new QToolButton(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAutoRaise(true);
    Image1_->setFocusPolicy(Qt::NoFocus);
    faerben(Image1_, farbe::feldNr);
    inhalt_ = new QWidget(this);
    inhalt_->setObjectName(QStringLiteral("PPCInhalt"));
    zeigeEingeklappt(false);
}

void Rechtsfeld::zeigeEingeklappt(bool eingeklappt) {
    Image1_->setArrowType(eingeklappt ? Qt::LeftArrow : Qt::RightArrow);
    Image1_->setToolTip(eingeklappt ? QStringLiteral("Tabellen öffnen")
                                    : QStringLiteral("Tabellen einklappen"));
}

QSize Rechtsfeld::minimumSizeHint() const {
    // as low as its part can go without cutting anything off
    return {minimumWidth(), inhalt_->minimumSizeHint().height()};
}

QSize Rechtsfeld::sizeHint() const {
    return {kStreifen + kInhaltMin, inhalt_->sizeHint().height()};
}

void Rechtsfeld::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int h = e->size().height();
    Image1_->setGeometry(0, 0, kStreifen, h);
    inhalt_->setGeometry(kStreifen, 0, std::max(e->size().width() - kStreifen, kInhaltMin), h);
}

}  // namespace kv::ui
