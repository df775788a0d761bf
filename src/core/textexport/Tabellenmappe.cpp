#include "textexport/Tabellenmappe.h"

#include <algorithm>

#include <xlsxwriter.h>

#include "io/Datei.h"
#include "transfer/Reihenerkennung.h"

namespace kv {

namespace {

constexpr int kAngepassteSpalten = 26;  // A .. Z

std::size_t zeichenAnzahl(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += zeichenLaenge(text, i)) ++n;
    return n;
}

[[noreturn]] void wirf(const std::string& pfad, const std::string& grund) {
    throw DateiFehler("Die Arbeitsmappe " + pfad + " konnte nicht geschrieben werden: " + grund + ".");
}

bool hexZiffer(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A text as the workbook has to store it. XML cannot carry U+FFFE and U+FFFF,
// and the library takes a text only up to a U+0000; the format writes such a
// character as _xHHHH_, and so a text that already looks like that escape
// gets its underscore written as _x005F_. A spreadsheet program thus reads
// back exactly the value. (The library escapes the other control characters
// itself.)
std::string mappenText(std::string_view wert) {
    std::string s;
    s.reserve(wert.size());
    for (std::size_t i = 0; i < wert.size(); ++i) {
        const std::string_view rest = wert.substr(i);
        if (rest.size() >= 3 && rest[0] == '\xEF' && rest[1] == '\xBF' &&
            (rest[2] == '\xBE' || rest[2] == '\xBF')) {
            s += rest[2] == '\xBE' ? "_xFFFE_" : "_xFFFF_";
            i += 2;
            continue;
        }
        if (rest[0] == '\0') {
            s += "_x0000_";
            continue;
        }
        if (rest.size() >= 7 && rest[0] == '_' && rest[1] == 'x' && hexZiffer(rest[2]) &&
            hexZiffer(rest[3]) && hexZiffer(rest[4]) && hexZiffer(rest[5]) && rest[6] == '_') {
            s += "_x005F_";
            continue;
        }
        s += wert[i];
    }
    return s;
}

}  // namespace

std::string excelWert(std::string_view zelle) {
    std::string w(kExcelVorsatz);
    w += zelle;
    return w;
}

std::vector<double> excelSpaltenBreiten(const Zellquelle& tabelle, int letzteSpalte) {
    const int spalten = std::clamp(letzteSpalte, 0, kAngepassteSpalten);
    std::vector<std::size_t> laengste(static_cast<std::size_t>(spalten), 0);
    for (std::uint64_t r = 1; r < tabelle.zeilenAnzahl(); ++r)
        for (int k = 1; k <= spalten; ++k) {
            const std::size_t n = zeichenAnzahl(kExcelVorsatz) + zeichenAnzahl(tabelle.zelle(k, r));
            auto& l = laengste[static_cast<std::size_t>(k - 1)];
            l = std::max(l, n);
        }
    std::vector<double> breiten;
    breiten.reserve(laengste.size());
    // One character of room besides the text, as a fitted column shows it.
    for (const std::size_t n : laengste) breiten.push_back(n == 0 ? 0.0 : static_cast<double>(n) + 1.0);
    return breiten;
}

void schreibeTabellenmappe(const Zellquelle& tabelle, const std::string& blattName, int letzteSpalte,
                           const std::string& pfad) {
    const std::uint64_t zeilen = tabelle.zeilenAnzahl();
    if (zeilen > kExcelMaxZeilen)
        wirf(pfad, "die Tabelle hat mehr Zeilen, als ein Arbeitsblatt fassen kann (" +
                       std::to_string(kExcelMaxZeilen) + ")");
    const int spalten = std::min(letzteSpalte, tabelle.spaltenAnzahl() - 1);

    // The library writes the workbook by name into the temporary file of an
    // atomic write, which then replaces the target.
    AtomaresSchreiben schreiben(pfad);
    // Constant-memory mode writes row by row, so a table of a hundred
    // thousand rows costs no more memory than a few.
    lxw_workbook_options optionen{};
    optionen.constant_memory = LXW_TRUE;
    lxw_workbook* mappe = workbook_new_opt(schreiben.zwischenPfad().c_str(), &optionen);
    if (!mappe) wirf(pfad, "die Arbeitsmappe lässt sich nicht anlegen");
    lxw_worksheet* blatt = workbook_add_worksheet(mappe, blattName.c_str());
    if (!blatt) {
        workbook_close(mappe);
        wirf(pfad, "ungültiger Blattname \"" + blattName + "\"");
    }
    const std::vector<double> breiten = excelSpaltenBreiten(tabelle, spalten);
    for (std::size_t k = 0; k < breiten.size(); ++k)
        if (breiten[k] > 0)
            worksheet_set_column(blatt, static_cast<lxw_col_t>(k), static_cast<lxw_col_t>(k), breiten[k],
                                 nullptr);
    lxw_error fehler = LXW_NO_ERROR;
    for (std::uint64_t r = 1; r < zeilen && fehler == LXW_NO_ERROR; ++r)
        for (int k = 1; k <= spalten && fehler == LXW_NO_ERROR; ++k)
            fehler =
                worksheet_write_string(blatt, static_cast<lxw_row_t>(r - 1), static_cast<lxw_col_t>(k - 1),
                                       mappenText(excelWert(tabelle.zelle(k, r))).c_str(), nullptr);
    const lxw_error schluss = workbook_close(mappe);
    if (fehler == LXW_NO_ERROR) fehler = schluss;
    if (fehler != LXW_NO_ERROR) wirf(pfad, lxw_strerror(fehler));
    schreiben.abschliessen();
}

}  // namespace kv
