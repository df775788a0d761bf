#include "main/TFfrGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/Dialoge.h"
#include "common/Farben.h"
#include "common/Gitter.h"
#include "common/Sanduhr.h"
#include "io/Datei.h"
#include "main/Ergebnismodelle.h"
#include "textexport/TextExport.h"

namespace kv::ui {

namespace {

QStringList klassenKopf() {
    QStringList k;
    for (const char* g : Gewinnklassen) k << QString::fromLatin1(g);
    return k;
}

Gitter* kleinesGitter(QWidget* eltern, const char* name, WerteModell*& modell,
                      const std::vector<int>& breiten, const QStringList& kopf, const std::vector<int>& w) {
    auto* g = new Gitter(eltern);
    g->setObjectName(QString::fromLatin1(name));
    modell = new WerteModell(static_cast<int>(breiten.size()), g);
    g->setModel(modell);
    g->spaltenSetzen(breiten);
    g->kopfSetzen(modell, kopf, w);
    g->festeGroesse(1);
    return g;
}

QLabel* beschriftung(const QString& text, QWidget* eltern, bool fett = true) {
    auto* l = new QLabel(text, eltern);
    l->setFont(schrift(eltern, 11, fett));
    return l;
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

    // GReihen: every row of the slip
    GReihen_ = new Gitter(this);
    GReihen_->setObjectName(QStringLiteral("GReihen"));
    GReihen_->setFocusPolicy(Qt::WheelFocus);
    reihen_ = new ReihenModell(zustand, slot, GReihen_);
    reihen_->setzeSchrift(GReihen_->font());
    GReihen_->setModel(reihen_);
    std::vector<int> breiten = {36};
    std::vector<int> w = {30};
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
    GReihen_->kopfSetzen(reihen_, kopf, w);
    GReihen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GReihen_->setMinimumWidth(GReihen_->groesseFuer(0).width() +
                              GReihen_->verticalScrollBar()->sizeHint().width());
    l->addWidget(GReihen_, 1);

    // the lower band: row count and the two pages
    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("PUnten"));
    band->setFixedHeight(76);
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
    lb->addWidget(anzahl);

    PC5_ = new QTabWidget(band);
    PC5_->setObjectName(QStringLiteral("PC5"));
    PC5_->setFont(schrift(this, 11, false));
    PC5_->setDocumentMode(true);

    auto* chancenSeite = new QWidget;
    chancenSeite->setObjectName(QStringLiteral("TabChancen"));
    auto* lc = new QHBoxLayout(chancenSeite);
    lc->setContentsMargins(2, 1, 2, 1);
    lc->setSpacing(6);
    auto* ges = new QWidget(chancenSeite);
    auto* lg = new QVBoxLayout(ges);
    lg->setContentsMargins(0, 0, 0, 0);
    lg->setSpacing(1);
    lg->addWidget(beschriftung(QStringLiteral("Chancen gesamt"), ges));
    GChges_ = kleinesGitter(ges, "GChges", chges_, {26, 27, 29, 30}, klassenKopf(), {22, 23, 25, 26});
    lg->addWidget(GChges_);
    lg->addStretch(1);
    lc->addWidget(ges);
    GChancen_ = new Gitter(chancenSeite);
    GChancen_->setObjectName(QStringLiteral("GChancen"));
    chancen_ = new ChancenModell(zustand, slot, GChancen_);
    GChancen_->setModel(chancen_);
    GChancen_->spaltenSetzen({35, 35, 35, 35});
    GChancen_->kopfSetzen(chancen_, klassenKopf(), {35, 35, 35, 35});
    GChancen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GChancen_->setFixedWidth(GChancen_->groesseFuer(0).width() +
                             GChancen_->verticalScrollBar()->sizeHint().width());
    lc->addWidget(GChancen_);
    lc->addStretch(1);
    PC5_->addTab(chancenSeite, QStringLiteral("Gewinnchancen"));

    auto* trefferSeite = new QWidget;
    trefferSeite->setObjectName(QStringLiteral("TabTreffer"));
    auto* lt = new QHBoxLayout(trefferSeite);
    lt->setContentsMargins(2, 1, 2, 1);
    lt->setSpacing(6);
    auto* kl = new QWidget(trefferSeite);
    auto* lk = new QVBoxLayout(kl);
    lk->setContentsMargins(0, 0, 0, 0);
    lk->setSpacing(1);
    lk->addWidget(beschriftung(QStringLiteral("Gewinnklassen"), kl));
    GTreffer2_ = kleinesGitter(kl, "GTreffer2", treffer2_, {20, 21, 24, 28}, klassenKopf(), {16, 17, 20, 24});
    lk->addWidget(GTreffer2_);
    lk->addStretch(1);
    lt->addWidget(kl);
    auto* tr = new QWidget(trefferSeite);
    auto* ltr = new QVBoxLayout(tr);
    ltr->setContentsMargins(0, 0, 0, 0);
    ltr->setSpacing(1);
    ltr->addWidget(beschriftung(QStringLiteral("Treffer"), tr));
    Gtreffer_ = kleinesGitter(tr, "Gtreffer", treffer_, {32, 34, 35, 36, 37},
                              {QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
                               QStringLiteral("6"), QStringLiteral("5")},
                              {32, 34, 35, 36, 37});
    ltr->addWidget(Gtreffer_);
    ltr->addStretch(1);
    lt->addWidget(tr);
    lt->addStretch(1);
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
    alsText_ = new QPushButton(QStringLiteral("Als Text- Datei"), leiste);
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
}

QString TFfrGrid::ScheinInTabelle() {
    const std::uint64_t n = zustand_->slot(static_cast<int>(slot_)).schein.zeilen();
    const QString text = QString::number(n);
    LReihen_->setText(text);
    return text;
}

void TFfrGrid::auswertungAnzeigen() {
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    if (!s.auswertung) return;
    const Auswertung& a = *s.auswertung;
    const auto& C = a.C();
    treffer2_->setzeWerte(
        {QString::number(C[13]), QString::number(C[12]), QString::number(C[11]), QString::number(C[10])});
    treffer_->setzeWerte({QString::number(C[9]), QString::number(C[8]), QString::number(C[7]),
                          QString::number(C[6]), QString::number(C[5])});
    static constexpr int chgesBreiten[4] = {26, 27, 29, 30};
    QStringList k;
    for (int x = 0; x < 4; ++x) k << gepolstert(a.K()[static_cast<std::size_t>(x)], chgesBreiten[x], GChges_);
    chges_->setzeWerte(k);
    chancen_->aktualisieren();
    reihen_->aktualisieren();
}

void TFfrGrid::alsTextDateiSpeichern() {
    const QString datei =
        dialoge().dateiSpeichern(window(), {QStringLiteral("Text-Datei speichern"), datenordner_,
                                            QStringLiteral("Text-Datei|*.txt"), QStringLiteral("txt")});
    if (datei.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        TabelleAlsText(reihen_->tabelle(), datei.toStdString(), kSpiele);
    } catch (const std::exception& e) {
        dialoge().fehler(window(), QString::fromStdString(e.what()));
    }
}

}  // namespace kv::ui
