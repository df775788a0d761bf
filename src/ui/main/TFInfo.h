// The program information "FInfo": program name and version. The window
// deletes itself when closed; F1 opens its help page.
#pragma once

#include <QDialog>

namespace kv::ui {

class TFInfo : public QDialog {
    Q_OBJECT
  public:
    explicit TFInfo(QWidget* parent = nullptr);
};

}  // namespace kv::ui
