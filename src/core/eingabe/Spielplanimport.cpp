#include "eingabe/Spielplanimport.h"

#include <algorithm>

#include "eingabe/Entwurf.h"
#include "io/Datei.h"
#include "model/Cp1252.h"
#include "model/Spielplandatei.h"
#include "settings/Einstellungen.h"
#include "transfer/Reihenerkennung.h"

namespace kv {

namespace {

constexpr std::size_t kKurzeZeile = 10;  // lines of at most 10 characters are passed over
constexpr std::size_t kKurzeZelle = 3;   // cells of at most 3 characters are no kept column
constexpr int kPunkte = 10;              // tendency points of a match

std::string mitAbbruch(const std::string& satz) {
    return satz + kAbsatz + "Ich breche erst einmal ab.";
}

// Blanks and control characters (up to U+0020) removed at both ends.
std::string_view getrimmt(std::string_view t) {
    while (!t.empty() && static_cast<unsigned char>(t.front()) <= 0x20) t.remove_prefix(1);
    while (!t.empty() && static_cast<unsigned char>(t.back()) <= 0x20) t.remove_suffix(1);
    return t;
}

// Every run of two or more blanks (U+0020) becomes one blank.
std::string einzelneBlanks(std::string_view zeile) {
    std::string s;
    s.reserve(zeile.size());
    for (char c : zeile)
        if (c != ' ' || s.empty() || s.back() != ' ') s += c;
    return s;
}

// Three whole numbers between hyphens that add up to 100.
bool sindProzente(std::string_view t) {
    int summe = 0, teile = 0;
    std::size_t p = 0;
    while (p <= t.size()) {
        const std::size_t strich = std::min(t.find('-', p), t.size());
        const std::string_view teil = getrimmt(t.substr(p, strich - p));
        if (teil.empty() || teil.size() > 3) return false;
        int zahl = 0;
        for (char c : teil) {
            if (c < '0' || c > '9') return false;
            zahl = zahl * 10 + (c - '0');
        }
        summe += zahl;
        ++teile;
        p = strich + 1;
    }
    return teile == 3 && summe == 100;
}

// Column titles of the operator's tables, lower case; a cell that starts with
// one of them is a title.
constexpr std::array<std::string_view, 16> kSpaltentitel = {
    "nr",      "spiel", "heim",   "gast", "tendenz", "begegnung", "paarung",    "datum",
    "uhrzeit", "zeit",  "anstoß", "tipp", "quote",   "ergebnis",  "mannschaft", "verein"};

std::string klein(std::string_view t) {
    std::string s(t);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool istTitel(std::string_view zelle) {
    const std::string t = klein(getrimmt(zelle));
    if (t == "1" || t == "0" || t == "2" || t == "x") return true;
    for (std::string_view titel : kSpaltentitel)
        if (t.compare(0, titel.size(), titel) == 0) return true;
    return false;
}

std::string gekuerzt(const std::string& text, std::size_t zeichen) {
    std::string bytes = utf8NachCp1252(text);
    if (bytes.size() > zeichen) bytes.resize(zeichen);
    return cp1252NachUtf8(bytes);
}

}  // namespace

std::size_t zeichenAnzahl(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += zeichenLaenge(text, i)) ++n;
    return n;
}

std::vector<std::string> zellenDerZeile(std::string_view zeile) {
    std::vector<std::string> zellen;
    std::size_t p = 0;
    while (p < zeile.size()) {
        std::string zelle;
        if (zeile[p] == '"') {
            for (++p; p < zeile.size(); ++p) {
                if (zeile[p] != '"') {
                    zelle += zeile[p];
                } else if (p + 1 < zeile.size() && zeile[p + 1] == '"') {
                    zelle += '"';
                    ++p;
                } else {
                    ++p;  // the closing quote
                    break;
                }
            }
        } else {
            const std::size_t tab = std::min(zeile.find('\t', p), zeile.size());
            zelle = zeile.substr(p, tab - p);
            p = tab;
        }
        zellen.push_back(std::move(zelle));
        if (p < zeile.size() && zeile[p] == '\t') {
            if (p + 1 == zeile.size()) zellen.emplace_back();  // a tab at the end
            ++p;
        }
    }
    return zellen;
}

TTendenzWert Tendenzlesung::wert() const {
    TTendenzWert w;
    w.Heim = static_cast<std::uint8_t>(a);
    w.Gast = static_cast<std::uint8_t>(c);
    w.Remis = static_cast<std::uint8_t>(kPunkte - a - c);
    return w;
}

Tendenzlesung TendenzLesen(std::string_view text) {
    Tendenzlesung l;
    const std::string_view t = getrimmt(text);
    if (std::count(t.begin(), t.end(), '-') != 2) return l;
    std::string rest;
    for (char ch : t)
        if (ch != ' ' && ch != '-') rest += ch;
    if (zeichenAnzahl(rest) != 3) return l;
    for (char ch : rest)
        if (ch < '0' || ch > '9') {  // also every byte of a character beyond ASCII
            l.ergebnis = Tendenzlesung::Ergebnis::KeineZahl;
            return l;
        }
    // Three characters, all digits: three bytes.
    l.a = rest[0] - '0';
    l.b = rest[1] - '0';
    l.c = rest[2] - '0';
    if (l.a + l.c > kPunkte) return l;
    l.ergebnis = Tendenzlesung::Ergebnis::Gelesen;
    return l;
}

std::string meldungTextLeer() {
    return mitAbbruch("Das Textfeld ist leer. Es gibt nichts zu übertragen.");
}
std::string meldungKeine13Zeilen() {
    return mitAbbruch("Ich kann keine 13 Zeilen mit Spielpaarungen ausmachen.");
}
std::string meldungKeineSpaltentrennung() {
    return mitAbbruch(
        "Ich kann keine Spaltentrennungen ausmachen. Bitte nutzen Sie eine andere Tabelle mit "
        "Spielpaarungen.");
}
std::string meldungKeineSpielpaarungen() {
    return mitAbbruch("Ich kann keine Spielpaarungen ausmachen.");
}
std::string meldungKeineZahlenfolge(int zeile, std::string_view tendenz) {
    return mitAbbruch("In Zeile " + std::to_string(zeile) + " ist die Tendenz \"" + std::string(tendenz) +
                      "\" keine Zahlenfolge.");
}

std::string meldungTendenzen(const std::vector<Tendenzproblem>& probleme) {
    std::string s = probleme.size() == 1 ? "Diese Zeile hat" : "Diese Zeilen haben";
    s += " keine Tendenz der Form 5 - 3 - 2 (Punkte von 10 für Heimsieg, Unentschieden und Auswärtssieg):";
    for (const Tendenzproblem& p : probleme) {
        s += "\nZeile " + std::to_string(p.zeile) + ": ";
        s += p.text.empty() ? std::string("keine Tendenz in der letzten Spalte") : "\"" + p.text + "\"";
        if (p.prozent) s += " sind Prozente; erwartet werden Punkte von 10, z. B. 5 - 3 - 2";
    }
    return s + kAbsatz + "Ohne die Tendenzen aller 13 Spiele kann ich keinen Tipp vorschlagen.";
}

bool istKopfzeile(std::string_view zeile) {
    if (std::none_of(zeile.begin(), zeile.end(), [](char c) { return c >= '0' && c <= '9'; })) return true;
    bool titel = false;
    for (const std::string& z : zellenDerZeile(zeile)) {
        if (getrimmt(z).empty()) continue;
        if (!istTitel(z)) return false;
        titel = true;
    }
    return titel;
}

std::string Spielplanimport::bericht() const {
    if (!fehler.empty()) return {};
    std::string s;
    if (kopfzeilen == 1) s = "Kopfzeile übersprungen. ";
    if (kopfzeilen > 1) s = std::to_string(kopfzeilen) + " Kopfzeilen übersprungen. ";
    if (paarungen == kSpiele) return s + "13 Spielpaarungen mit Tendenz gelesen.";
    return s + "Nur " + std::to_string(paarungen) +
           " von 13 Spielpaarungen vollständig gelesen; die Spielpaarungen im Hauptfenster bleiben, "
           "wie sie waren.";
}

Spielplanimport DatenAuslesen(std::string_view text, const TendenzWerte& bisher) {
    Spielplanimport im;
    im.tendenzen = bisher;
    if (text.empty()) {
        im.fehler = meldungTextLeer();
        return im;
    }

    // Tidying: empty lines go, runs of blanks become one blank.
    std::vector<std::string> zeilen;
    Zeilenleser leser(text);
    for (std::string_view z; leser.naechste(z);)
        if (!z.empty()) zeilen.push_back(einzelneBlanks(z));
    im.aufbereitet = true;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) im.text += '\n';
        im.text += zeilen[i];
    }
    if (im.text.find('\t') == std::string::npos) {
        if (zeilen.size() < static_cast<std::size_t>(kSpiele))
            im.fehler = meldungKeine13Zeilen();
        else
            im.fehler = meldungKeineSpaltentrennung();
        return im;
    }
    // Header lines before the first match (the table's column titles copied
    // along) are no matches.
    std::size_t erste = 0;
    while (erste < zeilen.size() && istKopfzeile(zeilen[erste])) ++erste;
    if (zeilen.size() - erste < static_cast<std::size_t>(kSpiele)) {
        im.fehler = meldungKeine13Zeilen();
        return im;
    }
    im.kopfzeilen = static_cast<int>(erste);
    zeilen.erase(zeilen.begin(), zeilen.begin() + static_cast<std::ptrdiff_t>(erste));

    // Tendencies: line i stands for match i + 1 (line erste + i + 1 of the text).
    std::vector<bool> lang(kSpiele);
    int letzteLange = -1;
    for (int i = 0; i < kSpiele; ++i) {
        lang[i] = zeichenAnzahl(zeilen[i]) > kKurzeZeile;
        if (!lang[i]) continue;
        letzteLange = i;
        const int textzeile = static_cast<int>(erste) + i + 1;
        const std::vector<std::string> zellen = zellenDerZeile(zeilen[i]);
        const Tendenzlesung l = TendenzLesen(zellen.back());
        if (l.ergebnis == Tendenzlesung::Ergebnis::KeineZahl) {
            im.fehler = meldungKeineZahlenfolge(textzeile, getrimmt(zellen.back()));
            return im;
        }
        if (l.ergebnis == Tendenzlesung::Ergebnis::Gelesen) {
            im.tendenzen[i] = l.wert();
            im.gelesen[i] = true;
            ++im.gefunden;
        } else {
            const std::string_view t = getrimmt(zellen.back());
            im.tendenzprobleme.push_back({textzeile, std::string(t), sindProzente(t)});
        }
    }
    im.vorschlagFrei = im.gefunden == kSpiele;
    if (letzteLange < 0) {
        im.fehler = meldungKeineSpielpaarungen();
        return im;
    }

    // Columns: the cells of the last long line with more than 3 characters.
    const std::vector<std::string> muster = zellenDerZeile(zeilen[letzteLange]);
    for (std::size_t p = 0; p < muster.size(); ++p)
        if (zeichenAnzahl(muster[p]) > kKurzeZelle) im.spalten.push_back(static_cast<int>(p));

    im.rasterSchreiben = true;
    for (int i = 0; i < kSpiele; ++i) {
        if (!lang[i]) continue;
        const std::vector<std::string> zellen = zellenDerZeile(zeilen[i]);
        std::vector<std::string> zeile;
        zeile.reserve(im.spalten.size());
        for (int p : im.spalten)
            zeile.push_back(static_cast<std::size_t>(p) < zellen.size() ? zellen[p] : std::string());
        const bool paarung =
            im.gelesen[i] && zeile.size() >= 2 && !getrimmt(zeile[0]).empty() && !getrimmt(zeile[1]).empty();
        if (paarung) ++im.paarungen;
        im.zeilen.emplace_back(i + 1, std::move(zeile));
    }
    return im;
}

