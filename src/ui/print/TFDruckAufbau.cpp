// Building the print window: top bar, the calibration area on the left, the
// row table and the print controls on the right, the bottom bar.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Bauteile.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "help/Hilfe.h"
#include "print/Druckbilder.h"
#include "print/Druckmodelle.h"
#include "print/Reihenansicht.h"
#include "print/TFDruck.h"
#include "print/Zifferfeld.h"

namespace kv::ui {

namespace {

constexpr int kLinksBreite = 777;
constexpr int kMasseBreite = 296;
// The range fields take as many digits as a slip may have rows: a full
// system alone has 1,594,323.
constexpr int kBereichStellen = 9;
constexpr int kFeldhoehe = 21;  // the compact fields of the position groups
constexpr int kFeldBreite = 88;
constexpr int kFeldHoehe = 288;
constexpr int kFeldAbstand = 93;

QLabel* fett(QLabel* l, const QColor& farbe = QColor()) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    if (farbe.isValid()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, farbe);
        l->setPalette(p);
    }
    return l;
}

QLabel* klein(QLabel* l) {
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    l->setFont(f);
    return l;
}

// A white status box: "Datei" and the file shown.
QLabel* statuszeile(const char* name, QWidget* eltern) {
    auto* l = label(QString(), name, eltern);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(150);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QFont tabellenschrift(QFont f) {
    f.setPixelSize(11);
    return f;
}

Zifferfeld* feld(Tastenfilter f, int laenge, const char* name, QWidget* eltern, int breite) {
    auto* e = new Zifferfeld(f, laenge, name, eltern);
    e->setFixedWidth(breite);
    return e;
}

}  // namespace

QWidget* TFDruck::obenBauen() {
    QWidget* oben = leiste("PTop", this);
    auto* l = static_cast<QHBoxLayout*>(oben->layout());
    auto* BClose = bildknopf(symbol::beenden(), QStringLiteral("Schließen"), "BClose", oben);
    auto* BOpen = knopf(QStringLiteral("Scheinformat öffnen..."), "BOpen", oben);
    BOpen->setIcon(symbol::oeffnen());
    auto* Bsave = knopf(QStringLiteral("Scheinformat speichern..."), "Bsave", oben);
    auto* BDetail = knopf(QStringLiteral("Alle A-Werte anzeigen"), "BDetailZeigen", oben);
    auto* BBlatt = knopf(QStringLiteral("Kalibrierblatt drucken..."), "BKalibrierblatt", oben);
    BBlatt->setToolTip(
        QStringLiteral("Ein Blatt Normalpapier mit einem Kreuz an jeder Position des "
                       "Schein-Formats, zum Vergleich mit einem Tippschein"));
    LDatei_ = statuszeile("LDatei", oben);
    auto* BHilfe = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe"), "BHilfe", oben);
    l->addWidget(BClose);
    l->addWidget(BOpen);
    l->addWidget(Bsave);
    l->addWidget(BDetail);
    l->addWidget(BBlatt);
    l->addSpacing(8);
    l->addWidget(label(QStringLiteral("Datei"), "LDateiText", oben));
    l->addWidget(LDatei_, 1);
    LGeaendert_ = aenderungsmarke(oben);
    l->addWidget(LGeaendert_);
    l->addWidget(BHilfe);
    connect(BClose, &QToolButton::clicked, this, &QWidget::close);
    connect(BOpen, &QPushButton::clicked, this, &TFDruck::BOpenClick);
    connect(Bsave, &QPushButton::clicked, this, &TFDruck::BsaveClick);
    connect(BDetail, &QPushButton::clicked, this, &TFDruck::BDetailZeigenClick);
    connect(BBlatt, &QPushButton::clicked, this, &TFDruck::BKalibrierblattClick);
    connect(BHilfe, &QToolButton::clicked, this, [this] { kontext_.hilfe(this, kHilfeDruck); });
    return oben;
}

