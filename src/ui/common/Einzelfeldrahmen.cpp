#include "common/Einzelfeldrahmen.h"

#include <QLabel>

#include "common/Farben.h"
#include "eingabe/Tippfeld.h"

namespace kv::ui {

Einzelfeldrahmen::Einzelfeldrahmen(Tippfeld& feld, QWidget* eltern)
    : Feldrahmen(feld, kBreite, kHoehe, eltern) {
    setObjectName(QStringLiteral("Feld%1").arg(feld.nummer()));
    zahlenfelder(2, 28, 54, 24, 44);
    LVEW_ = new QLabel(this);
    LVEW_->setObjectName(QStringLiteral("LVEW"));
    LVEW_->setGeometry(100, kZahlenY + kKopfHoehe, kBreite - 102, kZahlenHoehe);
    LVEW_->setAlignment(Qt::AlignCenter);
    LVEW_->setFont(schrift(this, 10, true));
    faerben(LVEW_, farbe::vew, Qt::black);
    LVEW_->hide();
    anzeigen();
}

void Einzelfeldrahmen::anzeigen() {
    Feldrahmen::anzeigen();
    const auto vew = feld().LVEWText();
    if (vew) LVEW_->setText(QString::fromStdString(*vew));
    LVEW_->setVisible(vew.has_value());
}

}  // namespace kv::ui
