#include "main/Scheinleiste.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Farben.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "io/Datei.h"
#include "main/Bausteine.h"

namespace kv::ui {

Scheinleiste::Scheinleiste(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern), zustand_(kontext.zustand()) {
    setObjectName(QStringLiteral("PSchein"));
    auto* lo = new QHBoxLayout(this);
    lo->setContentsMargins(5, 3, 5, 3);
    lo->setSpacing(8);
    auto* BOpen = new QPushButton(symbol::oeffnen(), QStringLiteral("Spielschein ö&ffnen..."), this);
    BOpen->setObjectName(QStringLiteral("BOpen"));
    lo->addWidget(BOpen);
    auto* haken = new QWidget(this);
    auto* lh = new QVBoxLayout(haken);
    lh->setContentsMargins(0, 0, 0, 0);
    lh->setSpacing(0);
    cbMerken_ =
        haekchen("cbMerken", QStringLiteral("Datei merken und mit Programmstart einlesen"), true, haken);
    lh->addWidget(cbMerken_);
    cbRechts_ = haekchen("cbRechts", QStringLiteral("auch rechts öffnen"), false, haken);
    lh->addWidget(cbRechts_);
    // the note below both boxes: the strip stays narrow enough for a laptop screen
    lh->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), haken));
    lo->addWidget(haken);
    lo->addWidget(dateiKasten("PDatei", LDatei_, "LDatei", 170, this));
    lo->addStretch(1);
    lo->addWidget(gewinnreiheBauen());

    connect(BOpen, &QPushButton::clicked, this, &Scheinleiste::scheinOeffnen);
    connect(&kontext.melder(), &Zustandsmelder::spieleGeaendert, this, &Scheinleiste::gewinnreiheZeichnen);
    connect(&kontext.melder(), &Zustandsmelder::linkerScheinGeaendert, this, &Scheinleiste::dateiZeichnen);
}

QWidget* Scheinleiste::gewinnreiheBauen() {
    auto* PGewReihe = new QFrame(this);
    PGewReihe->setObjectName(QStringLiteral("PGewReihe"));
    PGewReihe->setFrameShape(QFrame::StyledPanel);
    faerben(PGewReihe, Qt::white, Qt::black);
    auto* titel = hinweis(QStringLiteral("Gewinn- zahlen:"), PGewReihe, 11, true);
    titel->setWordWrap(true);
    titel->setGeometry(3, 3, 54, 36);
    int links = 0;
    for (int i = 1; i <= 13; ++i) {
        links = (i - 1) * (24 + 3) + 58;
        auto* nr = new QLabel(QString::number(i), PGewReihe);
        nr->setObjectName(QStringLiteral("TPGewZNr%1").arg(i));
        nr->setGeometry(links, 3, 24, 16);
        nr->setAlignment(Qt::AlignCenter);
        QFont f = nr->font();
        f.setPointSize(8);
        nr->setFont(f);
        faerben(nr, farbe::feldNr, Qt::white);
        auto* zahl = new QLabel(PGewReihe);
        zahl->setObjectName(QStringLiteral("TPGewZ%1").arg(i));
        zahl->setGeometry(links, 19, 24, 20);
        zahl->setAlignment(Qt::AlignCenter);
        QFont fz = zahl->font();
        fz.setPointSize(10);
        fz.setBold(true);
        zahl->setFont(fz);
        faerben(zahl, farbe::gewZ, farbe::gewZText);
        PGewZ_[static_cast<std::size_t>(i - 1)] = zahl;
    }
    auto* BGZdirekt = new QPushButton(QStringLiteral("Gewinnzahlen direkt eingeben"), PGewReihe);
    BGZdirekt->setObjectName(QStringLiteral("BGZdirekt"));
    QFont bf = BGZdirekt->font();
    bf.setPixelSize(10);
    BGZdirekt->setFont(bf);
    // the button keeps its whole caption: the panel grows when the type needs it
    const int rechts = links + 24 + 6;
    const int knopf = std::max(126, BGZdirekt->sizeHint().width());
    BGZdirekt->setGeometry(rechts, 9, knopf, 24);
    PGewReihe->setFixedSize(std::max(links + 24 + 135, rechts + knopf + 5), 20 + 22);
    connect(BGZdirekt, &QPushButton::clicked, this, &Scheinleiste::gewinnzahlen);
    return PGewReihe;
}

void Scheinleiste::gewinnreiheZeichnen(Spielmenge spiele) {
    for (int m = 1; m <= kSpiele; ++m)
        if (spiele & spielBit(m))
            PGewZ(m)->setText(
                QString::number(TippZiffer[static_cast<std::size_t>(zustand_.gewinntendenz(m))]));
}

void Scheinleiste::dateiZeichnen() {
    // a cleared left slip leaves its name until the next one is opened
    const int links = zustand_.linkerSchein();
    if (links >= 0) LDatei_->setText(QString::fromStdString(dateiName(zustand_.slot(links).datei)));
}

}  // namespace kv::ui
