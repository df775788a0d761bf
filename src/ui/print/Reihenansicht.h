// `GReihen`, the row table of the print window: a grid view on a window of
// the rows (ReihenfensterModell) and a scroll bar of its own over all rows.
// The view never learns how many rows there are, so neither it nor its
// headers grow with the slip.
#pragma once

#include <QWidget>

#include <cstdint>

class QScrollBar;
class QTableView;

namespace kv {
class Zellquelle;
}

namespace kv::ui {

class ReihenfensterModell;

class Reihenansicht : public QWidget {
    Q_OBJECT
  public:
    Reihenansicht(const Zellquelle& quelle, QWidget* eltern);

    // After a new slip was loaded: back to row 1.
    void neuGeladen();
    // Scrolls so that table row `zeile` (1-based) is the first one shown.
    void zeigeAb(std::uint64_t zeile);

    QTableView* tabelle() const { return ansicht_; }
    QScrollBar* rollbalken() const { return balken_; }
    const ReihenfensterModell& modell() const { return *modell_; }
    // Rows that fit into the view.
    int sichtbareZeilen() const;

    // Column widths: 63 for the row number, 20 per tip column.
    static constexpr int kNummernbreite = 63;
    static constexpr int kTippbreite = 20;
    static constexpr int kZeilenhoehe = 17;

  protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void fensterSetzen();

    ReihenfensterModell* modell_;
    QTableView* ansicht_;
    QScrollBar* balken_;
};

}  // namespace kv::ui
