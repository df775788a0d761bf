// "PPC", the right panel: the narrow strip "Image1" that collapses and opens
// it, and beside it the part with "Spielschein(e) öffnen..." and the tabs.
// When the panel is collapsed the part keeps its width and is cut off at the
// right instead of being squeezed.
#pragma once

#include <QWidget>

class QToolButton;

namespace kv::ui {

class Rechtsfeld : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStreifen = 18;
    static constexpr int kInhaltMin = 378 - kStreifen;

    explicit Rechtsfeld(QWidget* eltern);

    QToolButton* Image1() const { return Image1_; }
    QWidget* inhalt() const { return inhalt_; }
    // The strip's arrow points the way a click moves the panel.
    void zeigeEingeklappt(bool eingeklappt);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    QToolButton* Image1_;
    QWidget* inhalt_;
};

}  // namespace kv::ui
