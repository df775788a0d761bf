#include "common/TFfrFeld.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "common/Farben.h"
#include "common/Symbole.h"
#include "eingabe/Tippfeld.h"

namespace kv::ui {

namespace {

constexpr int kZeilen = 5;  // the 14 items in three columns, filled column by column
constexpr int kWahlY = 402;

}  // namespace

TFfrFeld::TFfrFeld(Tippfeld& feld, QWidget* eltern) : Feldrahmen(feld, kBreite, kHoehe, eltern) {
    setObjectName(QStringLiteral("Feld%1").arg(feld.nummer()));
    zahlenfelder(2, 28, 80, 24, 72);

    BDel_ = new QToolButton(this);
    BDel_->setObjectName(QStringLiteral("BDel"));
    BDel_->setIcon(symbol::loeschen());
    BDel_->setIconSize(QSize(16, 16));
    BDel_->setGeometry(54, kZahlenY + kKopfHoehe - 2, 24, kZahlenHoehe + 4);
    BDel_->setToolTip(QStringLiteral("Feld %1 löschen").arg(feld.nummer()));
    BDel_->setAutoRaise(true);
    connect(BDel_, &QToolButton::clicked, this, &TFfrFeld::BDelClick);

    RGVEW_ = new QGroupBox(QStringLiteral("VEW-Systeme"), this);
    RGVEW_->setObjectName(QStringLiteral("RGVEW"));
    RGVEW_->setGeometry(2, kWahlY, kBreite - 4, kHoehe - kWahlY - 3);
    RGVEW_->setFont(schrift(this, 11, false));
    auto* gitter = new QGridLayout(RGVEW_);
    gitter->setContentsMargins(4, 2, 2, 2);
    gitter->setHorizontalSpacing(2);
    gitter->setVerticalSpacing(0);
    wahl_ = new QButtonGroup(this);
    const auto& texte = vewAuswahlTexte();
    for (int k = 0; k < static_cast<int>(texte.size()); ++k) {
        auto* r = new QRadioButton(QString::fromStdString(texte[static_cast<std::size_t>(k)]), RGVEW_);
        r->setObjectName(QStringLiteral("RGVEW%1").arg(k));
        r->setFocusPolicy(Qt::TabFocus);
        wahl_->addButton(r, k);
        gitter->addWidget(r, k % kZeilen, k / kZeilen);
    }
    wahl_->button(0)->setChecked(true);
    connect(wahl_, &QButtonGroup::idClicked, this, &TFfrFeld::RGVEWClick);
}

QRadioButton* TFfrFeld::vewKnopf(int k) const {
    return qobject_cast<QRadioButton*>(wahl_->button(k));
}

void TFfrFeld::anzeigen() {
    Feldrahmen::anzeigen();
    QAbstractButton* b = wahl_->button(feld().vewWahl());
    if (b && !b->isChecked()) b->setChecked(true);
}

void TFfrFeld::BDelClick() {
    feld().BDelClick();
    anzeigen();
    Q_EMIT feldGeaendert();
}

void TFfrFeld::RGVEWClick(int k) {
    feld().RGVEWClick(k);
    anzeigen();
    Q_EMIT feldGeaendert();
}

}  // namespace kv::ui
