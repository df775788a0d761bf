// The spreadsheet export: the workbook read back by two independent readers
// (the sheet XML in the zip container, and a spreadsheet library), and the
// search for the program that opens workbooks.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "textexport/Tabellenmappe.h"
#include "textexport/Tabellenprogramm.h"
#include "transfer/Transfertabelle.h"

namespace kv {
namespace {

// Both readers print "blaetter NAMES", then "zelle A1 TYPE HEX" for every
// cell with a value (TYPE str or num, HEX the UTF-8 bytes of its text) and
// "spalte LETTER WIDTH" for every column with its own width.
const char* const kXmlLeser = R"(
import sys, zipfile, xml.etree.ElementTree as ET
M = '{http://schemas.openxmlformats.org/spreadsheetml/2006/main}'
z = zipfile.ZipFile(sys.argv[1])
wb = ET.fromstring(z.read('xl/workbook.xml'))
print('blaetter', '|'.join(s.get('name') for s in wb.iter(M + 'sheet')))
sst = []
if 'xl/sharedStrings.xml' in z.namelist():
    for si in ET.fromstring(z.read('xl/sharedStrings.xml')).iter(M + 'si'):
        sst.append(''.join(t.text or '' for t in si.iter(M + 't')))
ws = ET.fromstring(z.read('xl/worksheets/sheet1.xml'))
for c in ws.iter(M + 'c'):
    t = c.get('t')
    if t == 'inlineStr':
        art, wert = 'str', ''.join(x.text or '' for x in c.iter(M + 't'))
    elif t == 's':
        art, wert = 'str', sst[int(c.find(M + 'v').text)]
    elif c.find(M + 'v') is not None:
        art, wert = 'num', c.find(M + 'v').text
    else:
        continue
    print('zelle', c.get('r'), art, wert.encode('utf-8').hex())
def buchstabe(n):
    s = ''
    while n:
        n, r = divmod(n - 1, 26)
        s = chr(65 + r) + s
    return s
for col in ws.iter(M + 'col'):
    for n in range(int(col.get('min')), int(col.get('max')) + 1):
        print('spalte', buchstabe(n), float(col.get('width')))
)";

const char* const kOpenpyxlLeser = R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
print('blaetter', '|'.join(wb.sheetnames))
ws = wb.worksheets[0]
for row in ws.iter_rows():
    for c in row:
        if c.value is not None:
            art = 'str' if isinstance(c.value, str) else 'num'
            print('zelle', c.coordinate, art, str(c.value).encode('utf-8').hex())
for k, d in sorted(ws.column_dimensions.items()):
    if d.customWidth:
        for n in range(d.min, d.max + 1):
            print('spalte', openpyxl.utils.get_column_letter(n), float(d.width))
)";

struct Gelesen {
    bool ok = false;
    std::string blaetter;
    std::map<std::string, std::string> zellen;  // "A1" -> "str:<text>"
    std::map<std::string, double> breiten;
};

std::string ausHex(const std::string& hex) {
    std::string s;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        s += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return s;
}

const char* const kPython = "/usr/bin/python3";
// The readers are part of the test command's packages (scripts/pakete), so a
// missing one is a broken test machine, not a reason to check less.
const char* const kLeserFehlt =
    "/usr/bin/python3 mit openpyxl fehlt: scripts/pakete installiert python3 und python3-openpyxl";

bool pythonHat(const char* modul) {
    if (::access(kPython, X_OK) != 0) return false;
    const std::string befehl = std::string(kPython) + " -c 'import " + modul + "' 2>/dev/null";
    const int st = std::system(befehl.c_str());
    return WIFEXITED(st) && WEXITSTATUS(st) == 0;
}

Gelesen lies(const test::TempOrdner& tmp, const char* skript, const std::string& mappe) {
    const std::string skriptDatei = tmp.datei("leser.py");
    std::ofstream(skriptDatei) << skript;
    const std::string befehl = std::string(kPython) + " " + skriptDatei + " '" + mappe + "'";
    FILE* p = ::popen(befehl.c_str(), "r");
    std::string aus;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p)) > 0;) aus.append(puffer, n);
    const int st = ::pclose(p);
    Gelesen g;
    g.ok = WIFEXITED(st) && WEXITSTATUS(st) == 0;
    std::istringstream ein(aus);
    for (std::string art; ein >> art;) {
        if (art == "blaetter") {
            ein >> g.blaetter;
        } else if (art == "zelle") {
            std::string ort, typ, hex;
            ein >> ort >> typ;
            // An empty text has no hex digits: the line ends after the type.
            if (ein.peek() == ' ') ein >> hex;
            g.zellen[ort] = typ + ":" + ausHex(hex);
        } else if (art == "spalte") {
            std::string buchstabe;
            double b = 0;
            ein >> buchstabe >> b;
            g.breiten[buchstabe] = b;
        }
    }
    return g;
}

