// Building blocks the windows share: push buttons and labels with their
// object names, the bars at the top and bottom of a window, and the small
// icon buttons in them (close, help, delete).
#pragma once

#include <QString>

class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace kv::ui {

// A push button that never becomes the window's default button.
QPushButton* knopf(const QString& text, const char* name, QWidget* eltern);
// A label; `umbrechen` lets a long text wrap. An empty name leaves it unnamed.
QLabel* label(const QString& text, const char* name, QWidget* eltern, bool umbrechen = false);
// A bar across the window, a shade darker than the window, holding a
// horizontal layout.
QWidget* leiste(const char* name, QWidget* eltern);
// A flat button showing only an icon of `groesse` pixels, with a tool tip.
QToolButton* bildknopf(const QIcon& symbol, const QString& hinweis, const char* name, QWidget* eltern,
                       int groesse = 20);

}  // namespace kv::ui
