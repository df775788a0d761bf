// Models of a tab's row table (GReihen) and chance lists (GChancen). Both
// read the slip and its last evaluation from the program state whenever a
// cell is drawn.
#pragma once

#include <QFontMetrics>

#include <array>

#include "common/Gitter.h"
#include "evaluation/Programmzustand.h"
#include "evaluation/Reihentabelle.h"

namespace kv::ui {

// The most lines a view can scroll through at the fixed row height; a larger
// slip lists its first lines (its text export still writes all of them).
inline constexpr std::uint64_t kMaxSichtbareZeilen = 100'000'000;

class ReihenModell : public KopfModell {
    Q_OBJECT
  public:
    ReihenModell(const Programmzustand& zustand, std::size_t slot, QObject* eltern);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : kReihenSpalten; }
    QVariant data(const QModelIndex& i, int role) const override;

    // The font the cells are measured in (for the padding of numbers).
    void setzeSchrift(const QFont& f);
    // After an evaluation: the chance column and every colour may differ.
    void aktualisieren();
    // The cells as the text export reads them (header in row 0).
    Reihentabelle tabelle() const;

  private:
    const Scheinslot& slot() const { return zustand_->slot(static_cast<int>(slot_)); }
    QString gepolstert(const std::string& text, int w) const;

    const Programmzustand* zustand_;
    std::size_t slot_;
    int zeilen_;
    QFontMetrics fm_;
};

class ChancenModell : public KopfModell {
    Q_OBJECT
  public:
    ChancenModell(const Programmzustand& zustand, std::size_t slot, QObject* eltern);

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : zeilen_; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& i, int role) const override;

    // After an evaluation: the longest list decides the line count (at least 1).
    void aktualisieren();

  private:
    const Programmzustand* zustand_;
    std::size_t slot_;
    int zeilen_ = 1;
};

}  // namespace kv::ui
