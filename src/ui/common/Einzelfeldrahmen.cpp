#include "common/Einzelfeldrahmen.h"

#include <QLabel>
#include <QToolButton>

#include "common/Farben.h"
#include "common/Symbole.h"
#include "common/Zahlkasten.h"
#include "eingabe/Tippfeld.h"

namespace kv::ui {

Einzelfeldrahmen::Einzelfeldrahmen(Tippfeld& feld, QWidget* eltern)
    : Feldrahmen(feld, kBreite, kHoehe, eltern) {
    setObjectName(QStringLiteral("Feld%1").arg(feld.nummer()));
    zahlenfelder(2, 26, 50, 22, 66);
    // "VEW: " + rows has no header: it takes the header row's height as well,
    // and breaks after "VEW:" where one line is too wide
    LVEW_ = new Zahlkasten(this);
    LVEW_->setObjectName(QStringLiteral("LVEW"));
    LVEW_->setGeometry(118, kZahlenY, kBreite - 120, kKopfHoehe + kZahlenHoehe);
    LVEW_->setAlignment(Qt::AlignCenter);
    LVEW_->setFont(schrift(this, 10, true));
    faerben(LVEW_, farbe::vew, Qt::black);
    LVEW_->hide();

    // An icon button at the right end of the caption below the picture; it
    // has no action (the frame's layout carries it, and so does this frame).
    BInfo_ = new QToolButton(this);
    BInfo_->setObjectName(QStringLiteral("BInfo"));
    BInfo_->setIcon(symbol::hilfe());
    BInfo_->setIconSize(QSize(kInfoGroesse - 4, kInfoGroesse - 4));
    BInfo_->setAutoRaise(true);
    BInfo_->setFocusPolicy(Qt::NoFocus);
    const QRect caption = LNr()->geometry();
    BInfo_->setGeometry(caption.right() + 1 - kInfoGroesse, caption.top(), kInfoGroesse, caption.height());
    anzeigen();
}

void Einzelfeldrahmen::anzeigen() {
    Feldrahmen::anzeigen();
    const auto vew = feld().LVEWText();
    if (vew) LVEW_->setText(QString::fromStdString(*vew));
    LVEW_->setVisible(vew.has_value());
}

}  // namespace kv::ui
