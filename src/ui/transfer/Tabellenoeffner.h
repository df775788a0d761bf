// The spreadsheet program of the desktop, behind a small interface so that
// the GUI tests can stand in for it.
#pragma once

#include <QString>

namespace kv::ui {

class Tabellenoeffner {
  public:
    virtual ~Tabellenoeffner() = default;
    // Whether a program that opens workbooks (.xlsx) is registered.
    virtual bool vorhanden() = 0;
    // Starts that program with the workbook. Returns an empty text when the
    // program was started, otherwise the reason why not.
    virtual QString oeffnen(const QString& mappe) = 0;

    // The desktop's own (unless a test installed another).
    static Tabellenoeffner& tabellenoeffner();
    // Installs `o` (not owned); nullptr brings back the desktop's.
    static void setzeTabellenoeffner(Tabellenoeffner* o);
};

// ExcelVorhanden: whether the spreadsheet program is registered.
bool ExcelVorhanden();

}  // namespace kv::ui
