#include "entry/TFEingabe.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "chancen/Chancenzeile.h"
#include "common/Bauteile.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Fensterleiste.h"
#include "common/Passlabel.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "common/Zahlkasten.h"
#include "common/Zustandsmelder.h"
#include "entry/Garantiereduzierung.h"
#include "entry/Spielplanmodell.h"
#include "entry/Zeilenliste.h"
#include "help/Hilfe.h"
#include "update/TFNeu.h"

namespace kv::ui {

namespace {

QToolButton* hilfeKnopf(const char* name, QWidget* eltern, std::function<void()> f) {
    QToolButton* b = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe"), name, eltern, 18);
    QObject::connect(b, &QToolButton::clicked, eltern, std::move(f));
    return b;
}

// The area under the tool bar: it lays out the three panels whenever its size changes.
class Panelflaeche : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void()> legen;

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (legen) legen();
    }
};

QLabel* zahl(const char* name, QWidget* eltern) {
    QLabel* l = label(QString(), name, eltern);
    l->setFixedWidth(22);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(schrift(eltern, 12, true));
    return l;
}

}  // namespace

TFEingabe::TFEingabe(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FEingabe"));
    setWindowTitle(titelMitVersion());

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    Tool1_ = new Fensterleiste(this);
    const Befehlstabelle& befehle = kontext_.befehle();
    Tool1_->knopf("BClose", symbol::beenden(), QStringLiteral("Schließen"), [this] { close(); });
    Tool1_->befehlsknopf("BSys", symbol::systemschein(), QStringLiteral("Systemschein"), befehle,
                         "NeuenSystemscheineingeben1");
    Tool1_->werkzeuge(befehle, [this] { updatePruefungZeigen(kontext_); });
    // the narrow window has room for the icons only; the captions are their tool tips
    for (QToolButton* b : Tool1_->findChildren<QToolButton*>()) b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Tool1_->hilfeUndHinweis([this] { hilfe(kHilfeSpielplan); });
    PCSV_ = csvHinweisBauen();
    Tool1_->rechtsEinfuegen(PCSV_);
    haupt->addWidget(Tool1_);

    // The three panels lie side by side at fixed widths; a narrow window
    // shows only the left one (panelsLegen).
    auto* flaeche = new Panelflaeche(this);
    flaeche->legen = [this] { panelsLegen(); };
    flaeche_ = flaeche;
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    links_ = linksBauen(flaeche_);
    mitte_ = mitteBauen(flaeche_);
    rechts_ = rechtsBauen(flaeche_);
    haupt->addWidget(flaeche_, 1);

    connect(&kontext_.melder(), &Zustandsmelder::begegnungenGeaendert, this,
            &TFEingabe::begegnungenGeaendert);
    sicherungAnmelden();

    setMinimumSize(kSchmal, 360);
    resize(kSchmal, kHoehe);
}

TFEingabe::~TFEingabe() {
    // The panels show eingabe_ and raster_, which go before the child widgets:
    // the panels go first (hiding a view still asks its model).
    delete flaeche_;
}

void TFEingabe::hilfe(int kontext) {
    kontext_.hilfe(this, kontext);
}

QWidget* TFEingabe::csvHinweisBauen() {
    auto* p = new QFrame(Tool1_);
    p->setObjectName(QStringLiteral("PCSV"));
    p->setFrameShape(QFrame::StyledPanel);
    auto* l = new QHBoxLayout(p);
    l->setContentsMargins(6, 0, 2, 0);
    l->setSpacing(4);
    QLabel* text = label(QStringLiteral("Die Tippreihen können als Text-Datei gespeichert und für den "
                                        "CSV-Upload beim Lotterieanbieter genutzt werden."),
                         "LCSV", p, true);
    text->setFont(schrift(p, 10, false));
    text->setFixedWidth(330);
    l->addWidget(text);
    l->addWidget(hilfeKnopf("bsSkinSpeedButton4", p, [this] { hilfe(kHilfeCsvUpload); }));
    p->hide();
    return p;
}

