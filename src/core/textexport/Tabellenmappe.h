// The spreadsheet export of a row table as a workbook file (.xlsx).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "textexport/TextExport.h"

namespace kv {

// The no-break space that leads every exported value, so that a spreadsheet
// program takes a tip "0" as the text it is and not as the number 0.
inline constexpr std::string_view kExcelVorsatz = "\u00a0";

// The most rows a worksheet can hold.
inline constexpr std::uint64_t kExcelMaxZeilen = 1048576;

// The value of one exported cell: the no-break space and the cell's text.
std::string excelWert(std::string_view zelle);

// Widths (in characters) that fit the exported values of sheet columns
// 1 .. min(letzteSpalte, 26); 0 for a column without values.
std::vector<double> excelSpaltenBreiten(const Zellquelle& tabelle, int letzteSpalte);

// Writes the block of a table with R rows (header included) and C columns
// into a new workbook of one sheet named `blattName`: table row r (1 .. R - 1)
// and column k (1 .. letzteSpalte) become sheet cell (r, k) holding
// excelWert(cell) as text; row R and the columns after `letzteSpalte` stay
// empty; the header row and column 0 are not exported. Characters the file
// cannot hold as they are (U+0000, U+FFFE, U+FFFF) are stored in the
// format's escape form, so every value reads back unchanged. Columns A to Z
// are sized to their values. The file is replaced in one step; throws DateiFehler
// when it cannot be written (or the table has more rows than a sheet holds),
// and the target is then untouched.
void schreibeTabellenmappe(const Zellquelle& tabelle, const std::string& blattName, int letzteSpalte,
                           const std::string& pfad);

}  // namespace kv