QWidget* TFDruck::linksBauen() {
    auto* links = new QWidget(this);
    links->setObjectName(QStringLiteral("PLinks"));
    links->setFixedWidth(kLinksBreite);
    auto* l = new QVBoxLayout(links);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    auto* reihe1 = new QHBoxLayout;
    reihe1->setSpacing(8);
    auto* bild = new QVBoxLayout;
    bild->setSpacing(2);
    auto* tippfeld = new Tippfeldbild(links);
    bild->addWidget(tippfeld);
    bild->addWidget(
        klein(label(QStringLiteral("x = horizontaler Abstand in 10tel-mm vom linken Tippscheinrand"),
                    "LxHinweis", links, true)));
    bild->addWidget(
        klein(label(QStringLiteral("y = vertikaler Abstand in 10tel-mm vom oberen Tippscheinrand"),
                    "LyHinweis", links, true)));
    bild->addStretch();
    auto* bildrahmen = new QWidget(links);
    bildrahmen->setLayout(bild);
    bildrahmen->setFixedWidth(tippfeld->sizeHint().width());
    bild->setContentsMargins(0, 0, 0, 0);
    reihe1->addWidget(bildrahmen);
    QWidget* masse = masseBauen(links);
    masse->setFixedWidth(kMasseBreite);
    reihe1->addWidget(masse);
    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    rechts->addWidget(nummerBauen(links));
    rechts->addWidget(zusatzBauen(links));
    rechts->addStretch();
    reihe1->addLayout(rechts);
    l->addLayout(reihe1);

    auto* reihe2 = new QHBoxLayout;
    reihe2->setSpacing(6);
    reihe2->addWidget(hinweiseBauen(links));
    reihe2->addWidget(tabellenBauen(links), 1);
    l->addLayout(reihe2);
    return links;
}

QWidget* TFDruck::masseBauen(QWidget* eltern) {
    auto* w = new QWidget(eltern);
    w->setObjectName(QStringLiteral("PMasse"));
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(
        fett(label(QStringLiteral("Bitte unbedingt beachten: alle Maße sind in 10tel Millimeter anzugeben!"),
                   "LEinheit", w, true),
             QColor(190, 0, 0)));
    l->addWidget(
        label(QStringLiteral("Ist z. B. der Kästchen-Abstand 7,6 mm, ist für B die Zahl 76 einzutragen."),
              "LBeispiel", w, true));
    l->addWidget(fett(label(QStringLiteral("Wichtig!"), "LWichtig", w), QColor(190, 0, 0)));

    // fields per slip, and the arrangement in a line of its own
    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(label(QStringLiteral("Anzahl Tippfelder pro Schein:"), "LAnzText", w));
    Up1_ = new UpDown(w, 4, 6);
    Up1_->setObjectName(QStringLiteral("Up1"));
    anzahl->addWidget(Up1_);
    LAnz_ = fett(label(QStringLiteral("12"), "LAnz", w));
    anzahl->addWidget(LAnz_);
    anzahl->addStretch();
    l->addLayout(anzahl);

    auto* rg = new QWidget(w);
    rg->setObjectName(QStringLiteral("RG1"));
    auto* rgl = new QHBoxLayout(rg);
    rgl->setContentsMargins(0, 0, 0, 0);
    RG1einer_ = new QRadioButton(QStringLiteral("einer"), rg);
    RG1einer_->setObjectName(QStringLiteral("RG1einer"));
    RG1zwei_ = new QRadioButton(QStringLiteral("zwei"), rg);
    RG1zwei_->setObjectName(QStringLiteral("RG1zwei"));
    RG1_ = new QButtonGroup(rg);
    RG1_->addButton(RG1einer_, 0);
    RG1_->addButton(RG1zwei_, 1);
    RG1einer_->setChecked(true);
    rgl->addWidget(label(QStringLiteral("Tippfelder in"), "LTippfelderIn", rg));
    rgl->addWidget(RG1einer_);
    rgl->addWidget(RG1zwei_);
    LReihen_ = label(QStringLiteral("Reihe"), "LReihen", rg);
    rgl->addWidget(LReihen_);
    rgl->addStretch();
    l->addWidget(rg);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    g->addWidget(label(QStringLiteral("Kästchen-Abstand"), "LAbstandh", w), 0, 0);
    g->addWidget(label(QStringLiteral("B ="), "LB", w), 0, 1, Qt::AlignRight);
    eAbstandh_ = feld(Tastenfilter::Ziffern, 3, "eAbstandh", w, 44);
    g->addWidget(eAbstandh_, 0, 2);
    g->addWidget(label(QStringLiteral("vertikaler Abstand"), "LAbstandv", w), 1, 0);
    g->addWidget(label(QStringLiteral("C ="), "LC", w), 1, 1, Qt::AlignRight);
    eAbstandv_ = feld(Tastenfilter::Ziffern, 3, "eAbstandv", w, 44);
    g->addWidget(eAbstandv_, 1, 2);
    g->setColumnStretch(3, 1);
    l->addLayout(g);

    auto* korr = new QGroupBox(QStringLiteral("Ausdruck-Korrektur in 0,1 mm"), w);
    korr->setObjectName(QStringLiteral("GKorrektur"));
    auto* kl = new QGridLayout(korr);
    kl->setContentsMargins(6, 2, 6, 3);
    kl->setVerticalSpacing(2);
    kl->addWidget(label(QStringLiteral("horizontal:"), "LHori", korr), 0, 0);
    Ehori_ = feld(Tastenfilter::ZiffernMinus, 4, "Ehori", korr, 46);
    kl->addWidget(Ehori_, 0, 1);
    kl->addWidget(label(QStringLiteral("vertikal:"), "LVert", korr), 1, 0);
    Evert_ = feld(Tastenfilter::ZiffernMinus, 4, "Evert", korr, 46);
    kl->addWidget(Evert_, 1, 1);
    kl->addWidget(new Richtungsbild(korr), 0, 2, 2, 1);
    kl->addWidget(
        klein(label(QStringLiteral("Minus-Werte rücken den Ausdruck horizontal nach links und vertikal "
                                   "nach oben."),
                    "LKorrekturHinweis", korr, true)),
        0, 3, 2, 1);
    kl->setColumnStretch(3, 1);
    l->addWidget(korr);
    l->addStretch();
    return w;
}

