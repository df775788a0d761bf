// "FDruck", the print window: the calibration of a print format (the values
// measured on a paper slip, the twelve field tables, the detail window with
// every box position), a slip file's rows in `GReihen`, and the print run
// onto the paper slips with its preview and the calibration sheet. Made on
// the first use of the print command; closing only hides it, so format,
// tables and loaded slip stay for the rest of the program run.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "common/Befehle.h"
#include "print/Druckfenster.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace kv::ui {

class Drucksystem;
class FeldtabellenModell;
class Programmkontext;
class Reihenansicht;
class TFDetail;
class TFVorschau;
class UpDown;
class Zifferfeld;

class TFDruck : public QWidget {
    Q_OBJECT
  public:
    explicit TFDruck(Programmkontext& kontext);
    ~TFDruck() override;

    // The window's state (calibration, print options, print store).
    Druckfenster& zustand() { return z_; }
    const Druckfenster& zustand() const { return z_; }

    // The print command: a new, empty detail window (the old one goes).
    void neuesDetailfenster();
    TFDetail* detail() const;
    // The preview shown last, while it is open.
    TFVorschau* vorschau() const;
    // The printer the set-up dialog configures; kept for the program run.
    QPrinter& drucker();
    // True while a print run is going on.
    bool laeuft() const { return ablauf_ != nullptr; }

    // --- unsaved calibration ---------------------------------------------
    QLabel* LGeaendert() const { return LGeaendert_; }
    // Before the format shown is replaced (another format opened, the
    // format re-read on showing, a new detail window): "Änderungen
    // speichern?" when it holds unsaved changes. True when it may be
    // replaced (saved, or to be discarded).
    bool formatVerwerfenErlaubt();
    // The next showing keeps the format shown instead of re-reading it (or,
    // with false, reads it again as usual).
    void neuLesenAussetzen(bool an = true) { neuLesenAussetzen_ = an; }
    // Shows the format last read or saved again, unsaved changes dropped.
    void aenderungenVerwerfen();
    // Shows a draft of the calibration, still unsaved.
    void entwurfAnwenden(std::string_view daten);

    // --- the commands, one per control ----------------------------------
    void BOpenClick();  // "Scheinformat öffnen..."
    // Reads the format file `datei` as "Scheinformat öffnen..." does with the
    // file the user chose, remembered as Formatdatei included.
    void formatOeffnen(const QString& datei);
    // "Scheinformat speichern...": true when the format was written.
    bool BsaveClick();
    void BDetailZeigenClick();         // "Alle A-Werte anzeigen"
    void BKalibrierblattClick();       // "Kalibrierblatt drucken"
    void BAutoFillClick();             // "Automatisch ausfüllen"
    void BUndoClick();                 // "Ausfüllen rückgängig" / "Löschen rückgängig"
    void BDelClick();                  // "  Felder  1 - 12"
    void feldLoeschenClick(int feld);  // the delete button of one field table
    void BExtrahierenClick();          // "A-Werte extrahieren"
    void BOpen2Click();                // "Spielschein öffnen..."
    void FileForPrint(const QString& pfad);
    void BAusdruckClick();  // "Drucken starten"
    void BStopClick();      // "Drucken stoppen"
    void BVorschauClick();  // "Druckvorschau"

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // building the window (TFDruckAufbau.cpp)
    QWidget* obenBauen();
    QWidget* linksBauen();
    QWidget* masseBauen(QWidget* eltern);
    QWidget* nummerBauen(QWidget* eltern);
    QWidget* zusatzBauen(QWidget* eltern);
    QWidget* tabellenBauen(QWidget* eltern);
    QWidget* hinweiseBauen(QWidget* eltern);
    QWidget* rechtsBauen();
    QWidget* untenBauen();
    void verbinden();

    // shows the state in the controls
    void anzeigen();
    // the change mark, and the draft follows
    void aenderungZeigen();
    void druckanzeigen();
    // shows a message of the plain logic; false when there was one
    bool melden(const std::optional<Druckmeldung>& m);
    void laufEnde();
    // The printer set-up dialog for the jobs named `auftrag`; a PDF file is
    // proposed under that name, not under the one chosen for the other kind
    // of job. False on cancel.
    bool druckerWaehlen(const QString& auftrag);
    // After a paper slip was handed over to `name`: watches its job until the
    // print system took it (true), or the run must stop (false; the message
    // or the user's choice has been dealt with). `vorher` is the highest job
    // number before the hand-over.
    bool auftragVerfolgen(Drucksystem& system, const QString& name, int vorher);
    void druckstatus(const QString& text);

    Programmkontext& kontext_;
    Druckfenster z_;
    std::unique_ptr<QPrinter> drucker_;
    QPointer<TFDetail> detail_;
    QPointer<TFVorschau> vorschau_;
    Druckablauf* ablauf_ = nullptr;
    QString pdfScheine_, pdfBlatt_;  // the PDF files chosen for slips and for the calibration sheet
    bool ersteAnzeige_ = true;
    bool neuLesenAussetzen_ = false;

    // calibration
    UpDown* Up1_ = nullptr;
    QLabel* LAnz_ = nullptr;
    QRadioButton* RG1einer_ = nullptr;
    QRadioButton* RG1zwei_ = nullptr;
    QButtonGroup* RG1_ = nullptr;
    QLabel* LReihen_ = nullptr;
    Zifferfeld* eAbstandh_ = nullptr;
    Zifferfeld* eAbstandv_ = nullptr;
    Zifferfeld* Ehori_ = nullptr;
    Zifferfeld* Evert_ = nullptr;
    Zifferfeld* ENrx_ = nullptr;
    Zifferfeld* ENry_ = nullptr;
    Zifferfeld* ENr_ = nullptr;
    QCheckBox* cbNr_ = nullptr;
    std::array<QCheckBox*, 4> cbZus_{};
    // [game][answer][x, y]
    std::array<std::array<std::array<Zifferfeld*, 2>, 2>, 4> EZus_{};
    std::array<FeldtabellenModell*, 12> xy_{};
    QPushButton* BUndo_ = nullptr;
    QPushButton* BExtrahieren_ = nullptr;
    QLabel* LDatei_ = nullptr;
    QLabel* LGeaendert_ = nullptr;

    // printing
    QLabel* LDatei2_ = nullptr;
    Reihenansicht* GReihen_ = nullptr;
    Zifferfeld* EStart_ = nullptr;
    Zifferfeld* EEnde_ = nullptr;
    QLabel* LAnzTs_ = nullptr;
    QPushButton* BAusdruck_ = nullptr;
    QPushButton* BStop_ = nullptr;
    QPushButton* BVorschau_ = nullptr;
    QCheckBox* cbFragen_ = nullptr;
    QLabel* LDruckstatus_ = nullptr;
};

// A question of the print window's logic (Ja/Nein/Abbrechen), asked through
// the dialog seam; closing the box counts as Abbrechen.
Druckantwort frageStellen(QWidget* eltern, const std::string& frage);

// The print command "Tippschein(e) drucken..." (menu "&Datei", tool bar):
// makes the print window on first use, gives it a new detail window and
// shows it in front.
Befehl druckBefehl(Programmkontext& kontext);

// Print formats handed to the program from outside open in the print window,
// shown as by the print command, as "Scheinformat öffnen..." opens them; and
// the print window's part of the drafts of unsaved work.
void scheinformateAnmelden(Programmkontext& kontext);

}  // namespace kv::ui
