#include "entry/TFQuotenFilter.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Bauteile.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "common/Sanduhr.h"
#include "common/Symbole.h"
#include "entry/TFEingabe.h"
#include "help/Hilfe.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

namespace {

const Fensterposition kPosition(einst::kQuotenFilterLeft, einst::kQuotenFilterTop, einst::kQuotenFilterWidth,
                                einst::kQuotenFilterHeight);

constexpr int kNummerBreite = 70;
constexpr int kTippBreiteG1 = 24;
constexpr int kQuoteBreite = 30;
constexpr int kTippBreiteG0 = 20;
constexpr int kFaktorBreite = 70;
constexpr int kSummeBreite = 60;
constexpr int kVerteilungZeilen = 4;
constexpr int kVerteilungSpalten = 2;
constexpr int kVerteilungBreite = 60;

QStringList spieleKopf(const QString& erste) {
    QStringList k{erste};
    for (int m = 1; m <= kSpiele; ++m) k << QString::number(m);
    return k;
}

std::vector<int> breiten(int erste, int tipp, std::initializer_list<int> rest) {
    std::vector<int> b{erste};
    b.insert(b.end(), kSpiele, tipp);
    b.insert(b.end(), rest);
    return b;
}

// A grid of empty white cells.
class LeeresGitter : public KopfModell {
  public:
    LeeresGitter(int zeilen, int spalten, QObject* eltern)
        : KopfModell(eltern), zeilen_(zeilen), spalten_(spalten) {}
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : zeilen_; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : spalten_; }
    QVariant data(const QModelIndex& i, int role) const override {
        return i.isValid() && role != Qt::DisplayRole ? weisseZelle(role) : QVariant();
    }

  private:
    int zeilen_, spalten_;
};

}  // namespace

// `g1`: the listed rows of the filter, read from its row list when a row is
// drawn; neither this source nor the grid keeps anything per row.
class QuotenReihenQuelle : public Zeilenquelle {
  public:
    explicit QuotenReihenQuelle(const Quotenfilter& filter) : filter_(filter) {}
    std::uint64_t zeilenAnzahl() const override { return filter_.reihen().size(); }
    QVariant daten(std::uint64_t zeile, int spalte, int rolle) const override {
        if (rolle == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (rolle != Qt::DisplayRole) return {};
        if (spalte == 0) return QString::number(zeile + 1);
        if (spalte == kSpiele + 1) return QString::number(filter_.quote(zeile));
        const Reihe r = filter_.reihen()[static_cast<std::size_t>(zeile)];
        for (int c = 1; c <= 3; ++c)
            if (r & kreuzBit(kreuzIndex(spalte, c))) return QString(QLatin1Char(zeichenVonSpalte(c)));
        return QString();
    }

  private:
    const Quotenfilter& filter_;
};

// `G0`: the captions "Min-Quote" and "Max-Quote" and, once the overview
// button was pressed, the largest and smallest value of every match with
// their product and sum.
class QuotenUebersichtModell : public KopfModell {
  public:
    QuotenUebersichtModell(const Quotenfilter& filter, QObject* eltern)
        : KopfModell(eltern), filter_(filter) {}
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 2; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : kSpiele + 3; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid()) return {};
        const bool gross = i.row() == 0;
        if (i.column() == 0) {
            if (role == Qt::DisplayRole) return QString::fromLatin1(gross ? kMinQuote : kMaxQuote);
            if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
            if (role == Qt::BackgroundRole) return farbe::tipps;
            return {};
        }
        if (role != Qt::DisplayRole) return weisseZelle(role);
        const auto& u = filter_.uebersicht();
        if (!u) return QString();
        const int c = i.column();
        if (c <= kSpiele)
            return QString::number((gross ? u->groesste : u->kleinste)[static_cast<std::size_t>(c - 1)]);
        if (c == kSpiele + 1) return QString::number(gross ? u->faktorGroesste : u->faktorKleinste);
        return QString::number(gross ? u->summeGroesste : u->summeKleinste);
    }
    void neu() { Q_EMIT dataChanged(index(0, 0), index(1, kSpiele + 2)); }

  private:
    const Quotenfilter& filter_;
};

