// The print run as plain logic: the print store with its row table, the slip
// count, the printer's offsets in tenths of a millimetre, and the plan that
// says which row goes into which field of which paper slip and where every
// mark is drawn. The window draws what the plan gives, one paper slip (one
// print job) at a time, and tells the plan how the user answered after it.
//
// Page system of a run: tenths of a millimetre, x to the right, y upwards,
// origin at the top-left corner of the printable area. A mark's position is
// the top-left corner of its character cell.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Schein.h"
#include "print/Druckgrundlagen.h"
#include "print/Scheinformat.h"
#include "textexport/TextExport.h"

namespace kv {

// The print store: the fields of the loaded slip file, expanded, and the row
// table `GReihen` over them (row 0 the header "Tippreihe", "1" .. "13"; column
// 0 the running row number, columns 1..13 the tips). Rows are computed when
// asked for, so a 3^13-row slip costs no more than its fields.
class Druckspeicher final : public Zellquelle {
  public:
    static constexpr int kSpaltenAnzahl = kSpiele + 1;

    // `FileForPrint`: reads and checks the whole slip file, then replaces the
    // store. Throws DateiFehler or UngueltigeDatei; the store then stays.
    void laden(const std::string& pfad);

    // Number of rows N (0 for an empty file or none loaded).
    std::uint64_t reihen() const { return schein_->zeilen(); }
    // The fields; a running plan keeps the slip it started with.
    std::shared_ptr<const Schein> schein() const { return schein_; }
    // `LDatei2`: the file name without its folder.
    const std::string& datei() const { return datei_; }

    std::uint64_t zeilenAnzahl() const override { return reihen() + 1; }
    int spaltenAnzahl() const override { return kSpaltenAnzahl; }
    std::string zelle(int spalte, std::uint64_t zeile) const override;

  private:
    std::shared_ptr<const Schein> schein_ = std::make_shared<const Schein>();
    std::string datei_;
};

// `NeuBerechnen`: the paper slips needed for the range, and the caption of
// the print button. Nothing when a field is empty or the end lies before the
// start. A start below 1 (or no number) counts as 1, as the run prints it.
struct Scheinbedarf {
    std::uint64_t scheine = 0;  // `LAnzTs`
    std::string knopf;          // "Schein ausdrucken" or "Scheine ausdrucken"
    friend bool operator==(const Scheinbedarf&, const Scheinbedarf&) = default;
};
std::optional<Scheinbedarf> NeuBerechnen(const std::string& start, const std::string& ende,
                                         int felderProSchein);

// The printer's physical offsets (unprintable margins at the left and the
// top) in device units, and its resolution in dots per inch.
struct Geraeteversatz {
    std::int64_t links = 0;
    std::int64_t oben = 0;
    double dpi = 0;  // 0: no offsets
};
// offset x 254 / dpi, rounded halves to even; 0 when dpi is not above 0.
std::int64_t versatzZehntelMm(std::int64_t geraeteEinheiten, double dpi);

struct Markenpunkt {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    friend bool operator==(const Markenpunkt&, const Markenpunkt&) = default;
};
// A position (x, y) from the slip's left and top edges in the page system:
// X = x + H - OX, Y = OY - y - V.
constexpr Markenpunkt markenPunkt(TPosition p, std::int64_t H, std::int64_t V, std::int64_t OX,
                                  std::int64_t OY) {
    return {p.x + H - OX, OY - p.y - V};
}

// The corrections `Ehori` and `Evert` as H and V: an empty field counts 0. A
// field that is no number gives the message naming it, ending in `schluss`.
std::optional<Druckmeldung> korrekturenLesen(const std::string& hori, const std::string& vert,
                                             const std::string& schluss, std::int64_t& H, std::int64_t& V);

// The window's fields when "Drucken starten" is pressed.
struct Druckstart {
    std::string start = "1";    // `EStart`; the run writes back "1" for empty or 0
    std::string ende;           // `EEnde`; the run writes back the last row for empty
    int felderProSchein = 12;   // 2 x `Up1`
    std::string hori;           // `Ehori`
    std::string vert;           // `Evert`
    std::string startNr = "1";  // `ENr`
    Geraeteversatz versatz;
};

// The fields read for every paper slip, as the window shows them then.
struct Scheinangaben {
    std::array<bool, kZusatzspiele> zusatzJa{};  // `cbZus1` .. `cbZus4`
    // `EZus` g j k: [game - 1][answer - 1: "ja", "nein"][0 = x, 1 = y]
    std::array<std::array<std::array<std::string, 2>, 2>, kZusatzspiele> zus;
    bool nrDrucken = false;  // `cbNr`
    std::string nrX, nrY;    // `ENrx`, `ENry`
};

struct Druckmarke {
    enum class Art { Tipp, Zusatz, Nummer };
    Art art = Art::Tipp;
    int feld = 0;   // field 1..fps of the paper slip for a tip, else 0
    int spiel = 0;  // match 1..13 for a tip, add-on game 1..4, 0 for the number
    Markenpunkt punkt;
    std::string text;  // "x", or the slip number
    friend bool operator==(const Druckmarke&, const Druckmarke&) = default;
};

// One paper slip: one print job of one page.
struct Papierschein {
    std::uint64_t lauf = 0;          // paper slips of this run so far, this one and repeats included
    std::int64_t nummer = 0;         // the slip number k
    std::uint64_t ersteZeile = 0;    // the rows in its fields, first ..
    std::uint64_t letzteZeile = 0;   // .. last (rows past the table fill fields without tips)
    std::vector<Druckmarke> marken;  // in drawing order
};

// The question after every paper slip, when "Fragen, ob Ausdruck korrekt" is checked.
inline constexpr const char* kFrageAusdruckKorrekt =
    "War der Ausdruck in Ordnung?\r"
    "- \"Ja\" macht mit dem nächsten Schein weiter,\r"
    "- \"Nein\" wiederholt den Ausdruck des letzten Scheins,\r"
    "- \"Abbrechen\" bricht den Ausdruck ab.";
// The question of "Drucken stoppen".
inline constexpr const char* kFrageDruckenStoppen = "Soll der Ausdruck gestoppt werden?.";

struct Druckbeginn;

class Druckablauf {
  public:
    // "Es gibt nichts zu drucken, ich breche ab." when the store has no row;
    // asked before the printer set-up dialog.
    static std::optional<Druckmeldung> nichtsZuDrucken(const Druckspeicher& speicher);

