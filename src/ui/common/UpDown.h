// A horizontal up-down: two arrow buttons that step a position between a
// minimum and a maximum. Setting the position from the program always
// reports the change, also when the value stays the same; a position outside
// the range is refused without any effect.
//
// It takes the keyboard focus (Tab): the arrow keys, + and - step it, a digit
// sets it (two digits typed quickly, such as "1" "2", give 12), Home sets
// the minimum.
#pragma once

#include <QWidget>

class QToolButton;

namespace kv::ui {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* eltern = nullptr, int minimum = 0, int maximum = 12);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // A new range (maximum at least minimum); a position outside it moves to
    // its nearer end, and that move is reported.
    void setzeBereich(int minimum, int maximum);
    // The tool tips of the two arrow buttons (the goals' "ein Tor weniger",
    // "ein Tor mehr" at start).
    void setzeHinweise(const QString& runter, const QString& hoch);
    // Returns false (and changes nothing) for a value outside the range.
    bool setzePosition(int wert);
    // Shows a position without reporting it (a view drawing what is already
    // stored); false, and no change, for a value outside the range.
    bool zeigePosition(int wert);

    QToolButton* knopfRunter() const { return runter_; }
    QToolButton* knopfHoch() const { return hoch_; }

  Q_SIGNALS:
    void geaendert(int position);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void schritt(int d);
    void ziffer(int z);

    int minimum_, maximum_, position_;
    QToolButton* runter_;
    QToolButton* hoch_;
    int letzteZiffer_ = -1;
    qint64 letzteZifferZeit_ = 0;
};

}  // namespace kv::ui