QWidget* TFDruck::nummerBauen(QWidget* eltern) {
    auto* g = new QGroupBox(QStringLiteral("Tippschein-Nummern-Druck"), eltern);
    g->setObjectName(QStringLiteral("GNummer"));
    auto* l = new QGridLayout(g);
    l->setContentsMargins(6, 2, 6, 4);
    l->setVerticalSpacing(3);
    cbNr_ = new QCheckBox(QStringLiteral("Nr. drucken"), g);
    cbNr_->setObjectName(QStringLiteral("cbNr"));
    l->addWidget(cbNr_, 0, 0, 1, 2);
    l->addWidget(label(QStringLiteral("Start-Nr.:"), "LStartNr", g), 0, 2, 1, 2, Qt::AlignRight);
    ENr_ = feld(Tastenfilter::Ziffern, 5, "ENr", g, 50);
    ENr_->setFixedHeight(kFeldhoehe);
    ENr_->setText(QStringLiteral("1"));
    l->addWidget(ENr_, 0, 4);
    l->addWidget(label(QStringLiteral("x ="), "LNrx", g), 1, 0);
    ENrx_ = feld(Tastenfilter::Ziffern, 5, "ENrx", g, 50);
    ENrx_->setFixedHeight(kFeldhoehe);
    l->addWidget(ENrx_, 1, 1);
    l->addWidget(label(QStringLiteral("y ="), "LNry", g), 1, 2);
    ENry_ = feld(Tastenfilter::Ziffern, 5, "ENry", g, 50);
    ENry_->setFixedHeight(kFeldhoehe);
    l->addWidget(ENry_, 1, 3);
    l->setColumnStretch(5, 1);
    return g;
}

