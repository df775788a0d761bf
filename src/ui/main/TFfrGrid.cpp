#include "main/TFfrGrid.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Farben.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Sanduhr.h"
#include "io/Datei.h"
#include "main/Ergebnismodelle.h"
#include "textexport/Reihentext.h"

namespace kv::ui {

namespace {

QStringList klassenKopf() {
    QStringList k;
    for (const char* g : Gewinnklassen) k << QString::fromLatin1(g);
    return k;
}

// The stated column widths, each at least `mindestens`.
std::vector<int> mindestens(std::vector<int> breiten, int mindestens) {
    for (int& b : breiten) b = std::max(b, mindestens);
    return breiten;
}

// The widths the header texts are centred in: the column width less `weniger`.
std::vector<int> kopfbreiten(const std::vector<int>& breiten, int weniger) {
    std::vector<int> w;
    for (int b : breiten) w.push_back(b - weniger);
    return w;
}

Gitter* kleinesGitter(QWidget* eltern, const char* name, WerteModell*& modell,
                      const std::vector<int>& breiten, const QStringList& kopf, int kopfWeniger) {
    auto* g = new Gitter(eltern);
    g->setObjectName(QString::fromLatin1(name));
    modell = new WerteModell(static_cast<int>(breiten.size()), g);
    g->setModel(modell);
    g->spaltenSetzen(breiten);
    g->kopfSetzen(modell, kopf, kopfbreiten(breiten, kopfWeniger));
    g->festeGroesse(1);
    return g;
}

// A caption over a table, and below them what is left of the height.
QWidget* mitUeberschrift(const QString& text, QWidget* tabelle, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    auto* u = new QLabel(text, w);
    u->setFont(schrift(eltern, 11, true));
    l->addWidget(u);
    tabelle->setParent(w);
    l->addWidget(tabelle);
    l->addStretch(1);
    return w;
}

// Two tables of a page side by side, or the second below the first when
// the page is too narrow for both (the columns of a large slip are wide).
// `gewechselt` runs after a change of the arrangement, whose height then
// differs.
class Tabellenpaar : public QWidget {
  public:
    Tabellenpaar(QWidget* links, QWidget* rechts, const char* name, std::function<void()> gewechselt)
        : gewechselt_(std::move(gewechselt)) {
        setObjectName(QString::fromLatin1(name));
        l_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
        l_->setContentsMargins(2, 1, 2, 1);
        l_->setSpacing(6);
        links->setParent(this);
        rechts->setParent(this);
        l_->addWidget(links, 0, Qt::AlignLeft);
        l_->addWidget(rechts, 1, Qt::AlignLeft);
        nebeneinander_ = links->sizeHint().width() + l_->spacing() + rechts->sizeHint().width() + 4;
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        const auto richtung = width() >= nebeneinander_ ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
        if (l_->direction() == richtung) return;
        l_->setDirection(richtung);
        l_->activate();
        gewechselt_();
    }

  private:
    std::function<void()> gewechselt_;
    QBoxLayout* l_;
    int nebeneinander_;
};

QLabel* beschriftung(const QString& text, QWidget* eltern, bool fett = true) {
    auto* l = new QLabel(text, eltern);
    l->setFont(schrift(eltern, 11, fett));
    return l;
}

// A column wide enough for every number up to `n` in the grid's own type:
// no number is drawn smaller, the column grows instead.
int zahlenbreite(const Gitter* g, std::uint64_t n) {
    return QFontMetrics(g->font()).horizontalAdvance(QString::number(n)) + 4;
}

// Blanks in front of a number so that it stands centred in a cell of width w.
QString gepolstert(std::uint64_t n, int w, const Gitter* g) {
    return zentriert(QString::number(n), w, QFontMetrics(g->font()));
}

}  // namespace

TFfrGrid::TFfrGrid(const Programmzustand& zustand, std::size_t slot, const QString& datenordner,
                   QWidget* eltern)
    : QWidget(eltern), zustand_(&zustand), slot_(slot), datenordner_(datenordner) {
    setObjectName(QStringLiteral("fr%1").arg(slot + 1));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);

