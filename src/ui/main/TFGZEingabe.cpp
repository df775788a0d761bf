#include "main/TFGZEingabe.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "help/Hilfe.h"
#include "model/Records.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

namespace {
constexpr int kKnopfB = 36;
constexpr int kKnopfH = 24;
const Fensterposition kPosition(einst::kGZEingabeLeft, einst::kGZEingabeTop, einst::kGZEingabeWidth,
                                einst::kGZEingabeHeight);
}  // namespace

TBGZ::TBGZ(const QString& text, QWidget* eltern) : QPushButton(text, eltern) {
    setFixedSize(kKnopfB, kKnopfH);
    setFlat(true);
    // Tab reaches every button, Space chooses or un-chooses it
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
    setzeGewaehlt(false);
}

void TBGZ::setzeGewaehlt(bool gewaehlt) {
    gewaehlt_ = gewaehlt;
    setProperty("gewaehlt", gewaehlt);
    setStyleSheet(gewaehlt ? QStringLiteral("QPushButton { color: black; background: rgb(94,255,94);"
                                            " border: 2px solid rgb(0,110,0); border-radius: 3px; }"
                                            " QPushButton:focus { border: 2px solid rgb(48,96,200); }")
                           : QStringLiteral("QPushButton { color: black; background: rgb(240,240,240);"
                                            " border: 1px solid rgb(160,160,160); border-radius: 3px; }"
                                            " QPushButton:hover { background: rgb(225,235,250); }"
                                            " QPushButton:focus { border: 2px solid rgb(48,96,200); }"));
}

TBGZNr::TBGZNr(const QString& text, QWidget* eltern) : QLabel(text, eltern) {
    setFixedSize(24, 24);
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(128, 128, 128));
    setPalette(p);
}

TFGZEingabe::TFGZEingabe(Programmkontext& kontext)
    : QWidget(kontext.hauptfenster(), Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FGZEingabe"));
    setWindowTitle(titelMitVersion());

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 8);
    l->setSpacing(6);

    auto* leiste = new QWidget(this);
    leiste->setObjectName(QStringLiteral("PTool"));
    leiste->setFixedHeight(36);
    auto* ll = new QHBoxLayout(leiste);
    ll->setContentsMargins(4, 2, 4, 2);
    auto* BClose = new QToolButton(leiste);
    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BClose->setToolTip(QStringLiteral("Schließen"));
    BClose->setAutoRaise(true);
    ll->addWidget(BClose);
    auto* hinweis = new QLabel(QStringLiteral("Fensterposition wird automatisch gespeichert"), leiste);
    hinweis->setObjectName(QStringLiteral("Label10"));
    hinweis->setWordWrap(true);
    QFont hf = hinweis->font();
    hf.setPixelSize(10);
    hinweis->setFont(hf);
    ll->addWidget(hinweis, 1);
    l->addWidget(leiste);

    auto* rahmen = new QWidget;
    rahmen->setObjectName(QStringLiteral("PPufRahmen"));
    auto* PPuf = new QWidget(rahmen);
    PPuf->setObjectName(QStringLiteral("PPuf"));
    static const char* const ziffern[3] = {"1", "0", "2"};
    for (int i = 1; i <= 13; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const int tag = 100 * i + j;
            auto* b = new TBGZ(QString::fromLatin1(ziffern[j - 1]), PPuf);
            b->setObjectName(QStringLiteral("BGZ%1").arg(tag));
            b->move((j - 1) * (kKnopfB + 1) + 30, (i - 1) * kKnopfH + 5);
            connect(b, &QPushButton::clicked, this, [this, tag] { BLotAuswerten(tag); });
            knoepfe_[static_cast<std::size_t>((i - 1) * 3 + j - 1)] = b;
        }
        auto* nr = new TBGZNr(QStringLiteral("%1:").arg(i), PPuf);
        nr->setObjectName(QStringLiteral("BGZNr%1").arg(i));
        nr->move(0, (i - 1) * kKnopfH + 10);
    }
    PPuf->setFixedSize(3 * kKnopfB + 39, 13 * kKnopfH + 7);
    auto* mitte = new QHBoxLayout(rahmen);
    mitte->setContentsMargins(11, 0, 11, 0);
    mitte->addWidget(PPuf);
    mitte->addStretch(1);
    // a low screen: the buttons scroll, the transfer button stays in view
    l->addWidget(rollbar(rahmen, QSize(PPuf->width() + 22, 3 * kKnopfH), this), 1);

    auto* uebertragen = new QPushButton(QStringLiteral("Gewinnzahlen übertragen"), this);
    uebertragen->setObjectName(QStringLiteral("bsSkinSpeedButton2"));
    uebertragen->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(8, 0, 8, 0);
    unten->addWidget(uebertragen);
    l->addLayout(unten);

    // laid out as wide as the buttons need, and at least as wide as the
    // caption of the transfer button; it may be made smaller
    resize(std::max(PPuf->width() + 22, uebertragen->sizeHint().width() + 16), PPuf->height() + 110);

    connect(BClose, &QToolButton::clicked, this, &QWidget::close);
    connect(uebertragen, &QPushButton::clicked, this, &TFGZEingabe::gewinnzahlenUebertragen);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeGewinnzahlen); });
    mitEscapeSchliessen(this);
}