QWidget* TFEingabe::linksBauen(QWidget* eltern) {
    auto* p = new QWidget(eltern);
    p->setObjectName(QStringLiteral("PLinks"));
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(4);

    PC1_ = new QTabWidget(p);
    PC1_->setObjectName(QStringLiteral("PC1"));
    Tab1_ = rohdatenBauen();
    Tab2_ = spielplanBauen();
    PC1_->addTab(Tab1_, QStringLiteral("Rohdaten einfügen"));
    PC1_->addTab(Tab2_, QStringLiteral("Aufbereiteter Spielplan"));
    PC1_->setCurrentWidget(Tab1_);
    l->addWidget(PC1_, 1);

    auto* GrTipp = new QGroupBox(QStringLiteral("Tipp-Vorschlag"), p);
    GrTipp->setObjectName(QStringLiteral("GrTipp"));
    auto* g = new QHBoxLayout(GrTipp);
    g->setContentsMargins(6, 2, 6, 4);
    QLabel* notiz =
        label(QStringLiteral("Nach Maßgabe der Tendenzen kann ein Tippvorschlag erstellt werden."),
              "LTippNotiz", GrTipp, true);
    g->addWidget(notiz, 1);
    BVorschlag_ = knopf(QStringLiteral("Tipp vor- schlagen"), "BVorschlag", GrTipp);
    BSave2_ = knopf(QStringLiteral("Vorschlag als Spielschein"), "BSave2", GrTipp);
    for (QPushButton* b : {BVorschlag_, BSave2_}) {
        b->setEnabled(false);
        b->setMinimumHeight(40);
        g->addWidget(b);
    }
    g->addWidget(hilfeKnopf("BInfo", GrTipp, [this] { hilfe(kHilfeVorschlag); }));
    l->addWidget(GrTipp);
    // what the last import read and skipped
    LStatus_ = label(QString(), "LStatus", p, true);
    LStatus_->setTextFormat(Qt::PlainText);
    LStatus_->setFont(schrift(p, 10, false));
    l->addWidget(LStatus_);
    connect(BVorschlag_, &QPushButton::clicked, this, &TFEingabe::BVorschlagClick);
    connect(BSave2_, &QPushButton::clicked, this, &TFEingabe::BSave2Click);
    return p;
}

QWidget* TFEingabe::rohdatenBauen() {
    auto* t = new QWidget;
    t->setObjectName(QStringLiteral("Tab1"));
    auto* l = new QVBoxLayout(t);
    l->setContentsMargins(6, 6, 6, 6);
    l->setSpacing(4);

    l->addWidget(label(QStringLiteral("Internetquelle für Spielbegegnungen:"), "LUrl", t));
    auto* url = new QHBoxLayout;
    EUrl_ = new QLineEdit(QString::fromUtf8(kSpielplanQuelle), t);
    EUrl_->setObjectName(QStringLiteral("EUrl"));
    url->addWidget(EUrl_, 1);
    QPushButton* quelle = knopf(QStringLiteral("Quelle aufrufen"), "bsSkinSpeedButton7", t);
    quelle->setIcon(symbol::webseite());
    url->addWidget(quelle);
    QToolButton* BSaveUrl =
        bildknopf(symbol::speichern(), QStringLiteral("Adresse speichern"), "BSaveUrl", t, 16);
    url->addWidget(BSaveUrl);
    l->addLayout(url);

    auto* lesen = new QHBoxLayout;
    BAuslesen_ = knopf(QStringLiteral("Daten auslesen"), "BAuslesen", t);
    BAuslesen_->setIcon(symbol::auslesen());
    BAuslesen_->setIconSize(QSize(24, 24));
    BAuslesen_->setMinimumHeight(34);
    lesen->addWidget(BAuslesen_);
    QLabel* anleitung =
        label(QStringLiteral("Markieren Sie auf der Internetseite die Tabelle mit den "
                             "Spielpaarungen, kopieren Sie sie, fügen Sie sie in das Textfeld "
                             "ein und klicken Sie dann auf „Daten auslesen“."),
              "LAnleitung", t, true);
    anleitung->setFont(schrift(t, 10, false));
    lesen->addWidget(anleitung, 1);
    lesen->addWidget(hilfeKnopf("BInfo4", t, [this] { hilfe(kHilfeSpielplan); }));
    QToolButton* leeren =
        bildknopf(symbol::loeschen(), QStringLiteral("Textfeld leeren"), "bsSkinSpeedButton3", t, 16);
    lesen->addWidget(leeren);
    l->addLayout(lesen);

    M1_ = new QPlainTextEdit(t);
    M1_->setObjectName(QStringLiteral("M1"));
    M1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    M1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l->addWidget(M1_, 1);

    connect(quelle, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton7Click);
    connect(BSaveUrl, &QToolButton::clicked, this, &TFEingabe::BSaveUrlClick);
    connect(BAuslesen_, &QPushButton::clicked, this, &TFEingabe::BAuslesenClick);
    connect(leeren, &QToolButton::clicked, this, &TFEingabe::bsSkinSpeedButton3Click);
    connect(EUrl_, &QLineEdit::textChanged, this, [this] {
        if (!urlWirdGesetzt_) UrlGeaendert_ = true;  // EUrlChange
    });
    return t;
}

