// The drawn pictures of the print window: the tip field with the values A, B
// and C, the directions of the print correction, and how a paper slip lies
// in the printer's paper tray.
#pragma once

#include <QWidget>

namespace kv::ui {

// A tip field of 13 rows of boxes "1", "0", "2" with A (first box of match
// 1), B (first to third box) and C (match 1 to match 13) marked.
class Tippfeldbild : public QWidget {
    Q_OBJECT
  public:
    explicit Tippfeldbild(QWidget* eltern);
    QSize sizeHint() const override { return {178, 190}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
};

// Four arrows: -x to the left, +x to the right, -y upwards, +y downwards.
class Richtungsbild : public QWidget {
    Q_OBJECT
  public:
    explicit Richtungsbild(QWidget* eltern);
    QSize sizeHint() const override { return {56, 56}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
};

// How the slip goes into the tray. `lage` false: fed with its back side,
// held by the guides ("fixieren"), the front edge first ("vorn"); true: its
// place in the paper tray.
class Papierfachbild : public QWidget {
    Q_OBJECT
  public:
    Papierfachbild(bool lage, QWidget* eltern);
    QSize sizeHint() const override { return {150, 84}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    bool lage_;
};

}  // namespace kv::ui
