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

#include "main/Farben.h"
#include "main/Rechtsfeld.h"
#include "main/Symbole.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "main/UpDown.h"
#include "model/Records.h"

namespace kv::ui {

namespace {

// Places in the menus and the tool bar, in their order. Commands of later
// parts have a place before they have an action.
enum Platzschluessel {
    kOeffnen,
    kDrucken,
    kNormalschein,
    kSystemschein,
    kTrennerDatei1,
    kSpielstaendeOeffnen,
    kSpielstaendeSpeichern,
    kSpielstaendeAuto,
    kTrennerDatei2,
    kBeenden,
    kKalender,
    kRechner,
    kTransfer,
    kTrennerExtras,
    kUpdate,
    kInhalt,
    kSuchen,
    kTrennerHilfe1,
    kUpdateHilfe,
    kTrennerHilfe2,
    kInfo,
    kLeisteBeenden,
    kLeisteNormalschein,
    kLeisteSystemschein,
    kLeisteDrucken,
    kLeisteGewinnzahlen,
    kLeisteTransfer,
    kLeisteUpdate,
    kLeisteRechner,
    kLeisteKalender,
    kLeisteAbstand,
    kLeisteHilfe,
    kLeisteHinweis,
};

QFont schrift(const QWidget* w, int pixel, bool fett) {
    QFont f = w->font();
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

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

TFMain::TFMain(const QString& datenordner, QWidget* eltern) : QMainWindow(eltern), datenordner_(datenordner) {
    setObjectName(QStringLiteral("FMain"));
    FormCreate();
}

TFMain::~TFMain() = default;

QString TFMain::einstellungsdatei() const {
    return datenordner_ + QString::fromUtf8(kEinstellungsdatei);
}
QString TFMain::spielstanddatei() const {
    return datenordner_ + QString::fromUtf8(kSpielstandDatei);
}

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
    setWindowTitle(
        QStringLiteral("%1 %2").arg(QString::fromUtf8(kProgrammTitel), QString::fromUtf8(kVersion)));
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
    auto neu = [this](const char* name, const QString& text, const QIcon& icon = {}) {
        auto* a = new QAction(icon, text, this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QAction* oeffnen =
        neu("Tippscheineoeffnen1", QStringLiteral("Tippschein(e) öffnen..."), symbol::oeffnen());
    QAction* stOeffnen =
        neu("Spielsystemauswhlen1", QStringLiteral("Gesondert gespeicherte Spielstände öffnen..."));
    QAction* stSpeichern =
        neu("Spielstndegesondertspeichern1", QStringLiteral("Spielstände gesondert speichern..."));
    QAction* stAuto = neu("AutomatischgespeicherteSpielstndeeinlesen1",
                          QStringLiteral("Automatisch gespeicherte Spielstände einlesen "));
    QAction* beenden = neu("Beenden1", QStringLiteral("&Beenden"), symbol::beenden());
    beenden->setIconText(QStringLiteral("Beenden"));
    QAction* kalender = neu("Kalender1", QStringLiteral("&Kalender"), symbol::kalender());
    kalender->setIconText(QStringLiteral("Kalender"));
    QAction* rechner = neu("Taschenrechner1", QStringLiteral("Taschen&rechner"), symbol::rechner());
    rechner->setIconText(QStringLiteral("Rechner"));
    QAction* inhalt = neu("Inhalt1", QStringLiteral("&Inhalt"), symbol::hilfe());
    inhalt->setIconText(QStringLiteral("Hilfe"));
    inhalt->setShortcut(QKeySequence(Qt::Key_F1));
    inhalt->setShortcutContext(Qt::WindowShortcut);
    QAction* suchen = neu("InHilfesuchen1", QStringLiteral("In Hilfe &suchen..."));
    QAction* info = neu("ProgrammInfo1", QStringLiteral("Programm-&Info"));
    QAction* gewinnzahlen =
        neu("Gewinnzahlen1", QStringLiteral("Gewinnzahlen direkt eingeben"), symbol::gewinnzahlen());
    gewinnzahlen->setIconText(QStringLiteral("Gewinnzahlen"));

    connect(oeffnen, &QAction::triggered, this, &TFMain::BOpenClick);
    connect(stOeffnen, &QAction::triggered, this, &TFMain::Spielsystemauswhlen1Click);
    connect(stSpeichern, &QAction::triggered, this, &TFMain::Spielstndegesondertspeichern1Click);
    connect(stAuto, &QAction::triggered, this, &TFMain::AutomatischgespeicherteSpielstndeeinlesen1Click);
    connect(beenden, &QAction::triggered, this, &QWidget::close);
    connect(kalender, &QAction::triggered, this, &TFMain::BKalClick);
    connect(rechner, &QAction::triggered, this, &TFMain::BCalcClick);
    connect(inhalt, &QAction::triggered, this, &TFMain::HilfeClick);
    connect(suchen, &QAction::triggered, this, &TFMain::HilfeSuchenClick);
    connect(info, &QAction::triggered, this, &TFMain::InfoClick);
    connect(gewinnzahlen, &QAction::triggered, this, &TFMain::BGZdirektClick);

    menueDatei_ = menuBar()->addMenu(QStringLiteral("&Datei"));
    menueDatei_->setObjectName(QStringLiteral("Datei1"));
    menueExtras_ = menuBar()->addMenu(QStringLiteral("&Extras"));
    menueExtras_->setObjectName(QStringLiteral("Extras1"));
    menueHilfe_ = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    menueHilfe_->setObjectName(QStringLiteral("Hilfe1"));
    auto trenner = [this] {
        auto* a = new QAction(this);
        a->setSeparator(true);
        return a;
    };
    plaetzeDatei_ = {{kOeffnen, nullptr},
                     {kDrucken, nullptr},
                     {kNormalschein, nullptr},
                     {kSystemschein, nullptr},
                     {kTrennerDatei1, nullptr},
                     {kSpielstaendeOeffnen, nullptr},
                     {kSpielstaendeSpeichern, nullptr},
                     {kSpielstaendeAuto, nullptr},
                     {kTrennerDatei2, nullptr},
                     {kBeenden, nullptr}};
    einordnen(menueDatei_, plaetzeDatei_, kOeffnen, oeffnen);
    einordnen(menueDatei_, plaetzeDatei_, kTrennerDatei1, trenner());
    einordnen(menueDatei_, plaetzeDatei_, kSpielstaendeOeffnen, stOeffnen);
    einordnen(menueDatei_, plaetzeDatei_, kSpielstaendeSpeichern, stSpeichern);
    einordnen(menueDatei_, plaetzeDatei_, kSpielstaendeAuto, stAuto);
    einordnen(menueDatei_, plaetzeDatei_, kTrennerDatei2, trenner());
    einordnen(menueDatei_, plaetzeDatei_, kBeenden, beenden);
    plaetzeExtras_ = {{kKalender, nullptr},
                      {kRechner, nullptr},
                      {kTransfer, nullptr},
                      {kTrennerExtras, nullptr},
                      {kUpdate, nullptr}};
    einordnen(menueExtras_, plaetzeExtras_, kKalender, kalender);
    einordnen(menueExtras_, plaetzeExtras_, kRechner, rechner);
    einordnen(menueExtras_, plaetzeExtras_, kTrennerExtras, trenner());
    plaetzeHilfe_ = {{kInhalt, nullptr},      {kSuchen, nullptr},        {kTrennerHilfe1, nullptr},
                     {kUpdateHilfe, nullptr}, {kTrennerHilfe2, nullptr}, {kInfo, nullptr}};
    einordnen(menueHilfe_, plaetzeHilfe_, kInhalt, inhalt);
    einordnen(menueHilfe_, plaetzeHilfe_, kSuchen, suchen);
    einordnen(menueHilfe_, plaetzeHilfe_, kTrennerHilfe1, trenner());
    einordnen(menueHilfe_, plaetzeHilfe_, kTrennerHilfe2, trenner());
    einordnen(menueHilfe_, plaetzeHilfe_, kInfo, info);

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
    auto* abstand = new QWidget(PTool_);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* Label10 = hinweis(QStringLiteral("Fensterposition wird automatisch gespeichert"), PTool_, 10);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setWordWrap(true);
    Label10->setFixedWidth(190);
    plaetzeLeiste_ = {
        {kLeisteBeenden, nullptr}, {kLeisteNormalschein, nullptr}, {kLeisteSystemschein, nullptr},
        {kLeisteDrucken, nullptr}, {kLeisteGewinnzahlen, nullptr}, {kLeisteTransfer, nullptr},
        {kLeisteUpdate, nullptr},  {kLeisteRechner, nullptr},      {kLeisteKalender, nullptr},
        {kLeisteAbstand, nullptr}, {kLeisteHilfe, nullptr},        {kLeisteHinweis, nullptr}};
    einordnen(PTool_, plaetzeLeiste_, kLeisteBeenden, beenden);
    einordnen(PTool_, plaetzeLeiste_, kLeisteGewinnzahlen, gewinnzahlen);
    einordnen(PTool_, plaetzeLeiste_, kLeisteRechner, rechner);
    einordnen(PTool_, plaetzeLeiste_, kLeisteKalender, kalender);
    plaetzeLeiste_[kLeisteAbstand - kLeisteBeenden].aktion = PTool_->addWidget(abstand);
    einordnen(PTool_, plaetzeLeiste_, kLeisteHilfe, inhalt);
    plaetzeLeiste_[kLeisteHinweis - kLeisteBeenden].aktion = PTool_->addWidget(Label10);
    PTool_->widgetForAction(beenden)->setObjectName(QStringLiteral("BClose"));
    PTool_->widgetForAction(gewinnzahlen)->setObjectName(QStringLiteral("BGZdirekt1"));
    PTool_->widgetForAction(rechner)->setObjectName(QStringLiteral("BCalc"));
    PTool_->widgetForAction(kalender)->setObjectName(QStringLiteral("BKal"));
    PTool_->widgetForAction(inhalt)->setObjectName(QStringLiteral("bsSkinSpeedButton6"));
}

void TFMain::einordnen(QWidget* behaelter, std::vector<Platz>& plaetze, int schluessel, QAction* a) {
    auto it = std::find_if(plaetze.begin(), plaetze.end(),
                           [&](const Platz& p) { return p.schluessel == schluessel; });
    if (it == plaetze.end()) return;
    it->aktion = a;
    QAction* vor = nullptr;
    for (auto n = it + 1; n != plaetze.end() && !vor; ++n) vor = n->aktion;
    behaelter->insertAction(vor, a);
}

void TFMain::befehlHinzufuegen(Befehl befehl, QAction* aktion) {
    if (!aktion) return;
    const char* knopf = "";
    switch (befehl) {
        case Befehl::Normalschein:
            einordnen(menueDatei_, plaetzeDatei_, kNormalschein, aktion);
            einordnen(PTool_, plaetzeLeiste_, kLeisteNormalschein, aktion);
            knopf = "BEingabe";
            break;
        case Befehl::Systemschein:
            einordnen(menueDatei_, plaetzeDatei_, kSystemschein, aktion);
            einordnen(PTool_, plaetzeLeiste_, kLeisteSystemschein, aktion);
            knopf = "BSys";
            break;
        case Befehl::Drucken:
            einordnen(menueDatei_, plaetzeDatei_, kDrucken, aktion);
            einordnen(PTool_, plaetzeLeiste_, kLeisteDrucken, aktion);
            knopf = "BDruck";
            break;
        case Befehl::TransferTool:
            einordnen(menueExtras_, plaetzeExtras_, kTransfer, aktion);
            einordnen(PTool_, plaetzeLeiste_, kLeisteTransfer, aktion);
            knopf = "bsSkinSpeedButton1";
            break;
        case Befehl::UpdatePruefung:
            einordnen(menueExtras_, plaetzeExtras_, kUpdate, aktion);
            einordnen(menueHilfe_, plaetzeHilfe_, kUpdateHilfe, aktion);
            einordnen(PTool_, plaetzeLeiste_, kLeisteUpdate, aktion);
            knopf = "BUpdate";
            break;
    }
    if (QWidget* w = PTool_->widgetForAction(aktion)) w->setObjectName(QString::fromLatin1(knopf));
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
    zeigeAlles();
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
