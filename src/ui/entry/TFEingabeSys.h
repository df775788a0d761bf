// "FEingabeSys", the system slip entry window: a whole paper slip as twelve
// tip-field editors side by side ("Feld1" ... "Feld12" in the scroll box
// "Box1"). The player crosses boxes, picks a VEW system per field, saves the
// slip as a slip file or opens one to look at or change it. Created hidden at
// start-up; closing only hides it, so the fields last until the program ends.
#pragma once

#include <QWidget>

#include <array>

#include "common/Befehle.h"
#include "eingabe/Systemscheineingabe.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace kv::ui {

class Fensterleiste;
class Programmkontext;
class TFfrFeld;

class TFEingabeSys : public QWidget {
    Q_OBJECT
  public:
    // The client sizes of the narrow window (six fields visible) and of the
    // wide one ("Alle Spielfelder anzeigen").
    static constexpr QSize kSchmal{957, 682};
    static constexpr QSize kBreit{1904, 662};

    explicit TFEingabeSys(Programmkontext& kontext, QWidget* eltern = nullptr);
    ~TFEingabeSys() override;

    Systemscheineingabe& schein() { return schein_; }
    TFfrFeld* Feld(int f) const { return felder_[static_cast<std::size_t>(f - 1)]; }
    QLabel* LDatei() const { return LDatei_; }
    QCheckBox* cbAlle() const { return cbAlle_; }
    QWidget* hinweisPanel() const { return Panel1_; }
    QScrollArea* Box1() const { return Box1_; }

    QLabel* LGeaendert() const { return LGeaendert_; }
    QLabel* LStatus() const { return LStatus_; }

    // --- the commands -----------------------------------------------------
    // "Spielschein s&peichern": true when the slip was written.
    bool BSaveClick();
    void BOpenClick();  // "Spielschein ö&ffnen"
    void BDelClick();   // "Alle Angaben löschen"
    // Empties the slip without a question (after the question, and the new
    // slip of the normal slip window).
    void NeuerSchein();
    void cbAlleClick();

    // Before unsaved crosses are discarded: "Änderungen speichern?"; true
    // when they were saved or may go.
    bool verwerfenErlaubt();

    // Shows every field as the slip holds it now (after the slip changed
    // other than through a frame: a new slip, an opened file).
    void alleAnzeigen();
    // Shows whether the slip holds unsaved changes ("geändert" beside the
    // file label) and lets the draft follow.
    void aenderungZeigen();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QWidget* obenBauen();
    QWidget* untenBauen();
    void FormShow();
    void FormCloseQuery();
    // The client size `soll`, kept within the screen the window is on.
    void groesseSetzen(QSize soll);
    void LDateiZeigen();
    void sicherungAnmelden();

    Programmkontext& kontext_;
    Systemscheineingabe schein_;
    std::array<TFfrFeld*, kMaxFelder> felder_{};
    Fensterleiste* Tool1_ = nullptr;
    QLabel* LDatei_ = nullptr;
    QLabel* LGeaendert_ = nullptr;
    QLabel* LStatus_ = nullptr;
    QCheckBox* cbAlle_ = nullptr;
    QWidget* Panel1_ = nullptr;
    QScrollArea* Box1_ = nullptr;
};

// Creates the system slip entry window hidden, as a window of its own above
// the main window, and returns the command "Neuen Systemschein eingeben..."
// (menu "&Datei", tool-bar button "BSys") that shows it.
Befehl systemscheinBefehl(Programmkontext& kontext);

}  // namespace kv::ui
