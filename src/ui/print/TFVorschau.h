// "Druckvorschau": the paper slips of the chosen range as the printer would
// get them, one page each, over a faint picture of the format's boxes. It
// prints nothing itself; "Drucken starten..." hands over to the print run.
#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

#include "print/Druckplan.h"

class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace kv::ui {

struct Vorschauinhalt {
    std::vector<Papierschein> seiten;    // the paper slips shown, in order
    std::uint64_t scheineGesamt = 0;     // the paper slips of the whole range
    std::vector<Markenpunkt> kaestchen;  // the format's boxes in the page system
};

class TFVorschau : public QDialog {
    Q_OBJECT
  public:
    TFVorschau(QPrinter& drucker, Vorschauinhalt inhalt, QWidget* eltern);

    QPrintPreviewWidget* ansicht() const { return ansicht_; }
    const Vorschauinhalt& inhalt() const { return inhalt_; }

  Q_SIGNALS:
    // "Drucken starten..." was clicked; the preview has closed.
    void druckenGewuenscht();

  private:
    void malen(QPrinter* drucker);
    void seiteAnzeigen();

    Vorschauinhalt inhalt_;
    QPrintPreviewWidget* ansicht_;
    QLabel* LSeite_;
};

}  // namespace kv::ui