QWidget* TFDruck::zusatzBauen(QWidget* eltern) {
    auto* g = new QGroupBox(QStringLiteral("Koordinaten für Zusatzspiele"), eltern);
    g->setObjectName(QStringLiteral("GZusatz"));
    auto* l = new QGridLayout(g);
    l->setContentsMargins(6, 2, 6, 4);
    l->setHorizontalSpacing(5);
    l->setVerticalSpacing(2);
    const char* namen[] = {"Spiel77", "Super6", "Joker1", "Joker2"};
    for (int s = 0; s < 4; ++s) {
        const int spalte = s + 2;
        l->addWidget(fett(label(QString::fromLatin1(namen[s]), "", g)), 0, spalte, Qt::AlignCenter);
        auto* cb = new QCheckBox(QStringLiteral("ja"), g);
        cb->setObjectName(QStringLiteral("cbZus%1").arg(s + 1));
        cbZus_[static_cast<std::size_t>(s)] = cb;
        l->addWidget(cb, 1, spalte, Qt::AlignCenter);
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k) {
                const QByteArray name =
                    QStringLiteral("EZus%1%2%3").arg(s + 1).arg(j + 1).arg(k + 1).toLatin1();
                auto* e = feld(Tastenfilter::Ziffern, 4, name.constData(), g, 42);
                e->setFixedHeight(kFeldhoehe);
                EZus_[static_cast<std::size_t>(s)][static_cast<std::size_t>(j)][static_cast<std::size_t>(k)] =
                    e;
                l->addWidget(e, 2 + 2 * j + k, spalte, Qt::AlignCenter);
            }
    }
    for (int j = 0; j < 2; ++j) {
        l->addWidget(fett(label(j == 0 ? QStringLiteral("ja:") : QStringLiteral("nein:"), "", g)), 2 + 2 * j,
                     0);
        l->addWidget(label(QStringLiteral("x ="), "", g), 2 + 2 * j, 1);
        l->addWidget(label(QStringLiteral("y ="), "", g), 3 + 2 * j, 1);
    }
    l->addWidget(
        klein(label(QStringLiteral("Sie müssen nur Angaben zu den Positionen machen, die benötigt werden"),
                    "LZusatzHinweis1", g, true)),
        6, 0, 1, 6);
    l->addWidget(klein(label(QStringLiteral("Joker 1 und 2 können für beliebige Kreuze genutzt werden, z. B. "
                                            "Glücksspirale"),
                             "LZusatzHinweis2", g, true)),
                 7, 0, 1, 6);
    return g;
}

QWidget* TFDruck::hinweiseBauen(QWidget* eltern) {
    auto* w = new QWidget(eltern);
    w->setObjectName(QStringLiteral("PHinweise"));
    w->setFixedWidth(216);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(fett(label(QStringLiteral("Sparen Sie unnötigen Aufwand:"), "LSparen", w, true)));
    // the soft hyphen breaks "anzugeben" only where the line ends
    l->addWidget(
        klein(label(QStringLiteral("Beide Koordinaten (x,y) für den A-Wert sind nur für das 1er-Kästchen "
                                   "für Spiel 1 des ersten Tippfeldes anzuge\u00adben, ansonsten reicht "
                                   "die x-Koordinate."),
                    "LHinweisA", w, true)));
    l->addWidget(
        klein(label(QStringLiteral("Sind die Tippfelder in zwei Reihen angeordnet, ist nur für das erste "
                                   "Tippfeld der zweiten Reihe die y-Koordinate für Spiel 1 anzugeben."),
                    "LHinweisZwei", w, true)));
    l->addWidget(klein(
        fett(label(QStringLiteral("Für die Spiele 2 - 13 keine Angaben machen!"), "LHinweis213", w, true))));
    l->addWidget(klein(
        label(QStringLiteral("Anschließend \"Automatisch ausfüllen\" klicken"), "LHinweisFuellen", w, true)));
    auto* BAutoFill = knopf(QStringLiteral("Automatisch ausfüllen"), "BAutoFill", w);
    BUndo_ = knopf(QStringLiteral("Ausfüllen rückgängig"), "BUndo", w);
    BUndo_->setEnabled(false);
    auto* BDel = knopf(QStringLiteral("  Felder  1 - 12"), "BDel", w);
    BDel->setIcon(symbol::loeschen());
    l->addWidget(BAutoFill);
    l->addWidget(BUndo_);
    l->addWidget(BDel);
    l->addWidget(klein(label(QStringLiteral("Nach dem autom. Ausfüllen und Angabe der B- und C-Abstände:"),
                             "LHinweisExtrahieren", w, true)));
    auto* ex = new QHBoxLayout;
    BExtrahieren_ = knopf(QStringLiteral("A-Werte extrahieren"), "BExtrahieren", w);
    BExtrahieren_->setEnabled(false);
    auto* BHilfeA = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe zu den A-Werten"), "BHilfeA", w, 16);
    ex->addWidget(BExtrahieren_, 1);
    ex->addWidget(BHilfeA);
    l->addLayout(ex);
    l->addStretch();
    connect(BAutoFill, &QPushButton::clicked, this, &TFDruck::BAutoFillClick);
    connect(BUndo_, &QPushButton::clicked, this, &TFDruck::BUndoClick);
    connect(BDel, &QPushButton::clicked, this, &TFDruck::BDelClick);
    connect(BExtrahieren_, &QPushButton::clicked, this, &TFDruck::BExtrahierenClick);
    connect(BHilfeA, &QToolButton::clicked, this, [this] { kontext_.hilfe(this, kHilfeAWerte); });
    return w;
}

