#include "common/Fenstergitter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "common/Gitter.h"

namespace kv::ui {

namespace {

// Scroll positions the bar takes one for one; more rows share its positions.
constexpr std::uint64_t kBalkenStellen = std::uint64_t{1} << 30;

}  // namespace

// The rows of the window: line i is row anfang + i of the source.
class Fenstermodell : public KopfModell {
  public:
    Fenstermodell(QObject* eltern) : KopfModell(eltern) {}

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : zeilen_; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : spalten_; }
    QVariant data(const QModelIndex& i, int rolle) const override {
        if (!i.isValid() || !quelle_) return {};
        return quelle_->daten(anfang_ + static_cast<std::uint64_t>(i.row()), i.column(), rolle);
    }

    void setzeQuelle(const Zeilenquelle* q, int spalten) {
        beginResetModel();
        quelle_ = q;
        spalten_ = spalten;
        zeilen_ = 0;
        endResetModel();
    }
    // Shows `zeilen` rows from `anfang` on.
    void zeige(std::uint64_t anfang, int zeilen) {
        anfang_ = anfang;
        if (zeilen != zeilen_) {
            beginResetModel();
            zeilen_ = zeilen;
            endResetModel();
        } else {
            neuZeichnen();
        }
    }
    void neuZeichnen() {
        if (zeilen_ > 0 && spalten_ > 0)
            Q_EMIT dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1),
                               {Qt::DisplayRole, Qt::BackgroundRole, Qt::TextAlignmentRole});
    }

  private:
    const Zeilenquelle* quelle_ = nullptr;
    int spalten_ = 0;
    int zeilen_ = 0;
    std::uint64_t anfang_ = 0;
};

