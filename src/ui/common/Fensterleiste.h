// The tool bar strip of a secondary window ("Tool1", 40 pixels high): icon
// buttons from the left, the help button at the right end and beside it the
// note "Fensterposition wird automatisch gespeichert".
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QToolButton;

namespace kv::ui {

class Befehlstabelle;

class Fensterleiste : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHoehe = 40;

    explicit Fensterleiste(QWidget* eltern);

    // A button at the next place from the left that runs `f`.
    QToolButton* knopf(const char* name, const QIcon& symbol, const QString& text, std::function<void()> f);
    // A button that runs the command `befehl` of the command table, as its
    // menu item in the main window would.
    QToolButton* befehlsknopf(const char* name, const QIcon& symbol, const QString& text,
                              const Befehlstabelle& befehle, const char* befehl);
    // The tools of the slip entry windows, "BUpdate" (running `update`),
    // "BCalc" and "BKal" (the calculator's and the calendar's commands).
    void werkzeuge(const Befehlstabelle& befehle, std::function<void()> update);
    // The help button "bsSkinSpeedButton6" and the position note at the right end;
    // F1 in the window presses the button.
    QToolButton* hilfeUndHinweis(std::function<void()> f);
    // A widget at the right end, left of the help button and the note.
    void rechtsEinfuegen(QWidget* w);

  private:
    QHBoxLayout* links_;
    QHBoxLayout* rechts_;
};

}  // namespace kv::ui
