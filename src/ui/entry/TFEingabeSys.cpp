#include "entry/TFEingabeSys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Eingabesicherung.h"
#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Fensterleiste.h"
#include "common/Passlabel.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "common/TFfrFeld.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "settings/Einstellungen.h"
#include "update/TFNeu.h"

namespace kv::ui {

namespace {

constexpr int kObenHoehe = 50;
constexpr int kUntenHoehe = 40;
constexpr int kFeldAbstand = 4;  // between two frames
constexpr int kErsterLinks = 5;

// Place and size of the window in the settings file.
const Fensterposition kPosition(einst::kScheinLeft, einst::kScheinTop, einst::kScheinWidth,
                                einst::kScheinHeight);

Dateiauswahl scheinDialog(const QString& titel, const QString& ordner) {
    return {titel, ordner, QStringLiteral("Spielschein-Datei|*.kv13"), QStringLiteral("kv13")};
}

QLabel* notiz(const QString& text, QWidget* eltern, bool fett = false) {
    auto* l = new QLabel(text, eltern);
    l->setFont(schrift(eltern, 10, fett));
    return l;
}

// The two small pictures of the hint: a scroll bar, and an arrow to the right.
QPixmap hinweisBild(bool pfeil) {
    QPixmap pm(22, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (pfeil) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawPolygon(QPolygonF{{5, 3}, {17, 8}, {5, 13}});
    } else {
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(0.5, 4.5, 21, 7));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(3.5, 5.5, 8, 5));
    }
    return pm;
}

}  // namespace

TFEingabeSys::TFEingabeSys(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FEingabeSys"));
    setWindowTitle(titelMitVersion());

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    Tool1_ = new Fensterleiste(this);
    const Befehlstabelle& befehle = kontext_.befehle();
    Tool1_->knopf("BClose", symbol::beenden(), QStringLiteral("Schließen"), [this] { close(); });
    Tool1_->befehlsknopf("BEingabe", symbol::normalschein(), QStringLiteral("Normalschein"), befehle,
                         "NeuenNormalscheineingeben1");
    Tool1_->werkzeuge(befehle, [this] { updatePruefungZeigen(kontext_); });
    Tool1_->hilfeUndHinweis([this] { kontext_.hilfe(this, kHilfeSystemschein); });
    haupt->addWidget(Tool1_);
    haupt->addWidget(obenBauen());

    Box1_ = new QScrollArea(this);
    Box1_->setObjectName(QStringLiteral("Box1"));
    Box1_->setFrameShape(QFrame::NoFrame);
    Box1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Only a screen lower than the window's designed height needs this one.
    Box1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Box1_->setWidgetResizable(false);
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Box1Inhalt"));
    for (int i = 1; i <= kMaxFelder; ++i) {
        auto* f = new TFfrFeld(schein_.feld(i), inhalt);
        f->move((i - 1) * (TFfrFeld::kBreite + kFeldAbstand) + kErsterLinks, 0);
        felder_[static_cast<std::size_t>(i - 1)] = f;
        connect(f, &TFfrFeld::feldGeaendert, this, &TFEingabeSys::aenderungZeigen);
    }
    inhalt->setFixedSize(kMaxFelder * (TFfrFeld::kBreite + kFeldAbstand) + kErsterLinks - kFeldAbstand + 5,
                         TFfrFeld::kHoehe);
    Box1_->setWidget(inhalt);
    Box1_->horizontalScrollBar()->setSingleStep(TFfrFeld::kBreite + kFeldAbstand);
    haupt->addWidget(Box1_, 1);
    haupt->addWidget(untenBauen());

    // client size: the left of frame 6 + a frame + 10 wide, a frame and the
    // three bars + 25 high; cbAlleClick sets the narrow or wide size on showing
    resize(5 * (TFfrFeld::kBreite + kFeldAbstand) + kErsterLinks + TFfrFeld::kBreite + 10,
           TFfrFeld::kHoehe + kObenHoehe + Fensterleiste::kHoehe + kUntenHoehe + 25);
    sicherungAnmelden();
}

