// "FMain", the main window: it owns the program state for the whole run and
// shows, from top to bottom, the menus and tool bar, the score entry panel
// with the 13 matches, the strip of the single slip with the winning row, the
// 12 field frames of the left slip, and on the right one tab per further slip.
#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "common/Programmkontext.h"
#include "evaluation/Programmzustand.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace kv::ui {

class TFFrScheineS;
class TFfrErg;
class TFfrGrid;
class TFGZEingabe;
class Rechtsfeld;

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

    // --- files (left panel, tabs, fixture list, scores) ------------------
    bool DateiEinlesen(const QString& fn);
    QWidget* DateienEinlesen(const QString& fn);
    void BNeu();
    void BOpenClick();
    void BOpen1Click();
    void BOpen2Click();
    // Reads a fixture list and shows it (club names, pairing hints, LDatei2).
    void SpielplanEinlesen(const QString& fn);
    // Writes the loaded fixtures' club names into the score frames and the
    // pairings as hints into the field frames.
    void begegnungenAnzeigen();
    void HintZuweisen(int a, const QString& s2);
    void SpielstaendeEinlesen(const QString& fn);
    void Spielsystemauswhlen1Click();
    void Spielstndegesondertspeichern1Click();
    void AutomatischgespeicherteSpielstndeeinlesen1Click();

    // --- scores, colours and the evaluation ------------------------------
    void FarbAnzeige(int b, int k, bool gewAusw);
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
    TFfrErg* frSpiel(int spiel) const { return frSpiel_[static_cast<std::size_t>(spiel - 1)]; }
    TFFrScheineS* Tippfeld(int feld) const { return Tippfeld_[static_cast<std::size_t>(feld - 1)]; }
    QLabel* Ausgang(int feld, int spiel, int spalte) const;
    QLabel* PGewZ(int spiel) const { return PGewZ_[static_cast<std::size_t>(spiel - 1)]; }
    // The result frame of slot s (0-based), or null for a slip on the left.
    TFfrGrid* fr(int slot) const;
    QTabWidget* PC1() const { return PC1_; }
    QScrollArea* PTipps() const { return PTipps_; }
    QSplitter* splitt1() const { return splitt1_; }
    QCheckBox* cbMerken() const { return cbMerken_; }
    QCheckBox* cbMerken2() const { return cbMerken2_; }
    QCheckBox* cbRechts() const { return cbRechts_; }
    QCheckBox* cbMerkenSp() const { return cbMerkenSp_; }
    QLabel* LDatei() const { return LDatei_; }
    QLabel* LDatei2() const { return LDatei2_; }
    QToolButton* BAlles() const { return BAlles_; }
    QToolBar* PTool() const { return PTool_; }
    QMenu* menueDatei() const { return menueDatei_; }
    QMenu* menueExtras() const { return menueExtras_; }
    QMenu* menueHilfe() const { return menueHilfe_; }
    TFGZEingabe* gzEingabe() const;

  Q_SIGNALS:
    // A fixture list was read (full file name).
    void spielplanGelesen(const QString& fn);
    // The window closed after saving: the program ends.
    void beendet();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // Opens the fields already read from `fn` as a new tab.
    QWidget* tabOeffnen(const QString& fn, const std::vector<TScheinOffen>& felder);
    // building (FormCreate)
    void FormCreate();
    void menuesBauen();
    void befehleAnmelden();
    QWidget* spielePanelBauen();
    QWidget* rechtsPanelBauen();
    QWidget* gewinnreiheBauen(QWidget* eltern);

    // start and end
    void FormShow();
    bool FormCloseQuery();

    // score handling
    void torGeaendert(int spiel, bool heim);
    void Farbe(int spiel, int heim, int gast);
    // Runs `f` as one command: file errors end it with a message.
    void befehl(const std::function<void()>& f);

    // drawing what the state announces
    void spieleZeichnen(Spielmenge spiele);
    void linkenScheinZeichnen();
    void auswertungZeichnen();
    void begegnungenZeichnen();

    Programmkontext& kontext_;
    Programmzustand& zustand_;
    bool startFertig_ = false;
    bool formGezeigt_ = false;
    bool einklappen_ = true;
    int ppcSoll_ = kPpcOffen;  // width to apply once the splitter has its size
    bool ppcSollOffen_ = true;

    std::array<TFfrErg*, 13> frSpiel_{};
    std::array<TFFrScheineS*, 12> Tippfeld_{};
    std::array<QLabel*, 13> PGewZ_{};
    std::vector<TFfrGrid*> grids_;  // per slot; null for slips on the left

    QMenu* menueDatei_ = nullptr;
    QMenu* menueExtras_ = nullptr;
    QMenu* menueHilfe_ = nullptr;
    QToolBar* PTool_ = nullptr;
    QCheckBox* cbMerken_ = nullptr;
    QCheckBox* cbMerken2_ = nullptr;
    QCheckBox* cbRechts_ = nullptr;
    QCheckBox* cbMerkenSp_ = nullptr;
    QLabel* LDatei_ = nullptr;
    QLabel* LDatei2_ = nullptr;
    QToolButton* BAlles_ = nullptr;
    QScrollArea* PTipps_ = nullptr;
    QSplitter* splitt1_ = nullptr;
    Rechtsfeld* PPC_ = nullptr;
    QTabWidget* PC1_ = nullptr;
};

}  // namespace kv::ui