// The inner view: it draws the window; keys, wheel and scrolling requests go
// to the Fenstergitter, which knows all rows.
class Fensteransicht : public Gitter {
  public:
    Fensteransicht(Fenstergitter& g) : Gitter(&g), g_(g) {
        setFrameShape(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    void scrollTo(const QModelIndex& i, ScrollHint hint = EnsureVisible) override {
        if (!i.isValid() || g_.intern_) return;
        const std::uint64_t zeile = g_.anfang_ + static_cast<std::uint64_t>(i.row());
        if (hint == PositionAtTop)
            g_.setzeOben(zeile);
        else
            g_.zeigeZeile(zeile);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!g_.taste(e)) Gitter::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override { g_.rad(e); }
    void resizeEvent(QResizeEvent* e) override {
        Gitter::resizeEvent(e);
        g_.fensterNeu();
    }
    void currentChanged(const QModelIndex& neu, const QModelIndex& alt) override {
        Gitter::currentChanged(neu, alt);
        if (neu.isValid() && !g_.intern_) g_.angeklickt(neu.row(), neu.column());
    }

  private:
    Fenstergitter& g_;
};

Fenstergitter::Fenstergitter(QWidget* eltern)
    : QFrame(eltern),
      ansicht_(new Fensteransicht(*this)),
      modell_(new Fenstermodell(this)),
      leiste_(new QScrollBar(Qt::Vertical, this)) {
    // the frame a scroll area draws round its view and scroll bar
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(ansicht_, 1);
    l->addWidget(leiste_);
    ansicht_->setModel(modell_);
    setFocusProxy(ansicht_);
    leiste_->setSingleStep(1);
    connect(leiste_, &QScrollBar::actionTriggered, this, &Fenstergitter::balkenAktion);
    connect(leiste_, &QScrollBar::valueChanged, this, &Fenstergitter::balkenBewegt);
}

Fenstergitter::~Fenstergitter() = default;

Gitter* Fenstergitter::gitter() const {
    return ansicht_;
}

void Fenstergitter::setzeQuelle(const Zeilenquelle* quelle, int spalten) {
    quelle_ = quelle;
    modell_->setzeQuelle(quelle, spalten);
    oben_ = 0;
    aktuell_.reset();
    zeilenGeaendert();
}

void Fenstergitter::spaltenSetzen(const std::vector<int>& breiten) {
    ansicht_->spaltenSetzen(breiten);
}

void Fenstergitter::kopfSetzen(const QStringList& texte, const std::vector<int>& w) {
    ansicht_->kopfSetzen(modell_, texte, w);
}

void Fenstergitter::setzeZeilenhoehe(int hoehe) {
    ansicht_->verticalHeader()->setMinimumSectionSize(hoehe);
    ansicht_->verticalHeader()->setDefaultSectionSize(hoehe);
    fensterNeu();
}

int Fenstergitter::sichtbareZeilen() const {
    const int h = ansicht_->verticalHeader()->defaultSectionSize();
    return std::max(1, ansicht_->viewport()->height() / std::max(1, h));
}

std::uint64_t Fenstergitter::maxOben() const {
    const auto v = static_cast<std::uint64_t>(sichtbareZeilen());
    return zeilen_ > v ? zeilen_ - v : 0;
}

int Fenstergitter::balkenWert(std::uint64_t oben) const {
    const std::uint64_t max = maxOben();
    if (max <= kBalkenStellen) return static_cast<int>(oben);
    if (oben >= max) return static_cast<int>(kBalkenStellen);
    return static_cast<int>(static_cast<long double>(oben) / static_cast<long double>(max) *
                            static_cast<long double>(kBalkenStellen));
}

std::uint64_t Fenstergitter::obenVon(int wert) const {
    const std::uint64_t max = maxOben();
    const auto w = static_cast<std::uint64_t>(std::max(0, wert));
    if (max <= kBalkenStellen) return std::min(w, max);
    if (w >= kBalkenStellen) return max;
    return std::min(max, static_cast<std::uint64_t>(static_cast<long double>(w) /
                                                    static_cast<long double>(kBalkenStellen) *
                                                    static_cast<long double>(max)));
}

void Fenstergitter::balkenNeu() {
    const std::uint64_t max = maxOben();
    intern_ = true;
    leiste_->setRange(0, balkenWert(max));
    leiste_->setPageStep(max <= kBalkenStellen
                             ? sichtbareZeilen()
                             : std::max(1, balkenWert(static_cast<std::uint64_t>(sichtbareZeilen()))));
    leiste_->setValue(balkenWert(oben_));
    intern_ = false;
}

void Fenstergitter::balkenAktion(int aktion) {
    // Steps and pages move by rows, also where one bar position stands for many.
    const auto v = static_cast<std::uint64_t>(sichtbareZeilen());
    std::uint64_t neu = oben_;
    switch (aktion) {
        case QAbstractSlider::SliderSingleStepAdd:
            neu = oben_ + 1;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            neu = oben_ > 0 ? oben_ - 1 : 0;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            neu = oben_ + v;
            break;
        case QAbstractSlider::SliderPageStepSub:
            neu = oben_ > v ? oben_ - v : 0;
            break;
        case QAbstractSlider::SliderToMinimum:
            neu = 0;
            break;
        case QAbstractSlider::SliderToMaximum:
            neu = maxOben();
            break;
        default:
            return;  // dragging: the position decides (balkenBewegt)
    }
    setzeOben(neu);
    leiste_->setSliderPosition(balkenWert(oben_));
}

void Fenstergitter::balkenBewegt(int wert) {
    if (intern_ || wert == balkenWert(oben_)) return;
    oben_ = obenVon(wert);
    fensterNeu();
}

void Fenstergitter::setzeOben(std::uint64_t zeile) {
    oben_ = std::min(zeile, maxOben());
    fensterNeu();
}

void Fenstergitter::zeigeZeile(std::uint64_t zeile) {
    if (zeile >= zeilen_) return;
    const auto v = static_cast<std::uint64_t>(sichtbareZeilen());
    if (zeile < oben_)
        setzeOben(zeile);
    else if (zeile >= oben_ + v)
        setzeOben(zeile - v + 1);
}

void Fenstergitter::fensterNeu() {
    const auto v = static_cast<std::uint64_t>(sichtbareZeilen());
    oben_ = std::min(oben_, maxOben());
    // At the end the last row stands at the bottom edge and the one above the
    // first full row shows its lower part, as in a table view scrolled down.
    const bool ende = zeilen_ > v && oben_ == maxOben();
    anfang_ = ende ? oben_ - 1 : oben_;
    const auto n = static_cast<int>(std::min(zeilen_ - anfang_, v + 1));
    intern_ = true;
    modell_->zeige(anfang_, n);
    // the view's current cell follows the current row while it is in the window
    QItemSelectionModel* auswahl = ansicht_->selectionModel();
    if (aktuell_ && *aktuell_ >= anfang_ && *aktuell_ < anfang_ + static_cast<std::uint64_t>(n))
        auswahl->setCurrentIndex(modell_->index(static_cast<int>(*aktuell_ - anfang_), aktuelleSpalte_),
                                 QItemSelectionModel::NoUpdate);
    else
        auswahl->clearCurrentIndex();
    if (ende)
        ansicht_->scrollToBottom();
    else
        ansicht_->scrollToTop();
    intern_ = false;
    balkenNeu();
}

void Fenstergitter::zeilenGeaendert() {
    zeilen_ = quelle_ ? quelle_->zeilenAnzahl() : 0;
    if (aktuell_ && *aktuell_ >= zeilen_) aktuell_.reset();
    fensterNeu();
}

void Fenstergitter::datenGeaendert() {
    modell_->neuZeichnen();
}

void Fenstergitter::setzeAktuelleZeile(std::uint64_t zeile, int spalte) {
    if (zeile >= zeilen_) return;
    const bool anders = aktuell_ != zeile;
    aktuell_ = zeile;
    aktuelleSpalte_ = std::clamp(spalte, 0, std::max(0, modell_->columnCount() - 1));
    zeigeZeile(zeile);
    fensterNeu();
    if (anders) Q_EMIT aktuelleZeileGeaendert(zeile);
}

void Fenstergitter::angeklickt(int fensterzeile, int spalte) {
    // a click makes the row current without scrolling, as in a table view
    const std::uint64_t zeile = anfang_ + static_cast<std::uint64_t>(fensterzeile);
    const bool anders = aktuell_ != zeile;
    aktuell_ = zeile;
    aktuelleSpalte_ = spalte;
    if (anders) Q_EMIT aktuelleZeileGeaendert(zeile);
}

std::optional<std::uint64_t> Fenstergitter::zeileAn(int y) const {
    const int i = ansicht_->rowAt(y);
    if (i < 0) return std::nullopt;
    return anfang_ + static_cast<std::uint64_t>(i);
}

QVariant Fenstergitter::zelle(std::uint64_t zeile, int spalte, int rolle) const {
    if (!quelle_ || zeile >= zeilen_) return {};
    return quelle_->daten(zeile, spalte, rolle);
}

QSize Fenstergitter::groesseFuer(int zeilen) const {
    const QSize innen = ansicht_->groesseFuer(zeilen);
    return {innen.width() + leiste_->sizeHint().width() + 2 * frameWidth(),
            innen.height() + 2 * frameWidth()};
}

bool Fenstergitter::taste(QKeyEvent* e) {
    // The moves of a table view's cursor, over all rows: a key without a
    // current cell goes to the first one; Page Up/Down go by the viewport's
    // height from the current row's edge.
    if (zeilen_ == 0) return false;
    const bool strg = e->modifiers() & Qt::ControlModifier;
    const int spalten = modell_->columnCount();
    const std::uint64_t letzte = zeilen_ - 1;
    const int h = ansicht_->verticalHeader()->defaultSectionSize();
    const std::int64_t hoehe = ansicht_->viewport()->height();
    std::uint64_t zeile = aktuell_.value_or(0);
    int spalte = aktuelleSpalte_;
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            break;
        default:
            return false;
    }
    if (!aktuell_) {
        spalte = 0;
    } else {
        switch (e->key()) {
            case Qt::Key_Up:
                zeile = zeile > 0 ? zeile - 1 : 0;
                break;
            case Qt::Key_Down:
                zeile = std::min(zeile + 1, letzte);
                break;
            case Qt::Key_Left:
                spalte = std::max(0, spalte - 1);
                break;
            case Qt::Key_Right:
                spalte = std::min(spalten - 1, spalte + 1);
                break;
            case Qt::Key_PageUp: {
                // the row at the current row's bottom edge less the height
                const std::int64_t schritt =
                    static_cast<std::int64_t>(std::floor(static_cast<double>(h - 2 - hoehe) / h));
                const auto zurueck = static_cast<std::uint64_t>(-schritt);
                zeile = zeile > zurueck ? zeile - zurueck : 0;
                break;
            }
            case Qt::Key_PageDown:
                zeile = std::min(letzte, zeile + static_cast<std::uint64_t>(hoehe / h));
                break;
            case Qt::Key_Home:
                spalte = 0;
                if (strg) zeile = 0;
                break;
            case Qt::Key_End:
                spalte = spalten - 1;
                if (strg) zeile = letzte;
                break;
            default:
                break;
        }
    }
    setzeAktuelleZeile(zeile, spalte);
    return true;
}

void Fenstergitter::rad(QWheelEvent* e) {
    // As a scroll bar takes the wheel: three rows a notch (the desktop's
    // setting), fractions kept for the next turn, never more than a page;
    // with Ctrl or Shift a page a notch.
    const int delta = e->angleDelta().y();
    if (delta == 0) {
        e->ignore();
        return;
    }
    const double notches = delta / 120.0;
    const int seite = sichtbareZeilen();
    std::int64_t schritte = 0;
    if (e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
        schritte =
            std::clamp(static_cast<std::int64_t>(notches * seite), -std::int64_t{seite}, std::int64_t{seite});
        radRest_ = 0;
    } else {
        const double zeilen = QApplication::wheelScrollLines() * notches;
        if (radRest_ != 0 && (zeilen / radRest_) < 0) radRest_ = 0;
        radRest_ += zeilen;
        schritte = std::clamp(static_cast<std::int64_t>(radRest_), -std::int64_t{seite}, std::int64_t{seite});
        radRest_ -= std::trunc(radRest_);
        // less than a row: kept, unless there is nothing left to scroll that way
        if (schritte == 0 && ((radRest_ > 0 && oben_ == 0) || (radRest_ < 0 && oben_ == maxOben())))
            radRest_ = 0;
    }
    e->accept();
    if (schritte == 0) return;
    // turning towards the user (negative) scrolls down
    if (schritte > 0)
        setzeOben(oben_ > static_cast<std::uint64_t>(schritte) ? oben_ - static_cast<std::uint64_t>(schritte)
                                                               : 0);
    else
        setzeOben(oben_ + static_cast<std::uint64_t>(-schritte));
}

}  // namespace kv::ui
