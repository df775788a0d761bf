// The tip-field editor's picture ("Panel1"): one field of a paper slip with
// its 13 match lines, the boxes "1", "0", "2" and the 2-way and 3-way mark
// columns, the blue cross marks and, while it has the keyboard focus, the
// focus box. Everything is drawn by the program itself in the coordinates of
// the field's geometry table, so the picture stays sharp at any scale.
//
// The picture decides nothing: presses and keys go to the field's
// `TrefferVerwerten` (kv::Tippfeld); a press on a 2-way or 3-way column shows
// the field's information message through the dialog seam.
#pragma once

#include <QColor>
#include <QWidget>

namespace kv {
class Tippfeld;
}

class QPainter;

namespace kv::ui {

namespace feldfarbe {
inline const QColor papier{255, 250, 235};
inline const QColor band{252, 234, 228};      // every second match line
inline const QColor druck{196, 30, 58};       // the slip's printed lines and numbers
inline const QColor vordruck{236, 160, 170};  // the digits printed in the boxes
inline const QColor kreuz{0, 0, 255};         // the player's crosses
}  // namespace feldfarbe

class Feldbild : public QWidget {
    Q_OBJECT
  public:
    Feldbild(Tippfeld& feld, QWidget* eltern);

    Tippfeld& feld() { return feld_; }
    // The middle of box (spalte 1..5, spiel 1..13) in this widget.
    static QPoint kastenMitte(int spalte, int spiel);

    // Draws the whole picture for `feld` into `p` (the widget's paint event
    // does exactly this), with the focus box when `fokus`.
    static void malen(QPainter& p, const Tippfeld& feld, bool fokus);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    Tippfeld& feld_;
};

}  // namespace kv::ui
