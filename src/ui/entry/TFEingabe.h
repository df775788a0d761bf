// "FEingabe", the normal slip entry window: the fixtures of the coming match
// day and their tendencies, taken over from the operator's web page (pasted
// into "M1", read with "Daten auslesen") or from a fixture list, shown in the
// grid "G1" and saved as a fixture list; from the tendencies a suggested tip
// field "Vorschlag", its rows listed, filtered, reduced at random and saved
// as a slip or a text file, or handed to the system slip entry window.
//
// Three panels side by side under the tool bar: left the pages "Rohdaten
// einfügen" and "Aufbereiteter Spielplan" with the group "Tipp-Vorschlag"
// (510 pixels, all the narrow window shows), middle the suggestion field with
// the settings and the filter, right the row list. Created hidden at
// start-up; closing only hides it, so everything in it lasts until the end.
#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "common/Befehle.h"
#include "eingabe/Eingabeeinstellungen.h"
#include "eingabe/Normalscheineingabe.h"
#include "eingabe/Spielplanimport.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace kv::ui {

class Fensterleiste;
class Programmkontext;
class Spielplanansicht;
class Spielplanmodell;
class Chancenzeile;
class Einzelfeldrahmen;
class Garantiereduzierung;
using TFfrFeld2 = Einzelfeldrahmen;
class UpDown;
class Zeilenliste;

class TFEingabe : public QWidget {
    Q_OBJECT
  public:
    // The client width of the narrow window (left panel only), of the wide
    // one, the height of both, and the widths of the left and middle panels.
    static constexpr int kSchmal = 510;
    static constexpr int kBreit = 1120;
    static constexpr int kHoehe = 466;
    static constexpr int kMitte = 417;
    // Above this client width the tool bar shows the CSV note "PCSV".
    static constexpr int kCsvAb = 1000;

    explicit TFEingabe(Programmkontext& kontext, QWidget* eltern = nullptr);
    ~TFEingabe() override;

    // --- the fixtures (left panel) -------------------------------------------
    void BAuslesenClick();           // "Daten auslesen"
    void bsSkinSpeedButton3Click();  // empties M1
    void bsSkinSpeedButton7Click();  // "Quelle aufrufen"
    void BSaveUrlClick();            // saves the address of EUrl
    void BOpenClick();               // "Spielplan öffnen"
    bool BSaveClick();               // "Begegnungen speichern...": true when saved
    // Shows the program's fixture list in G1 and reads its tendencies; `s`
    // is the file name for LDatei. Runs whenever a fixture list is read.
    void BegegnungenTendenzen(const QString& s);

    // --- the suggestion and its rows (middle and right panels) ---------------
    void BVorschlagClick();  // "Tipp vor- schlagen"
    void BAktualClick();     // "Aktualisieren" of the suggestion settings
    void BFilterClick();     // "Aktualisieren" of the filter: lists the rows
    void cbFilterClick();    // "Filter anwenden"
    void M2Change();
    void BZufallClick();             // the random reduction
    void garantieReduziert();        // the list holds a guaranteed reduction
    void quotenFilterClick();        // bsSkinSpeedButton5: the odds filter with the suggestion
    void bsSkinSpeedButton1Click();  // "Als Spiel- schein"
    bool bsSkinSpeedButton2Click();  // "Als Text- Datei": true when saved
    void BSave2Click();              // "Vorschlag als Spielschein"

    // --- unsaved work ----------------------------------------------------------
    // The grid differs from the fixture list last opened or saved.
    bool spielplanGeaendert() const;
    // The row list holds hand edits not saved as a text file.
    bool listeGeaendert() const;

    bool UrlGeaendert() const { return UrlGeaendert_; }
    const Spielplanraster& raster() const { return raster_; }
    Normalscheineingabe& eingabe() { return eingabe_; }
    // The values the settings controls show now.
    Eingabeeinstellungen einstellungen() const;
    // Whether the window has grown wide (after the first suggestion).
    bool breit() const { return breit_; }

