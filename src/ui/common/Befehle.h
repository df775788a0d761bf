// The one command table. A window makes its command known with one line in
// programmAufbauen() (src/ui/Programm.cpp):
//
//     befehle.anmelden(kalenderBefehl(kontext));
//
// where kalenderBefehl() (in the window's own folder) fills a Befehl: the
// action's name, its caption, its icon, its places in the menus and on the
// tool bar, and what it does. The table puts the command into the main
// window's menus and tool bar at those places, in the order of the places
// below, whenever it is made known; no window includes the main window.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace kv::ui {

// The places in the menus, in their order; each menu holds the places of its
// name. The separators are places of their own, filled by the table itself.
enum class Menueplatz {
    DateiOeffnen,
    DateiDrucken,
    DateiNormalschein,
    DateiSystemschein,
    DateiTrenner1,
    DateiSpielstaendeOeffnen,
    DateiSpielstaendeSpeichern,
    DateiSpielstaendeAutomatisch,
    DateiTrenner2,
    DateiBeenden,
    ExtrasKalender,
    ExtrasRechner,
    ExtrasTransfer,
    ExtrasGarantie,
    ExtrasQuotenfilter,
    ExtrasEinsatz,
    ExtrasTrenner,
    ExtrasUpdate,
    HilfeInhalt,
    HilfeSuchen,
    HilfeTrenner1,
    HilfeUpdate,
    HilfeTrenner2,
    HilfeInfo,
};

// The places on the tool bar, from the left. Abstand (the stretch before the
// help button) and Hinweis (the note at the right end) hold widgets.
enum class Leistenplatz {
    Keiner,
    Beenden,
    Normalschein,
    Systemschein,
    Drucken,
    Gewinnzahlen,
    Transfer,
    Update,
    Rechner,
    Kalender,
    Abstand,
    Hilfe,
    Hinweis,
};

struct Befehl {
    const char* name = "";                       // object name of the action, e.g. "Kalender1"
    QString text;                                // caption in the menus, e.g. "&Kalender"
    QIcon symbol;                                // icon in the menus and on the tool bar
    std::vector<Menueplatz> menues;              // none, one or several places
    Leistenplatz leiste = Leistenplatz::Keiner;  // its tool-bar button, if any
    const char* knopf = "";                      // object name of that button, e.g. "BKal"
    QString leistentext;                         // caption beside the icon on the tool bar
    QString hinweis;                             // tool tip; empty: the caption
    QKeySequence taste;                          // shortcut within the main window
    std::function<void()> ausfuehren;
};

class Befehlstabelle {
  public:
    Befehlstabelle();
    ~Befehlstabelle();
    Befehlstabelle(const Befehlstabelle&) = delete;
    Befehlstabelle& operator=(const Befehlstabelle&) = delete;

    // Makes a command known; once the menus are there (einrichten) it appears
    // at its places at once. Returns its action (null before einrichten()).
    QAction* anmelden(Befehl befehl);

    // The main window's menus and tool bar; the actions become children of
    // `besitzer`. Commands made known before are placed now.
    void einrichten(QWidget* besitzer, QMenu* datei, QMenu* extras, QMenu* hilfe, QToolBar* leiste);
    // Puts a widget (the stretch, the note) at a place of the tool bar.
    void leistenWidget(Leistenplatz platz, QWidget* w);

    // The action of the command `name`; null when there is none.
    QAction* aktion(const QString& name) const;
    // Runs the command `name` (as its menu item would); false when there is none.
    bool ausfuehren(const QString& name) const;

  private:
    struct Daten;
    std::unique_ptr<Daten> d_;
    void einordnen(const Befehl& b);
};

}  // namespace kv::ui