    // GReihen: every row of the slip. Line numbers and counts never exceed
    // the slip's row count: that number decides how wide a column of
    // numbers must be.
    reihen_ = std::make_unique<ReihenQuelle>(zustand, slot);
    chancen_ = std::make_unique<ChancenQuelle>(zustand, slot);
    GReihen_ = new Fenstergitter(this);
    GReihen_->setObjectName(QStringLiteral("GReihen"));
    GReihen_->gitter()->setFocusPolicy(Qt::WheelFocus);
    const std::uint64_t zeilen = zustand.slot(static_cast<int>(slot)).schein.zeilen();
    const int zahl = zahlenbreite(GReihen_->gitter(), zeilen);
    reihen_->setzeSchrift(GReihen_->gitter()->font());
    GReihen_->setzeQuelle(reihen_.get(), kReihenSpalten);
    std::vector<int> breiten = {std::max(36, zahl)};
    std::vector<int> w = {breiten[0] - 6};
    QStringList kopf = {QStringLiteral("Tipp")};
    for (int m = 1; m <= kSpiele; ++m) {
        breiten.push_back(20);
        w.push_back(18);
        kopf << QString::number(m);
    }
    breiten.push_back(24);
    w.push_back(22);
    kopf << QStringLiteral("Ch");
    GReihen_->spaltenSetzen(breiten);
    GReihen_->kopfSetzen(kopf, w);
    GReihen_->gitter()->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int balken = GReihen_->bildlauf()->sizeHint().width();
    GReihen_->setMinimumWidth(std::min(GReihen_->groesseFuer(0).width() - balken, 330) + balken);
    GReihen_->setMinimumHeight(GReihen_->groesseFuer(3).height());
    l->addWidget(GReihen_, 1);

    // the lower band: row count and the two pages, at least as high as its
    // tables need (bandAnpassen)
    auto* band = new QWidget(this);
    band_ = band;
    band->setObjectName(QStringLiteral("PUnten"));
    auto* lb = new QHBoxLayout(band);
    lb->setContentsMargins(2, 0, 2, 0);
    lb->setSpacing(4);
    auto* anzahl = new QWidget(band);
    auto* la = new QVBoxLayout(anzahl);
    la->setContentsMargins(0, 4, 0, 0);
    la->setSpacing(2);
    auto* lAnzahl = beschriftung(QStringLiteral("Anzahl der Tipps"), anzahl);
    lAnzahl->setWordWrap(true);
    lAnzahl->setFixedWidth(62);
    la->addWidget(lAnzahl);
    LReihen_ = new QLabel(anzahl);
    LReihen_->setObjectName(QStringLiteral("LReihen"));
    LReihen_->setFont(schrift(this, 12, false));
    la->addWidget(LReihen_);
    la->addStretch(1);
    lb->addWidget(anzahl, 0, Qt::AlignTop);

    PC5_ = new QTabWidget(band);
    PC5_->setObjectName(QStringLiteral("PC5"));
    PC5_->setFont(schrift(this, 11, false));
    PC5_->setDocumentMode(true);

    // "Gewinnchancen": "Chancen gesamt" over GChges, and GChancen
    GChges_ = kleinesGitter(this, "GChges", chges_, mindestens({26, 27, 29, 30}, zahl), klassenKopf(), 4);
    GChancen_ = new Fenstergitter(this);
    GChancen_->setObjectName(QStringLiteral("GChancen"));
    GChancen_->setzeQuelle(chancen_.get(), 4);
    const std::vector<int> chancenBreiten = mindestens({35, 35, 35, 35}, zahl);
    GChancen_->spaltenSetzen(chancenBreiten);
    GChancen_->kopfSetzen(klassenKopf(), chancenBreiten);
    GChancen_->setFixedWidth(GChancen_->groesseFuer(0).width());
    GChancen_->setMinimumHeight(GChancen_->groesseFuer(1).height());
    auto* chancenSeite = new Tabellenpaar(mitUeberschrift(QStringLiteral("Chancen gesamt"), GChges_, this),
                                          GChancen_, "TabChancen", [this] { bandAnpassen(); });
    PC5_->addTab(chancenSeite, QStringLiteral("Gewinnchancen"));
    chancenSeite_ = chancenSeite;

    // "Gewinne/Treffer": "Gewinnklassen" over GTreffer2, "Treffer" over Gtreffer
    GTreffer2_ =
        kleinesGitter(this, "GTreffer2", treffer2_, mindestens({20, 21, 24, 28}, zahl), klassenKopf(), 4);
    Gtreffer_ = kleinesGitter(this, "Gtreffer", treffer_, mindestens({32, 34, 35, 36, 37}, zahl),
                              {QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
                               QStringLiteral("6"), QStringLiteral("5")},
                              0);
    auto* trefferSeite = new Tabellenpaar(mitUeberschrift(QStringLiteral("Gewinnklassen"), GTreffer2_, this),
                                          mitUeberschrift(QStringLiteral("Treffer"), Gtreffer_, this),
                                          "TabTreffer", [this] { bandAnpassen(); });
    PC5_->addTab(trefferSeite, QStringLiteral("Gewinne/Treffer"));
    PC5_->setCurrentWidget(trefferSeite);
    lb->addWidget(PC5_, 1);
    l->addWidget(band);