QWidget* TFEingabe::spielplanBauen() {
    auto* t = new QWidget;
    t->setObjectName(QStringLiteral("Tab2"));
    auto* l = new QVBoxLayout(t);
    l->setContentsMargins(6, 6, 6, 6);
    l->setSpacing(6);

    auto* oben = new QHBoxLayout;
    QPushButton* BOpen = knopf(QStringLiteral("Spielplan öffnen"), "BOpen", t);
    BOpen->setIcon(symbol::oeffnen());
    QPushButton* BSave = knopf(QStringLiteral("Begegnungen speichern..."), "BSave", t);
    BSave->setIcon(symbol::speichern());
    oben->addWidget(BOpen);
    oben->addWidget(BSave);
    auto* kasten = new QFrame(t);
    kasten->setObjectName(QStringLiteral("PDatei"));
    kasten->setFrameShape(QFrame::StyledPanel);
    faerben(kasten, Qt::white, Qt::black);
    auto* k = new QVBoxLayout(kasten);
    k->setContentsMargins(4, 1, 4, 1);
    k->setSpacing(0);
    QLabel* kopf = label(QStringLiteral("Datei"), "", kasten);
    kopf->setFont(schrift(kasten, 10, false));
    // the grid shows what the file does not hold: the mark beside the heading,
    // where it takes no room from the file name
    LGeaendert_ = aenderungsmarke(kasten);
    LGeaendert_->setFont(schrift(kasten, 10, true));
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(6);
    zeile->addWidget(kopf);
    zeile->addWidget(LGeaendert_);
    zeile->addStretch(1);
    k->addLayout(zeile);
    // a long file name wraps onto a second line rather than being cut
    LDatei_ = new Passlabel(Passlabel::Art::Datei, kasten, 2);
    LDatei_->setObjectName(QStringLiteral("LDatei"));
    LDatei_->setFont(schrift(kasten, 12, true));
    k->addWidget(LDatei_);
    oben->addWidget(kasten, 1);
    l->addLayout(oben);

    G1Modell_ = new Spielplanmodell(raster_, this);
    G1_ = new Spielplanansicht(G1Modell_, t);
    l->addWidget(G1_, 1);
    connect(G1Modell_, &QAbstractItemModel::dataChanged, this, &TFEingabe::aenderungZeigen);
    connect(G1Modell_, &QAbstractItemModel::modelReset, this, &TFEingabe::aenderungZeigen);

    connect(BOpen, &QPushButton::clicked, this, &TFEingabe::BOpenClick);
    connect(BSave, &QPushButton::clicked, this, &TFEingabe::BSaveClick);
    return t;
}