TFQuotenFilter::TFQuotenFilter(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FQuotenFilter"));
    setWindowTitle(QStringLiteral("FQuotenFilter"));

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    // The bar across the top is empty in the window's original layout; it
    // says here, deliberately, what a Quote is, which the window shows
    // nowhere else.
    auto* oben = new QLabel(
        QStringLiteral("  Quote einer Tippreihe: die Summe der Tendenzpunkte ihrer 13 Tipps. Gelistet werden "
                       "die Reihen des Feldes, deren Quote zwischen den beiden Grenzen liegt."),
        this);
    oben->setObjectName(QStringLiteral("POben"));
    oben->setFixedHeight(26);
    oben->setFont(schrift(this, 11, false));
    faerben(oben, farbe::tipps, Qt::black);
    haupt->addWidget(oben);

    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(0, 0, 8, 4);
    mitte->setSpacing(10);
    auto* PFeld = new QWidget(this);
    PFeld->setObjectName(QStringLiteral("PFeld"));
    PFeld->setFixedSize(Einzelfeldrahmen::kBreite + 14, Einzelfeldrahmen::kHoehe + 10);
    Feld_ = new TFfrFeld3(filter_.feld(), PFeld);
    Feld_->move(10, 5);
    mitte->addWidget(PFeld, 0, Qt::AlignTop);

    auto* rechts = new QVBoxLayout;
    rechts->setContentsMargins(0, 6, 0, 0);
    rechts->setSpacing(6);
    rechts->addWidget(grenzenBauen());

    auto* zeileG0 = new QHBoxLayout;
    auto* bsSkinSpeedButton3 =
        bildknopf(symbol::rechner(), QStringLiteral("Höchste und niedrigste Quote berechnen"),
                  "bsSkinSpeedButton3", this);
    connect(bsSkinSpeedButton3, &QToolButton::clicked, this, &TFQuotenFilter::UebersichtClick);
    zeileG0->addWidget(bsSkinSpeedButton3, 0, Qt::AlignTop);
    G0_ = new Gitter(this);
    G0_->setObjectName(QStringLiteral("G0"));
    uebersicht_ = new QuotenUebersichtModell(filter_, G0_);
    G0_->setModel(uebersicht_);
    // "Faktor" is 70 pixels wide in the original layout, too narrow for the
    // products it shows (10^13 and, wrapped, up to 20 digits): it is as wide
    // as the largest 64-bit number, so no product is cut.
    const int faktorBreite =
        std::max(kFaktorBreite,
                 QFontMetrics(G0_->font()).horizontalAdvance(QStringLiteral("18446744073709551615")) + 8);
    const auto w0 = breiten(kNummerBreite, kTippBreiteG0, {faktorBreite, kSummeBreite});
    G0_->spaltenSetzen(w0);
    G0_->kopfSetzen(uebersicht_,
                    spieleKopf(QString()) << QString::fromLatin1(kFaktor) << QString::fromLatin1(kSumme), w0);
    G0_->festeGroesse(2);
    zeileG0->addWidget(G0_, 0, Qt::AlignTop);
    zeileG0->addStretch(1);
    rechts->addLayout(zeileG0);

    auto* zeileListe = new QHBoxLayout;
    auto* bsSkinSpeedButton2 = knopf(QStringLiteral("Tipps listen"), "bsSkinSpeedButton2", this);
    connect(bsSkinSpeedButton2, &QPushButton::clicked, this, &TFQuotenFilter::TippsListenClick);
    zeileListe->addWidget(bsSkinSpeedButton2);
    // Deliberately beyond the original layout: the number of listed rows, which
    // a grid of up to 1,594,323 rows does not show at a glance.
    LAnzahl_ = new QLabel(this);
    LAnzahl_->setObjectName(QStringLiteral("LAnzahl"));
    LAnzahl_->setFont(schrift(this, 11, true));
    zeileListe->addWidget(LAnzahl_);
    zeileListe->addStretch(1);
    rechts->addLayout(zeileListe);

    quelle_ = std::make_unique<QuotenReihenQuelle>(filter_);
    g1_ = new Fenstergitter(this);
    g1_->setObjectName(QStringLiteral("g1"));
    g1_->setzeQuelle(quelle_.get(), kSpiele + 2);
    const auto w1 = breiten(kNummerBreite, kTippBreiteG1, {kQuoteBreite});
    g1_->spaltenSetzen(w1);
    g1_->kopfSetzen(spieleKopf(QString()) << QString(), w1);
    g1_->gitter()->setFocusPolicy(Qt::WheelFocus);
    g1_->setFixedWidth(g1_->groesseFuer(0).width());
    g1_->setMinimumHeight(g1_->groesseFuer(5).height());
    auto* zeileG1 = new QHBoxLayout;
    zeileG1->setSpacing(10);
    zeileG1->addWidget(g1_);
    zeileG1->addWidget(verteilungBauen(), 0, Qt::AlignTop);
    zeileG1->addStretch(1);
    rechts->addLayout(zeileG1, 1);
    mitte->addLayout(rechts, 1);
    haupt->addLayout(mitte, 1);
    haupt->addWidget(untenBauen());

    // F1: the help page of the suggestion, which tells this window too
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeVorschlag); });
    mitEscapeSchliessen(this);
    resize(941, 600);
    LAnzahl_->setText(QString());
}

