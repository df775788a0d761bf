// A horizontal up-down: two arrow buttons that step a position between a
// minimum and a maximum. Setting the position from the program always
// reports the change, also when the value stays the same; a position outside
// the range is refused without any effect.
#pragma once

#include <QWidget>

class QToolButton;

namespace kv::ui {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* eltern = nullptr, int minimum = 0, int maximum = 12);

    int position() const { return position_; }
    // Returns false (and changes nothing) for a value outside the range.
    bool setzePosition(int wert);
    // Shows a position without reporting it (a view drawing what is already
    // stored); false, and no change, for a value outside the range.
    bool zeigePosition(int wert);

    QToolButton* knopfRunter() const { return runter_; }
    QToolButton* knopfHoch() const { return hoch_; }

  Q_SIGNALS:
    void geaendert(int position);

  private:
    void schritt(int d);

    int minimum_, maximum_, position_;
    QToolButton* runter_;
    QToolButton* hoch_;
};

}  // namespace kv::ui
