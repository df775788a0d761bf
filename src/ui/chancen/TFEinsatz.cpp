#include "chancen/TFEinsatz.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

#include "chancen/Einsatz.h"
#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "help/Hilfe.h"

namespace kv::ui {

TFEinsatz::TFEinsatz(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FEinsatz"));
    setWindowTitle(QStringLiteral("Einsatz je Reihe"));

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(12, 10, 12, 10);
    l->setSpacing(8);
    l->addWidget(
        label(QStringLiteral("Was eine Tippreihe kostet. Die Zeilen „Wahrscheinlichkeit“ zeigen damit "
                             "den Einsatz jedes Spielscheins."),
              "LErklaerung", this, true));
    auto* zeile = new QHBoxLayout;
    QLabel* titel = label(QStringLiteral("&Einsatz je Reihe:"), "LEinsatz", this);
    zeile->addWidget(titel);
    EEinsatz_ = new QDoubleSpinBox(this);
    EEinsatz_->setObjectName(QStringLiteral("EEinsatz"));
    EEinsatz_->setLocale(QLocale(QLocale::German));
    EEinsatz_->setDecimals(2);
    EEinsatz_->setRange(0, Einsatzstand::kHoechstens / 100.0);
    EEinsatz_->setSingleStep(0.10);
    EEinsatz_->setSuffix(QStringLiteral(" €"));
    EEinsatz_->setGroupSeparatorShown(true);
    titel->setBuddy(EEinsatz_);
    zeile->addWidget(EEinsatz_, 1);
    l->addLayout(zeile);

    auto* knoepfe = new QHBoxLayout;
    QPushButton* ok = knopf(QStringLiteral("OK"), "BOk", this);
    QPushButton* abbrechen = knopf(QStringLiteral("Abbrechen"), "BAbbrechen", this);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    knoepfe->addStretch(1);
    QToolButton* hilfe = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe (F1)"), "BHilfe", this);
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, &TFEinsatz::BOkClick);
    connect(abbrechen, &QPushButton::clicked, this, &QWidget::close);
    connect(hilfe, &QToolButton::clicked, this, [this] { kontext_.hilfe(this, kHilfeChancen); });
    // Enter in the field takes the value, as "OK" does
    for (const int taste : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(QKeySequence(taste), this);
        connect(enter, &QShortcut::activated, this, &TFEinsatz::BOkClick);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeChancen); });
    mitEscapeSchliessen(this);
    resize(360, sizeHint().height());
}

void TFEinsatz::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    EEinsatz_->setValue(Einsatzstand::von(kontext_).cent() / 100.0);
    EEinsatz_->selectAll();
    EEinsatz_->setFocus();
    Fensterposition::platzieren(this, Fensterposition::mitte(frameGeometry().size()));
}

void TFEinsatz::BOkClick() {
    try {
        Einsatzstand::von(kontext_).setzen(static_cast<int>(std::lround(EEinsatz_->value() * 100)));
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromUtf8(f.what()));
        return;
    }
    close();
}

Befehl einsatzBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "EinsatzJeReihe1";
    b.text = QStringLiteral("&Einsatz je Reihe...");
    b.symbol = symbol::rechner();
    b.menues = {Menueplatz::ExtrasEinsatz};
    b.hinweis = QStringLiteral("Was eine Tippreihe kostet: der Einsatz, den die Wahrscheinlichkeiten zeigen");
    b.ausfuehren = [&kontext] {
        fensterOeffnen<TFEinsatz>(QStringLiteral("FEinsatz"),
                                  [&kontext] { return new TFEinsatz(kontext, kontext.hauptfenster()); });
    };
    return b;
}

}  // namespace kv::ui