QWidget* TFEingabe::mitteBauen(QWidget* eltern) {
    auto* PFeld = new QWidget(eltern);
    PFeld->setObjectName(QStringLiteral("PFeld"));
    Vorschlag_ = new TFfrFeld2(eingabe_.vorschlagsfeld(), PFeld);
    Vorschlag_->setObjectName(QStringLiteral("Vorschlag"));
    // the frame takes the field's hook: every cross set or removed expands the rows anew
    Vorschlag_->setzeNachVerwertung([this] {
        eingabe_.TippTransfer();
        vorschlagGeaendert();
    });
    Vorschlag_->move(10, 5);

    constexpr int kGruppeX = 10 + TFfrFeld2::kBreite + 8;
    auto* spalte = new QWidget(PFeld);
    spalte->setObjectName(QStringLiteral("PEinstellungen"));
    spalte->setGeometry(kGruppeX, 0, kMitte - kGruppeX - 4, 410);
    auto* s = new QVBoxLayout(spalte);
    s->setContentsMargins(0, 2, 0, 0);
    s->setSpacing(6);

    const auto zeile = [this](QGridLayout* g, int n, int reihe, const QString& text, QWidget* gruppe,
                              const char* upName, const char* lName) {
        QLabel* l = label(text, "", gruppe, true);
        l->setFont(schrift(gruppe, 11, false));
        g->addWidget(l, reihe, 0, 1, 3);
        auto* up = new UpDown(gruppe);
        up->setObjectName(QLatin1String(upName));
        up->setzeHinweise(QStringLiteral("kleiner"), QStringLiteral("größer"));
        QLabel* z = zahl(lName, gruppe);
        g->addWidget(up, reihe + 1, 0);
        g->addWidget(z, reihe + 1, 1);
        ups_[static_cast<std::size_t>(n - 1)] = up;
        upLabels_[static_cast<std::size_t>(n - 1)] = z;
        connect(up, &UpDown::geaendert, z, [z](int wert) { z->setText(QString::number(wert)); });
    };

    auto* Gr1 = new QGroupBox(QStringLiteral("Einstellungen bezogen auf Tendenz"), spalte);
    Gr1->setObjectName(QStringLiteral("Gr1"));
    auto* g1 = new QGridLayout(Gr1);
    g1->setContentsMargins(6, 4, 6, 4);
    g1->setVerticalSpacing(1);
    const char* tipp[] = {"1", "0", "2"};
    const char* upNamen[] = {"Up1", "up2", "up3"};
    const char* lNamen[] = {"l1", "l2", "l3"};
    const char* cbNamen[] = {"cb1", "cb2", "cb3"};
    for (int i = 0; i < 3; ++i) {
        zeile(g1, i + 1, i * 2,
              QStringLiteral("Tippe %1, wenn Tendenz für %1 größer:").arg(QLatin1String(tipp[i])), Gr1,
              upNamen[i], lNamen[i]);
        auto* nur = new QCheckBox(QStringLiteral("nur"), Gr1);
        nur->setObjectName(QLatin1String(cbNamen[i]));
        nur->setToolTip(QStringLiteral("nur diesen Tipp setzen, wenn die Tendenz die Schwelle übersteigt"));
        g1->addWidget(nur, i * 2 + 1, 2, Qt::AlignLeft);
        nur_[static_cast<std::size_t>(i)] = nur;
        ups_[static_cast<std::size_t>(i)]->setzeBereich(kSchwellen[static_cast<std::size_t>(i)].minimum,
                                                        kSchwellen[static_cast<std::size_t>(i)].maximum);
    }
    auto* aktual = new QHBoxLayout;
    QPushButton* BAktual = knopf(QStringLiteral("Aktualisieren"), "BAktual", Gr1);
    aktual->addWidget(BAktual);
    aktual->addStretch(1);
    // Opens the odds filter with a copy of the suggestion field. The original
    // layout hid this button, which left the odds filter out of reach; it is
    // shown, and usable while the suggestion has a cross to copy.
    quoten_ = new QToolButton(Gr1);
    quoten_->setObjectName(QStringLiteral("bsSkinSpeedButton5"));
    quoten_->setText(QStringLiteral("Quotenfilter..."));
    quoten_->setIcon(symbol::quotenfilter());
    quoten_->setIconSize(QSize(16, 16));
    quoten_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    quoten_->setToolTip(QStringLiteral("Die Reihen des Vorschlags nach ihrer Quote filtern"));
    connect(quoten_, &QToolButton::clicked, this, &TFEingabe::quotenFilterClick);
    aktual->addWidget(quoten_);
    aktual->addWidget(hilfeKnopf("BInfo3", Gr1, [this] { hilfe(kHilfeVorschlag); }));
    g1->addLayout(aktual, 6, 0, 1, 3);
    s->addWidget(Gr1);
    connect(BAktual, &QPushButton::clicked, this, &TFEingabe::BAktualClick);

    auto* Gr2 = new QGroupBox(QStringLiteral("Filter für Tippreihenreduzierung   "), spalte);
    Gr2->setObjectName(QStringLiteral("Gr2"));
    auto* g2 = new QGridLayout(Gr2);
    g2->setContentsMargins(6, 4, 6, 4);
    g2->setVerticalSpacing(1);
    const char* filterNamen[] = {"Up4", "Up5", "Up6"};
    const char* filterLabels[] = {"L4", "L5", "L6"};
    for (int i = 0; i < 3; ++i) {
        zeile(g2, i + 4, i * 2, QStringLiteral("Nicht mehr %1er/Reihe als:").arg(QLatin1String(tipp[i])), Gr2,
              filterNamen[i], filterLabels[i]);
        ups_[static_cast<std::size_t>(i + 3)]->setzeBereich(
            kFiltergrenzen[static_cast<std::size_t>(i)].minimum,
            kFiltergrenzen[static_cast<std::size_t>(i)].maximum);
    }
    cbFilter_ = new QCheckBox(QStringLiteral("Filter anwenden"), Gr2);
    cbFilter_->setObjectName(QStringLiteral("cbFilter"));
    g2->addWidget(cbFilter_, 6, 0, 1, 3);
    auto* filter = new QHBoxLayout;
    QPushButton* BFilter = knopf(QStringLiteral("Aktualisieren"), "BFilter", Gr2);
    filter->addWidget(BFilter);
    filter->addStretch(1);
    filter->addWidget(hilfeKnopf("BInfo2", Gr2, [this] { hilfe(kHilfeFilter); }));
    g2->addLayout(filter, 7, 0, 1, 3);
    s->addWidget(Gr2);
    connect(BFilter, &QPushButton::clicked, this, &TFEingabe::BFilterClick);
    connect(cbFilter_, &QCheckBox::clicked, this, &TFEingabe::cbFilterClick);
    s->addStretch(1);

    einstellungenZeigen(einstellungen_);
    vorschlagGeaendert();
    return PFeld;
}

