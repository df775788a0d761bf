// Every key of the settings file "Einstellungen.ini", declared once with its
// section, name, type and default, and the typed session that reads and
// writes them:
//
//     Einstellungen e(pfad);                    // reads the file once
//     const int links = e.lese(einst::kHauptLeft);
//     e.schreibe(einst::kSplitterPos, 46);
//     e.speichern();                             // writes it once
//
// Naming: the keys of [Fenster] are k + key name (kHauptLeft); the keys of
// every other section are k + section + key name (kSpieltagDatei, kTippHeim),
// since several sections share key names such as "Datei" and "Merken".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/IniDatei.h"

namespace kv {

// One key: section, name and default; T is int, bool or const char* (text).
template <typename T>
struct Einstellung {
    const char* abschnitt;
    const char* name;
    T vorgabe;
};

// Numbered keys of one section, praefix + 1, praefix + 2, ..., of one type.
template <typename T>
struct Einstellungsreihe {
    const char* abschnitt;
    const char* praefix;
    T vorgabe;
    std::string name(int n) const { return praefix + std::to_string(n); }
};

namespace einst {

using Zahl = Einstellung<int>;
using Schalter = Einstellung<bool>;
using Text = Einstellung<const char*>;

// [Fenster]: window positions and, beside them, window sizes (width and
// height of the window without its frame; 0 or less: none stored, the window
// opens at its laid-out size).
inline constexpr const char* kFenster = "Fenster";
inline constexpr Zahl kHauptLeft{kFenster, "Haupt-Left", -1000};  // -1000 centres the main window
inline constexpr Zahl kHauptTop{kFenster, "Haupt-Top", -1000};
inline constexpr Zahl kHauptWidth{kFenster, "Haupt-Width", 0};
inline constexpr Zahl kHauptHeight{kFenster, "Haupt-Height", 0};
inline constexpr Zahl kEingabeLeft{kFenster, "Eingabe-Left", -1000};  // normal slip entry; -1000 centres it
inline constexpr Zahl kEingabeTop{kFenster, "Eingabe-Top", -1000};
inline constexpr Zahl kEingabeWidth{kFenster, "Eingabe-Width", 0};
inline constexpr Zahl kEingabeHeight{kFenster, "Eingabe-Height", 0};
inline constexpr Zahl kScheinLeft{kFenster, "Schein-Left", -10000};  // system slip entry; below -9999: x = 0
inline constexpr Zahl kScheinTop{kFenster, "Schein-Top", -10000};    // below -9999: y = 200
inline constexpr Zahl kScheinWidth{kFenster, "Schein-Width", 0};
inline constexpr Zahl kScheinHeight{kFenster, "Schein-Height", 0};
inline constexpr Zahl kGZEingabeLeft{kFenster, "GZEingabe-Left",
                                     0};  // winning-row window; 0: beside the main window
inline constexpr Zahl kGZEingabeTop{kFenster, "GZEingabe-Top", 0};  // 0: aligned with the main window
inline constexpr Zahl kGZEingabeWidth{kFenster, "GZEingabe-Width", 0};
inline constexpr Zahl kGZEingabeHeight{kFenster, "GZEingabe-Height", 0};
inline constexpr Zahl kQuotenFilterLeft{kFenster, "QuotenFilter-Left",
                                        -1000};  // odds filter; -1000 centres it
inline constexpr Zahl kQuotenFilterTop{kFenster, "QuotenFilter-Top", -1000};
inline constexpr Zahl kQuotenFilterWidth{kFenster, "QuotenFilter-Width", 0};
inline constexpr Zahl kQuotenFilterHeight{kFenster, "QuotenFilter-Height", 0};
inline constexpr Zahl kGarantieLeft{kFenster, "Garantie-Left",
                                    -1000};  // guarantee analysis; -1000 centres it
inline constexpr Zahl kGarantieTop{kFenster, "Garantie-Top", -1000};
inline constexpr Zahl kGarantieWidth{kFenster, "Garantie-Width", 0};
inline constexpr Zahl kGarantieHeight{kFenster, "Garantie-Height", 0};

// [Splitter]: width of the right panel (378 open, 46 collapsed).
inline constexpr const char* kSplitter = "Splitter";
inline constexpr Zahl kSplitterPos{kSplitter, "Pos", 378};

// [Spieltag]: the fixture list and the all-finished toggle.
inline constexpr const char* kSpieltag = "Spieltag";
inline constexpr Text kSpieltagDatei{kSpieltag, "Datei",
                                     ""};  // full name of the fixture list read at start-up
inline constexpr Schalter kSpieltagMerken{kSpieltag, "Merken", false};
inline constexpr Schalter kSpieltagEnde{kSpieltag, "Ende", false};  // AlleBeendet
// Address of the fixture-list web page. While the key is missing
// (enthaelt() is false) the address field keeps its text.
inline constexpr Text kSpieltagVorschauUrl{kSpieltag, "VorschauUrl", ""};

// [Spielschein]: the single slip reopened in the left panel.
inline constexpr const char* kSpielschein = "Spielschein";
inline constexpr Text kSpielscheinDatei{kSpielschein, "Datei", ""};
inline constexpr Schalter kSpielscheinMerken{kSpielschein, "Merken", false};
inline constexpr Schalter kSpielscheinAuchRechts{kSpielschein, "AuchRechts", false};

// [Spielscheine]: the slips reopened as tabs; erased as a whole before it is
// written anew.
inline constexpr const char* kSpielscheine = "Spielscheine";
inline constexpr Schalter kSpielscheineMerken{kSpielscheine, "Merken", false};
inline constexpr Zahl kSpielscheineDateienanzahl{kSpielscheine, "Dateienanzahl", 0};
inline constexpr Einstellungsreihe<const char*> kSpielscheineDatei{kSpielscheine, "Datei",
                                                                   ""};  // Datei1, ...

// [Tippfelder]: "Alle Spielfelder anzeigen" of the system slip entry window.
inline constexpr const char* kTippfelder = "Tippfelder";
inline constexpr Schalter kTippfelderAlle{kTippfelder, "Alle", false};

// [Tipp]: the tip suggestion, row filter and random reduction of the normal
// slip entry window.
inline constexpr const char* kTipp = "Tipp";
inline constexpr Zahl kTippHeim{kTipp, "Heim", 2};
inline constexpr Zahl kTippRemis{kTipp, "Remis", 3};
inline constexpr Zahl kTippGast{kTipp, "Gast", 3};
inline constexpr Schalter kTippNurHeim{kTipp, "nurHeim", false};
inline constexpr Schalter kTippNurRemis{kTipp, "nurRemis", false};
inline constexpr Schalter kTippNurGast{kTipp, "nurGast", false};
inline constexpr Zahl kTippFilterHeim{kTipp, "FilterHeim", 8};
inline constexpr Zahl kTippFilterRemis{kTipp, "FilterRemis", 6};
inline constexpr Zahl kTippFilterGast{kTipp, "FilterGast", 5};
inline constexpr Schalter kTippFilter{kTipp, "Filter", true};
inline constexpr Zahl kTippReduz{kTipp, "Reduz", 12};

// [Druck]: the print window.
inline constexpr const char* kDruck = "Druck";
inline constexpr Text kDruckFormatdatei{kDruck, "Formatdatei", ""};
inline constexpr Zahl kDruckReihen{kDruck, "Reihen", 0};  // item index of "einer", "zwei"
inline constexpr Einstellungsreihe<bool> kDruckZusatz{kDruck, "Zusatz", false};  // Zusatz1 ... Zusatz4
inline constexpr Schalter kDruckScheinNr{kDruck, "ScheinNr", false};
inline constexpr Schalter kDruckFragen{kDruck, "Fragen", true};

// [Chancen]: the stake per row, in cents, by which the prize-class chances
// show what a slip costs (0,50 € unless set).
inline constexpr const char* kChancen = "Chancen";
inline constexpr Zahl kChancenEinsatz{kChancen, "Einsatz je Reihe", 50};

}  // namespace einst

// Typed reading and writing through an IniSitzung or an IniDatei (with an
// IniDatei every call reads, or reads and writes, the whole file once).
template <typename Ini>
int lese(const Ini& ini, const Einstellung<int>& e) {
    return ini.leseZahl(e.abschnitt, e.name, e.vorgabe);
}
template <typename Ini>
bool lese(const Ini& ini, const Einstellung<bool>& e) {
    return ini.leseBool(e.abschnitt, e.name, e.vorgabe);
}
template <typename Ini>
std::string lese(const Ini& ini, const Einstellung<const char*>& e) {
    return ini.leseText(e.abschnitt, e.name, e.vorgabe);
}
template <typename Ini>
bool lese(const Ini& ini, const Einstellungsreihe<bool>& r, int n) {
    return ini.leseBool(r.abschnitt, r.name(n), r.vorgabe);
}
template <typename Ini>
std::string lese(const Ini& ini, const Einstellungsreihe<const char*>& r, int n) {
    return ini.leseText(r.abschnitt, r.name(n), r.vorgabe);
}
template <typename Ini>
void schreibe(Ini& ini, const Einstellung<int>& e, int wert) {
    ini.schreibeZahl(e.abschnitt, e.name, wert);
}
template <typename Ini>
void schreibe(Ini& ini, const Einstellung<bool>& e, bool wert) {
    ini.schreibeBool(e.abschnitt, e.name, wert);
}
template <typename Ini>
void schreibe(Ini& ini, const Einstellung<const char*>& e, std::string_view wert) {
    ini.schreibeText(e.abschnitt, e.name, wert);
}
template <typename Ini>
void schreibe(Ini& ini, const Einstellungsreihe<bool>& r, int n, bool wert) {
    ini.schreibeBool(r.abschnitt, r.name(n), wert);
}
template <typename Ini>
void schreibe(Ini& ini, const Einstellungsreihe<const char*>& r, int n, std::string_view wert) {
    ini.schreibeText(r.abschnitt, r.name(n), wert);
}

// A typed session on the settings file: read once, written once.
class Einstellungen : public IniSitzung {
  public:
    using IniSitzung::IniSitzung;

    template <typename K>
    auto lese(const K& k) const {
        return kv::lese(*this, k);
    }
    template <typename K>
    auto lese(const K& k, int n) const {
        return kv::lese(*this, k, n);
    }
    template <typename K, typename W>
    void schreibe(const K& k, const W& wert) {
        kv::schreibe(*this, k, wert);
    }
    template <typename K, typename W>
    void schreibe(const K& k, int n, const W& wert) {
        kv::schreibe(*this, k, n, wert);
    }
    template <typename T>
    bool enthaelt(const Einstellung<T>& e) const {
        return enthaeltSchluessel(e.abschnitt, e.name);
    }
};

// The slips remembered for the tabs, in their order: "Datei1" ... "Datei" + n
// with n = "Dateienanzahl", looked up among the keys that exist (a huge count
// costs nothing), missing and empty names left out.
std::vector<std::string> gemerkteScheine(const Einstellungen& e);
// Replaces the whole section [Spielscheine] by "Dateienanzahl" and the names.
void scheineMerken(Einstellungen& e, const std::vector<std::string>& dateien);

}  // namespace kv
