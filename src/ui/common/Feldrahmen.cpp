#include "common/Feldrahmen.h"

#include <QLabel>

#include "common/Farben.h"
#include "common/Feldbild.h"
#include "common/Zahlkasten.h"
#include "eingabe/Tippfeld.h"

namespace kv::ui {

namespace {

constexpr int kLNrHoehe = 15;

void setzeText(QLabel* l, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (l->text() != t) l->setText(t);
}

}  // namespace

Feldrahmen::Feldrahmen(Tippfeld& feld, int breite, int hoehe, QWidget* eltern) : QFrame(eltern), feld_(feld) {
    setFixedSize(breite, hoehe);
    faerben(this, farbe::tipps, Qt::black);

    Panel1_ = new Feldbild(feld, this);
    Panel1_->move(kBildX, kBildY);

    LNr_ = new QLabel(QString::fromStdString(feld.LNrText()), this);
    LNr_->setObjectName(QStringLiteral("LNr"));
    LNr_->setGeometry(kBildX, kBildY + kBildHoehe, kBildBreite, kLNrHoehe);
    LNr_->setAlignment(Qt::AlignCenter);
    LNr_->setFont(schrift(this, 11, true));
    faerben(LNr_, feldfarbe::druck, Qt::white);

    feld.setzeNachVerwertung([this] {
        anzeigen();
        if (nachVerwertung_) nachVerwertung_();
        Q_EMIT feldGeaendert();
    });
}

void Feldrahmen::zahlenfelder(int xZW, int xDW, int xAnz, int breite, int breiteAnz) {
    const auto feld = [this](const char* name, const char* kopf, int x, int b) {
        auto* k = new QLabel(QString::fromLatin1(kopf), this);
        k->setGeometry(x, kZahlenY, b, kKopfHoehe);
        k->setAlignment(Qt::AlignCenter);
        k->setFont(schrift(this, 10, false));
        auto* p = new Zahlkasten(this);
        p->setText(QStringLiteral("0"));
        p->setObjectName(QString::fromLatin1(name));
        p->setGeometry(x, kZahlenY + kKopfHoehe, b, kZahlenHoehe);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
        p->setFont(schrift(this, 12, true));
        faerben(p, Qt::white, Qt::black);
        return p;
    };
    PZW_ = feld("PZW", "ZW", xZW, breite);
    PDW_ = feld("PDW", "DW", xDW, breite);
    PAnz_ = feld("PAnz", "Tipps", xAnz, breiteAnz);
}

void Feldrahmen::anzeigen() {
    if (PZW_) {
        setzeText(PZW_, feld_.PZWText());
        setzeText(PDW_, feld_.PDWText());
        setzeText(PAnz_, feld_.PAnzText());
    }
    Panel1_->update();
}

}  // namespace kv::ui
