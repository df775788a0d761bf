#include "garantie/TFGarantie.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "chancen/Chancenzeile.h"
#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Farben.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "common/Sanduhr.h"
#include "common/Symbole.h"
#include "garantie/Garantietexte.h"
#include "garantie/Verteilungsbild.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

namespace {

const Fensterposition kPosition(einst::kGarantieLeft, einst::kGarantieTop, einst::kGarantieWidth,
                                einst::kGarantieHeight);

enum Spalte { kBereich, kAusgaenge, kKlasse13, kGarantie = kKlasse13 + 5, kBild, kSpalten };
const std::vector<int> kBreiten = {140, 80, 70, 70, 70, 70, 80, 60, 90};

// A small bar chart as the window's icon and the menu item's.
QIcon garantieSymbol() {
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const int h[5] = {4, 8, 13, 17, 10};
    for (int k = 0; k < 5; ++k)
        p.fillRect(QRect(1 + 4 * k, 19 - h[k], 3, h[k]), QColor(40 + 30 * k, 150, 60));
    return QIcon(pm);
}

}  // namespace

// The table: "Alle Ausgänge", then one row per field of the slip, each with
// its counts, its guarantee and a small chart, all read from the report. A
// slip of millions of single rows has as many rows: the grid asks only for
// those it shows.
class VerteilungsQuelle : public Zeilenquelle {
  public:
    // The absolute row of a cell (for the chart) and whether it is the current one.
    static constexpr int kZeileRolle = Qt::UserRole;
    static constexpr int kAktuellRolle = Qt::UserRole + 1;

    void setzeBericht(const std::optional<Garantiebericht>* b) { bericht_ = b; }
    void setzeAktuell(std::optional<std::uint64_t> zeile) { aktuell_ = zeile; }
    // A slip of several fields has the row "Tipps des Spielscheins" after
    // "Alle Ausgänge"; the fields follow.
    std::uint64_t versatz() const { return bericht_ && *bericht_ && (*bericht_)->feldAnzahl() > 1 ? 2 : 1; }
    // The span of a row as bereichsName() takes it.
    std::size_t bereich(std::uint64_t zeile) const {
        if (zeile == 0) return 0;
        if (zeile == 1 && versatz() == 2) return kScheintipps;
        return static_cast<std::size_t>(zeile - versatz() + 1);
    }
    const Trefferverteilung* verteilung(std::uint64_t zeile) const {
        if (!bericht_ || !*bericht_ || zeile >= zeilenAnzahl()) return nullptr;
        const Garantiebericht& b = **bericht_;
        const std::size_t n = bereich(zeile);
        if (n == 0) return &b.alle;
        if (n == kScheintipps) return &b.tipps;
        return &b.feld(n - 1);
    }
    std::uint64_t zeilenAnzahl() const override {
        return !bericht_ || !*bericht_ ? 0 : (*bericht_)->feldAnzahl() + versatz();
    }
    QVariant daten(std::uint64_t zeile, int c, int role) const override {
        const Trefferverteilung* v = verteilung(zeile);
        if (!v) return {};
        if (role == kZeileRolle) return QVariant::fromValue(zeile);
        if (role == kAktuellRolle) return aktuell_ == zeile;
        if (role == Qt::TextAlignmentRole && c == kBereich) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return KopfModell::weisseZelle(role);
        if (c == kBereich) return QString::fromStdString(bereichsName(bereich(zeile)));
        if (c == kAusgaenge) return QString::fromStdString(tausender(v->ausgaenge()));
        if (c >= kKlasse13 && c < kGarantie)
            return QString::fromStdString(tausender(v->beste[static_cast<std::size_t>(c - kKlasse13)]));
        if (c == kGarantie)
            return v->garantie == kKeineGarantie ? QStringLiteral("–") : QString::number(v->garantie);
        return QString();
    }

  private:
    const std::optional<Garantiebericht>* bericht_ = nullptr;
    std::optional<std::uint64_t> aktuell_;
};

namespace {

// Draws the small chart of a row into its last column, the other cells as the
// grids do, and marks the current row with a line above and below.
class BildDelegate : public ZellenDelegate {
  public:
    BildDelegate(const VerteilungsQuelle* q, QObject* eltern) : ZellenDelegate(eltern), quelle_(q) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        if (i.column() != kBild) {
            ZellenDelegate::paint(p, o, i);
        } else {
            p->fillRect(o.rect, Qt::white);
            const QVariant zeile = i.data(VerteilungsQuelle::kZeileRolle);
            if (const Trefferverteilung* v =
                    zeile.isValid() ? quelle_->verteilung(zeile.toULongLong()) : nullptr)
                Verteilungsbild::malenKlein(*p, o.rect, *v);
        }
        if (i.data(VerteilungsQuelle::kAktuellRolle).toBool()) {
            p->save();
            p->setPen(QPen(o.palette.color(QPalette::Highlight), 2));
            p->drawLine(o.rect.bottomLeft(), o.rect.bottomRight());
            p->drawLine(o.rect.topLeft(), o.rect.topRight());
            p->restore();
        }
    }

