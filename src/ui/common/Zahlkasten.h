// A box showing a count, such as the tip rows of a field ("1594323") or
// "VEW: 144", that is never cut at its edges whatever the font and the
// scale: text() stays the whole text, and the drawing fits it in. The text
// goes on one line; in a box high enough for two lines a text with a blank
// may break at its last blank; where it is still too wide, the font gets
// smaller, and below the smallest size the text is drawn narrower.
#pragma once

#include <QLabel>
#include <QStringList>

namespace kv::ui {

class Zahlkasten : public QLabel {
    Q_OBJECT
  public:
    explicit Zahlkasten(QWidget* eltern);

    // The lines and the font as they are drawn now, and the horizontal
    // squeeze (1: none) below the smallest font.
    struct Einpassung {
        QStringList zeilen;
        QFont schrift;
        double stauchung = 1.0;
    };
    Einpassung einpassung() const;

  protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace kv::ui
