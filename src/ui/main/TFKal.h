// The calendar window "FKal": a month calendar and a close button. Closing
// only hides it; F1 opens its help page.
#pragma once

#include <QWidget>

#include "common/Befehle.h"

class QCalendarWidget;
class QPushButton;

namespace kv::ui {

class Programmkontext;

class TFKal : public QWidget {
    Q_OBJECT
  public:
    explicit TFKal(QWidget* parent = nullptr);

    QCalendarWidget* kalender() const { return kalender_; }

  private:
    QCalendarWidget* kalender_;
    QPushButton* BClose_;
};

// The command "&Kalender" (menu "&Extras", tool bar): shows the calendar,
// made on first use; it is not brought to the front.
Befehl kalenderBefehl(Programmkontext& kontext);

}  // namespace kv::ui