void TFEingabe::vorschlagGeaendert() {
    quoten_->setEnabled(!eingabe_.vorschlagsfeld().leer());
}

QWidget* TFEingabe::rechtsBauen(QWidget* eltern) {
    auto* p = new QWidget(eltern);
    p->setObjectName(QStringLiteral("PRechts"));
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(2, 6, 2, 6);
    l->setSpacing(4);

    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(label(QStringLiteral("Anzahl Tippreihen:"), "LAnzTitel", p));
    LAnz_ = new Zahlkasten(p);  // never cut, however many rows
    LAnz_->setObjectName(QStringLiteral("LAnz"));
    LAnz_->setFont(schrift(p, 12, true));
    anzahl->addWidget(LAnz_, 1);
    // the lines hold edits that no file holds
    LListeGeaendert_ = aenderungsmarke(p);
    LListeGeaendert_->setObjectName(QStringLiteral("LListeGeaendert"));
    anzahl->addWidget(LListeGeaendert_);
    l->addLayout(anzahl);
    // how likely each prize class is with the listed rows, and what they cost
    chancen_ = new Chancenzeile(kontext_, p);
    l->addWidget(chancen_);

    POben_ = new QFrame(p);
    POben_->setObjectName(QStringLiteral("POben"));
    auto* o = new QHBoxLayout(POben_);
    o->setContentsMargins(0, 0, 0, 0);
    o->setSpacing(3);
    QLabel* titel = label(QStringLiteral("Zufalls-Redu- zierung auf:"), "LZufall", POben_);
    titel->setFont(schrift(p, 10, false));
    o->addWidget(titel);
    upZ_ = new UpDown(POben_, 1, 100);
    upZ_->setObjectName(QStringLiteral("upZ"));
    upZ_->setzeHinweise(QStringLiteral("weniger Reihen"), QStringLiteral("mehr Reihen"));
    o->addWidget(upZ_);
    LReduz_ = zahl("LReduz", POben_);
    LReduz_->setFixedWidth(40);
    o->addWidget(LReduz_);
    QToolButton* BZufall = bildknopf(
        symbol::zufall(), QStringLiteral("Zufällig auf so viele Reihen reduzieren"), "BZufall", POben_, 22);
    o->addWidget(BZufall);
    o->addStretch(1);
    POben_->hide();
    l->addWidget(POben_);
    // beside the random reduction: the smallest rows of the suggestion that
    // still guarantee 12 or 11 hits
    garantie_ = new Garantiereduzierung(eingabe_, p);
    // it replaces the list: only while the list shows its rows unedited
    garantie_->setzeVorpruefung([this] { return listeUnveraendert(); });
    l->addWidget(garantie_);

    M2_ = new Zeilenliste(p);
    l->addWidget(M2_, 1);

    auto* unten = new QHBoxLayout;
    QPushButton* alsSchein = knopf(QStringLiteral("Als Spiel- schein"), "bsSkinSpeedButton1", p);
    QPushButton* alsText = knopf(QStringLiteral("Als Text- Datei"), "bsSkinSpeedButton2", p);
    for (QPushButton* b : {alsSchein, alsText}) {
        b->setIcon(symbol::speichern());
        b->setMinimumHeight(40);
        unten->addWidget(b);
    }
    l->addLayout(unten);

    connect(upZ_, &UpDown::geaendert, LReduz_, [this](int wert) { LReduz_->setText(QString::number(wert)); });
    // upZUpButtonClick: an arrow remembers the size as Reduz
    for (QToolButton* pfeil : {upZ_->knopfRunter(), upZ_->knopfHoch()})
        connect(pfeil, &QToolButton::clicked, this, [this] { einstellungen_.Reduz = upZ_->position(); });
    connect(BZufall, &QToolButton::clicked, this, &TFEingabe::BZufallClick);
    connect(garantie_, &Garantiereduzierung::reduziert, this, &TFEingabe::garantieReduziert);
    connect(M2_, &Zeilenliste::geaendert, this, &TFEingabe::M2Change);
    connect(alsSchein, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton1Click);
    connect(alsText, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton2Click);
    upZ_->setzePosition(1);
    return p;
}

