// The text row file: one line per tip row, the cells joined by commas, every
// line ended by CR LF; the form the lottery operator's CSV upload takes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// A table of text cells with a header in row 0 and the row numbers in
// column 0. Read through this interface so that large tables (a full system
// has up to 1,594,323 rows) need not be copied.
class Zellquelle {
  public:
    virtual ~Zellquelle() = default;
    virtual std::uint64_t zeilenAnzahl() const = 0;  // including the header row 0
    virtual int spaltenAnzahl() const = 0;
    virtual std::string zelle(int spalte, std::uint64_t zeile) const = 0;  // UTF-8
};

// A table held as [row][column]; rows may be shorter than others, missing
// cells are empty.
class Texttabelle : public Zellquelle {
  public:
    Texttabelle() = default;
    explicit Texttabelle(std::vector<std::vector<std::string>> zeilen);

    std::uint64_t zeilenAnzahl() const override { return zeilen_.size(); }
    int spaltenAnzahl() const override { return spalten_; }
    std::string zelle(int spalte, std::uint64_t zeile) const override;

  private:
    std::vector<std::vector<std::string>> zeilen_;
    int spalten_ = 0;
};

// One cell under the comma-text rule: a cell with a character U+0000..U+0020,
// a comma or a double quote is enclosed in double quotes, inner quotes
// doubled; anything else (the empty cell too) as it is.
std::string kommaText(std::string_view zelle);

// The content of the text row file. Columns: from column 1 on, as long as the
// cell in row 1 is not empty, but none beyond `letzteSpalte`. Every row from
// 1 on whose first taken cell is not empty gives one line. No rows, or an
// empty cell in row 1, column 1, give an empty text.
std::string tabelleAlsTextInhalt(const Zellquelle& t, int letzteSpalte);

// Writes that content to `pfad` (atomically, UTF-8 without byte-order mark);
// throws DateiFehler.
void TabelleAlsText(const Zellquelle& t, const std::string& pfad, int letzteSpalte);

// The entry window's row list (tips separated by single blanks) as a text
// row file: every blank becomes a comma and every line, the last one too, is
// ended by CR LF, whether the text ended its lines with CR LF, LF or CR.
std::string zeilenlisteAlsText(std::string_view text);

// The A1 name of a spreadsheet cell: "A1", "N30", "AA5", up to column 702
// ("ZZ"). Throws std::out_of_range for a column outside 1..702 or a row < 1.
std::string ExcelZelle(int zeile, int spalte);

}  // namespace kv
