// The odds filter window: the rows of one field whose "Quote" (the sum of
// the tendency points of its 13 tips) lies strictly between two limits, and
// an overview of the highest and lowest tendency value of every match.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "eingabe/Tippfeld.h"
#include "eingabe/Tippvorschlag.h"
#include "model/Records.h"

namespace kv {

// The limits `scrMin` ("Größer als...") and `scrMax` ("Kleiner als..."). The
// ranges overlap; nothing keeps the lower limit below the upper one.
inline constexpr Bereich kUntereGrenze = {13, 65, 32};
inline constexpr Bereich kObereGrenze = {39, 104, 50};

// Captions of the overview grid `G0`.
inline constexpr const char* kMinQuote = "Min-Quote";  // row 1: the largest value of each match
inline constexpr const char* kMaxQuote = "Max-Quote";  // row 2: the smallest value of each match
inline constexpr const char* kFaktor = "Faktor";
inline constexpr const char* kSumme = "Summe";

// Tendency value of a tip (cross index 1..39): Heim for "1", Remis for "0",
// Gast for "2" of its match.
int tendenzwert(int kreuz, const TendenzWerte& t);
// The Quote of a row: the sum of the tendency values of its tips.
std::int64_t Quote(Reihe r, const TendenzWerte& t);
// `QuotenProof`: q = the Quote of the row; true exactly when untere < q < obere.
bool QuotenProof(Reihe r, const TendenzWerte& t, int untere, int obere, std::int64_t& q);

// The rows of a field whose Quote lies strictly between the limits, in the
// order of the full-system expansion (`TippTransfer2` of the window). A field
// with a VEW system, an empty or an incomplete field lists nothing.
std::vector<Reihe> quotenReihen(const TScheinOffen& ts, const TendenzWerte& t, int untere, int obere);

// The overview (`G0`): row "Min-Quote" holds the largest and row "Max-Quote"
// the smallest of the three values of every match, each with the product
// ("Faktor", from 1) and the sum ("Summe") of its 13 values.
//
// The product is a 64-bit integer that wraps around: the values are bytes
// (a draw value is what home and away leave of 10 in a byte), and 13 values
// above 28 overflow 64 bits. It is computed unsigned, modulo 2^64, so any
// table gives a defined result.
struct Quotenuebersicht {
    std::array<int, kSpiele> groesste{};
    std::array<int, kSpiele> kleinste{};
    std::uint64_t faktorGroesste = 1;
    std::int64_t summeGroesste = 0;
    std::uint64_t faktorKleinste = 1;
    std::int64_t summeKleinste = 0;
};
Quotenuebersicht quotenUebersicht(const TendenzWerte& t);

class Quotenfilter {
  public:
    // An empty field "Feld 1", the limits 32 and 50, no rows, no overview.
    Quotenfilter();
    Quotenfilter(const Quotenfilter&) = delete;
    Quotenfilter& operator=(const Quotenfilter&) = delete;

    // The window's field (`TFfrFeld3`); clicks on it change nothing else.
    Tippfeld& feld() { return feld_; }
    const Tippfeld& feld() const { return feld_; }
    // The copy from the normal slip window: every cross removed, then those
    // of the suggestion field set, each through `TrefferVerwerten`.
    void kopiereVorschlag(const Tippfeld& vorschlag) { feld_.kreuzeUebernehmen(vorschlag.daten()); }
    // `BAnzeigeClick`: every cross of the field removed.
    void BAnzeigeClick() { feld_.alleKreuzeEntfernen(); }

    // `scrMinChange`, `scrMaxChange`: values outside the ranges are not taken.
    int untereGrenze() const { return untere_; }
    int obereGrenze() const { return obere_; }
    void setzeUntereGrenze(int wert) { untere_ = kUntereGrenze.nehme(wert, untere_); }
    void setzeObereGrenze(int wert) { obere_ = kObereGrenze.nehme(wert, obere_); }
    // `LMin`, `LMax`.
    std::string LMinText() const { return std::to_string(untere_); }
    std::string LMaxText() const { return std::to_string(obere_); }

    // "Tipps listen": lists the rows of the field between the limits and
    // returns their number n. The row grid `g1` then has n rows.
    std::uint64_t TippsListen(const TendenzWerte& t);
    // Row i (0-based) of `g1` and its Quote as computed when it was listed;
    // `g1` keeps them until the next listing, whatever changes meanwhile.
    const std::vector<Reihe>& reihen() const { return reihen_; }
    std::int64_t quote(std::uint64_t i) const {
        return Quote(reihen_[static_cast<std::size_t>(i)], gelistetMit_);
    }

    // The overview button: fills `G0` from the tendencies of now.
    void uebersichtFuellen(const TendenzWerte& t) { uebersicht_ = quotenUebersicht(t); }
    // What `G0` shows; nothing before the first press (only its captions).
    const std::optional<Quotenuebersicht>& uebersicht() const { return uebersicht_; }

  private:
    Tippfeld feld_;
    int untere_ = kUntereGrenze.start;
    int obere_ = kObereGrenze.start;
    std::vector<Reihe> reihen_;
    TendenzWerte gelistetMit_{};
    std::optional<Quotenuebersicht> uebersicht_;
};

}  // namespace kv
