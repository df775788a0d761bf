// Building the main window (FormCreate): its menus and tool bar, its own
// commands and the panels.
#include "main/TFMain.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Fenster.h"
#include "common/Symbole.h"
#include "main/Bausteine.h"
#include "main/Ergebnistabs.h"
#include "main/Querband.h"
#include "main/Scheinfelder.h"
#include "main/Scheinleiste.h"
#include "main/Spielband.h"
#include "main/Spielstandsicherung.h"
#include "main/TFGZEingabe.h"
#include "main/TFfrErg.h"

namespace kv::ui {

TFMain::TFMain(Programmkontext& kontext, QWidget* eltern)
    : QMainWindow(eltern), kontext_(kontext), zustand_(kontext.zustand()) {
    setObjectName(QStringLiteral("FMain"));
    kontext_.setzeHauptfenster(this);
    // the program ending at once (the update's hand-over): the entry windows'
    // draft is brought up to date now, not after its delay, as the installer
    // may end the program before that
    kontext_.setzeSicherung([this] {
        kontext_.eingabesicherung().schreiben();
        return sichern();
    });
    FormCreate();
    sicherung_ = new Spielstandsicherung(kontext_, this);
    dateiartenAnmelden();
    setAcceptDrops(true);
    connect(&kontext_.melder(), &Zustandsmelder::scheinGeschrieben, this, &TFMain::scheinGeschriebenZeigen);
}

TFMain::~TFMain() {
    kontext_.setzeSicherung({});
}

void TFMain::scheinGeschriebenZeigen() {
    statusBar()->showMessage(
        QStringLiteral("Spielschein gespeichert: %1 – „Spielschein öffnen...“ zeigt ihn hier an.")
            .arg(QString::fromStdString(zustand_.geschriebenerSchein())));
}

void TFMain::geoeffnetZeigen() {
    // the hint of a saved slip has done its work once a slip is opened
    statusBar()->clearMessage();
}

void TFMain::FormCreate() {
    setWindowTitle(titelMitVersion());
    menuesBauen();

    auto* PClient = new QWidget(this);
    PClient->setObjectName(QStringLiteral("PClient"));
    auto* l = new QVBoxLayout(PClient);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    band_ = new Spielband(kontext_, PClient);
    l->addWidget(band_);

    auto* PRechts = new QWidget(PClient);
    PRechts->setObjectName(QStringLiteral("PRechts"));
    auto* lr = new QVBoxLayout(PRechts);
    lr->setContentsMargins(0, 0, 0, 0);
    lr->setSpacing(0);
    // the strip of the single slip scrolls sideways in a narrow window, as the score band does
    auto* leistenband = new Querband(PRechts);
    leistenband->setObjectName(QStringLiteral("PScheinRahmen"));
    leiste_ = new Scheinleiste(kontext_, leistenband);
    leistenband->inhaltSetzen(leiste_);
    lr->addWidget(leistenband);
    // PTipps | splitt1 | PPC
    splitt1_ = new QSplitter(Qt::Horizontal, PRechts);
    splitt1_->setObjectName(QStringLiteral("splitt1"));
    splitt1_->setHandleWidth(10);
    splitt1_->setOpaqueResize(false);
    splitt1_->setChildrenCollapsible(false);
    splitt1_->setStyleSheet(QStringLiteral("QSplitter::handle { background: rgb(245,199,10); }"));
    felder_ = new Scheinfelder(kontext_, splitt1_);
    PPC_ = new Ergebnistabs(kontext_, splitt1_);
    splitt1_->addWidget(felder_);
    splitt1_->addWidget(PPC_);
    splitt1_->setStretchFactor(0, 1);
    splitt1_->setStretchFactor(1, 0);
    lr->addWidget(splitt1_, 1);
    l->addWidget(PRechts, 1);
    setCentralWidget(PClient);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    connect(band_, &Spielband::torGeaendert, this, &TFMain::torGeaendert);
    connect(band_, &Spielband::laufUmschalten, this, &TFMain::BRunClick);
    connect(band_, &Spielband::spielplanOeffnen, this, &TFMain::BOpen1Click);
    connect(band_, &Spielband::allesUmschalten, this, &TFMain::BAllesClick);
    connect(band_, &Spielband::allesAufAnfang, this, &TFMain::BNullClick);
    connect(leiste_, &Scheinleiste::scheinOeffnen, this, &TFMain::BOpenClick);
    connect(leiste_, &Scheinleiste::gewinnzahlen, this, &TFMain::BGZdirektClick);
    connect(PPC_, &Ergebnistabs::scheineOeffnen, this, &TFMain::BOpen2Click);
    connect(PPC_, &Ergebnistabs::reiterSchliessen, this, &TFMain::tabSchliessen);
    connect(splitt1_, &QSplitter::splitterMoved, this, &TFMain::splitt1Moved);
    connect(PPC_->Image1(), &QToolButton::clicked, this, &TFMain::Image1Click);

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
    auto menuepunkt = [](const char* name, const QString& text, Menueplatz platz, std::function<void()> f) {
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
    oeffnen.taste = QKeySequence::Open;
    t.anmelden(std::move(oeffnen));
    t.anmelden(menuepunkt(
        "Spielsystemauswhlen1", QStringLiteral("Gesondert gespeicherte Spielstände öffnen..."),
        Menueplatz::DateiSpielstaendeOeffnen, [this] { gesondertGespeicherteSpielstaendeOeffnen(); }));
    t.anmelden(
        menuepunkt("Spielstndegesondertspeichern1", QStringLiteral("Spielstände gesondert speichern..."),
                   Menueplatz::DateiSpielstaendeSpeichern, [this] { spielstaendeGesondertSpeichern(); }));
    t.anmelden(menuepunkt("AutomatischgespeicherteSpielstndeeinlesen1",
                          QStringLiteral("Automatisch gespeicherte Spielstände einlesen "),
                          Menueplatz::DateiSpielstaendeAutomatisch,
                          [this] { automatischGespeicherteSpielstaendeEinlesen(); }));
    Befehl beenden =
        menuepunkt("Beenden1", QStringLiteral("&Beenden"), Menueplatz::DateiBeenden, [this] { close(); });
    beenden.symbol = symbol::beenden();
    beenden.leiste = Leistenplatz::Beenden;
    beenden.knopf = "BClose";
    beenden.leistentext = QStringLiteral("Beenden");
    beenden.taste = QKeySequence(Qt::CTRL | Qt::Key_Q);
    t.anmelden(std::move(beenden));
}

// --- parts of the window ------------------------------------------------------

TFfrErg* TFMain::frSpiel(int spiel) const {
    return band_->frSpiel(spiel);
}
TFFrScheineS* TFMain::Tippfeld(int feld) const {
    return felder_->Tippfeld(feld);
}
QLabel* TFMain::Ausgang(int feld, int spiel, int spalte) const {
    return felder_->Ausgang(feld, spiel, spalte);
}
QLabel* TFMain::PGewZ(int spiel) const {
    return leiste_->PGewZ(spiel);
}
TFfrGrid* TFMain::fr(int slot) const {
    return PPC_->fr(slot);
}
QTabWidget* TFMain::PC1() const {
    return PPC_->PC1();
}
QScrollArea* TFMain::PTipps() const {
    return felder_;
}
QCheckBox* TFMain::cbMerken() const {
    return leiste_->cbMerken();
}
QCheckBox* TFMain::cbMerken2() const {
    return PPC_->cbMerken2();
}
QCheckBox* TFMain::cbRechts() const {
    return leiste_->cbRechts();
}
QCheckBox* TFMain::cbMerkenSp() const {
    return band_->cbMerkenSp();
}
QLabel* TFMain::LDatei() const {
    return leiste_->LDatei();
}
QLabel* TFMain::LDatei2() const {
    return band_->LDatei2();
}
QToolButton* TFMain::BAlles() const {
    return band_->BAlles();
}
TFGZEingabe* TFMain::gzEingabe() const {
    return qobject_cast<TFGZEingabe*>(fensterSuchen(QStringLiteral("FGZEingabe")));
}

}  // namespace kv::ui
