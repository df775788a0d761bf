#include "print/TFDetail.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Bauteile.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "help/Hilfe.h"
#include "model/Tipp.h"
#include "print/Druckmodelle.h"
#include "print/Kalibrierung.h"
#include "print/Zifferfeld.h"

namespace kv::ui {

namespace {

// Widths with the grid line: 40, 26 and 30 pixels of cell.
constexpr int kSpielBreite = 41;
constexpr int kXyBreite = 27;
constexpr int kDatenBreite = 31;
constexpr int kZeilenhoehe = 19;

// The bar above the table that names the field groups, each above its three columns.
class Gruppenkopf : public QWidget {
  public:
    explicit Gruppenkopf(QTableView* tabelle, QWidget* eltern) : QWidget(eltern), tabelle_(tabelle) {
        setObjectName(QStringLiteral("PGruppen"));
        setFixedHeight(20);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        const int x0 = tabelle_->frameWidth() + tabelle_->viewport()->x();
        for (int feld = 1; feld <= kMaxFelder; ++feld) {
            const int erste = 2 + 3 * (feld - 1);
            const int links = x0 + tabelle_->columnViewportPosition(erste);
            const int breite = tabelle_->columnWidth(erste) * 3;
            const QRect r(links, 0, breite - 1, height() - 1);
            p.fillRect(r, feld % 2 ? QColor(225, 235, 245) : QColor(240, 240, 225));
            p.setPen(QColor(150, 150, 150));
            p.drawRect(r);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, QString::fromStdString(Kalibrierung::detailGruppe(feld)));
        }
    }

  private:
    QTableView* tabelle_;
};

}  // namespace

TFDetail::TFDetail(Kalibrierung& k, Programmkontext& kontext, QWidget* eltern)
    : QWidget(eltern, Qt::Window), k_(k), kontext_(kontext), modell_(new DetailModell(k, this)) {
    setObjectName(QStringLiteral("FDetail"));
    setWindowTitle(titelMitVersion());

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    QWidget* oben = leiste("PTop", this);
    auto* ol = static_cast<QHBoxLayout*>(oben->layout());
    auto* BClose = bildknopf(symbol::beenden(), QStringLiteral("Schließen"), "BClose", oben);
    auto* BHilfe = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe"), "BHilfe", oben);
    ol->addWidget(BClose);
    ol->addStretch();
    ol->addWidget(BHilfe);
    l->addWidget(oben);

    // on a screen smaller than the window the table scrolls
    auto* PMitte = new QWidget;
    PMitte->setObjectName(QStringLiteral("PMitte"));
    auto* inhalt = new QVBoxLayout(PMitte);
    inhalt->setContentsMargins(0, 0, 0, 0);
    inhalt->setSpacing(0);
    auto* mitte = new QVBoxLayout;
    mitte->setContentsMargins(2, 3, 2, 2);
    mitte->setSpacing(0);
    GDetail_ = new QTableView(this);
    GDetail_->setObjectName(QStringLiteral("GDetail"));
    GDetail_->setModel(modell_);
    GDetail_->setItemDelegate(new ZiffernDelegate(GDetail_));
    QFont zahlen = GDetail_->font();
    zahlen.setPixelSize(11);
    GDetail_->setFont(zahlen);
    GDetail_->verticalHeader()->hide();
    GDetail_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GDetail_->verticalHeader()->setMinimumSectionSize(8);
    GDetail_->verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    QHeaderView* h = GDetail_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setMinimumSectionSize(8);
    h->setFixedHeight(kZeilenhoehe + 1);
    h->setHighlightSections(false);
    h->setSectionsClickable(false);
    GDetail_->setColumnWidth(0, kSpielBreite);
    GDetail_->setColumnWidth(1, kXyBreite);
    for (int c = 2; c < Kalibrierung::kDetailSpalten; ++c) GDetail_->setColumnWidth(c, kDatenBreite);
    GDetail_->setSelectionMode(QAbstractItemView::SingleSelection);
    GDetail_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    GDetail_->setCornerButtonEnabled(false);
    const int breite = 2 * GDetail_->frameWidth() + kSpielBreite + kXyBreite +
                       (Kalibrierung::kDetailSpalten - 2) * kDatenBreite;
    const int hoehe =
        2 * GDetail_->frameWidth() + h->height() + (Kalibrierung::kDetailZeilen - 1) * kZeilenhoehe;
    GDetail_->setFixedSize(breite, hoehe);
    GDetail_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GDetail_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* kopf = new Gruppenkopf(GDetail_, this);
    kopf->setFixedWidth(breite);
    mitte->addWidget(kopf, 0, Qt::AlignHCenter);
    mitte->addWidget(GDetail_, 0, Qt::AlignHCenter);
    inhalt->addLayout(mitte);

    auto* rat = new QVBoxLayout;
    rat->setContentsMargins(10, 4, 10, 4);
    rat->setSpacing(2);
    const char* zeilen[] = {
        "Bevor Sie hier umständlich Einzelwerte ändern, prüfen Sie zuvor Folgendes:",
        "• Stimmen die Horizontalwerte für die 1 (Heimsiege), nicht aber für 0 und 2, korrigieren Sie den "
        "Kästchen-Abstand.",
        "• Weichen alle Horizontal- bzw. Vertikalwerte jeweils um einen festen Wert ab, nutzen Sie die "
        "Ausdruck-Korrektur.  "};
    for (int i = 0; i < 3; ++i) {
        auto* z = new QLabel(QString::fromUtf8(zeilen[i]), this);
        z->setObjectName(QStringLiteral("LRat%1").arg(i + 1));
        if (i == 0) {
            QFont f = z->font();
            f.setBold(true);
            z->setFont(f);
        }
        rat->addWidget(z);
    }
    inhalt->addLayout(rat);
    inhalt->addStretch();
    l->addWidget(rollbar(PMitte, QSize(400, 240), this), 1);

    QWidget* unten = leiste("PUnten", this);
    auto* ul = static_cast<QHBoxLayout*>(unten->layout());
    auto* BDel = knopf(QStringLiteral("Alle A-Werte"), "BDel", unten);
    BDel->setIcon(symbol::loeschen());
    BDel->setToolTip(QStringLiteral("Leert die ganze Tabelle"));
    auto* BSchliessen = knopf(QStringLiteral("Schließen"), "BSchliessen", unten);
    ul->addWidget(BDel);
    ul->addStretch();
    ul->addWidget(BSchliessen);
    l->addWidget(unten);

    connect(BClose, &QToolButton::clicked, this, &QWidget::close);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(BDel, &QPushButton::clicked, this, &TFDetail::BDelClick);
    connect(BHilfe, &QToolButton::clicked, this, [this] { kontext_.hilfe(this, kHilfeAWerte); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeAWerte); });
    resize(1190, 662);
}

void TFDetail::aktualisieren() {
    modell_->aktualisieren();
}

void TFDetail::BDelClick() {
    k_.detailLeeren();
    aktualisieren();
}

}  // namespace kv::ui
