#include "main/Ergebnismodelle.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

#include "common/Farben.h"
#include "common/Gitter.h"

namespace kv::ui {

ReihenQuelle::ReihenQuelle(const Programmzustand& zustand, std::size_t slot)
    : zustand_(&zustand), slot_(slot), fm_(QFont()) {}

std::uint64_t ReihenQuelle::zeilenAnzahl() const {
    return static_cast<int>(slot_) < zustand_->scheinAnzahl() ? slot().schein.zeilen() : 0;
}

void ReihenQuelle::setzeSchrift(const QFont& f) {
    fm_ = QFontMetrics(f);
}

Reihe ReihenQuelle::reihe(std::uint64_t zeile) const {
    if (zeile != letzteZeile_) {
        letzteReihe_ = slot().schein.reihe(zeile);
        letzteZeile_ = zeile;
    }
    return letzteReihe_;
}

QVariant ReihenQuelle::daten(std::uint64_t wert, int spalte, int rolle) const {
    const std::uint64_t zeile = wert + 1;  // the line number
    const Scheinslot& s = slot();
    if (zeile > s.schein.zeilen() || spalte < 0 || spalte >= kReihenSpalten) return {};
    // the tip of match `spalte` (column 1..3), 0 when the row has none
    auto tipp = [&] {
        const Reihe r = reihe(zeile);
        for (int c = 1; c <= kSpalten; ++c)
            if (r & kreuzBit(kreuzIndex(spalte, c))) return c;
        return 0;
    };
    switch (rolle) {
        case Qt::DisplayRole: {
            if (spalte == 0) return zentriert(QString::number(zeile), 31, fm_);
            if (spalte == kChanceSpalte) {
                if (!s.auswertung) return QString();
                const int c = s.auswertung->chance(zeile);
                return c == kKeineChance ? QStringLiteral("---") : zentriert(QString::number(c), 25, fm_);
            }
            const int t = tipp();
            return t ? QString(QLatin1Char(zeichenVonSpalte(t))) : QString();
        }
        case Qt::BackgroundRole: {
            if (spalte == 0) return QApplication::palette().color(QPalette::Button);
            if (!s.auswertung) return {};
            if (spalte == kChanceSpalte) {
                const QColor c = chancenFarbe(s.auswertung->chance(zeile));
                return c.isValid() ? QVariant(c) : QVariant();
            }
            const int t = tipp();
            if (t == 0) return {};
            const int ergebnis = s.auswertung->lage().gewinnreihe[static_cast<std::size_t>(spalte - 1)];
            return farbeVon(reihenzellenFarbe(t, ergebnis, zustand_->istBeendet(spalte)));
        }
        case Qt::TextAlignmentRole:
            return spalte == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
        default:
            return {};
    }
}

ChancenQuelle::ChancenQuelle(const Programmzustand& zustand, std::size_t slot)
    : zustand_(&zustand), slot_(slot) {}

std::uint64_t ChancenQuelle::zeilenAnzahl() const {
    if (static_cast<int>(slot_) >= zustand_->scheinAnzahl()) return 1;
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    return std::max<std::uint64_t>(1, s.auswertung ? s.auswertung->maxK() : 0);
}

QVariant ChancenQuelle::daten(std::uint64_t zeile, int spalte, int rolle) const {
    if (rolle != Qt::DisplayRole) return KopfModell::weisseZelle(rolle);
    const Scheinslot& s = zustand_->slot(static_cast<int>(slot_));
    if (!s.auswertung) return QString();
    const std::uint64_t n = s.auswertung->chancenEintrag(spalte, zeile + 1);
    return n ? QString::number(n) : QString();
}

}  // namespace kv::ui
