#include "main/Ergebnistabs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chancen/Chancenzeile.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "io/Datei.h"
#include "main/Bausteine.h"
#include "main/TFfrGrid.h"

namespace kv::ui {

Ergebnistabs::Ergebnistabs(Programmkontext& kontext, QWidget* eltern)
    : Rechtsfeld(eltern), kontext_(kontext) {
    auto* lp = new QVBoxLayout(inhalt());
    lp->setContentsMargins(4, 3, 2, 0);
    lp->setSpacing(2);
    auto* kopf = new QWidget(inhalt());
    auto* lk = new QGridLayout(kopf);
    lk->setContentsMargins(0, 0, 0, 0);
    lk->setHorizontalSpacing(6);
    lk->setVerticalSpacing(0);
    auto* BOpen2 = new QPushButton(symbol::oeffnen(), QStringLiteral("Spielschein(e) ö&ffnen..."), kopf);
    BOpen2->setObjectName(QStringLiteral("BOpen2"));
    lk->addWidget(BOpen2, 0, 0);
    auto* mehrere =
        hinweis(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), kopf, 10, true);
    mehrere->setWordWrap(true);
    lk->addWidget(mehrere, 0, 1);
    cbMerken2_ = haekchen("cbMerken2", QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"),
                          true, kopf);
    lk->addWidget(cbMerken2_, 1, 0, 1, 2);
    lk->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), kopf), 2, 0,
                  1, 2);
    lk->setColumnStretch(1, 1);
    lp->addWidget(kopf);
    PC1_ = new QTabWidget(inhalt());
    PC1_->setObjectName(QStringLiteral("PC1"));
    PC1_->setTabsClosable(false);
    PC1_->setUsesScrollButtons(true);
    PC1_->setElideMode(Qt::ElideNone);
    lp->addWidget(PC1_, 1);

    PC1_->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PC1_->tabBar(), &QTabBar::customContextMenuRequested, this, &Ergebnistabs::reiterMenue);
    connect(BOpen2, &QPushButton::clicked, this, &Ergebnistabs::scheineOeffnen);
    connect(&kontext.melder(), &Zustandsmelder::scheinGeaendert, this, &Ergebnistabs::scheinZeichnen);
    connect(&kontext.melder(), &Zustandsmelder::ausgewertet, this, &Ergebnistabs::auswertungZeichnen);
}

TFfrGrid* Ergebnistabs::fr(int slot) const {
    return slot >= 0 && static_cast<std::size_t>(slot) < grids_.size()
               ? grids_[static_cast<std::size_t>(slot)]
               : nullptr;
}

QWidget* Ergebnistabs::tab(int slot) const {
    TFfrGrid* g = fr(slot);
    return g ? g->parentWidget() : nullptr;
}

void Ergebnistabs::reiterMenue(const QPoint& pos) {
    const int index = PC1_->tabBar()->tabAt(pos);
    if (index < 0) return;
    const int slot = PC1_->widget(index)->property("tag").toInt() - 1;
    auto* menue = new QMenu(this);
    menue->setObjectName(QStringLiteral("ReiterMenue"));
    menue->setAttribute(Qt::WA_DeleteOnClose);
    QAction* schliessen = menue->addAction(QStringLiteral("Reiter schließen"));
    schliessen->setObjectName(QStringLiteral("ReiterSchliessen"));
    connect(schliessen, &QAction::triggered, this, [this, slot] { Q_EMIT reiterSchliessen(slot); });
    menue->popup(PC1_->tabBar()->mapToGlobal(pos));
}

void Ergebnistabs::scheinZeichnen(int slot) {
    if (slot < static_cast<int>(grids_.size())) {
        // a closed slot gives up its tab; other changes of a slot make none
        QWidget* seite = tab(slot);
        if (seite && kontext_.zustand().slot(slot).geschlossen) {
            grids_[static_cast<std::size_t>(slot)] = nullptr;
            PC1_->removeTab(PC1_->indexOf(seite));
            seite->deleteLater();
        }
        return;
    }
    grids_.resize(static_cast<std::size_t>(slot) + 1, nullptr);
    const Programmzustand& z = kontext_.zustand();
    const Scheinslot& s = z.slot(slot);
    if (!s.rechts) return;
    const int n = slot + 1;
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Tab%1").arg(n));
    seite->setProperty("tag", n);
    auto* frame = new TFfrGrid(z, static_cast<std::size_t>(slot), kontext_.datenordner(), seite);
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(frame);
    grids_[static_cast<std::size_t>(slot)] = frame;
    frame->ScheinInTabelle();
    frame->unterDieKlassen(Chancenzeile::fuerSchein(kontext_, slot, frame));
    // a new tab does not change the active page (the first one becomes it by itself)
    PC1_->addTab(seite, QString::fromStdString(dateiNameOhneEndung(s.datei)));
}

void Ergebnistabs::auswertungZeichnen() {
    for (TFfrGrid* g : grids_)
        if (g) g->auswertungAnzeigen();
}

}  // namespace kv::ui
