#include "entry/Garantiereduzierung.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Sanduhr.h"
#include "eingabe/Normalscheineingabe.h"

namespace kv::ui {

Garantiereduzierung::Garantiereduzierung(Normalscheineingabe& eingabe, QWidget* eltern)
    : QGroupBox(QStringLiteral("Garantie-Reduzierung"), eltern), eingabe_(eingabe) {
    setObjectName(QStringLiteral("GBGarantie"));
    auto* l = new QGridLayout(this);
    l->setContentsMargins(6, 4, 6, 4);
    l->setHorizontalSpacing(8);
    l->setVerticalSpacing(2);
    RB12_ = new QRadioButton(QStringLiteral("1&2 Richtige"), this);
    RB12_->setObjectName(QStringLiteral("RB12"));
    RB12_->setToolTip(
        QStringLiteral("Höchstens ein Fehler gegenüber dem Ausgang, wenn alle Tipps des Feldes stimmen"));
    RB12_->setChecked(true);
    RB11_ = new QRadioButton(QStringLiteral("1&1 Richtige"), this);
    RB11_->setObjectName(QStringLiteral("RB11"));
    RB11_->setToolTip(QStringLiteral("Höchstens zwei Fehler: weniger Reihen, kleinere Garantie"));
    BGarantie_ = knopf(QStringLiteral("Reduzieren"), "BGarantie", this);
    BGarantie_->setToolTip(QStringLiteral(
        "Ersetzt die gelisteten Tippreihen durch möglichst wenige Reihen des Vorschlags mit Garantie"));
    LGarantie_ = label(QString(), "LGarantie", this, true);
    LGarantie_->setTextFormat(Qt::PlainText);
    // one column: the group sits in the narrow panel above the row list
    l->addWidget(RB12_, 0, 0);
    l->addWidget(RB11_, 1, 0);
    l->addWidget(BGarantie_, 2, 0, Qt::AlignLeft);
    l->addWidget(LGarantie_, 3, 0);
    connect(BGarantie_, &QPushButton::clicked, this, &Garantiereduzierung::BGarantieClick);
}

int Garantiereduzierung::radius() const {
    return RB11_->isChecked() ? 2 : 1;
}

void Garantiereduzierung::BGarantieClick() {
    if (vorpruefung_ && !vorpruefung_()) return;
    ReduktionsOptionen o;
    o.radius = radius();
    QString text;
    try {
        const Sanduhr sanduhr;
        text = QString::fromStdString(eingabe_.garantieReduzieren(o));
    } catch (const ReduktionsFehler& e) {
        dialoge().information(this, QString::fromUtf8(e.what()));
        return;
    } catch (const std::bad_alloc&) {
        dialoge().fehler(this, QStringLiteral("Für die Reduzierung reicht der Arbeitsspeicher nicht."));
        return;
    }
    LGarantie_->setText(text);
    Q_EMIT reduziert();
}

void Garantiereduzierung::zuruecksetzen() {
    LGarantie_->clear();
}

}  // namespace kv::ui
