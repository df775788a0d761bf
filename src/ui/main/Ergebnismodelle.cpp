#include "main/Ergebnismodelle.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

#include "common/Farben.h"

namespace kv::ui {

namespace {

int sichtbar(std::uint64_t n) {
    return static_cast<int>(std::min(n, kMaxSichtbareZeilen));
}

}  // namespace

ReihenModell::ReihenModell(const Programmzustand& zustand, std::size_t slot, QObject* eltern)
    : KopfModell(eltern), zustand_(&zustand), slot_(slot), zeilen_(0), fm_(QFont()) {
    zeilen_ = sichtbar(static_cast<int>(slot_) < zustand.scheinAnzahl() ? this->slot().schein.zeilen() : 0);
}

int ReihenModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : zeilen_;
}

void ReihenModell::setzeSchrift(const QFont& f) {
    fm_ = QFontMetrics(f);
}

Reihentabelle ReihenModell::tabelle() const {
    const Scheinslot& s = slot();
    return Reihentabelle(s.schein, s.auswertung ? &*s.auswertung : nullptr);
}

QString ReihenModell::gepolstert(const std::string& text, int w) const {
    return zentriert(QString::fromStdString(text), w, fm_);
}

QVariant ReihenModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    const auto zeile = static_cast<std::uint64_t>(i.row()) + 1;
    const int spalte = i.column();
    const Scheinslot& s = slot();
    const Reihentabelle t(s.schein, s.auswertung ? &*s.auswertung : nullptr);
    switch (role) {
        case Qt::DisplayRole: {
            const std::string text = t.zelle(spalte, zeile);
            if (spalte == 0) return gepolstert(text, 31);
            if (spalte == kChanceSpalte && text != "---" && !text.empty()) return gepolstert(text, 25);
            return QString::fromStdString(text);
        }
        case Qt::BackgroundRole: {
            if (spalte == 0) return QApplication::palette().color(QPalette::Button);
            if (!s.auswertung) return {};
            if (spalte == kChanceSpalte) {
                const QColor c = chancenFarbe(t.chance(zeile));
                return c.isValid() ? QVariant(c) : QVariant();
            }
            const int tipp = t.tippSpalte(zeile, spalte);
            if (tipp == 0) return {};
            const int ergebnis = s.auswertung->lage().gewinnreihe[static_cast<std::size_t>(spalte - 1)];
            const bool beendet = zustand_->istBeendet(spalte);
            return farbeVon(reihenzellenFarbe(tipp, ergebnis, beendet));
        }
        case Qt::TextAlignmentRole:
            return spalte == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
        default:
            return {};
    }
}

void ReihenModell::aktualisieren() {
    if (zeilen_ == 0) return;
    Q_EMIT dataChanged(index(0, 1), index(zeilen_ - 1, kChanceSpalte), {Qt::DisplayRole, Qt::BackgroundRole});
}

ChancenModell::ChancenModell(const Programmzustand& zustand, std::size_t slot, QObject* eltern)
    : KopfModell(eltern), zustand_(&zustand), slot_(slot) {}

QVariant ChancenModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role != Qt::DisplayRole) return weisseZelle(role);
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    if (!s.auswertung) return QString();
    const std::uint64_t n = s.auswertung->chancenEintrag(i.column(), static_cast<std::uint64_t>(i.row()) + 1);
    return n ? QString::number(n) : QString();
}

void ChancenModell::aktualisieren() {
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    const int neu = std::max(1, sichtbar(s.auswertung ? s.auswertung->maxK() : 0));
    if (neu > zeilen_) {
        beginInsertRows({}, zeilen_, neu - 1);
        zeilen_ = neu;
        endInsertRows();
    } else if (neu < zeilen_) {
        beginRemoveRows({}, neu, zeilen_ - 1);
        zeilen_ = neu;
        endRemoveRows();
    }
    Q_EMIT dataChanged(index(0, 0), index(zeilen_ - 1, 3), {Qt::DisplayRole});
}

}  // namespace kv::ui