void TFEingabeSys::sicherungAnmelden() {
    Eingabesicherung::Teil t;
    t.name = "Systemschein";
    t.geaendert = [this] { return schein_.geaendert(); };
    t.beschreibung = [] {
        return QStringLiteral(
            "Der Systemschein im Fenster „Neuen Systemschein eingeben“ wurde geändert und "
            "noch nicht gespeichert.");
    };
    t.sichern = [this] { return BSaveClick(); };
    t.entwurf = [this] { return schein_.entwurf(); };
    t.wiederherstellen = [this](std::string_view daten) {
        schein_.entwurfAnwenden(daten);
        alleAnzeigen();
        zeigenUndHeben(this);
    };
    kontext_.eingabesicherung().anmelden(std::move(t));
}

bool TFEingabeSys::verwerfenErlaubt() {
    if (!schein_.geaendert()) return true;
    return kv::ui::verwerfenErlaubt(
        this, QStringLiteral("Der Systemschein wurde geändert und noch nicht gespeichert."),
        [this] { return BSaveClick(); });
}

void TFEingabeSys::aenderungZeigen() {
    LGeaendert_->setVisible(schein_.geaendert());
    kontext_.eingabesicherung().geaendert();
}

TFEingabeSys::~TFEingabeSys() {
    // the frames show fields of schein_, which goes before the child widgets
    delete Box1_;
}

QWidget* TFEingabeSys::obenBauen() {
    auto* POben = new QWidget(this);
    POben->setObjectName(QStringLiteral("POben"));
    POben->setFixedHeight(kObenHoehe);
    auto* l = new QHBoxLayout(POben);
    l->setContentsMargins(6, 4, 6, 4);
    l->setSpacing(8);

    auto* BSave = knopf(QStringLiteral("Spielschein s&peichern"), "BSave", POben);
    auto* BOpen = knopf(QStringLiteral("Spielschein ö&ffnen"), "BOpen", POben);
    BOpen->setIcon(symbol::oeffnen());
    connect(BSave, &QPushButton::clicked, this, &TFEingabeSys::BSaveClick);
    connect(BOpen, &QPushButton::clicked, this, &TFEingabeSys::BOpenClick);
    l->addWidget(BSave);
    l->addWidget(BOpen);

    auto* notizen = new QVBoxLayout;
    notizen->setSpacing(0);
    auto* nurSystem = notiz(
        QStringLiteral("Hier können nur System- und Normalscheine eingegeben und geöffnet werden."), POben);
    nurSystem->setObjectName(QStringLiteral("LNurSystem"));
    nurSystem->setWordWrap(true);
    nurSystem->setFixedWidth(250);
    auto* nurVollstaendig =
        notiz(QStringLiteral("Es werden nur vollständige Tipps gespeichert."), POben, true);
    nurVollstaendig->setObjectName(QStringLiteral("LNurVollstaendig"));
    notizen->addWidget(nurSystem);
    notizen->addWidget(nurVollstaendig);
    l->addLayout(notizen);

    auto* kasten = new QFrame(POben);
    kasten->setObjectName(QStringLiteral("PDatei"));
    kasten->setFrameShape(QFrame::StyledPanel);
    faerben(kasten, Qt::white, Qt::black);
    kasten->setMinimumWidth(150);
    kasten->setMaximumWidth(360);
    auto* k = new QVBoxLayout(kasten);
    k->setContentsMargins(4, 1, 4, 1);
    k->setSpacing(0);
    // what the fields show is not what the file holds: the mark beside the
    // heading, where it takes no room from the file name
    LGeaendert_ = aenderungsmarke(kasten);
    LGeaendert_->setFont(schrift(kasten, 10, true));
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(6);
    zeile->addWidget(notiz(QStringLiteral("Datei"), kasten));
    zeile->addWidget(LGeaendert_);
    zeile->addStretch(1);
    k->addLayout(zeile);
    // a long file name wraps onto a second line rather than being cut
    LDatei_ = new Passlabel(Passlabel::Art::Datei, kasten, 2);
    LDatei_->setObjectName(QStringLiteral("LDatei"));
    LDatei_->setFont(schrift(kasten, 12, true));
    k->addWidget(LDatei_);
    l->addWidget(kasten, 1);
    l->addStretch(0);

    auto* BDel = knopf(QStringLiteral("Alle Angaben löschen"), "BDel", POben);
    BDel->setIcon(symbol::loeschen());
    connect(BDel, &QPushButton::clicked, this, &TFEingabeSys::BDelClick);
    l->addWidget(BDel);
    return POben;
}