const std::string kNbsp = "\xC2\xA0";

// Three rows of a 15-column table, exported up to column 13.
Texttabelle beispielTabelle() {
    std::vector<std::vector<std::string>> z(4);
    z[0] = {"Tipp", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
    z[1] = {"1", "1", "0", "2", "1", "0", "2", "1", "0", "2", "1", "0", "2", "1", "X"};
    z[2] = {"2", "A", "", "&", "<", ">", "\"", "\xC3\xA4", "0", "0", "0", "0", "0", "0", "X"};
    z[3] = {"3", "Lang", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "X"};
    return Texttabelle(z);
}

std::map<std::string, std::string> erwarteteZellen() {
    const Texttabelle t = beispielTabelle();
    std::map<std::string, std::string> e;
    for (std::uint64_t r = 1; r <= 3; ++r)
        for (int k = 1; k <= 13; ++k) e[ExcelZelle(static_cast<int>(r), k)] = "str:" + kNbsp + t.zelle(k, r);
    return e;
}

class Mappe : public ::testing::TestWithParam<const char*> {
  protected:
    test::TempOrdner tmp;
};

TEST_P(Mappe, BlockWieBeschrieben) {
    const bool openpyxl = std::string(GetParam()) == "openpyxl";
    ASSERT_TRUE(pythonHat(openpyxl ? "openpyxl" : "zipfile")) << kLeserFehlt;
    const std::string datei = tmp.datei("Tippreihen.xlsx");
    schreibeTabellenmappe(beispielTabelle(), "Tippreihen", 13, datei);

    const Gelesen g = lies(tmp, openpyxl ? kOpenpyxlLeser : kXmlLeser, datei);
    ASSERT_TRUE(g.ok);
    EXPECT_EQ(g.blaetter, "Tippreihen");
    // Row R (4) and column 14 stay empty; the header and the numbers are not exported.
    EXPECT_EQ(g.zellen, erwarteteZellen());
    // A tip "0" is the text no-break space + "0", never the number 0.
    EXPECT_EQ(g.zellen.at("B1"), "str:" + kNbsp + "0");
    EXPECT_EQ(g.zellen.at("B2"), "str:" + kNbsp);

    // Columns fitted: A holds "\u00a0Lang" (5 characters), B to M two
    // characters, each with one character of room; the rest up to Z keep the
    // standard width. The file stores a width with the cell padding of 5
    // pixels (0.71 characters) added.
    std::map<std::string, double> breiten{{"A", 6.0}};
    for (char c = 'B'; c <= 'M'; ++c) breiten[std::string(1, c)] = 3.0;
    ASSERT_EQ(g.breiten.size(), breiten.size());
    for (const auto& [spalte, b] : breiten) EXPECT_NEAR(g.breiten.at(spalte), b + 0.71, 0.01) << spalte;
}

INSTANTIATE_TEST_SUITE_P(Leser, Mappe, ::testing::Values("xml", "openpyxl"),
                         [](const auto& p) { return std::string(p.param); });

TEST(MappeTransfertabelle, FrischeTabelleGibtNurVorsatzZeichen) {
    ASSERT_TRUE(pythonHat("zipfile")) << kLeserFehlt;
    test::TempOrdner tmp;
    Transfertabelle t;  // 30 rows: header and 29 empty rows
    const std::string datei = tmp.datei("leer.xlsx");
    schreibeTabellenmappe(t, "Tippreihen", 13, datei);
    const Gelesen g = lies(tmp, kXmlLeser, datei);
    ASSERT_TRUE(g.ok);
    EXPECT_EQ(g.zellen.size(), 29u * 13u);
    EXPECT_EQ(g.zellen.count("M29"), 1u);
    EXPECT_EQ(g.zellen.count("A30"), 0u);
    EXPECT_EQ(g.zellen.count("N1"), 0u);
    for (const auto& [ort, wert] : g.zellen) EXPECT_EQ(wert, "str:" + kNbsp) << ort;
}

// A stored text as a spreadsheet program reads it: every _xHHHH_ is the
// character U+HHHH (all of them lie below U+0800 or are U+FFFE/U+FFFF here).
std::string entschluesselt(const std::string& s) {
    std::string o;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.compare(i, 2, "_x") == 0 && i + 7 <= s.size() && s[i + 6] == '_') {
            const unsigned long cp = std::stoul(s.substr(i + 2, 4), nullptr, 16);
            if (cp < 0x80) {
                o += static_cast<char>(cp);
            } else if (cp < 0x800) {
                o += static_cast<char>(0xC0 | (cp >> 6));
                o += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                o += static_cast<char>(0xE0 | (cp >> 12));
                o += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                o += static_cast<char>(0x80 | (cp & 0x3F));
            }
            i += 6;
        } else {
            o += s[i];
        }
    }
    return o;
}

