// Building the main window (FormCreate), its menus and tool bar.
#include "main/TFMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "main/Rechtsfeld.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "model/Records.h"

namespace kv::ui {

namespace {

QLabel* hinweis(const QString& text, QWidget* eltern, int pixel = 10, bool fett = false) {
    auto* l = new QLabel(text, eltern);
    l->setFont(schrift(eltern, pixel, fett));
    return l;
}

QCheckBox* haekchen(const char* name, const QString& text, bool an, QWidget* eltern) {
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(an);
    c->setFont(schrift(eltern, 11, false));
    return c;
}

// A white box with the caption "Datei" and the label showing a file name.
QWidget* dateiKasten(const char* name, QLabel*& label, const char* labelName, int breite, QWidget* eltern) {
    auto* k = new QFrame(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setFrameShape(QFrame::StyledPanel);
    faerben(k, Qt::white, Qt::black);
    k->setFixedWidth(breite);
    auto* l = new QVBoxLayout(k);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(0);
    l->addWidget(hinweis(QStringLiteral("Datei"), k, 10));
    label = new QLabel(k);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setFont(schrift(k, 12, true));
    l->addWidget(label);
    return k;
}

}  // namespace

TFMain::TFMain(Programmkontext& kontext, QWidget* eltern)
    : QMainWindow(eltern), kontext_(kontext), zustand_(kontext.zustand()) {
    setObjectName(QStringLiteral("FMain"));
    kontext_.setzeHauptfenster(this);
    FormCreate();
    const Zustandsmelder& m = kontext_.melder();
    connect(&m, &Zustandsmelder::spieleGeaendert, this, &TFMain::spieleZeichnen);
    connect(&m, &Zustandsmelder::linkerScheinGeaendert, this, &TFMain::linkenScheinZeichnen);
    connect(&m, &Zustandsmelder::ausgewertet, this, &TFMain::auswertungZeichnen);
    connect(&m, &Zustandsmelder::begegnungenGeaendert, this, &TFMain::begegnungenZeichnen);
}

TFMain::~TFMain() = default;

QLabel* TFMain::Ausgang(int feld, int spiel, int spalte) const {
    return Tippfeld(feld)->Spielfr(spiel)->P(spalte);
}

TFfrGrid* TFMain::fr(int slot) const {
    return slot >= 0 && static_cast<std::size_t>(slot) < grids_.size()
               ? grids_[static_cast<std::size_t>(slot)]
               : nullptr;
}

TFGZEingabe* TFMain::gzEingabe() const {
    return qobject_cast<TFGZEingabe*>(fensterSuchen(QStringLiteral("FGZEingabe")));
}

void TFMain::FormCreate() {
    setWindowTitle(titelMitVersion());
    menuesBauen();

    auto* PClient = new QWidget(this);
    PClient->setObjectName(QStringLiteral("PClient"));
    auto* l = new QVBoxLayout(PClient);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(spielePanelBauen());
    l->addWidget(rechtsPanelBauen(), 1);
    setCentralWidget(PClient);

    const int breite = 13 * TFfrErg::kBreite + 34;
    resize(breite, sizeHint().height());
    move(0, 0);
}

void TFMain::menuesBauen() {
    menueDatei_ = menuBar()->addMenu(QStringLiteral("&Datei"));
    menueDatei_->setObjectName(QStringLiteral("Datei1"));
    menueExtras_ = menuBar()->addMenu(QStringLiteral("&Extras"));
    menueExtras_->setObjectName(QStringLiteral("Extras1"));
    menueHilfe_ = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    menueHilfe_->setObjectName(QStringLiteral("Hilfe1"));

    PTool_ = new QToolBar(QStringLiteral("Werkzeugleiste"), this);
    PTool_->setObjectName(QStringLiteral("PTool"));
    PTool_->setMovable(false);
    PTool_->setFloatable(false);
    PTool_->setFixedHeight(40);
    PTool_->setIconSize(QSize(24, 24));
    PTool_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    PTool_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, PTool_);

