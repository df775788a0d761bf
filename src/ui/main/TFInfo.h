// The program information "FInfo": program name and version. The window
// deletes itself when closed; F1 opens its help page.
#pragma once

#include <QDialog>

#include "common/Befehle.h"

namespace kv::ui {

class Programmkontext;

class TFInfo : public QDialog {
    Q_OBJECT
  public:
    explicit TFInfo(QWidget* parent = nullptr);
};

// The command "&Programm-Info" (menu "&Hilfe").
Befehl infoBefehl(Programmkontext& kontext);

}  // namespace kv::ui
