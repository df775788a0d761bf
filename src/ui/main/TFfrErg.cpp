#include "main/TFfrErg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include "common/Farben.h"
#include "common/Passlabel.h"
#include "common/Symbole.h"
#include "common/UpDown.h"

namespace kv::ui {

namespace {

QWidget* streifen(QWidget* eltern, const char* name, int hoehe) {
    auto* w = new QWidget(eltern);
    w->setObjectName(QString::fromLatin1(name));
    w->setFixedHeight(hoehe);
    return w;
}

// The number of goals of one side. A click on it is a click on that goal: its
// up-down takes the keyboard focus (while it is shown, so not for a final
// match), and a digit typed next sets the goal, as after a click on an arrow.
class Torzahl : public QLabel {
  public:
    Torzahl(const char* name, QWidget* eltern, std::function<UpDown*()> up)
        : QLabel(QStringLiteral("0"), eltern), up_(std::move(up)) {
        setObjectName(QString::fromLatin1(name));
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        UpDown* up = up_();
        if (e->button() == Qt::LeftButton && up->isVisible()) up->setFocus(Qt::MouseFocusReason);
        QLabel::mousePressEvent(e);
    }

  private:
    std::function<UpDown*()> up_;
};

}  // namespace

TFfrErg::TFfrErg(int spiel, QWidget* eltern) : QFrame(eltern), spiel_(spiel) {
    setObjectName(QStringLiteral("frSpiel%1").arg(spiel));
    setFixedHeight(kHoehe);
    setMinimumWidth(kMinBreite);
    setMaximumWidth(kBreite);
    resize(kBreite, kHoehe);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    faerben(this, Qt::white, Qt::black);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(1, 1, 1, 1);
    l->setSpacing(0);

    // POben: match number and the running/final button
    QWidget* POben = streifen(this, "POben", 20);
    auto* lo = new QHBoxLayout(POben);
    lo->setContentsMargins(2, 1, 2, 1);
    lo->setSpacing(2);
    LNr_ = new QLabel(QString::number(spiel), POben);
    LNr_->setObjectName(QStringLiteral("LNr"));
    LNr_->setFont(schrift(this, 11, true));
    LNr_->setAlignment(Qt::AlignCenter);
    LNr_->setFrameShape(QFrame::Panel);
    LNr_->setFrameShadow(QFrame::Sunken);
    LNr_->setFixedSize(24, 17);
    faerben(LNr_, farbe::spielNr, Qt::black);
    BRun_ = new QToolButton(POben);
    BRun_->setObjectName(QStringLiteral("BRun"));
    BRun_->setAutoRaise(true);
    BRun_->setFixedSize(22, 18);
    BRun_->setIconSize(QSize(14, 14));
    // reached with Tab like the goals; Space toggles it
    BRun_->setFocusPolicy(Qt::StrongFocus);
    lo->addWidget(LNr_);
    lo->addStretch(1);
    lo->addWidget(BRun_);
    l->addWidget(POben);

    // Panel2: the two clubs
    QWidget* Panel2 = streifen(this, "Panel2", 26);
    auto* l2 = new QVBoxLayout(Panel2);
    l2->setContentsMargins(3, 0, 3, 0);
    l2->setSpacing(0);
    // a long club name is shortened with "…" (and shown whole as a tool tip)
    LHeim_ = new Passlabel(Passlabel::Art::Name, Panel2);
    LHeim_->setText(QStringLiteral("Heimmannschaft"));
    LHeim_->setObjectName(QStringLiteral("LHeim"));
    LGast_ = new Passlabel(Passlabel::Art::Name, Panel2);
    LGast_->setText(QStringLiteral("Gastmannschaft"));
    LGast_->setObjectName(QStringLiteral("LGast"));
    LHeim_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LGast_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* x : {LHeim_, LGast_}) {
        x->setFont(schrift(this, 10, false));
        x->setFixedHeight(13);
        l2->addWidget(x);
    }
    l->addWidget(Panel2);

    // Panel1: home goals : away goals
    QWidget* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* l1 = new QHBoxLayout(Panel1);
    l1->setContentsMargins(6, 0, 6, 0);
    l1->setSpacing(0);
    PHeim_ = new Torzahl("PHeim", Panel1, [this] { return Up1_; });
    PGast_ = new Torzahl("PGast", Panel1, [this] { return Up2_; });
    auto* trenner = new QLabel(QStringLiteral(":"), Panel1);
    trenner->setFont(schrift(this, 20, true));
    trenner->setAlignment(Qt::AlignCenter);
    for (QLabel* x : {PHeim_, PGast_}) {
        x->setFont(schrift(this, 17, true));
        x->setFixedWidth(30);
    }
    PHeim_->setAlignment(Qt::AlignCenter);
    PGast_->setAlignment(Qt::AlignCenter);
    l1->addWidget(PHeim_);
    l1->addWidget(trenner, 1);
    l1->addWidget(PGast_);
    l->addWidget(Panel1, 1);

    // Pups: the up-downs
    Pups_ = streifen(this, "Pups", 20);
    QSizePolicy sp = Pups_->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    Pups_->setSizePolicy(sp);
    auto* lu = new QHBoxLayout(Pups_);
    lu->setContentsMargins(4, 0, 4, 0);
    lu->setSpacing(0);
    Up1_ = new UpDown(Pups_);
    Up1_->setObjectName(QStringLiteral("Up1"));
    Up2_ = new UpDown(Pups_);
    Up2_->setObjectName(QStringLiteral("Up2"));
    lu->addWidget(Up1_);
    lu->addStretch(1);
    lu->addWidget(Up2_);
    l->addWidget(Pups_);

    connect(Up1_, &UpDown::geaendert, this, [this](int pos) {
        PHeim_->setText(QString::number(pos));
        Q_EMIT torGeaendert(spiel_, true);
    });
    connect(Up2_, &UpDown::geaendert, this, [this](int pos) {
        PGast_->setText(QString::number(pos));
        Q_EMIT torGeaendert(spiel_, false);
    });
    connect(BRun_, &QToolButton::clicked, this, [this] { Q_EMIT laufUmschalten(spiel_); });
    zeigeBeendet(false);
}

void TFfrErg::zeigeBeendet(bool beendet) {
    if (gezeigt_ == (beendet ? 1 : 0)) return;  // the pictures are drawn anew only on a change
    gezeigt_ = beendet ? 1 : 0;
    BRun_->setIcon(beendet ? symbol::beendet() : symbol::laeuft());
    BRun_->setProperty("bild", beendet ? 1 : 0);
    BRun_->setToolTip(beendet ? QStringLiteral("Spiel beendet – klicken, um es wieder laufen zu lassen")
                              : QStringLiteral("Spiel läuft – klicken, wenn es beendet ist"));
    Pups_->setVisible(!beendet);
}

void TFfrErg::setzeMannschaften(const QString& heim, const QString& gast) {
    LHeim_->setText(heim);
    LGast_->setText(gast);
}

}  // namespace kv::ui