QWidget* TFEingabeSys::untenBauen() {
    auto* PUnten = new QWidget(this);
    PUnten->setObjectName(QStringLiteral("PUnten"));
    PUnten->setFixedHeight(kUntenHoehe);
    auto* l = new QHBoxLayout(PUnten);
    l->setContentsMargins(6, 4, 6, 4);
    l->setSpacing(12);

    cbAlle_ = new QCheckBox(QStringLiteral("Alle Spielfelder anzeigen"), PUnten);
    cbAlle_->setObjectName(QStringLiteral("cbAlle"));
    connect(cbAlle_, &QCheckBox::clicked, this, &TFEingabeSys::cbAlleClick);
    l->addWidget(cbAlle_);

    Panel1_ = new QWidget(PUnten);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* h = new QHBoxLayout(Panel1_);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    for (bool pfeil : {false, true}) {
        auto* bild = new QLabel(Panel1_);
        bild->setPixmap(hinweisBild(pfeil));
        h->addWidget(bild);
    }
    auto* text = new QLabel(QStringLiteral("Um die Spielfelder  7 - 12 anzusprechen, nutzen Sie bitte den "
                                           "Scrollbalken oder klicken Sie rechts. "),
                            Panel1_);
    text->setObjectName(QStringLiteral("LHinweis"));
    text->setFont(schrift(Panel1_, 11, false));
    h->addWidget(text);
    l->addWidget(Panel1_);
    // what the last save wrote and what it left out
    LStatus_ = new QLabel(PUnten);
    LStatus_->setObjectName(QStringLiteral("LStatus"));
    LStatus_->setTextFormat(Qt::PlainText);
    LStatus_->setWordWrap(true);
    LStatus_->setFont(schrift(PUnten, 10, false));
    l->addWidget(LStatus_, 1);

    auto* schliessen = knopf(QStringLiteral("Sch&ließen"), "bsSkinSpeedButton3", PUnten);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    l->addWidget(schliessen);
    return PUnten;
}

void TFEingabeSys::alleAnzeigen() {
    for (TFfrFeld* f : felder_) f->anzeigen();
    LDateiZeigen();
    aenderungZeigen();
}

void TFEingabeSys::LDateiZeigen() {
    LDatei_->setText(QString::fromStdString(schein_.LDatei()));
}

bool TFEingabeSys::BSaveClick() {
    const SystemscheinPruefung p = schein_.speicherPruefung();
    if (p.fehlerFeld != 0) {
        dialoge().information(this, QString::fromStdString(p.meldung));
        return false;
    }
    // a slip without a field would replace a good file by an empty one
    if (p.felder.empty()) {
        dialoge().information(this, QString::fromStdString(meldungKeinFeldVollstaendig()));
        return false;
    }
    // the slip's own file is proposed, the one it was opened from or saved to
    Dateiauswahl auswahl = scheinDialog(QStringLiteral("Spielschein speichern"), kontext_.datenordner());
    auswahl.vorauswahl = QString::fromStdString(schein_.datei());
    const QString fn = dialoge().dateiSpeichern(this, auswahl);
    if (fn.isEmpty()) return false;
    try {
        schein_.speichern(fn.toStdString());
    } catch (const std::exception& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return false;
    }
    LDateiZeigen();
    LStatus_->setText(QString::fromStdString(speicherBericht(p, dateiName(fn.toStdString()))));
    aenderungZeigen();
    kontext_.zustand().scheinGeschrieben(fn.toStdString());
    return true;
}