TFQuotenFilter::~TFQuotenFilter() {
    // the frame shows the field of filter_ and g1 the rows of quelle_, which
    // go before the child widgets
    delete Feld_;
    delete g1_;
}

QWidget* TFQuotenFilter::grenzenBauen() {
    auto* p = new QWidget(this);
    p->setObjectName(QStringLiteral("PGrenzen"));
    auto* l = new QHBoxLayout(p);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(16);
    const auto grenze = [this, p, l](const QString& text, const char* name, const char* labelName,
                                     const Bereich& b, QScrollBar*& scr, QLabel*& wert) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(2);
        auto* titel = new QLabel(text, p);
        titel->setFont(schrift(this, 11, false));
        spalte->addWidget(titel);
        auto* zeile = new QHBoxLayout;
        scr = new QScrollBar(Qt::Horizontal, p);
        scr->setObjectName(QString::fromLatin1(name));
        scr->setRange(b.minimum, b.maximum);
        scr->setValue(b.start);
        scr->setSingleStep(1);
        scr->setPageStep(10);
        scr->setFixedWidth(180);
        scr->setFocusPolicy(Qt::StrongFocus);
        titel->setBuddy(scr);
        wert = new QLabel(QString::number(b.start), p);
        wert->setObjectName(QString::fromLatin1(labelName));
        wert->setFont(schrift(this, 12, true));
        wert->setMinimumWidth(30);
        zeile->addWidget(scr);
        zeile->addWidget(wert);
        spalte->addLayout(zeile);
        l->addLayout(spalte);
    };
    grenze(QStringLiteral("&Größer als..."), "scrMin", "LMin", kUntereGrenze, scrMin_, LMin_);
    grenze(QStringLiteral("&Kleiner als..."), "scrMax", "LMax", kObereGrenze, scrMax_, LMax_);
    l->addStretch(1);
    connect(scrMin_, &QScrollBar::valueChanged, this, &TFQuotenFilter::scrMinChange);
    connect(scrMax_, &QScrollBar::valueChanged, this, &TFQuotenFilter::scrMaxChange);
    return p;
}

QWidget* TFQuotenFilter::verteilungBauen() {
    // The panel "Verteilung" with its grid, as the window's layout has it: the
    // grid stays empty, nothing in the window fills it.
    auto* p = new QGroupBox(QStringLiteral("Verteilung"), this);
    p->setObjectName(QStringLiteral("PVerteilung"));
    p->setFont(schrift(this, 11, false));
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(6, 4, 6, 6);
    GVerteilung_ = new Gitter(p);
    GVerteilung_->setObjectName(QStringLiteral("GVerteilung"));
    auto* leer = new LeeresGitter(kVerteilungZeilen, kVerteilungSpalten, GVerteilung_);
    GVerteilung_->setModel(leer);
    const std::vector<int> w(kVerteilungSpalten, kVerteilungBreite);
    GVerteilung_->spaltenSetzen(w);
    GVerteilung_->kopfSetzen(leer, QStringList(kVerteilungSpalten, QString()), w);
    GVerteilung_->festeGroesse(kVerteilungZeilen);
    l->addWidget(GVerteilung_);
    return p;
}

