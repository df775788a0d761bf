#include "main/TFFrScheineS.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

#include "common/Farben.h"
#include "common/Gitter.h"
#include "model/Records.h"

namespace kv::ui {

TFfrSpiel::TFfrSpiel(int feld, int spiel, QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("Spielfr%1").arg(spiel + 100 * feld));
    setFixedSize(kBreite, kHoehe);
    auto* nr = new QLabel(QStringLiteral("%1:").arg(spiel), this);
    nr->setObjectName(QStringLiteral("Panel1"));
    nr->setGeometry(0, 2, 28, 22);
    nr->setAlignment(Qt::AlignCenter);
    nr->setFont(schrift(this, 11, true));
    faerben(nr, farbe::feldNr, farbe::tipps);
    static const char* const ziffern[3] = {"1", "0", "2"};
    for (int c = 0; c < 3; ++c) {
        auto* p = new QLabel(QString::fromLatin1(ziffern[c]), this);
        p->setObjectName(QStringLiteral("P%1").arg(c + 1));
        p->setGeometry(31 + c * 21, 2, 20, 22);
        p->setAlignment(Qt::AlignCenter);
        p->setFont(schrift(this, 12, true));
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Raised);
        faerben(p, neutral(), Qt::black);
        P_[static_cast<std::size_t>(c)] = p;
    }
}

void TFFrScheineS::setzeTitel(const QString& text, const QColor& hinten) {
    if (LNr_->text() != text) {
        LNr_->setText(text);
        LNr_->resize(std::max(50, LNr_->fontMetrics().horizontalAdvance(text) + 10), LNr_->height());
    }
    faerben(LNr_, hinten, farbe::feldNrText);
}

TFFrScheineS::TFFrScheineS(int feld, QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("Tippfeld%1").arg(feld));
    setFixedSize(kBreite, kHoehe);
    faerben(this, farbe::tipps, Qt::black);

    LNr_ = new QLabel(QStringLiteral("Feld %1").arg(feld), this);
    LNr_->setObjectName(QStringLiteral("LNr"));
    LNr_->setGeometry(0, 0, 50, 16);
    LNr_->setAlignment(Qt::AlignCenter);
    LNr_->setFont(schrift(this, 11, true));
    faerben(LNr_, farbe::feldNr, farbe::feldNrText);

    LVEW_ = new QLabel(this);
    LVEW_->setObjectName(QStringLiteral("LVEW"));
    LVEW_->setGeometry(51, 0, kBreite - 51, 16);
    LVEW_->setAlignment(Qt::AlignCenter);
    LVEW_->setFont(schrift(this, 10, true));
    faerben(LVEW_, farbe::vew, Qt::black);
    LVEW_->hide();

    for (int k = 1; k <= kSpiele; ++k) {
        auto* s = new TFfrSpiel(feld, k, this);
        s->move(5, (k - 1) * TFfrSpiel::kHoehe + 18);
        Spielfr_[static_cast<std::size_t>(k - 1)] = s;
    }

    const int unten = 13 * TFfrSpiel::kHoehe + 22;
    LTipps_ = new QLabel(this);
    LTipps_->setObjectName(QStringLiteral("LTipps"));
    LTipps_->setGeometry(3, unten, kBreite - 6, 16);
    LTipps_->setFont(schrift(this, 11, false));

    auto* klassen = new QLabel(QStringLiteral("Gewinnklassen"), this);
    klassen->setObjectName(QStringLiteral("LGewinnklassen"));
    klassen->setGeometry(3, unten + 20, kBreite - 6, 16);
    klassen->setFont(schrift(this, 11, true));

    G1_ = new Gitter(this);
    G1_->setObjectName(QStringLiteral("G1"));
    G1Modell_ = new WerteModell(4, G1_);
    G1_->setModel(G1Modell_);
    G1_->spaltenSetzen({20, 21, 24, 28});
    QStringList kopf;
    for (const char* k : Gewinnklassen) kopf << QString::fromLatin1(k);
    G1_->kopfSetzen(G1Modell_, kopf, {16, 17, 20, 24});
    G1_->festeGroesse(1);
    G1_->move(3, unten + 38);
}

void TFFrScheineS::setzeTippsText(const QString& text) {
    int pixel = 11;
    QFont f = schrift(this, pixel, false);
    while (pixel > 7 && QFontMetrics(f).horizontalAdvance(text) > LTipps_->width()) f.setPixelSize(--pixel);
    LTipps_->setFont(f);
    LTipps_->setText(text);
}

}  // namespace kv::ui