QWidget* TFDruck::tabellenBauen(QWidget* eltern) {
    auto* rollen = new QScrollArea(eltern);
    rollen->setObjectName(QStringLiteral("SBxyFelder"));
    rollen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rollen->setWidgetResizable(false);
    auto* PxyFelder = new QWidget;
    PxyFelder->setObjectName(QStringLiteral("PxyFelder"));
    PxyFelder->setFixedSize(12 * kFeldBreite + 65, kFeldHoehe + 7);
    for (int i = 1; i <= 12; ++i) {
        auto* p = new QFrame(PxyFelder);
        p->setObjectName(QStringLiteral("xyFeld%1").arg(i));
        p->setFrameShape(QFrame::StyledPanel);
        p->setGeometry((i - 1) * kFeldAbstand + 5, 5, kFeldBreite, kFeldHoehe);
        auto* pl = new QVBoxLayout(p);
        pl->setContentsMargins(2, 2, 2, 2);
        pl->setSpacing(2);
        auto* kopf = new QHBoxLayout;
        kopf->addWidget(fett(label(QStringLiteral("Feld %1").arg(i), "LFeld", p)));
        kopf->addStretch();
        auto* del = bildknopf(symbol::loeschen(), QStringLiteral("Feld %1 leeren").arg(i), "BDel", p, 12);
        del->setFixedSize(18, 18);
        kopf->addWidget(del);
        pl->addLayout(kopf);
        auto* g = new QTableView(p);
        g->setObjectName(QStringLiteral("Gxy"));
        auto* m = new FeldtabellenModell(z_.kalibrierung, i, g);
        xy_[static_cast<std::size_t>(i - 1)] = m;
        connect(m, &QAbstractItemModel::dataChanged, this, &TFDruck::aenderungZeigen);
        g->setModel(m);
        g->setFont(tabellenschrift(g->font()));
        g->horizontalHeader()->setFont(g->font());
        g->setItemDelegate(new ZiffernDelegate(g));
        g->verticalHeader()->hide();
        g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        g->verticalHeader()->setMinimumSectionSize(8);
        g->verticalHeader()->setDefaultSectionSize(18);
        g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        g->horizontalHeader()->setMinimumSectionSize(8);
        g->horizontalHeader()->setFixedHeight(18);
        g->horizontalHeader()->setHighlightSections(false);
        g->horizontalHeader()->setSectionsClickable(false);
        g->setColumnWidth(0, 22);
        g->setColumnWidth(1, 28);
        g->setColumnWidth(2, 28);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setSelectionMode(QAbstractItemView::SingleSelection);
        g->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        g->setCornerButtonEnabled(false);
        pl->addWidget(g, 1);
        connect(del, &QToolButton::clicked, this, [this, i] { feldLoeschenClick(i); });
    }
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidget(PxyFelder);
    rollen->setFixedHeight(kFeldHoehe + 10 + rollen->horizontalScrollBar()->sizeHint().height() +
                           2 * rollen->frameWidth());
    return rollen;
}