Spielplanraster::Spielplanraster() {
    for (auto& z : zellen_) z.resize(static_cast<std::size_t>(spalten_));
    zellen_[0] = {"Nr", "Heim", "Gast", "Tendenz"};
    alsGesichertMerken();
}

void Spielplanraster::alsGesichertMerken() {
    gesichertSpalten_ = spalten_;
    gesichert_ = zellen_;
}

void Spielplanraster::zellenUebernehmen(const Spielplanraster& quelle) {
    spalten_ = quelle.spalten_;
    zellen_ = quelle.zellen_;
}

void Spielplanraster::entwurfSchreiben(Entwurfsschreiber& s) const {
    s.zahl(static_cast<std::uint64_t>(spalten_));
    for (int r = 1; r < kZeilen; ++r)
        for (int c = 0; c < spalten_; ++c) s.text(zelle(c, r));
}

void Spielplanraster::entwurfLesen(Entwurfsleser& l) {
    const int spalten = static_cast<int>(l.zahl(1000));
    if (spalten < 1) throw UngueltigeDatei("Entwurf mit einem Spielplan ohne Spalten");
    Zellen zellen = zellen_;
    for (int r = 1; r < kZeilen; ++r) {
        zellen[static_cast<std::size_t>(r)].resize(static_cast<std::size_t>(spalten));
        for (int c = 0; c < spalten; ++c)
            zellen[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = l.text();
    }
    spalten_ = spalten;
    zellen_ = std::move(zellen);
}

std::string Spielplanraster::zelle(int spalte, int zeile) const {
    if (zeile < 0 || zeile >= kZeilen || spalte < 0 || spalte >= spalten_) return {};
    const auto& z = zellen_[static_cast<std::size_t>(zeile)];
    return static_cast<std::size_t>(spalte) < z.size() ? z[static_cast<std::size_t>(spalte)] : std::string();
}

void Spielplanraster::setzeZelle(int spalte, int zeile, std::string text) {
    if (zeile < 1 || zeile >= kZeilen || spalte < 0 || spalte >= spalten_) return;
    zellen_[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)] = std::move(text);
}