    // Checks the range (writing back start and end as the run does), the
    // start number and the corrections, and converts the offsets. The run
    // prints the rows of `speicher` at the box positions of `format` as they
    // are now.
    static Druckbeginn beginne(const Druckspeicher& speicher, const TScheinFormat& format, Druckstart& start);

    // No further paper slip: the range is printed, the user cancelled, or
    // the run was stopped or ended by an error.
    bool fertig() const { return fertig_; }

    // Computes the next paper slip with the add-on and number positions of
    // `angaben`. A filled position field that holds no number gives the
    // message instead, and the run ends. Call `antwort` before the next one.
    std::optional<Druckmeldung> naechsterSchein(const Scheinangaben& angaben);
    // The paper slip computed last.
    const Papierschein& schein() const { return schein_; }

    // After the slip was printed: Ja goes on with the next rows, Nein prints
    // the same rows again with the same number, Abbrechen ends the run.
    // Without the question the window answers Ja.
    void antwort(Druckantwort a);

    // "Drucken stoppen" answered with Ja: nothing more is printed.
    void stoppen() { fertig_ = true; }

    std::uint64_t start() const { return start_; }
    std::uint64_t ende() const { return ende_; }
    std::int64_t H() const { return H_; }
    std::int64_t V() const { return V_; }
    std::int64_t OX() const { return OX_; }
    std::int64_t OY() const { return OY_; }

  private:
    Druckablauf() = default;
    // 0 and the position where both fields are numbers (none where one is
    // empty); 1 or 2 when the x or the y field holds no number.
    static int position(const std::string& x, const std::string& y, std::optional<TPosition>& p);

    std::shared_ptr<const Schein> quelle_;
    TScheinFormat format_;
    int fps_ = 12;
    std::uint64_t start_ = 1, ende_ = 0;
    std::uint64_t zeile_ = 1;  // first row of the next paper slip
    std::int64_t k_ = 0;       // number of the last accepted paper slip
    std::int64_t H_ = 0, V_ = 0, OX_ = 0, OY_ = 0;
    std::uint64_t lauf_ = 0;
    bool offen_ = false;  // a paper slip awaits its answer
    bool fertig_ = false;
    Papierschein schein_;
};

// The start of a run: either the plan or the message why nothing is printed.
struct Druckbeginn {
    std::optional<Druckablauf> ablauf;
    std::optional<Druckmeldung> meldung;
};

}  // namespace kv
