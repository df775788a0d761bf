// The bar chart of a distribution of best hits: one bar each for the outcomes
// whose best row has 13, 12, 11, 10 and at most 9 hits, as a share of the
// span. The large picture of the guarantee analysis window labels every bar
// with its count and share, and beside it draws the share weighted by the
// tendencies in blue; the small one fills a cell of its table.
#pragma once

#include <QWidget>

#include <array>

#include <optional>

#include "garantie/Garantieanalyse.h"

class QPainter;

namespace kv::ui {

class Verteilungsbild : public QWidget {
    Q_OBJECT
  public:
    explicit Verteilungsbild(QWidget* eltern = nullptr);

    // The distribution shown; nothing: an empty frame.
    void setzeVerteilung(const std::optional<Trefferverteilung>& v);
    const std::optional<Trefferverteilung>& verteilung() const { return verteilung_; }
    // The weighted shares of the five classes (0..1) beside the bars; nothing: none.
    void setzeGewichtet(const std::optional<std::array<double, 5>>& anteile);
    const std::optional<std::array<double, 5>>& gewichtet() const { return gewichtet_; }

    // The bar heights in pixels for bars of at most `hoehe` pixels: the share
    // of the span, at least 1 pixel for a class with any outcome.
    static std::array<int, 5> balkenhoehen(const Trefferverteilung& v, int hoehe);
    // The small chart without labels inside `r`.
    static void malenKlein(QPainter& p, const QRect& r, const Trefferverteilung& v);

    QSize sizeHint() const override { return {420, 260}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::optional<Trefferverteilung> verteilung_;
    std::optional<std::array<double, 5>> gewichtet_;
};

// The captions of the five classes: "13", "12", "11", "10", "≤ 9".
QString klassenText(int klasse);

}  // namespace kv::ui