    // the bottom bar: "Als Text- Datei"
    auto* leiste = new QWidget(this);
    leiste->setObjectName(QStringLiteral("PLeiste"));
    leiste->setFixedHeight(40);
    auto* ll = new QHBoxLayout(leiste);
    ll->setContentsMargins(2, 2, 2, 2);
    ll->setSpacing(6);
    alsText_ = new QPushButton(umbrochen(QStringLiteral("Als Text- Datei")), leiste);
    alsText_->setObjectName(QStringLiteral("bsSkinSpeedButton2"));
    alsText_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ll->addWidget(alsText_);
    auto* hinweis = new QLabel(
        QStringLiteral(
            "Die Text-Datei dient dem CSV-Upload der Tippreihen auf der Internetseite der Lotterie."),
        leiste);
    hinweis->setObjectName(QStringLiteral("LHinweisCsv"));
    hinweis->setWordWrap(true);
    hinweis->setFont(schrift(this, 10, true));
    QPalette p = hinweis->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    hinweis->setPalette(p);
    ll->addWidget(hinweis, 1);
    l->addWidget(leiste);

    connect(alsText_, &QPushButton::clicked, this, &TFfrGrid::alsTextDateiSpeichern);
    connect(PC5_, &QTabWidget::currentChanged, this, &TFfrGrid::bandAnpassen);
}

void TFfrGrid::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    bandAnpassen();
}

void TFfrGrid::bandAnpassen() {
    // A low window takes its height from the rows, never from the tables
    // below. In a tall one the page of the chance lists gets a third of the
    // height, so the lists show more lines; the one-line tables of
    // "Gewinne/Treffer" leave it to the rows. Only the band's maximum moves:
    // the window can always be made low again.
    // The pages' arrangement may just have changed: their minimum goes up
    // through the page control at once, not only with the next layout pass.
    PC5_->updateGeometry();
    const int mindestens = band_->minimumSizeHint().height();
    const int hoch = PC5_->currentWidget() == chancenSeite_ ? std::max(mindestens, height() / 3) : mindestens;
    if (band_->maximumHeight() != hoch) band_->setMaximumHeight(hoch);
}

QString TFfrGrid::ScheinInTabelle() {
    const std::uint64_t n = zustand_->slot(static_cast<int>(slot_)).schein.zeilen();
    const QString text = QString::number(n);
    LReihen_->setText(text);
    return text;
}

TFfrGrid::~TFfrGrid() = default;

void TFfrGrid::unterDieKlassen(QWidget* w) {
    auto* l = qobject_cast<QVBoxLayout*>(layout());
    w->setParent(this);
    w->setContentsMargins(4, 0, 4, 0);
    l->insertWidget(l->indexOf(band_) + 1, w);
}

void TFfrGrid::auswertungAnzeigen() {
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    if (!s.auswertung || s.stand == gezeigt_) return;
    gezeigt_ = s.stand;
    const Auswertung& a = *s.auswertung;
    const auto& C = a.C();
    treffer2_->setzeWerte(
        {QString::number(C[13]), QString::number(C[12]), QString::number(C[11]), QString::number(C[10])});
    treffer_->setzeWerte({QString::number(C[9]), QString::number(C[8]), QString::number(C[7]),
                          QString::number(C[6]), QString::number(C[5])});
    QStringList k;
    for (int x = 0; x < 4; ++x)
        k << gepolstert(a.K()[static_cast<std::size_t>(x)], GChges_->columnWidth(x), GChges_);
    chges_->setzeWerte(k);
    GChancen_->zeilenGeaendert();
    GChancen_->datenGeaendert();
    GReihen_->datenGeaendert();
}

void TFfrGrid::alsTextDateiSpeichern() {
    const QString datei =
        dialoge().dateiSpeichern(window(), {QStringLiteral("Text-Datei speichern"), datenordner_,
                                            QStringLiteral("Text-Datei|*.txt"), QStringLiteral("txt")});
    if (datei.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        ReihenAlsText(zustand_->slot(static_cast<int>(slot_)).schein, datei.toStdString());
    } catch (const std::exception& e) {
        dialoge().fehler(window(), QString::fromStdString(e.what()));
    }
}

}  // namespace kv::ui
