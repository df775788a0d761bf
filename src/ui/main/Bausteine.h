// Small building blocks of the main window's panels: notes, tick boxes and
// the white box that shows a file name.
#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

namespace kv::ui {

// A note in a small type.
QLabel* hinweis(const QString& text, QWidget* eltern, int pixel = 10, bool fett = false);
// A tick box with its object name, ticked or not.
QCheckBox* haekchen(const char* name, const QString& text, bool an, QWidget* eltern);
// A white box with the caption "Datei" and the label `label` for a file name.
QWidget* dateiKasten(const char* name, QLabel*& label, const char* labelName, int breite, QWidget* eltern);

}  // namespace kv::ui