TEST(MappeZeichen, WasXmlNichtTraegtKommtUnveraendertAn) {
    ASSERT_TRUE(pythonHat("zipfile")) << kLeserFehlt;
    // U+FFFE and U+FFFF would make the sheet unreadable, U+0000 would cut the
    // value off; a control character and a text that looks like an escape
    // must arrive as they are too.
    const std::vector<std::string> werte = {"\xEF\xBF\xBE", "\xEF\xBF\xBF", std::string("\0", 1),
                                            "\x01",         "_x0041_",      "a_xFFFE_b"};
    std::vector<std::vector<std::string>> z = {{"Tipp"}, {"1"}};
    for (std::size_t k = 0; k < werte.size(); ++k) {
        z[0].push_back(std::to_string(k + 1));
        z[1].push_back(werte[k]);
    }
    test::TempOrdner tmp;
    const std::string datei = tmp.datei("zeichen.xlsx");
    schreibeTabellenmappe(Texttabelle(z), "Tippreihen", static_cast<int>(werte.size()), datei);
    const Gelesen g = lies(tmp, kXmlLeser, datei);
    ASSERT_TRUE(g.ok) << "das Blatt ist kein gültiges XML";
    for (std::size_t k = 0; k < werte.size(); ++k) {
        const std::string ort = ExcelZelle(1, static_cast<int>(k + 1));
        ASSERT_EQ(g.zellen.count(ort), 1u) << ort;
        EXPECT_EQ(entschluesselt(g.zellen.at(ort)), "str:" + kNbsp + werte[k]) << ort;
    }
}

TEST(MappeFehler, ZielBleibtUnveraendert) {
    const Texttabelle t = beispielTabelle();
    test::pruefeFehlschlagAendertNichts(
        [&](const std::string& p) { schreibeTabellenmappe(t, "Tippreihen", 13, p); }, "alte Mappe");
    // A sheet name the format does not allow.
    test::TempOrdner tmp;
    const std::string ziel = tmp.datei("m.xlsx");
    test::schreibeRoh(ziel, "alt");
    EXPECT_THROW(schreibeTabellenmappe(t, "a/b", 13, ziel), DateiFehler);
    EXPECT_EQ(test::dateiInhalt(ziel), "alt");
}

// ---- The program that opens workbooks --------------------------------------

class Programmsuche : public ::testing::Test {
  protected:
    void SetUp() override {
        o.datenHome = tmp.datei("home-daten");
        o.datenOrdner = {tmp.datei("system-daten")};
        o.konfigHome = tmp.datei("home-konfig");
        o.konfigOrdner = {tmp.datei("system-konfig")};
        for (const auto& d :
             {o.datenHome + "/applications", o.datenOrdner[0] + "/applications", o.konfigHome})
            std::filesystem::create_directories(d);
    }
    void desktop(const std::string& ordner, const std::string& id, const std::string& inhalt) {
        std::filesystem::create_directories(
            std::filesystem::path(ordner + "/applications/" + id).parent_path());
        test::schreibeRoh(ordner + "/applications/" + id, inhalt);
    }
    static std::string eintrag(const std::string& name, const std::string& exec, const std::string& mehr) {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nName[de]=Andere\nExec=" + exec + "\n" +
               mehr;
    }
    std::string gefunden() {
        const auto p = registriertesProgramm(o);
        return p ? p->id : "-";
    }

    test::TempOrdner tmp;
    XdgOrdner o;
};

const std::string kXlsx = "MimeType=text/csv;" + std::string(kXlsxMimeTyp) + ";\n";

TEST_F(Programmsuche, KeinProgrammOhneEintrag) {
    EXPECT_EQ(gefunden(), "-");
    desktop(o.datenOrdner[0], "text.desktop", eintrag("Text", "text %f", "MimeType=text/plain;\n"));
    EXPECT_EQ(gefunden(), "-");
}

TEST_F(Programmsuche, ProgrammDasDenTypNennt) {
    desktop(o.datenOrdner[0], "rechenblatt.desktop", eintrag("Rechenblatt", "rechenblatt --blatt %U", kXlsx));
    const auto p = registriertesProgramm(o);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->id, "rechenblatt.desktop");
    EXPECT_EQ(p->name, "Rechenblatt");
    EXPECT_EQ(startBefehl(*p, "/tmp/a b/Tippreihen.xlsx"),
              (std::vector<std::string>{"rechenblatt", "--blatt", "file:///tmp/a%20b/Tippreihen.xlsx"}));
}

