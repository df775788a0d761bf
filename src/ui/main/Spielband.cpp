#include "main/Spielband.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Farben.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "io/Datei.h"
#include "main/Bausteine.h"
#include "main/TFfrErg.h"

namespace kv::ui {

namespace {

// The row of the 13 score frames: each as wide as the designed frame where
// there is room, narrower (down to TFfrErg::kMinBreite) in a window too
// narrow for that, so that all 13 stay in view on a laptop screen before
// the band scrolls.
class Ergebnisreihe : public QWidget {
  public:
    static constexpr int kAbstand = 2;
    static constexpr int kLinks = 5;

    explicit Ergebnisreihe(QWidget* eltern) : QWidget(eltern) {
        setObjectName(QStringLiteral("PErgebnisse"));
        setFixedHeight(TFfrErg::kHoehe);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    static int breiteFuer(int rahmen) { return 13 * (rahmen + kAbstand) + kLinks; }
    QSize sizeHint() const override { return {breiteFuer(TFfrErg::kBreite), TFfrErg::kHoehe}; }
    QSize minimumSizeHint() const override { return {breiteFuer(TFfrErg::kMinBreite), TFfrErg::kHoehe}; }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int b =
            std::clamp((width() - kLinks) / 13 - kAbstand, int{TFfrErg::kMinBreite}, int{TFfrErg::kBreite});
        const QList<TFfrErg*> rahmen = findChildren<TFfrErg*>(Qt::FindDirectChildrenOnly);
        for (TFfrErg* f : rahmen)
            f->setGeometry((f->spiel() - 1) * (b + kAbstand) + kLinks, 0, b, TFfrErg::kHoehe);
    }
};

}  // namespace

Spielband::Spielband(Programmkontext& kontext, QWidget* eltern)
    : Querband(eltern), zustand_(kontext.zustand()) {
    setObjectName(QStringLiteral("PSpieleRahmen"));

    auto* PSpiele = new QWidget;
    PSpiele->setObjectName(QStringLiteral("PSpiele"));
    faerben(PSpiele, farbe::spiele, Qt::white);
    auto* l = new QVBoxLayout(PSpiele);
    l->setContentsMargins(0, 0, 0, 3);
    l->setSpacing(3);

    // PTool1: fixture list, "Alles", "Alles auf Anfang"
    auto* PTool1 = new QWidget(PSpiele);
    PTool1->setObjectName(QStringLiteral("PTool1"));
    faerben(PTool1, QApplication::palette().color(QPalette::Window), Qt::black);
    auto* lt = new QHBoxLayout(PTool1);
    lt->setContentsMargins(5, 2, 5, 2);
    lt->setSpacing(8);
    auto* BOpen1 = new QPushButton(symbol::oeffnen(), QStringLiteral("Spielplan öffnen"), PTool1);
    BOpen1->setObjectName(QStringLiteral("BOpen1"));
    lt->addWidget(BOpen1);
    auto* merkSp = new QWidget(PTool1);
    auto* lm = new QVBoxLayout(merkSp);
    lm->setContentsMargins(0, 0, 0, 0);
    lm->setSpacing(0);
    cbMerkenSp_ = haekchen("cbMerkenSp", QStringLiteral("Spielplan merken und mit Programmstart einlesen"),
                           true, merkSp);
    lm->addWidget(cbMerkenSp_);
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(6);
    zeile->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), merkSp));
    auto* achtung = hinweis(QStringLiteral("Achtung, alter Eintrag wird überschrieben."), merkSp, 10, true);
    QPalette rot = achtung->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    achtung->setPalette(rot);
    zeile->addWidget(achtung);
    zeile->addStretch(1);
    lm->addLayout(zeile);
    lt->addWidget(merkSp);
    lt->addWidget(dateiKasten("PDatei2", LDatei2_, "LDatei2", 190, PTool1));
    lt->addStretch(1);
    BAlles_ = new QToolButton(PTool1);
    BAlles_->setObjectName(QStringLiteral("BAlles"));
    BAlles_->setText(QStringLiteral("Alles"));
    BAlles_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BAlles_->setIconSize(QSize(16, 16));
    BAlles_->setToolTip(QStringLiteral("Alle Spiele beendet / alle Spiele laufend"));
    lt->addWidget(BAlles_);
    auto* BNull = new QPushButton(QStringLiteral("Alles auf Anfang"), PTool1);
    BNull->setObjectName(QStringLiteral("BNull"));
    lt->addWidget(BNull);
    auto* auto1 = hinweis(QStringLiteral("Spielstände wer- den automatisch gespeichert"), PTool1, 10);
    auto1->setObjectName(QStringLiteral("LAutomatisch"));
    auto1->setWordWrap(true);
    auto1->setFixedWidth(95);
    lt->addWidget(auto1);
    l->addWidget(PTool1);

    // the 13 score frames
    auto* frames = new Ergebnisreihe(PSpiele);
    for (int i = 1; i <= 13; ++i) {
        auto* f = new TFfrErg(i, frames);
        connect(f, &TFfrErg::torGeaendert, this, &Spielband::torGeaendert);
        connect(f, &TFfrErg::laufUmschalten, this, &Spielband::laufUmschalten);
        frSpiel_[static_cast<std::size_t>(i - 1)] = f;
    }
    l->addWidget(frames);
    // in a window narrower than the 13 frames they scroll sideways
    inhaltSetzen(PSpiele);

    connect(BOpen1, &QPushButton::clicked, this, &Spielband::spielplanOeffnen);
    connect(BAlles_, &QToolButton::clicked, this, &Spielband::allesUmschalten);
    connect(BNull, &QPushButton::clicked, this, &Spielband::allesAufAnfang);
    connect(&kontext.melder(), &Zustandsmelder::spieleGeaendert, this, &Spielband::spieleZeichnen);
    connect(&kontext.melder(), &Zustandsmelder::begegnungenGeaendert, this, &Spielband::begegnungenZeichnen);
    spieleZeichnen(kAlleSpiele);
}

void Spielband::spieleZeichnen(Spielmenge spiele) {
    // image 0 while every match is final, image 1 otherwise: however they
    // became final ("Alles", one by one, a score file)
    const int bild = zustand_.beendeteSpiele() == kAlleSpiele ? 0 : 1;
    if (BAlles_->property("bild") != bild) {
        BAlles_->setIcon(bild == 0 ? symbol::laeuft() : symbol::beendet());
        BAlles_->setProperty("bild", bild);
    }
    for (int m = 1; m <= kSpiele; ++m) {
        if (!(spiele & spielBit(m))) continue;
        const TSpielstand& s = zustand_.spielstand(m);
        TFfrErg* f = frSpiel(m);
        // a stored goal count above 12 leaves the control and its number as they are
        if (f->Up1()->zeigePosition(s.Heim)) f->PHeim()->setText(QString::number(s.Heim));
        if (f->Up2()->zeigePosition(s.Gast)) f->PGast()->setText(QString::number(s.Gast));
        f->zeigeBeendet(zustand_.istBeendet(m));
    }
}

void Spielband::begegnungenZeichnen() {
    LDatei2_->setText(QString::fromStdString(dateiName(zustand_.spielplanDatei())));
    for (int m = 1; m <= kSpiele; ++m) {
        const TBegegnung& b = zustand_.begegnungen()[static_cast<std::size_t>(m - 1)];
        frSpiel(m)->setzeMannschaften(QString::fromStdString(b.Heim), QString::fromStdString(b.Gast));
    }
}

}  // namespace kv::ui