void TFEingabeSys::BDelClick() {
    if (verwerfenErlaubt()) NeuerSchein();
}

void TFEingabeSys::BOpenClick() {
    if (!verwerfenErlaubt()) return;
    const QStringList wahl = dialoge().dateienOeffnen(
        this, scheinDialog(QStringLiteral("Spielschein-Datei einlesen"), kontext_.datenordner()), false);
    if (wahl.isEmpty()) return;
    const QString fn = wahl.first();
    // The whole file is read and checked first: a file that is refused or
    // cannot be read leaves the fields as they were.
    Systemscheinlesung lesung;
    try {
        lesung = systemscheinLesen(fn.toStdString());
    } catch (const std::exception& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return;
    }
    if (lesung.abgelehnt()) {
        dialoge().information(this, QString::fromStdString(lesung.meldung));
        return;
    }
    schein_.oeffnen(fn.toStdString(), lesung);
    LStatus_->clear();
    alleAnzeigen();
}

void TFEingabeSys::NeuerSchein() {
    schein_.NeuerSchein();
    LStatus_->clear();
    alleAnzeigen();
}

void TFEingabeSys::cbAlleClick() {
    const bool alle = cbAlle_->isChecked();
    Panel1_->setVisible(!alle);
    groesseSetzen(alle ? kBreit : kSchmal);
}

void TFEingabeSys::groesseSetzen(QSize soll) {
    // A screen narrower than the wide window keeps the scroll bar: the window
    // then keeps the narrow window's height, which has room for it.
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect rahmen = Fensterposition::rahmen(this);
    const int rand = rahmen.width() - width();
    if (s && soll.width() + rand > s->availableGeometry().width())
        soll.setHeight(std::max(soll.height(), kSchmal.height()));
    Fensterposition::platzieren(this, rahmen.topLeft(), soll);
}

void TFEingabeSys::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TFEingabeSys::FormShow() {
    QPoint pos(einst::kScheinLeft.vorgabe, einst::kScheinTop.vorgabe);
    QSize groesse;
    bool alle = einst::kTippfelderAlle.vorgabe;
    try {
        const Einstellungen e(kontext_.einstellungsdatei().toStdString());
        if (e.existiert()) {
            pos = kPosition.lesen(e);
            groesse = kPosition.groesse(e);
            alle = e.lese(einst::kTippfelderAlle);
        }
    } catch (const std::exception&) {
        // an unreadable settings file leaves the window as at the first start
    }
    cbAlle_->setChecked(alle);
    cbAlleClick();
    // values below -9999 count as missing; a size the user gave the window stays
    const int x = pos.x() < -9999 ? 0 : pos.x();
    const int y = pos.y() < -9999 ? 200 : pos.y();
    Fensterposition::platzieren(this, QPoint(x, y), groesse);
}

void TFEingabeSys::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
}

void TFEingabeSys::FormCloseQuery() {
    try {
        Einstellungen e(kontext_.einstellungsdatei().toStdString());
        e.schreibe(einst::kTippfelderAlle, cbAlle_->isChecked());
        kPosition.schreiben(e, this);
        e.speichern();
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
}

Befehl systemscheinBefehl(Programmkontext& kontext) {
    // made at start-up, hidden; the command only shows it
    auto* fenster = new TFEingabeSys(kontext, kontext.hauptfenster());
    fenster->hide();
    Befehl b;
    b.name = "NeuenSystemscheineingeben1";
    b.text = QStringLiteral("Neuen Systemschein eingeben...");
    b.symbol = symbol::systemschein();
    b.menues = {Menueplatz::DateiSystemschein};
    b.leiste = Leistenplatz::Systemschein;
    b.knopf = "BSys";
    b.leistentext = QStringLiteral("Systemschein");
    b.ausfuehren = [fenster] { zeigenUndHeben(fenster); };
    return b;
}

}  // namespace kv::ui