TBGZ* TFGZEingabe::BGZ(int spiel, int spalte) const {
    return knoepfe_[static_cast<std::size_t>((spiel - 1) * 3 + spalte - 1)];
}

void TFGZEingabe::BLotAuswerten(int tag) {
    const int i = tag / 100;
    const int j = tag % 100;
    if (i < 1 || i > 13 || j < 1 || j > 3) return;
    int& wert = eingabe_[static_cast<std::size_t>(i - 1)];
    if (wert == j) {
        wert = 0;
        BGZ(i, j)->setzeGewaehlt(false);
        return;
    }
    wert = j;
    for (int c = 1; c <= 3; ++c) BGZ(i, c)->setzeGewaehlt(c == j);
}

void TFGZEingabe::gewinnzahlenUebertragen() {
    std::array<std::uint8_t, 13> reihe{};
    for (int i = 0; i < 13; ++i) {
        if (eingabe_[static_cast<std::size_t>(i)] == 0) {
            dialoge().information(
                this, QStringLiteral("Es müssen sämtliche Spielergebnisse eingegeben werden.") +
                          QString::fromUtf8(kAbsatz) + QStringLiteral("Ich breche erst einmal ab."));
            return;
        }
        reihe[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(eingabe_[static_cast<std::size_t>(i)]);
    }
    // the next goal change in the score panel brings back the score tendencies
    kontext_.zustand().gewinnreiheDirektSetzen(reihe);
    kontext_.zustand().gewinnauswertung();
}

void TFGZEingabe::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    QPoint p(einst::kGZEingabeLeft.vorgabe, einst::kGZEingabeTop.vorgabe);
    QSize groesse;
    try {
        const Einstellungen einst(kontext_.einstellungsdatei().toStdString());
        p = kPosition.lesen(einst);
        groesse = kPosition.groesse(einst);
        if (groesse.isValid()) resize(groesse);
    } catch (const std::exception&) {
        // an unreadable settings file leaves the window at its default place
    }
    const QWidget* haupt = kontext_.hauptfenster();
    const QPoint hauptEcke = haupt ? Fensterposition::rahmen(haupt).topLeft() : QPoint();
    // 0 means "not stored": beside the main window's frame, at its top
    if (p.x() == 0) p.setX(std::max(0, hauptEcke.x() - Fensterposition::rahmen(this).width()));
    if (p.y() == 0) p.setY(hauptEcke.y());
    Fensterposition::platzieren(this, p, groesse);
}

void TFGZEingabe::closeEvent(QCloseEvent* e) {
    kPosition.schreiben(kontext_.einstellungsdatei(), this);
    e->accept();
}

Befehl gewinnzahlenBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "Gewinnzahlen1";
    b.text = QStringLiteral("Gewinnzahlen direkt eingeben");
    b.symbol = symbol::gewinnzahlen();
    b.leiste = Leistenplatz::Gewinnzahlen;
    b.knopf = "BGZdirekt1";
    b.leistentext = QStringLiteral("Gewinnzahlen");
    b.ausfuehren = [&kontext] {
        fensterOeffnen<TFGZEingabe>(QStringLiteral("FGZEingabe"),
                                    [&kontext] { return new TFGZEingabe(kontext); });
    };
    return b;
}

}  // namespace kv::ui
