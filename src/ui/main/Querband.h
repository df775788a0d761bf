// A band across the main window that keeps its height and scrolls sideways
// when the window is narrower than its content: the scroll bar appears below
// the content, and the band grows by the scroll bar's height instead of
// covering the content's lower edge.
#pragma once

#include <QScrollArea>

namespace kv::ui {

class Querband : public QScrollArea {
    Q_OBJECT
  public:
    explicit Querband(QWidget* eltern);

    // Puts `inhalt` into the band; the band takes its height.
    void inhaltSetzen(QWidget* inhalt);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    void hoeheAnpassen();

    int hoehe_ = 0;
};

}  // namespace kv::ui