  private:
    const VerteilungsQuelle* quelle_;
};

}  // namespace

TFGarantie::TFGarantie(Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FGarantie"));
    setWindowTitle(QStringLiteral("Garantie-Analyse"));
    setWindowIcon(garantieSymbol());

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    auto* inhalt = new QWidget(this);
    auto* l = new QVBoxLayout(inhalt);
    l->setContentsMargins(10, 8, 10, 8);
    l->setSpacing(8);

    auto* zeile = new QHBoxLayout;
    auto* titel = label(QStringLiteral("&Spielschein:"), "", inhalt);
    zeile->addWidget(titel);
    CBSchein_ = new QComboBox(inhalt);
    CBSchein_->setObjectName(QStringLiteral("CBSchein"));
    CBSchein_->setMinimumContentsLength(30);
    CBSchein_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    titel->setBuddy(CBSchein_);
    zeile->addWidget(CBSchein_);
    zeile->addStretch(1);
    l->addLayout(zeile);

    LGarantie_ = label(QString(), "LGarantie", inhalt, true);
    LGarantie_->setFont(schrift(this, 14, true));
    LGarantie_->setTextFormat(Qt::PlainText);
    LGarantie_->setMinimumHeight(40);
    l->addWidget(LGarantie_);
    LGewichtet_ = label(QString(), "LGewichtet", inhalt, true);
    LGewichtet_->setFont(schrift(this, 11, false));
    LGewichtet_->setTextFormat(Qt::PlainText);
    l->addWidget(LGewichtet_);
    auto* erklaerung = label(
        QStringLiteral(
            "Ein Ausgang ist eine mögliche Gewinnreihe der 13 Spiele. Für jeden Ausgang zählt die Reihe "
            "des Spielscheins mit den meisten Treffern; die Tabelle zeigt, wie viele Ausgänge so 13, 12, "
            "11, 10 oder höchstens 9 Richtige bringen. Die Garantie ist das Wenigste davon."),
        "LErklaerung", inhalt, true);
    erklaerung->setFont(schrift(this, 11, false));
    l->addWidget(erklaerung);

    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(10);
    GVerteilung_ = new Fenstergitter(inhalt);
    GVerteilung_->setObjectName(QStringLiteral("GVerteilung"));
    quelle_ = std::make_unique<VerteilungsQuelle>();
    quelle_->setzeBericht(&bericht_);
    GVerteilung_->setzeQuelle(quelle_.get(), kSpalten);
    GVerteilung_->gitter()->setItemDelegate(new BildDelegate(quelle_.get(), GVerteilung_));
    GVerteilung_->spaltenSetzen(kBreiten);
    QStringList kopf{QStringLiteral("Bereich"), QStringLiteral("Ausgänge")};
    for (int k = 0; k < 5; ++k) kopf << klassenText(k);
    kopf << QStringLiteral("Garantie") << QStringLiteral("Verteilung");
    GVerteilung_->kopfSetzen(kopf, kBreiten);
    GVerteilung_->setzeZeilenhoehe(24);
    GVerteilung_->gitter()->setFocusPolicy(Qt::StrongFocus);
    GVerteilung_->gitter()->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    GVerteilung_->setMinimumWidth(GVerteilung_->groesseFuer(0).width() + 20);
    mitte->addWidget(GVerteilung_, 1);
    Bild_ = new Verteilungsbild(inhalt);
    mitte->addWidget(Bild_, 0, Qt::AlignTop);
    l->addLayout(mitte, 1);
    haupt->addWidget(inhalt, 1);

    QWidget* unten = leiste("PUnten", this);
    auto* lu = qobject_cast<QHBoxLayout*>(unten->layout());
    auto* schliessen = knopf(QStringLiteral("Sch&ließen"), "BClose", unten);
    schliessen->setIcon(symbol::beenden());
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    lu->addWidget(schliessen);
    lu->addStretch(1);
    auto* hilfe = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe (F1)"), "BHilfe", unten);
    connect(hilfe, &QToolButton::clicked, this, [this] { kontext_.hilfe(this, kHilfeGarantie); });
    lu->addWidget(hilfe);
    haupt->addWidget(unten);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeGarantie); });
    mitEscapeSchliessen(this);

    connect(CBSchein_, &QComboBox::currentIndexChanged, this, [this](int) { analysieren(); });
    connect(GVerteilung_, &Fenstergitter::aktuelleZeileGeaendert, this,
            [this](std::uint64_t z) { zeileZeigen(z); });
    connect(&kontext_.melder(), &Zustandsmelder::scheinGeaendert, this, &TFGarantie::scheineGeaendert);
    connect(&kontext_.melder(), &Zustandsmelder::linkerScheinGeaendert, this,
            [this] { scheineGeaendert(-1); });
    // new tendencies weigh the outcomes anew (a report of a slip that has
    // changed meanwhile is made anew when the window is shown)
    connect(&kontext_.melder(), &Zustandsmelder::tendenzWerteGeaendert, this, [this] {
        if (bericht_ && !veraltet_) zeileZeigen(zeile_);
    });
    scheineAuflisten();
    resize(960, 560);
}