    Befehlstabelle& t = kontext_.befehle();
    t.einrichten(this, menueDatei_, menueExtras_, menueHilfe_, PTool_);
    auto* abstand = new QWidget(PTool_);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    t.leistenWidget(Leistenplatz::Abstand, abstand);
    auto* Label10 = hinweis(QStringLiteral("Fensterposition wird automatisch gespeichert"), PTool_, 10);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setWordWrap(true);
    Label10->setFixedWidth(190);
    t.leistenWidget(Leistenplatz::Hinweis, Label10);
    befehleAnmelden();
}

void TFMain::befehleAnmelden() {
    Befehlstabelle& t = kontext_.befehle();
    auto menuepunkt = [&t](const char* name, const QString& text, Menueplatz platz, std::function<void()> f) {
        Befehl b;
        b.name = name;
        b.text = text;
        b.menues = {platz};
        b.ausfuehren = std::move(f);
        return b;
    };
    Befehl oeffnen = menuepunkt("Tippscheineoeffnen1", QStringLiteral("Tippschein(e) öffnen..."),
                                Menueplatz::DateiOeffnen, [this] { BOpenClick(); });
    oeffnen.symbol = symbol::oeffnen();
    t.anmelden(std::move(oeffnen));
    t.anmelden(menuepunkt("Spielsystemauswhlen1",
                          QStringLiteral("Gesondert gespeicherte Spielstände öffnen..."),
                          Menueplatz::DateiSpielstaendeOeffnen, [this] { Spielsystemauswhlen1Click(); }));
    t.anmelden(
        menuepunkt("Spielstndegesondertspeichern1", QStringLiteral("Spielstände gesondert speichern..."),
                   Menueplatz::DateiSpielstaendeSpeichern, [this] { Spielstndegesondertspeichern1Click(); }));
    t.anmelden(menuepunkt("AutomatischgespeicherteSpielstndeeinlesen1",
                          QStringLiteral("Automatisch gespeicherte Spielstände einlesen "),
                          Menueplatz::DateiSpielstaendeAutomatisch,
                          [this] { AutomatischgespeicherteSpielstndeeinlesen1Click(); }));
    Befehl beenden =
        menuepunkt("Beenden1", QStringLiteral("&Beenden"), Menueplatz::DateiBeenden, [this] { close(); });
    beenden.symbol = symbol::beenden();
    beenden.leiste = Leistenplatz::Beenden;
    beenden.knopf = "BClose";
    beenden.leistentext = QStringLiteral("Beenden");
    t.anmelden(std::move(beenden));
}

QWidget* TFMain::spielePanelBauen() {
    auto* rahmen = new QScrollArea(this);
    rahmen->setObjectName(QStringLiteral("PSpieleRahmen"));
    rahmen->setFrameShape(QFrame::NoFrame);
    rahmen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rahmen->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rahmen->setWidgetResizable(true);

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
    auto* frames = new QWidget(PSpiele);
    frames->setObjectName(QStringLiteral("PErgebnisse"));
    for (int i = 1; i <= 13; ++i) {
        auto* f = new TFfrErg(i, frames);
        f->move((i - 1) * (TFfrErg::kBreite + 2) + 5, 0);
        connect(f, &TFfrErg::torGeaendert, this, &TFMain::torGeaendert);
        connect(f, &TFfrErg::laufUmschalten, this, &TFMain::BRunClick);
        frSpiel_[static_cast<std::size_t>(i - 1)] = f;
    }
    frames->setFixedSize(13 * (TFfrErg::kBreite + 2) + 5, TFfrErg::kHoehe);
    l->addWidget(frames);
    PSpiele->setMinimumWidth(frames->width());
    rahmen->setWidget(PSpiele);
    // In a window narrower than the 13 frames the scroll bar appears below
    // them; the panel then grows by its height instead of covering the up-downs.
    const int hoehe = PSpiele->sizeHint().height();
    rahmen->setFixedHeight(hoehe);
    QScrollBar* balken = rahmen->horizontalScrollBar();
    connect(balken, &QScrollBar::rangeChanged, rahmen, [rahmen, balken, hoehe](int, int max) {
        rahmen->setFixedHeight(hoehe + (max > 0 ? balken->sizeHint().height() : 0));
    });
    rahmen->setMinimumWidth(200);

    connect(BOpen1, &QPushButton::clicked, this, &TFMain::BOpen1Click);
    connect(BAlles_, &QToolButton::clicked, this, &TFMain::BAllesClick);
    connect(BNull, &QPushButton::clicked, this, &TFMain::BNullClick);
    return rahmen;
}

QWidget* TFMain::gewinnreiheBauen(QWidget* eltern) {
    auto* PGewReihe = new QFrame(eltern);
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
        auto* z = new QLabel(PGewReihe);
        z->setObjectName(QStringLiteral("TPGewZ%1").arg(i));
        z->setGeometry(links, 19, 24, 20);
        z->setAlignment(Qt::AlignCenter);
        QFont fz = z->font();
        fz.setPointSize(10);
        fz.setBold(true);
        z->setFont(fz);
        faerben(z, farbe::gewZ, farbe::gewZText);
        PGewZ_[static_cast<std::size_t>(i - 1)] = z;
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
    connect(BGZdirekt, &QPushButton::clicked, this, &TFMain::BGZdirektClick);
    return PGewReihe;
}

QWidget* TFMain::rechtsPanelBauen() {
    auto* PRechts = new QWidget(this);
    PRechts->setObjectName(QStringLiteral("PRechts"));
    auto* l = new QVBoxLayout(PRechts);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    // the strip of the single slip and the winning row
    auto* oben = new QWidget(PRechts);
    oben->setObjectName(QStringLiteral("PSchein"));
    auto* lo = new QHBoxLayout(oben);
    lo->setContentsMargins(5, 3, 5, 3);
    lo->setSpacing(8);
    auto* BOpen = new QPushButton(symbol::oeffnen(), QStringLiteral("Spielschein ö&ffnen..."), oben);
    BOpen->setObjectName(QStringLiteral("BOpen"));
    lo->addWidget(BOpen);
    auto* haken = new QWidget(oben);
    auto* lh = new QVBoxLayout(haken);
    lh->setContentsMargins(0, 0, 0, 0);
    lh->setSpacing(0);
    cbMerken_ =
        haekchen("cbMerken", QStringLiteral("Datei merken und mit Programmstart einlesen"), true, haken);
    lh->addWidget(cbMerken_);
    auto* z = new QHBoxLayout;
    cbRechts_ = haekchen("cbRechts", QStringLiteral("auch rechts öffnen"), false, haken);
    z->addWidget(cbRechts_);
    z->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), haken));
    z->addStretch(1);
    lh->addLayout(z);
    lo->addWidget(haken);
    lo->addWidget(dateiKasten("PDatei", LDatei_, "LDatei", 170, oben));
    lo->addStretch(1);
    lo->addWidget(gewinnreiheBauen(oben));
    l->addWidget(oben);

    // PTipps | splitt1 | PPC
    splitt1_ = new QSplitter(Qt::Horizontal, PRechts);
    splitt1_->setObjectName(QStringLiteral("splitt1"));
    splitt1_->setHandleWidth(10);
    splitt1_->setOpaqueResize(false);
    splitt1_->setChildrenCollapsible(false);
    splitt1_->setStyleSheet(QStringLiteral("QSplitter::handle { background: rgb(245,199,10); }"));

    PTipps_ = new QScrollArea(splitt1_);
    PTipps_->setObjectName(QStringLiteral("PTipps"));
    PTipps_->setFrameShape(QFrame::NoFrame);
    PTipps_->setWidgetResizable(false);
    auto* felder = new QWidget;
    felder->setObjectName(QStringLiteral("PTippsInhalt"));
    faerben(felder, farbe::tipps, Qt::black);
    for (int j = 1; j <= 12; ++j) {
        auto* f = new TFFrScheineS(j, felder);
        f->move((j - 1) * (TFFrScheineS::kBreite + 11) + 11, 10);
        Tippfeld_[static_cast<std::size_t>(j - 1)] = f;
    }
    felder->setFixedSize(12 * (TFFrScheineS::kBreite + 11) + 11, 521);
    PTipps_->setWidget(felder);
    faerben(PTipps_->viewport(), farbe::tipps);
    PTipps_->setMinimumSize(120, 521 + PTipps_->horizontalScrollBar()->sizeHint().height());

    PPC_ = new Rechtsfeld(splitt1_);
    auto* lp = new QVBoxLayout(PPC_->inhalt());
    lp->setContentsMargins(4, 3, 2, 0);
    lp->setSpacing(2);
    auto* kopf = new QWidget(PPC_->inhalt());
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
    PC1_ = new QTabWidget(PPC_->inhalt());
    PC1_->setObjectName(QStringLiteral("PC1"));
    PC1_->setTabsClosable(false);
    PC1_->setUsesScrollButtons(true);
    PC1_->setElideMode(Qt::ElideNone);
    lp->addWidget(PC1_, 1);

    splitt1_->addWidget(PTipps_);
    splitt1_->addWidget(PPC_);
    splitt1_->setStretchFactor(0, 1);
    splitt1_->setStretchFactor(1, 0);
    l->addWidget(splitt1_, 1);

    connect(BOpen, &QPushButton::clicked, this, &TFMain::BOpenClick);
    connect(BOpen2, &QPushButton::clicked, this, &TFMain::BOpen2Click);
    connect(splitt1_, &QSplitter::splitterMoved, this, &TFMain::splitt1Moved);
    connect(PPC_->Image1(), &QToolButton::clicked, this, &TFMain::Image1Click);
    return PRechts;
}

}  // namespace kv::ui
