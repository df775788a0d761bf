// "FMain", the main window. It shows, from top to bottom, the menus and tool
// bar (filled from the command table), the score band with the 13 matches
// (Spielband), the strip of the single slip with the winning row
// (Scheinleiste), and beside each other the 12 field frames of the left slip
// (Scheinfelder) and the result tabs (Ergebnistabs). The panels draw
// themselves from the program state; the main window coordinates: it starts
// and ends the program, opens files and turns the user's commands into
// operations on the state.
#pragma once

#include <QMainWindow>

#include <functional>
#include <vector>

#include "common/Programmkontext.h"
#include "evaluation/Programmzustand.h"

class QCheckBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace kv::ui {

class Ergebnistabs;
class Scheinfelder;
class Scheinleiste;
class Spielband;
class Spielstandsicherung;
class TFFrScheineS;
class TFGZEingabe;
class TFfrErg;
class TFfrGrid;

class TFMain : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kPpcOffen = 378;
    static constexpr int kPpcZu = 46;

    // Builds the window with its menus and tool bar; the command table of
    // `kontext` fills them. Its own commands are made known at once.
    explicit TFMain(Programmkontext& kontext, QWidget* eltern = nullptr);
    ~TFMain() override;

    Programmkontext& kontext() { return kontext_; }
    const Programmzustand& zustand() const { return kontext_.zustand(); }
    const QString& datenordner() const { return kontext_.datenordner(); }
    QString einstellungsdatei() const { return kontext_.einstellungsdatei(); }
    QString spielstanddatei() const { return kontext_.spielstanddatei(); }
    bool startFertig() const { return startFertig_; }
    Spielstandsicherung* sicherung() const { return sicherung_; }

    // --- files (left panel, tabs, fixture list, scores) ------------------
    // Opens a slip in the left panel; true when it has 1 to 12 fields.
    bool DateiEinlesen(const QString& fn);
    // Opens a slip as a tab on the right; the tab, or null.
    QWidget* DateienEinlesen(const QString& fn);
    void BNeu();
    void BOpenClick();
    void BOpen1Click();
    void BOpen2Click();
    // Reads a fixture list; the panels show it (club names, hints, LDatei2).
    // With `fragen`, unsaved fixtures of the normal slip entry window are
    // saved or discarded first; false when the user kept them.
    bool SpielplanEinlesen(const QString& fn, bool fragen = true);
    void HintZuweisen(int spiel, const QString& paarung);
    void SpielstaendeEinlesen(const QString& fn);
    // The score-file commands of the menu "&Datei" (Spielsystemauswhlen1,
    // Spielstndegesondertspeichern1, AutomatischgespeicherteSpielstndeeinlesen1).
    void gesondertGespeicherteSpielstaendeOeffnen();
    void spielstaendeGesondertSpeichern();
    void automatischGespeicherteSpielstaendeEinlesen();

    // --- scores, colours and the evaluation ------------------------------
    // Shows result `tendenz` (1..3) for match `spiel`; evaluates when
    // `auswerten` and a slip is open.
    void FarbAnzeige(int spiel, int tendenz, bool auswerten);
    void Gewinnauswertung();
    void BRunClick(int spiel);
    void BAllesClick();
    void BNullClick();
    void BGZdirektClick();

    // --- the right panel -------------------------------------------------
    int ppcBreite() const;
    void setzePpcBreite(int breite);
    void splitt1Moved();
    void Image1Click();

    // --- small windows and commands (each runs its command of the table) ----
    void BKalClick();
    void InfoClick();
    void BCalcClick();
    void HilfeClick();
    void HilfeSuchenClick();

    // --- parts of the window ---------------------------------------------
    TFfrErg* frSpiel(int spiel) const;
    TFFrScheineS* Tippfeld(int feld) const;
    QLabel* Ausgang(int feld, int spiel, int spalte) const;
    QLabel* PGewZ(int spiel) const;
    // The result frame of slot s (0-based), or null for a slip on the left.
    TFfrGrid* fr(int slot) const;
    QTabWidget* PC1() const;
    QScrollArea* PTipps() const;
    QSplitter* splitt1() const { return splitt1_; }
    QCheckBox* cbMerken() const;
    QCheckBox* cbMerken2() const;
    QCheckBox* cbRechts() const;
    QCheckBox* cbMerkenSp() const;
    QLabel* LDatei() const;
    QLabel* LDatei2() const;
    QToolButton* BAlles() const;
    QToolBar* PTool() const { return PTool_; }
    QMenu* menueDatei() const { return menueDatei_; }
    QMenu* menueExtras() const { return menueExtras_; }
    QMenu* menueHilfe() const { return menueHilfe_; }
    TFGZEingabe* gzEingabe() const;

  Q_SIGNALS:
    // The start is over (startFertig()): files from outside open from now on.
    void gestartet();
    // A fixture list was read (full file name).
    void spielplanGelesen(const QString& fn);
    // The window closed after saving: the program ends.
    void beendet();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Files dropped on the window open as files named on the command line do.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    // building (FormCreate)
    void FormCreate();
    void menuesBauen();
    void befehleAnmelden();
    // How slips, fixture lists and score files from outside are opened.
    void dateiartenAnmelden();

    // start and end
    void FormShow();
    bool FormCloseQuery();
    // Writes the settings of the closing sequence and the scores; false when
    // the scores could not be written (a message was shown).
    bool sichern();
    // Each remember box writes its key as soon as it is ticked or cleared.
    void haekchenSofortMerken();

    // Opens the fields already read from `fn` as a new tab, or shows the tab
    // of that file when it is open and unchanged.
    QWidget* tabOeffnen(const QString& fn, Schein schein);
    // The slot of the open tab of the file `fn` (the same file under any
    // name), or -1.
    int offenerTab(const QString& fn) const;
    // "Reiter schließen": the slot leaves the evaluation and, with
    // "Datei-Auswahl merken" ticked, the remembered list.
    void tabSchliessen(int slot);
    // Remembers every slip open on the right as [Spielscheine].
    void rechteScheineMerken();
    // A goal count changed at an up-down of match `spiel`.
    void torGeaendert(int spiel, bool heim);
    void Farbe(int spiel, int heim, int gast);
    // Runs `f` as one command: file errors end it with a message.
    void befehl(const std::function<void()>& f);
    // The status line names the slip file an entry window wrote, until a
    // slip is opened.
    void scheinGeschriebenZeigen();
    void geoeffnetZeigen();

    Programmkontext& kontext_;
    Programmzustand& zustand_;
    bool startFertig_ = false;
    bool formGezeigt_ = false;
    bool einklappen_ = true;
    int ppcSoll_ = kPpcOffen;  // width to apply once the splitter has its size
    bool ppcSollOffen_ = true;

    Spielband* band_ = nullptr;
    Spielstandsicherung* sicherung_ = nullptr;
    Scheinleiste* leiste_ = nullptr;
    Scheinfelder* felder_ = nullptr;
    Ergebnistabs* PPC_ = nullptr;
    QSplitter* splitt1_ = nullptr;
    QMenu* menueDatei_ = nullptr;
    QMenu* menueExtras_ = nullptr;
    QMenu* menueHilfe_ = nullptr;
    QToolBar* PTool_ = nullptr;
};

}  // namespace kv::ui