TFGarantie::~TFGarantie() {
    // the grid shows the rows of quelle_, which goes before the child widgets
    delete GVerteilung_;
}

void TFGarantie::scheineAuflisten() {
    const Programmzustand& z = kontext_.zustand();
    const int bisher = slot();
    CBSchein_->blockSignals(true);
    CBSchein_->clear();
    for (int s = 0; s < z.scheinAnzahl(); ++s) {
        const Scheinslot& sl = z.slot(s);
        // an emptied slot (the left slip before it was replaced) is no slip
        if (sl.datei.empty() || sl.schein.feldAnzahl() == 0 || (!sl.rechts && s != z.linkerSchein()))
            continue;
        QString text = QString::fromStdString(dateiNameOhneEndung(sl.datei));
        if (!sl.rechts) text += QStringLiteral(" (links)");
        CBSchein_->addItem(text, s);
    }
    const int i = CBSchein_->findData(bisher);
    CBSchein_->setCurrentIndex(i >= 0 ? i : 0);
    CBSchein_->blockSignals(false);
}

int TFGarantie::slot() const {
    return CBSchein_->currentIndex() < 0 ? -1 : CBSchein_->currentData().toInt();
}

void TFGarantie::scheinWaehlen(int s) {
    scheineAuflisten();
    const int i = CBSchein_->findData(s);
    CBSchein_->blockSignals(true);
    if (i >= 0) CBSchein_->setCurrentIndex(i);
    CBSchein_->blockSignals(false);
    analysieren();
}

void TFGarantie::scheineGeaendert(int geaendert) {
    scheineAuflisten();
    // the slip shown was emptied (the left one replaced) or changed: analysed anew
    if (slot() == gezeigt_ && geaendert != gezeigt_) return;
    if (isVisible())
        analysieren(false);
    else
        veraltet_ = true;
}

void TFGarantie::analysieren(bool melden) {
    veraltet_ = false;
    const int s = slot();
    gezeigt_ = s;
    std::optional<Garantiebericht> neu;
    std::unique_ptr<Garantieanalyse> analyse;
    QString fehler;
    if (s < 0) {
        fehler = QStringLiteral("Es ist kein Spielschein geöffnet.");
    } else {
        const Sanduhr sanduhr;
        try {
            const Schein& schein = kontext_.zustand().slot(s).schein;
            analyse = std::make_unique<Garantieanalyse>(schein);
            neu = garantieBericht(*analyse, schein);
        } catch (const KeineReihen& e) {
            fehler = QString::fromUtf8(e.what());
        } catch (const std::bad_alloc&) {
            fehler = QStringLiteral("Für die Analyse reicht der Arbeitsspeicher nicht.");
        }
    }
    bericht_ = std::move(neu);
    analyse_ = std::move(analyse);
    GVerteilung_->zeilenGeaendert();
    if (!fehler.isEmpty()) {
        LGarantie_->setText(fehler);
        LGewichtet_->clear();
        Bild_->setzeVerteilung(std::nullopt);
        Bild_->setzeGewichtet(std::nullopt);
        if (s >= 0 && melden) dialoge().information(this, fehler);
        return;
    }
    zeileZeigen(0);
}

