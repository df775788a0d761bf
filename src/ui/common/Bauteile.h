// Building blocks the windows share: push buttons and labels with their
// object names, the bars at the top and bottom of a window, and the small
// icon buttons in them (close, help, delete).
#pragma once

#include <QString>

class QIcon;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace kv::ui {

// A caption as it is shown: a blank after a hyphen inside a word ("Als Text-
// Datei") is where the caption wraps, so it becomes a line break ("Als
// Text-" / "Datei"); a hyphen between words (" - ") stays as it is.
QString umbrochen(const QString& beschriftung);

// A push button that never becomes the window's default button; its caption
// wraps as umbrochen() says.
QPushButton* knopf(const QString& text, const char* name, QWidget* eltern);
// A label, its text wrapped as umbrochen() says; `umbrechen` lets a long text
// wrap anywhere besides. An empty name leaves it unnamed.
QLabel* label(const QString& text, const char* name, QWidget* eltern, bool umbrechen = false);
// The text of a text field as typed or pasted, its lines joined by line
// feeds. Unlike toPlainText() it keeps no-break spaces, so a text read from
// the field is the text the command line reads from a file.
QString rohText(const QPlainTextEdit* feld);
// A bar across the window, a shade darker than the window, holding a
// horizontal layout.
QWidget* leiste(const char* name, QWidget* eltern);
// The change mark beside a file label: "geändert" in bold red, named
// "LGeaendert", hidden until the window shows what is not saved.
QLabel* aenderungsmarke(QWidget* eltern);
// A flat button showing only an icon of `groesse` pixels, with a tool tip.
QToolButton* bildknopf(const QIcon& symbol, const QString& hinweis, const char* name, QWidget* eltern,
                       int groesse = 20);

}  // namespace kv::ui
