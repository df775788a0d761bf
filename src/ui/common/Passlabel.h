// A label whose text is never cut at its edge, however narrow the window:
// text() stays the whole text, only the drawing fits it in. A file label
// ("Gespeichert in: Spieltag 12.sp13") wraps at a blank onto a second line
// where it has two, and takes a smaller font (down to 10 pixels) before it
// shortens the middle with "…"; a club name shortens its end. Whenever
// something is left out, the tool tip shows the whole text.
#pragma once

#include <QLabel>

namespace kv::ui {

class Passlabel : public QLabel {
    Q_OBJECT
  public:
    enum class Art { Datei, Name };

    // `zeilen`: the lines a file label may take (its height).
    Passlabel(Art art, QWidget* eltern, int zeilen = 1);

    // The lines and the font as drawn.
    QStringList zeilen() const { return zeilen_; }
    QFont schrift() const { return schrift_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

  private:
    void einpassen();

    Art art_;
    int maxZeilen_;
    QString gepasst_;  // the text einpassen() last fitted, at the width it had
    int breite_ = -1;
    QStringList zeilen_;
    QFont schrift_;
};

}  // namespace kv::ui