void TFEingabe::einstellungenZeigen(const Eingabeeinstellungen& w) {
    for (std::size_t i = 0; i < 3; ++i) {
        ups_[i]->setzePosition(w.vorschlag.schwelle[i]);
        nur_[i]->setChecked(w.vorschlag.nur[i]);
        ups_[i + 3]->setzePosition(w.filter.hoechstens[i]);
    }
    einstellungen_ = w;
    // ticking the box lists the rows anew, as a click on it does; a box
    // ticked already stays as it is, and so does the list
    const bool anHaken = w.filter.an && !cbFilter_->isChecked();
    cbFilter_->setChecked(w.filter.an);
    if (anHaken && M2_) cbFilterClick();
}

Eingabeeinstellungen TFEingabe::einstellungen() const {
    Eingabeeinstellungen w = einstellungen_;
    for (std::size_t i = 0; i < 3; ++i) {
        w.vorschlag.schwelle[i] = ups_[i]->position();
        w.vorschlag.nur[i] = nur_[i]->isChecked();
        w.filter.hoechstens[i] = ups_[i + 3]->position();
    }
    w.filter.an = cbFilter_->isChecked();
    return w;
}

void TFEingabe::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // FormResize: the CSV note only while the window is wide enough for it
    PCSV_->setVisible(width() > kCsvAb);
}

void TFEingabe::panelsLegen() {
    if (!links_ || !mitte_ || !rechts_) return;
    const int h = flaeche_->height();
    links_->setGeometry(0, 0, kSchmal, h);
    mitte_->setGeometry(kSchmal, 0, kMitte, h);
    const int x = kSchmal + kMitte;
    rechts_->setGeometry(x, 0, std::max(kBreit - x, flaeche_->width() - x), h);
}

Befehl normalscheinBefehl(Programmkontext& kontext) {
    // made at start-up, hidden; the command only shows it
    auto* fenster = new TFEingabe(kontext, kontext.hauptfenster());
    fenster->hide();
    Befehl b;
    b.name = "NeuenNormalscheineingeben1";
    b.text = QStringLiteral("Neuen Normalschein eingeben...");
    b.symbol = symbol::normalschein();
    b.menues = {Menueplatz::DateiNormalschein};
    b.leiste = Leistenplatz::Normalschein;
    b.knopf = "BEingabe";
    b.leistentext = QStringLiteral("Normalschein");
    b.ausfuehren = [fenster] { zeigenUndHeben(fenster); };
    return b;
}

}  // namespace kv::ui