    TFfrFeld2* Vorschlag() const { return Vorschlag_; }
    UpDown* upDown(int n) const { return ups_[static_cast<std::size_t>(n - 1)]; }  // Up1 .. Up6
    UpDown* upZ() const { return upZ_; }
    Zeilenliste* M2() const { return M2_; }
    Garantiereduzierung* garantie() const { return garantie_; }
    // The chances of the listed rows, beside "Anzahl Tippreihen".
    Chancenzeile* chancen() const { return chancen_; }
    int Reduz() const { return einstellungen_.Reduz; }
    QLabel* LAnz() const { return LAnz_; }
    QLabel* LStatus() const { return LStatus_; }
    // The change marks beside the grid's file label and above the row list.
    QLabel* LGeaendert() const { return LGeaendert_; }
    QLabel* LListeGeaendert() const { return LListeGeaendert_; }

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    QWidget* linksBauen(QWidget* eltern);
    QWidget* rohdatenBauen();
    QWidget* spielplanBauen();
    QWidget* mitteBauen(QWidget* eltern);
    QWidget* rechtsBauen(QWidget* eltern);
    QWidget* csvHinweisBauen();
    void panelsLegen();
    void FormShow();
    void FormCloseQuery();
    void einstellungenZeigen(const Eingabeeinstellungen& w);
    // After every cross set or removed in the suggestion field.
    void vorschlagGeaendert();
    void begegnungenGeaendert();
    void hilfe(int kontext);

    // unsaved work (TFEingabeSicherung.cpp)
    void sicherungAnmelden();
    // Shows the change marks and lets the draft follow.
    void aenderungZeigen();
    // Before the grid or the row list is replaced: "Änderungen speichern?"
    // when it holds unsaved work; true when the action may go on.
    bool spielplanVerwerfenErlaubt(QWidget* eltern);
    bool listeVerwerfenErlaubt();
    // Lists the field's rows into M2 (after the question).
    void auflisten();
    // The list shows exactly the listed rows; otherwise the message and false.
    bool listeUnveraendert();
    std::string entwurf() const;
    void entwurfAnwenden(std::string_view daten);

    Programmkontext& kontext_;
    Normalscheineingabe eingabe_;
    Spielplanraster raster_;
    Eingabeeinstellungen einstellungen_;
    bool UrlGeaendert_ = false;
    bool urlWirdGesetzt_ = false;
    // This window itself handed fixtures to the program state: its grid
    // already shows them.
    bool eigeneBegegnungen_ = false;
    bool breit_ = false;

    Fensterleiste* Tool1_ = nullptr;
    QWidget* PCSV_ = nullptr;
    QWidget* flaeche_ = nullptr;
    QWidget* links_ = nullptr;
    QWidget* mitte_ = nullptr;
    QWidget* rechts_ = nullptr;

    QTabWidget* PC1_ = nullptr;
    QWidget* Tab1_ = nullptr;
    QWidget* Tab2_ = nullptr;
    QLineEdit* EUrl_ = nullptr;
    QPushButton* BAuslesen_ = nullptr;
    QPlainTextEdit* M1_ = nullptr;
    QLabel* LDatei_ = nullptr;
    QLabel* LGeaendert_ = nullptr;
    QLabel* LStatus_ = nullptr;
    Spielplanmodell* G1Modell_ = nullptr;
    Spielplanansicht* G1_ = nullptr;
    QPushButton* BVorschlag_ = nullptr;
    QPushButton* BSave2_ = nullptr;

    TFfrFeld2* Vorschlag_ = nullptr;
    std::array<UpDown*, 6> ups_{};
    std::array<QLabel*, 6> upLabels_{};
    std::array<QCheckBox*, 3> nur_{};
    QCheckBox* cbFilter_ = nullptr;
    QToolButton* quoten_ = nullptr;  // bsSkinSpeedButton5, the odds filter

    QLabel* LAnz_ = nullptr;
    QLabel* LListeGeaendert_ = nullptr;
    QWidget* POben_ = nullptr;
    UpDown* upZ_ = nullptr;
    QLabel* LReduz_ = nullptr;
    Garantiereduzierung* garantie_ = nullptr;
    Chancenzeile* chancen_ = nullptr;
    Zeilenliste* M2_ = nullptr;
};

// Creates the normal slip entry window hidden, as a window of its own above
// the main window, and returns the command "Neuen Normalschein eingeben..."
// (menu "&Datei", tool-bar button "BEingabe") that shows it.
Befehl normalscheinBefehl(Programmkontext& kontext);

}  // namespace kv::ui
