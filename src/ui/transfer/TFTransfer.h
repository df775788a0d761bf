// "FTransfer", the transfer tool: tip rows pasted as text become a table of
// rows, which is saved as a slip file or a text file or handed to the
// spreadsheet program. Created hidden at start-up; closing only hides it, so
// text and table last until the program ends.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include "common/Befehle.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace kv {
class Zellquelle;
}

namespace kv::ui {

class Programmkontext;
class TransferModell;
class UpDown;

// The text field: rows are pasted, not typed line by line, so Enter starts
// no new line.
class Textfeld : public QPlainTextEdit {
    Q_OBJECT
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class TFTransfer : public QWidget {
    Q_OBJECT
  public:
    // `datenordner`: the data folder with a trailing separator; the save
    // dialogs start there and the spreadsheet export writes its workbooks there.
    explicit TFTransfer(const QString& datenordner, QWidget* eltern = nullptr);

    // The text exactly as the text field holds it (lines joined by LF).
    QString text() const;
    const TransferModell& modell() const { return *modell_; }

    // --- the commands -----------------------------------------------------
    void BReihenInTabelleClick();  // ReihenInTabelle
    void BAlsScheinClick();        // TabelleAlsSchein
    void BReihenLoeschenClick();
    void BTextfeldLoeschenClick();
    void BAlsTextClick();
    void BExcelClick();
    void BHilfeClick();
    void M1Change();
    void up1Change(int position);

    // The workbook file the next spreadsheet export writes (in the data folder).
    QString naechsteMappe() const;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QWidget* linksBauen();
    QWidget* rechtsBauen();

    QString datenordner_;
    bool gezeigt_ = false;
    TransferModell* modell_;
    Textfeld* M1_ = nullptr;
    QLabel* LZeilen_ = nullptr;
    QLabel* LDatei_ = nullptr;
    QRadioButton* RG1a_ = nullptr;
    QRadioButton* RG1b_ = nullptr;
    UpDown* up1_ = nullptr;
    QTableView* G1_ = nullptr;
};

// The spreadsheet export: table rows 1 .. R - 1, columns 1 .. letzteSpalte,
// each value led by a no-break space, go into the new workbook file `mappe` (one
// sheet named `blattName`), which the desktop's spreadsheet program then
// opens. Without such a program the user is told so and nothing is written.
void TabelleNachExcel(QWidget* eltern, const Zellquelle& tabelle, const QString& blattName, int letzteSpalte,
                      const QString& mappe);

// Creates the transfer tool hidden, as a window of its own above the main
// window, and returns the command "Transfer-Tool" (tool bar and menu
// "&Extras") that shows it.
Befehl transferToolBefehl(Programmkontext& kontext);

}  // namespace kv::ui