TEST_F(Programmsuche, UnbrauchbareEintraegeZaehlenNicht) {
    const std::vector<std::string> unbrauchbar = {
        "Hidden=true\n", "Terminal=true\n", "TryExec=/gibt/es/nicht\n", "TryExec=gibt-es-nicht-im-pfad\n"};
    for (std::size_t i = 0; i < unbrauchbar.size(); ++i)
        desktop(o.datenOrdner[0], "p" + std::to_string(i) + ".desktop",
                eintrag("P", "p %f", kXlsx + unbrauchbar[i]));
    desktop(o.datenOrdner[0], "ohne-exec.desktop", "[Desktop Entry]\nType=Application\nName=X\n" + kXlsx);
    desktop(o.datenOrdner[0], "link.desktop", "[Desktop Entry]\nType=Link\nName=X\nExec=x\n" + kXlsx);
    EXPECT_EQ(gefunden(), "-");
}

TEST_F(Programmsuche, ZuordnungslisteDieKeineDateiIstZaehltNicht) {
    // A FIFO where the user's mimeapps list would be is passed over at once.
    ASSERT_EQ(::mkfifo((o.konfigHome + "/mimeapps.list").c_str(), 0600), 0);
    desktop(o.datenOrdner[0], "rechenblatt.desktop", eintrag("Rechenblatt", "rechenblatt %U", kXlsx));
    EXPECT_EQ(gefunden(), "rechenblatt.desktop");
}

TEST_F(Programmsuche, TryExecZaehltWennDieserBenutzerEsStartenDarf) {
    // A program installed for this user alone (only the owner may run it)
    // is there; a file nobody may run is not.
    const std::string programm = tmp.datei("rechenblatt-privat");
    const std::string ohneRecht = tmp.datei("rechenblatt-ohne-recht");
    test::schreibeRoh(programm, "#!/bin/sh\n");
    test::schreibeRoh(ohneRecht, "#!/bin/sh\n");
    namespace fs = std::filesystem;
    fs::permissions(programm, fs::perms::owner_all);
    fs::permissions(ohneRecht, fs::perms::owner_read | fs::perms::owner_write);

    desktop(o.datenOrdner[0], "gesperrt.desktop",
            eintrag("G", "g %f", kXlsx + "TryExec=" + ohneRecht + "\n"));
    EXPECT_EQ(gefunden(), "-");
    desktop(o.datenOrdner[0], "privat.desktop", eintrag("P", "p %f", kXlsx + "TryExec=" + programm + "\n"));
    EXPECT_EQ(gefunden(), "privat.desktop");
}

TEST_F(Programmsuche, VorgabeUndEntfernteZuordnung) {
    desktop(o.datenOrdner[0], "rechenblatt.desktop", eintrag("Rechenblatt", "rechenblatt %F", kXlsx));
    desktop(o.datenOrdner[0], "buero/tabelle.desktop", eintrag("Tabelle", "tabelle %f", ""));
    // The user's default wins even over a program that declares the type;
    // a folder below applications/ makes its name part of the ID.
    test::schreibeRoh(
        o.konfigHome + "/mimeapps.list",
        "[Default Applications]\n" + std::string(kXlsxMimeTyp) + "=fehlt.desktop;buero-tabelle.desktop;\n");
    EXPECT_EQ(gefunden(), "buero-tabelle.desktop");

    // Without the default, and with the declaring program removed for the type, nothing is left.
    test::schreibeRoh(o.konfigHome + "/mimeapps.list",
                      "[Removed Associations]\n" + std::string(kXlsxMimeTyp) + "=rechenblatt.desktop\n");
    EXPECT_EQ(gefunden(), "-");

    // The user's own desktop file hides the system's of the same ID.
    test::schreibeRoh(o.konfigHome + "/mimeapps.list", "");
    desktop(o.datenHome, "rechenblatt.desktop",
            eintrag("Rechenblatt", "rechenblatt %F", kXlsx + "Hidden=true\n"));
    EXPECT_EQ(gefunden(), "-");
}

TEST(Startbefehl, ExecZeileWirdZerlegt) {
    const std::string d = "/daten/T.xlsx";
    const auto befehl = [&](const std::string& exec) {
        return startBefehl({"x.desktop", "/a/x.desktop", "Mein Blatt", exec}, d);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(befehl("\"/opt/mein blatt/bin/blatt\" --ansicht %f"),
              (V{"/opt/mein blatt/bin/blatt", "--ansicht", d}));
    EXPECT_EQ(befehl("blatt \"a\\\"b\" %i %c %k 100%%"),
              (V{"blatt", "a\"b", "Mein Blatt", "/a/x.desktop", "100%", d}));
    EXPECT_EQ(befehl("blatt --datei=%f"), (V{"blatt", "--datei=" + d}));
    EXPECT_EQ(befehl("blatt"), (V{"blatt", d}));
    EXPECT_EQ(befehl("blatt \"offen"), V{});
    EXPECT_EQ(befehl(""), V{});
}

}  // namespace
}  // namespace kv