std::optional<GewichteteVerteilung> TFGarantie::gewichtet(std::uint64_t zeile) const {
    if (!analyse_ || !quelle_->verteilung(zeile)) return std::nullopt;
    const Schein& schein = kontext_.zustand().slot(gezeigt_).schein;
    const std::size_t n = quelle_->bereich(zeile);
    if (n != 0 && n != kScheintipps && n > schein.feldAnzahl()) return std::nullopt;
    const Ausgangsbereich bereich = n == 0 ? Ausgangsbereich::alle()
                                    : n == kScheintipps
                                        ? scheinTipps(schein)
                                        : Ausgangsbereich::ausFeld(schein.feld(n - 1).daten());
    return gewichteteVerteilung(*analyse_, bereich, spielgewichte(kontext_.zustand().tendenzWerte()));
}

void TFGarantie::zeileZeigen(std::uint64_t zeile) {
    const Trefferverteilung* v = quelle_->verteilung(zeile);
    if (!v) return;
    zeile_ = zeile;
    quelle_->setzeAktuell(zeile);
    if (GVerteilung_->aktuelleZeile() != zeile) GVerteilung_->setzeAktuelleZeile(zeile);
    GVerteilung_->datenGeaendert();
    LGarantie_->setText(QString::fromStdString(garantieZeile(*v, quelle_->bereich(zeile))));
    Bild_->setzeVerteilung(*v);
    // beside the count of outcomes: how likely each class is by the tendencies
    const std::optional<GewichteteVerteilung> g = gewichtet(zeile);
    const TendenzWerte& t = kontext_.zustand().tendenzWerte();
    const bool mitTendenzen =
        std::any_of(t.begin(), t.end(), [](const TTendenzWert& w) { return hatTendenz(w); });
    if (!g || g->summe == 0) {
        Bild_->setzeGewichtet(std::nullopt);
        LGewichtet_->setText(
            g ? QStringLiteral("Nach den Tendenzen ist kein Ausgang dieses Bereichs möglich.") : QString());
        return;
    }
    std::array<double, 5> anteile{};
    QStringList teile;
    for (int k = 0; k < 5; ++k) {
        anteile[static_cast<std::size_t>(k)] = g->anteil(k);
        teile << (k < 4 ? QStringLiteral("%1 Richtige ").arg(kSpiele - k)
                        : QStringLiteral("höchstens 9 Richtige ")) +
                     prozentText(g->anteil(k));
    }
    Bild_->setzeGewichtet(anteile);
    LGewichtet_->setText((mitTendenzen ? QStringLiteral("Nach den Tendenzen gewichtet: ")
                                       : QStringLiteral("Ohne Tendenzen (gleich wahrscheinlich): ")) +
                         teile.join(QStringLiteral(", ")) + QLatin1Char('.'));
}

void TFGarantie::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    kPosition.gemerktOderMittig(this, kontext_.einstellungsdatei());
    if (veraltet_) analysieren(false);
}

void TFGarantie::closeEvent(QCloseEvent* e) {
    kPosition.schreiben(kontext_.einstellungsdatei(), this);
    e->accept();
}

namespace {

// The slot of the active result tab (its page carries the slot number + 1 as
// "tag"); -1 when no tab is open.
int aktiverTab(const Programmkontext& kontext) {
    const QWidget* haupt = kontext.hauptfenster();
    const auto* pc = haupt ? haupt->findChild<QTabWidget*>(QStringLiteral("PC1")) : nullptr;
    const QWidget* seite = pc ? pc->currentWidget() : nullptr;
    return seite ? seite->property("tag").toInt() - 1 : -1;
}

}  // namespace

Befehl garantieBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "GarantieAnalyse1";
    b.text = QStringLiteral("&Garantie-Analyse...");
    b.symbol = garantieSymbol();
    b.menues = {Menueplatz::ExtrasGarantie};
    b.hinweis = QStringLiteral("Garantie-Analyse des Spielscheins der aktiven Registerkarte");
    b.ausfuehren = [&kontext] {
        const Programmzustand& z = kontext.zustand();
        bool offen = false;
        for (int s = 0; s < z.scheinAnzahl() && !offen; ++s) offen = !z.slot(s).datei.empty();
        if (!offen) {
            dialoge().information(
                kontext.hauptfenster(),
                QStringLiteral("Es ist kein Spielschein geöffnet. Öffnen Sie zuerst einen "
                               "Spielschein, dann zeigt die Garantie-Analyse, was er garantiert."));
            return;
        }
        auto* w = fensterOeffnen<TFGarantie>(QStringLiteral("FGarantie"), [&kontext] {
            return new TFGarantie(kontext, kontext.hauptfenster());
        });
        w->scheinWaehlen(aktiverTab(kontext));
    };
    return b;
}

}  // namespace kv::ui
