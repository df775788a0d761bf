// The calendar window "FKal": a month calendar and a close button. Closing
// only hides it; F1 opens its help page.
#pragma once

#include <QWidget>

class QCalendarWidget;
class QPushButton;

namespace kv::ui {

class TFKal : public QWidget {
    Q_OBJECT
  public:
    explicit TFKal(QWidget* parent = nullptr);

    QCalendarWidget* kalender() const { return kalender_; }

  private:
    QCalendarWidget* kalender_;
    QPushButton* BClose_;
};

}  // namespace kv::ui
