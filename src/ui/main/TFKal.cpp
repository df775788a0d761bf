#include "main/TFKal.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "help/Hilfe.h"

namespace kv::ui {

TFKal::TFKal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(titelMitVersion());

    kalender_ = new QCalendarWidget(this);
    kalender_->setObjectName(QStringLiteral("Kalender"));
    kalender_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    kalender_->setFirstDayOfWeek(Qt::Monday);
    kalender_->setGridVisible(true);
    kalender_->setMinimumSize(320, 230);

    BClose_ = new QPushButton(QStringLiteral("Sch&ließen"), this);
    BClose_->setObjectName(QStringLiteral("BClose"));
    connect(BClose_, &QPushButton::clicked, this, &QWidget::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kalender_);
    layout->addLayout(knoepfe);

    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(hilfe, &QShortcut::activated, this, [this] { hilfeZeigen(this, kHilfeKalender); });
    mitEscapeSchliessen(this);

    setFixedSize(sizeHint());
}

Befehl kalenderBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "Kalender1";
    b.text = QStringLiteral("&Kalender");
    b.symbol = symbol::kalender();
    b.menues = {Menueplatz::ExtrasKalender};
    b.leiste = Leistenplatz::Kalender;
    b.knopf = "BKal";
    b.leistentext = QStringLiteral("Kalender");
    b.ausfuehren = [&kontext] {
        fensterOeffnen<TFKal>(
            QStringLiteral("FKal"), [&kontext] { return new TFKal(kontext.hauptfenster()); }, false);
    };
    return b;
}

}  // namespace kv::ui
