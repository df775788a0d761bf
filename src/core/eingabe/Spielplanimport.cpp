#include "eingabe/Spielplanimport.h"

#include <algorithm>

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
    if (zeilen.size() < static_cast<std::size_t>(kSpiele)) {
        im.fehler = meldungKeine13Zeilen();
        return im;
    }
    if (im.text.find('\t') == std::string::npos) {
        im.fehler = meldungKeineSpaltentrennung();
        return im;
    }

    // Tendencies: line i stands for match i + 1.
    std::vector<bool> lang(kSpiele);
    int letzteLange = -1;
    for (int i = 0; i < kSpiele; ++i) {
        lang[i] = zeichenAnzahl(zeilen[i]) > kKurzeZeile;
        if (!lang[i]) continue;
        letzteLange = i;
        const std::vector<std::string> zellen = zellenDerZeile(zeilen[i]);
        const Tendenzlesung l = TendenzLesen(zellen.back());
        if (l.ergebnis == Tendenzlesung::Ergebnis::KeineZahl) {
            im.fehler = meldungKeineZahlenfolge(i + 1, getrimmt(zellen.back()));
            return im;
        }
        if (l.ergebnis == Tendenzlesung::Ergebnis::Gelesen) {
            im.tendenzen[i] = l.wert();
            im.gelesen[i] = true;
            ++im.gefunden;
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
        im.zeilen.emplace_back(i + 1, std::move(zeile));
    }
    return im;
}

Spielplanraster::Spielplanraster() {
    for (auto& z : zellen_) z.resize(static_cast<std::size_t>(spalten_));
    zellen_[0] = {"Nr", "Heim", "Gast", "Tendenz"};
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
