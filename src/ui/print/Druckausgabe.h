// Slip printing on a QPrinter: the page system of the run (tenths of a
// millimetre, y upwards, origin at the top-left corner of the printable
// area), the marks, and the print jobs of a run.
#pragma once

#include <QMargins>
#include <QString>
#include <QStringList>

#include <vector>

#include "print/Druckplan.h"
#include "print/Kalibrierblatt.h"

class QPainter;
class QPrinter;

namespace kv::ui {

// The name of the print jobs of slips.
inline constexpr const char* kAuftragsname = "Tippschein-Druck";
inline constexpr const char* kKalibrierblattName = "Kalibrierblatt";

// The printer's physical offsets, the unprintable margins at the left and
// the top, in device units.
QMargins druckerversatz(const QPrinter& drucker);
// The same with the printer's resolution, as the print plan takes them.
Geraeteversatz geraeteversatz(const QPrinter& drucker);

// Sets up `p`, begun on a printer with full-page drawing, for the page
// system: origin at the corner of the printable area (`versatz` device
// units from the paper's corner), unit 0.1 mm, y upwards, and the mark font:
// bold, character cell 3.5 mm high, navy blue, the printer's default typeface.
void seitensystem(QPainter& p, const QMargins& versatz);

// Draws the marks of a paper slip; each mark's point is the top-left corner
// of its character cell.
void markenZeichnen(QPainter& p, const std::vector<Druckmarke>& marken);
// The faint picture of the format's boxes under the preview: the outline of
// a mark's cell at every point (page system, without corrections).
void kaestchenZeichnen(QPainter& p, const std::vector<Markenpunkt>& punkte);
// The calibration sheet: a small cross where the middle of a mark's "x"
// would be printed at every point, the field numbers above their first box
// and a caption line below everything.
void kreuzeZeichnen(QPainter& p, const Kalibrierblatt& blatt, const QString& unterschrift);

// The print jobs of one run on one printer: every job is one page, named
// `name`. A printer that writes a PDF file gets one file per job: the first
// the chosen name, the next ones "-2", "-3", ... before the suffix.
class Druckauftraege {
  public:
    Druckauftraege(QPrinter& drucker, const QString& name);
    ~Druckauftraege();
    Druckauftraege(const Druckauftraege&) = delete;
    Druckauftraege& operator=(const Druckauftraege&) = delete;

    // Begins the next job and sets `p` up for the page system; false when
    // the printer could not begin (beginnen() gives the message then).
    bool beginnen(QPainter& p);
    // Ends the job: the page goes to the printer.
    void beenden(QPainter& p);
    // Why the last job could not begin, in German.
    QString fehlertext() const;
    // The PDF files written so far (empty for a real printer).
    const QStringList& dateien() const { return dateien_; }

  private:
    QPrinter& drucker_;
    QString datei_;  // the output file chosen, restored at the end
    QMargins versatz_;
    int auftraege_ = 0;
    QStringList dateien_;
};

}  // namespace kv::ui