void Spielplanraster::setzeSpaltenAnzahl(int anzahl) {
    spalten_ = std::max(1, anzahl);
    for (std::size_t r = 1; r < zellen_.size(); ++r) zellen_[r].resize(static_cast<std::size_t>(spalten_));
}

void Spielplanraster::uebernehme(const Spielplanimport& import) {
    if (!import.rasterSchreiben) return;
    setzeSpaltenAnzahl(static_cast<int>(import.spalten.size()) + 1);
    for (const auto& [r, zeile] : import.zeilen) {
        setzeZelle(0, r, std::to_string(r));
        for (std::size_t k = 0; k < zeile.size(); ++k) setzeZelle(static_cast<int>(k) + 1, r, zeile[k]);
    }
}

Begegnungen Spielplanraster::begegnungen() const {
    Begegnungen b;
    for (int r = 1; r < kZeilen; ++r) {
        TBegegnung& e = b[static_cast<std::size_t>(r - 1)];
        e.Heim = zelle(1, r);
        e.Gast = zelle(2, r);
        e.Tendenz = zelle(3, r);
    }
    return b;
}

int BegegnungenTendenzen(const Begegnungen& b, Spielplanraster& raster, TendenzWerte& tendenzen) {
    if (raster.spaltenAnzahl() < 4) raster.setzeSpaltenAnzahl(4);
    int gelesen = 0;
    for (int r = 1; r <= kSpiele; ++r) {
        const TBegegnung& e = b[static_cast<std::size_t>(r - 1)];
        raster.setzeZelle(0, r, std::to_string(r));
        raster.setzeZelle(1, r, e.Heim);
        raster.setzeZelle(2, r, e.Gast);
        raster.setzeZelle(3, r, e.Tendenz);
    }
    for (int r = 1; r <= kSpiele; ++r) {
        const Tendenzlesung l = TendenzLesen(raster.zelle(3, r));
        if (l.ergebnis != Tendenzlesung::Ergebnis::Gelesen) continue;
        tendenzen[static_cast<std::size_t>(r - 1)] = l.wert();
        ++gelesen;
    }
    raster.alsGesichertMerken();
    return gelesen;
}

Begegnungen gekuerzteBegegnungen(const Spielplanraster& raster) {
    Begegnungen b = raster.begegnungen();
    for (TBegegnung& e : b) {
        e.Heim = gekuerzt(e.Heim, kNamenLaenge);
        e.Gast = gekuerzt(e.Gast, kNamenLaenge);
        e.Tendenz = gekuerzt(e.Tendenz, kTendenzLaenge);
    }
    return b;
}

Begegnungen BegegnungenSpeichern(const Spielplanraster& raster, const std::string& pfad) {
    const Begegnungen b = gekuerzteBegegnungen(raster);
    schreibeBegegnungen(pfad, b);
    return b;
}

bool spieltagDateiMerken(IniDatei& einstellungen, const std::string& pfad) {
    if (!lese(einstellungen, einst::kSpieltagDatei).empty()) return false;
    schreibe(einstellungen, einst::kSpieltagDatei, pfad);
    return true;
}

}  // namespace kv
