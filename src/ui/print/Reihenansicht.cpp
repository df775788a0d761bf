#include "print/Reihenansicht.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

#include "print/Druckmodelle.h"
#include "print/Zifferfeld.h"

namespace kv::ui {

namespace {

// The scroll bar counts in ints; a table longer than that scrolls in steps.
constexpr std::uint64_t kMaxBalken = static_cast<std::uint64_t>(std::numeric_limits<int>::max());

}  // namespace

Reihenansicht::Reihenansicht(const Zellquelle& quelle, QWidget* eltern)
    : QWidget(eltern),
      modell_(new ReihenfensterModell(quelle, this)),
      ansicht_(new QTableView(this)),
      balken_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("PReihen"));
    ansicht_->setObjectName(QStringLiteral("GReihen"));
    balken_->setObjectName(QStringLiteral("GReihenRollbalken"));
    ansicht_->setModel(modell_);
    ansicht_->setItemDelegate(new ZiffernDelegate(ansicht_));
    ansicht_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ansicht_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ansicht_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht_->setSelectionMode(QAbstractItemView::NoSelection);
    ansicht_->setFocusPolicy(Qt::NoFocus);
    ansicht_->setWordWrap(false);
    ansicht_->setCornerButtonEnabled(false);
    QHeaderView* v = ansicht_->verticalHeader();
    v->hide();
    v->setSectionResizeMode(QHeaderView::Fixed);
    v->setMinimumSectionSize(kZeilenhoehe);
    v->setDefaultSectionSize(kZeilenhoehe);
    QHeaderView* h = ansicht_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setMinimumSectionSize(8);
    h->setDefaultSectionSize(kTippbreite);
    h->setHighlightSections(false);
    h->setSectionsClickable(false);
    ansicht_->setColumnWidth(0, kNummernbreite);
    ansicht_->viewport()->installEventFilter(this);

    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(ansicht_, 1);
    l->addWidget(balken_);
    setFixedWidth(2 * ansicht_->frameWidth() + kNummernbreite + 13 * kTippbreite +
                  balken_->sizeHint().width());

    connect(balken_, &QScrollBar::valueChanged, this, [this] { fensterSetzen(); });
    neuGeladen();
}

int Reihenansicht::sichtbareZeilen() const {
    const int hoehe = ansicht_->viewport()->height();
    return std::max(1, hoehe / kZeilenhoehe);
}

void Reihenansicht::neuGeladen() {
    {
        const QSignalBlocker sperre(balken_);
        balken_->setValue(0);
    }
    modell_->neuGeladen();
    for (int c = 1; c < modell_->columnCount(); ++c) ansicht_->setColumnWidth(c, kTippbreite);
    ansicht_->setColumnWidth(0, kNummernbreite);
    fensterSetzen();
}

void Reihenansicht::zeigeAb(std::uint64_t zeile) {
    balken_->setValue(static_cast<int>(std::min<std::uint64_t>(zeile > 0 ? zeile - 1 : 0, kMaxBalken)));
    fensterSetzen();
}

void Reihenansicht::fensterSetzen() {
    const std::uint64_t n = modell_->reihen();
    const int voll = sichtbareZeilen();
    // the last rows may end at the bottom edge: the range leaves a full view
    const std::uint64_t max = n > static_cast<std::uint64_t>(voll) ? n - static_cast<std::uint64_t>(voll) : 0;
    const int bis = static_cast<int>(std::min(max, kMaxBalken));
    if (balken_->maximum() != bis || balken_->pageStep() != voll) {
        const QSignalBlocker sperre(balken_);
        balken_->setRange(0, bis);
        balken_->setPageStep(voll);
    }
    balken_->setEnabled(bis > 0);
    const auto erste = static_cast<std::uint64_t>(balken_->value()) + 1;
    // one more row than fits completely, so that a partly shown row is drawn
    modell_->setzeFenster(erste, voll + 1);
}

void Reihenansicht::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    fensterSetzen();
}

bool Reihenansicht::eventFilter(QObject* o, QEvent* e) {
    if (o == ansicht_->viewport() && e->type() == QEvent::Wheel) {
        auto* w = static_cast<QWheelEvent*>(e);
        const int stufen = -w->angleDelta().y() / 40;  // three rows per notch
        balken_->setValue(balken_->value() + stufen);
        return true;
    }
    if (o == ansicht_->viewport() && e->type() == QEvent::Resize) fensterSetzen();
    return QWidget::eventFilter(o, e);
}

}  // namespace kv::ui