QWidget* TFDruck::rechtsBauen() {
    auto* rechts = new QWidget(this);
    rechts->setObjectName(QStringLiteral("PRechts"));
    auto* l = new QVBoxLayout(rechts);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    auto* bar = new QHBoxLayout;
    auto* BOpen2 = knopf(QStringLiteral("Spielschein ö&ffnen..."), "BOpen2", rechts);
    BOpen2->setIcon(symbol::oeffnen());
    LDatei2_ = statuszeile("LDatei2", rechts);
    LDatei2_->setMinimumWidth(80);
    bar->addWidget(BOpen2);
    bar->addWidget(label(QStringLiteral("Datei"), "LDatei2Text", rechts));
    bar->addWidget(LDatei2_, 1);
    l->addLayout(bar);

    GReihen_ = new Reihenansicht(z_.speicher, rechts);
    l->addWidget(GReihen_, 1, Qt::AlignLeft);

    auto* bereich = new QHBoxLayout;
    bereich->addWidget(label(QStringLiteral("Ausdruck ab Tippreihe:"), "LStart", rechts));
    EStart_ = feld(Tastenfilter::Ziffern, kBereichStellen, "EStart", rechts, 56);
    EStart_->setText(QStringLiteral("1"));
    bereich->addWidget(EStart_);
    bereich->addStretch();
    bereich->addWidget(label(QStringLiteral("bis Tippreihe:"), "LEnde", rechts));
    EEnde_ = feld(Tastenfilter::Ziffern, kBereichStellen, "EEnde", rechts, 56);
    bereich->addWidget(EEnde_);
    l->addLayout(bereich);
    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(label(QStringLiteral("Benötigte Tippscheine:"), "LAnzTsText", rechts));
    LAnzTs_ = fett(label(QStringLiteral("0"), "LAnzTs", rechts));
    anzahl->addWidget(LAnzTs_);
    anzahl->addStretch();
    l->addLayout(anzahl);
    auto* knoepfe = new QGridLayout;
    knoepfe->setVerticalSpacing(3);
    BAusdruck_ = knopf(QStringLiteral("Drucken starten"), "BAusdruck", rechts);
    BAusdruck_->setIcon(symbol::drucken());
    BStop_ = knopf(QStringLiteral("Drucken stoppen"), "BStop", rechts);
    BStop_->setEnabled(false);
    knoepfe->addWidget(BAusdruck_, 0, 0);
    knoepfe->addWidget(BStop_, 0, 1);
    BVorschau_ = knopf(QStringLiteral("Druckvorschau..."), "BVorschau", rechts);
    BVorschau_->setToolTip(
        QStringLiteral("Die Scheine des gewählten Bereichs so zeigen, wie der Drucker sie "
                       "bekäme, über den Kästchen des Schein-Formats"));
    cbFragen_ = new QCheckBox(QStringLiteral("Fragen, ob Ausdruck korrekt"), rechts);
    cbFragen_->setObjectName(QStringLiteral("cbFragen"));
    cbFragen_->setChecked(true);
    knoepfe->addWidget(BVorschau_, 1, 0);
    knoepfe->addWidget(cbFragen_, 1, 1);
    l->addLayout(knoepfe);
    // what the run waits for, while it waits for the print system
    LDruckstatus_ = fett(label(QString(), "LDruckstatus", rechts, true), QColor(190, 0, 0));
    LDruckstatus_->hide();
    l->addWidget(LDruckstatus_);

    auto* bilder = new QHBoxLayout;
    for (const bool lage : {false, true}) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(1);
        spalte->addWidget(new Papierfachbild(lage, rechts));
        spalte->addWidget(klein(label(lage ? QStringLiteral("Lage im Papierfach")
                                           : QStringLiteral("Einzug Tippschein-Rückseite"),
                                      lage ? "LLage" : "LEinzug", rechts)),
                          0, Qt::AlignHCenter);
        bilder->addLayout(spalte);
    }
    bilder->addStretch();
    l->addLayout(bilder);

    connect(BOpen2, &QPushButton::clicked, this, &TFDruck::BOpen2Click);
    connect(BAusdruck_, &QPushButton::clicked, this, &TFDruck::BAusdruckClick);
    connect(BStop_, &QPushButton::clicked, this, &TFDruck::BStopClick);
    connect(BVorschau_, &QPushButton::clicked, this, &TFDruck::BVorschauClick);
    return rechts;
}

QWidget* TFDruck::untenBauen() {
    QWidget* unten = leiste("PUnten", this);
    auto* l = static_cast<QHBoxLayout*>(unten->layout());
    auto* BSchliessen = knopf(QStringLiteral("Schließen"), "BSchliessen", unten);
    l->addStretch();
    l->addWidget(BSchliessen);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    return unten;
}

}  // namespace kv::ui