QWidget* TFQuotenFilter::untenBauen() {
    QWidget* unten = leiste("PUnten", this);
    auto* l = qobject_cast<QHBoxLayout*>(unten->layout());
    auto* schliessen = knopf(QStringLiteral("Sch&ließen"), "bsSkinSpeedButton1", unten);
    schliessen->setIcon(symbol::beenden());
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    l->addWidget(schliessen);
    auto* BAnzeige =
        bildknopf(symbol::loeschen(), QStringLiteral("Alle Kreuze des Feldes entfernen"), "BAnzeige", unten);
    connect(BAnzeige, &QToolButton::clicked, this, &TFQuotenFilter::BAnzeigeClick);
    l->addWidget(BAnzeige);
    l->addStretch(1);
    return unten;
}

void TFQuotenFilter::scrMinChange(int wert) {
    filter_.setzeUntereGrenze(wert);
    LMin_->setText(QString::fromStdString(filter_.LMinText()));
}

void TFQuotenFilter::scrMaxChange(int wert) {
    filter_.setzeObereGrenze(wert);
    LMax_->setText(QString::fromStdString(filter_.LMaxText()));
}

void TFQuotenFilter::TippsListenClick() {
    const Sanduhr sanduhr;
    const std::uint64_t n = filter_.TippsListen(kontext_.zustand().tendenzWerte());
    g1_->zeilenGeaendert();
    g1_->setzeOben(0);
    g1_->datenGeaendert();
    LAnzahl_->setText(n == 1 ? QStringLiteral("1 Tippreihe")
                             : QStringLiteral("%1 Tippreihen")
                                   .arg(QLocale(QLocale::German).toString(static_cast<qulonglong>(n))));
}

void TFQuotenFilter::UebersichtClick() {
    filter_.uebersichtFuellen(kontext_.zustand().tendenzWerte());
    uebersicht_->neu();
}

void TFQuotenFilter::BAnzeigeClick() {
    filter_.BAnzeigeClick();
    Feld_->anzeigen();
}

void TFQuotenFilter::kopiereVorschlag(const TScheinOffen& vorschlag) {
    filter_.feld().kreuzeUebernehmen(vorschlag);
    Feld_->anzeigen();
}

void TFQuotenFilter::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    kPosition.gemerktOderMittig(this, kontext_.einstellungsdatei());
}

void TFQuotenFilter::closeEvent(QCloseEvent* e) {
    kPosition.schreiben(kontext_.einstellungsdatei(), this);
    e->accept();
}

Befehl quotenFilterBefehl(Programmkontext& kontext) {
    // made at start-up, hidden
    auto* w = new TFQuotenFilter(kontext, kontext.hauptfenster());
    w->hide();
    Befehl b;
    b.name = "Quotenfilter1";
    b.text = QStringLiteral("&Quotenfilter...");
    b.symbol = symbol::quotenfilter();
    b.menues = {Menueplatz::ExtrasQuotenfilter};
    b.ausfuehren = [&kontext] {
        // The suggestion field of the normal slip window, as its button copies
        // it. An empty suggestion is not copied: it would only take away the
        // crosses set in this window's own field, and the window opens as it is.
        auto* eingabe = qobject_cast<TFEingabe*>(fensterSuchen(QStringLiteral("FEingabe")));
        if (eingabe && !eingabe->eingabe().vorschlagsfeld().leer()) {
            quotenFilterOeffnen(kontext, eingabe->eingabe().vorschlagsfeld().daten());
            return;
        }
        fensterOeffnen<TFQuotenFilter>(QStringLiteral("FQuotenFilter"), [&kontext] {
            return new TFQuotenFilter(kontext, kontext.hauptfenster());
        });
    };
    return b;
}

TFQuotenFilter* quotenFilterOeffnen(Programmkontext& kontext, const TScheinOffen& vorschlag) {
    auto* w = qobject_cast<TFQuotenFilter*>(fensterSuchen(QStringLiteral("FQuotenFilter")));
    if (!w) w = new TFQuotenFilter(kontext, kontext.hauptfenster());
    w->kopiereVorschlag(vorschlag);
    zeigenUndHeben(w);
    return w;
}

}  // namespace kv::ui
