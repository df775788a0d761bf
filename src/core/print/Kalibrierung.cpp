#include "print/Kalibrierung.h"

#include <algorithm>
#include <stdexcept>

#include "io/Datei.h"
#include "model/Records.h"
#include "print/Kalibrierblatt.h"
#include "textexport/TextExport.h"

namespace kv {

namespace {

constexpr const char* kNichtGespeichert = "Das Schein-Format wird daher nicht gespeichert.";
constexpr const char* kMussAbbrechen = "Ich muss abbrechen";

std::string zahlText(std::int64_t v) {
    return std::to_string(v);
}

// -1 marks a position not in use and is shown as an empty field.
std::string positionText(std::int32_t v) {
    return v == kUnbenutzt ? std::string() : zahlText(v);
}

const char* boxZiffer(int box) {
    static const char* const z[] = {"", "1", "0", "2"};
    return z[box];
}

// One line of comma text: cells with a comma, a quote or a blank are quoted.
std::string kommaZeile(const std::array<std::string, Kalibrierung::kFeldSpalten>& zellen) {
    std::string z;
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        if (i) z += ',';
        z += kommaText(zellen[i]);
    }
    return z;
}

// The parts of a comma-text line; quoted parts may hold commas and doubled quotes.
std::vector<std::string> kommaTeile(const std::string& zeile) {
    std::vector<std::string> teile(1);
    bool inAnfuehrung = false;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        if (inAnfuehrung) {
            if (c == '"' && i + 1 < zeile.size() && zeile[i + 1] == '"') {
                teile.back() += '"';
                ++i;
            } else if (c == '"') {
                inAnfuehrung = false;
            } else {
                teile.back() += c;
            }
        } else if (c == '"') {
            inAnfuehrung = true;
        } else if (c == ',') {
            teile.emplace_back();
        } else {
            teile.back() += c;
        }
    }
    return teile;
}

// A window field: empty gives `leer`, otherwise it must be a whole number.
std::optional<Druckmeldung> feldWert(const std::string& text, std::int32_t leer, const std::string& name,
                                     std::int32_t& ziel) {
    if (text.empty()) {
        ziel = leer;
        return std::nullopt;
    }
    const auto v = feldZahl(text);
    if (!v) return keineZahl(name, text, kNichtGespeichert);
    ziel = *v;
    return std::nullopt;
}

}  // namespace

Kalibrierung::Kalibrierung() {
    for (int f = 1; f <= kMaxFelder; ++f)
        for (int m = 1; m <= kSpiele; ++m) feldZelleRef(f, m, 0) = zahlText(m);
    for (int f = 1; f <= kMaxFelder; ++f) feldZelleRef(f, 1, 1) = zahlText(200 * f);
    feldZelleRef(1, 1, 2) = "200";
    alsGesichertMerken();
}

Kalibrierung::Stand Kalibrierung::stand() const {
    return Stand{felder_, up1_, rg1_, feld_, detail_};
}

bool Kalibrierung::geaendert() const {
    const Stand& g = gesichert_;
    return felder_ != g.felder || up1_ != g.up1 || rg1_ != g.rg1 || feld_ != g.tabellen ||
           (detailExtrahiert_ && detail_ != g.detail);
}

void Kalibrierung::aenderungenVerwerfen() {
    felder_ = gesichert_.felder;
    up1_ = gesichert_.up1;
    rg1_ = gesichert_.rg1;
    feld_ = gesichert_.tabellen;
    if (detailExtrahiert_) detail_ = gesichert_.detail;
}

void Kalibrierung::setzeFelderProReihe(int n) {
    if (n >= 4 && n <= 6) up1_ = n;
}

void Kalibrierung::setzeAnordnung(int a) {
    if (a == 0 || a == 1) rg1_ = a;
}

std::string& Kalibrierung::feldZelleRef(int feld, int zeile, int spalte) {
    if (feld < 1 || feld > kMaxFelder || zeile < 1 || zeile > kSpiele || spalte < 0 || spalte >= kFeldSpalten)
        throw std::out_of_range("Zelle außerhalb der Feldtabelle");
    return feld_[feld - 1][zeile - 1][spalte];
}

const std::string& Kalibrierung::feldZelle(int feld, int zeile, int spalte) const {
    return const_cast<Kalibrierung*>(this)->feldZelleRef(feld, zeile, spalte);
}

void Kalibrierung::setzeFeldZelle(int feld, int zeile, int spalte, std::string text) {
    feldZelleRef(feld, zeile, spalte) = std::move(text);
}

const char* Kalibrierung::feldKopf(int spalte) {
    static const char* const kopf[] = {"Nr.", " X", " Y"};
    return kopf[spalte];
}

std::string& Kalibrierung::detailRef(int feld, int spiel, int box, bool y) {
    if (feld < 1 || feld > kMaxFelder || spiel < 1 || spiel > kSpiele || box < 1 || box > kSpalten)
        throw std::out_of_range("Zelle außerhalb der Detailtabelle");
    return detail_[feld - 1][spiel - 1][box - 1][y ? 1 : 0];
}

const std::string& Kalibrierung::detail(int feld, int spiel, int box, bool y) const {
    return const_cast<Kalibrierung*>(this)->detailRef(feld, spiel, box, y);
}

std::string Kalibrierung::detailText(int spalte, int zeile) const {
    if (spalte < 0 || spalte >= kDetailSpalten || zeile < 0 || zeile >= kDetailZeilen)
        throw std::out_of_range("Zelle außerhalb der Detailtabelle");
    if (zeile == 0) {
        if (spalte == 0) return "Spiel";
        if (spalte == 1) return "x/y";
        return std::string("  ") + boxZiffer((spalte - 2) % 3 + 1);
    }
    const int spiel = (zeile + 1) / 2;
    const bool y = zeile % 2 == 0;
    if (spalte == 0) return y ? std::string() : (spiel < 10 ? "     " : "   ") + zahlText(spiel);
    if (spalte == 1) return y ? "  Y" : "  X";
    return detail((spalte - 2) / 3 + 1, spiel, (spalte - 2) % 3 + 1, y);
}

void Kalibrierung::setzeDetailZelle(int spalte, int zeile, std::string text) {
    if (!detailEditierbar(spalte, zeile) || spalte >= kDetailSpalten || zeile >= kDetailZeilen)
        throw std::out_of_range("Keine Datenzelle der Detailtabelle");
    detailRef((spalte - 2) / 3 + 1, (zeile + 1) / 2, (spalte - 2) % 3 + 1, zeile % 2 == 0) = std::move(text);
}

std::optional<Druckmeldung> Kalibrierung::FormatEinlesen(const std::string& pfad) {
    TScheinFormat f;
    try {
        f = leseScheinformat(pfad);
    } catch (const UngueltigeDatei& e) {
        // the format printed with until now stays, if there is one
        return Druckmeldung{
            Meldungsart::Fehler,
            e.what() + std::string(kAbsatz) +
                (keinFormat(format_) ? "Es ist noch kein Schein-Format geöffnet: Bitte öffnen Sie "
                                       "ein anderes oder speichern Sie Ihre Angaben als "
                                       "Schein-Format."
                                     : "Das bisherige Schein-Format bleibt erhalten.")};
    } catch (const DateiFehler& e) {
        return Druckmeldung{Meldungsart::Fehler, e.what()};
    }
    formatAnwenden(f, dateiName(pfad));
    return std::nullopt;
}

void Kalibrierung::formatAnwenden(const TScheinFormat& f, const std::string& name) {
    setzeFelderProReihe(f.FelderProReihe);
    setzeAnordnung(f.Anordnung);
    felder_.abstandH = zahlText(f.B);
    felder_.abstandV = zahlText(f.C);
    felder_.hori = zahlText(f.Hori);
    felder_.vert = zahlText(f.Vert);
    felder_.nrX = positionText(f.Nr.x);
    felder_.nrY = positionText(f.Nr.y);
    for (int g = 1; g <= kZusatzspiele; ++g)
        for (int j = 1; j <= 2; ++j) {
            felder_.zusatz(g, j, 1) = positionText(f.zusatz(g, j).x);
            felder_.zusatz(g, j, 2) = positionText(f.zusatz(g, j).y);
        }
    detailLeeren();
    // Only the fields of the record's slip; tables beyond keep their contents.
    const int n = std::min(2 * f.FelderProReihe, kMaxFelder);
    for (int feld = 1; feld <= n; ++feld)
        for (int m = 1; m <= kSpiele; ++m) {
            for (int box = 1; box <= kSpalten; ++box) {
                detailRef(feld, m, box, false) = zahlText(f.kaestchen(feld, m, box).x);
                detailRef(feld, m, box, true) = zahlText(f.kaestchen(feld, m, box).y);
            }
            feldZelleRef(feld, m, 1) = zahlText(f.kaestchen(feld, m, 1).x);
            feldZelleRef(feld, m, 2) = zahlText(f.kaestchen(feld, m, 1).y);
        }
    format_ = f;
    dateiStatus_ = "Geöffnet: " + name;
    alsGesichertMerken();
}

void Kalibrierung::detailLeeren() {
    for (auto& feld : detail_)
        for (auto& spiel : feld)
            for (auto& box : spiel)
                for (auto& z : box) z.clear();
    detailKomplett_ = false;
    detailExtrahiert_ = false;
}

std::optional<Druckmeldung> Kalibrierung::DetailTransfer(int n) {
    detailKomplett_ = false;
    if (felder_.abstandH.empty())
        return Druckmeldung{Meldungsart::Fehler,
                            "Bitte geben Sie den Kästchen-Abstand (B) ein. Ich muss abbrechen"};
    const auto b = feldZahl(felder_.abstandH);
    if (!b) return keineZahl("Kästchen-Abstand (B)", felder_.abstandH, kMussAbbrechen);
    const std::int64_t B = *b;
    const std::int64_t h = B % 2 == 0 ? B / 2 : (B + 1) / 2;
    n = std::clamp(n, 0, kMaxFelder);
    for (int f = 1; f <= n; ++f)
        for (int m = 1; m <= kSpiele; ++m) {
            const std::string& x = feldZelleRef(f, m, 1);
            const std::string& y = feldZelleRef(f, m, 2);
            detailRef(f, m, 1, false) = x;
            detailRef(f, m, 1, true) = y;
            if (x.empty())
                return Druckmeldung{
                    Meldungsart::Fehler,
                    "Für das " + zahlText(f) + ". Tippfeld fehlen Angaben." + kAbsatz + kMussAbbrechen};
            const auto xv = feldZahl(x);
            if (!xv)
                return keineZahl("X für Spiel " + zahlText(m) + " des " + zahlText(f) + ". Tippfelds", x,
                                 kMussAbbrechen);
            for (int box = 2; box <= kSpalten; ++box) {
                detailRef(f, m, box, false) = zahlText(*xv + (box - 1) * h);
                detailRef(f, m, box, true) = y;
            }
        }
    detailKomplett_ = true;
    return std::nullopt;
}

std::optional<Druckmeldung> Kalibrierung::extrahieren() {
    detailExtrahiert_ = true;
    return DetailTransfer(felderProSchein());
}

std::optional<Druckmeldung> Kalibrierung::formatAusFenster(TScheinFormat& neu) const {
    const int n = felderProSchein();
    for (int f = 1; f <= n; ++f)
        for (int m = 1; m <= kSpiele; ++m)
            for (int box = 1; box <= kSpalten; ++box)
                for (const bool y : {false, true}) {
                    const std::string& text = detail(f, m, box, y);
                    const std::string wo = "Im " + zahlText(f) + ". Tippfeld ";
                    const std::string was = std::string(y ? "y" : "x") + "-Koordinate des Kästchens \"" +
                                            boxZiffer(box) + "\" von Spiel " + zahlText(m);
                    if (text.empty())
                        return Druckmeldung{Meldungsart::Fehler,
                                            wo + "fehlt die " + was + "." + kAbsatz + kNichtGespeichert};
                    const auto v = feldZahl(text);
                    if (!v)
                        return Druckmeldung{Meldungsart::Fehler, wo + "ist die " + was +
                                                                     " keine ganze Zahl: \"" + text + "\"." +
                                                                     kAbsatz + kNichtGespeichert};
                    auto& p = neu.kaestchen(f, m, box);
                    (y ? p.y : p.x) = *v;
                }
    neu.FelderProReihe = up1_;
    neu.Anordnung = rg1_;
    const struct {
        const std::string& text;
        std::int32_t leer;
        std::string name;
        std::int32_t& ziel;
    } werte[] = {
        {felder_.abstandH, 78, "Kästchen-Abstand (B)", neu.B},
        {felder_.abstandV, 480, "vertikaler Abstand (C)", neu.C},
        {felder_.hori, 0, feldnameKorrektur(false), neu.Hori},
        {felder_.vert, 0, feldnameKorrektur(true), neu.Vert},
        {felder_.nrX, kUnbenutzt, feldnameNummer(false), neu.Nr.x},
        {felder_.nrY, kUnbenutzt, feldnameNummer(true), neu.Nr.y},
    };
    for (const auto& w : werte)
        if (auto m = feldWert(w.text, w.leer, w.name, w.ziel)) return m;
    for (int g = 1; g <= kZusatzspiele; ++g)
        for (int j = 1; j <= 2; ++j)
            for (int k = 1; k <= 2; ++k) {
                auto& p = neu.zusatz(g, j);
                if (auto m = feldWert(felder_.zusatz(g, j, k), kUnbenutzt, feldnameZusatz(g, j, k == 2),
                                      k == 1 ? p.x : p.y))
                    return m;
            }
    return std::nullopt;
}

std::optional<Druckmeldung> Kalibrierung::speichern(const std::string& pfad) {
    if (!detailExtrahiert_)
        if (auto m = DetailTransfer(felderProSchein())) return m;
    // Kept on purpose: after a failed "A-Werte extrahieren" the save runs no
    // transfer of its own, so no message of a transfer would say why nothing
    // was written, and a save that ends in silence looks like one that worked.
    if (!detailKomplett_)
        return Druckmeldung{Meldungsart::Fehler,
                            std::string("Die Tabelle der A-Werte ist nicht vollständig; bitte "
                                        "klicken Sie \"A-Werte extrahieren\".") +
                                kAbsatz + kNichtGespeichert};
    TScheinFormat neu = format_;  // fields beyond this slip keep their positions
    if (auto m = formatAusFenster(neu)) return m;
    try {
        schreibeScheinformat(pfad, neu);
    } catch (const DateiFehler& e) {
        return Druckmeldung{Meldungsart::Fehler, e.what()};
    }
    format_ = neu;
    dateiStatus_ = "Gespeichert: " + dateiName(pfad);
    alsGesichertMerken();
    return std::nullopt;
}

std::optional<Druckmeldung> Kalibrierung::automatischAusfuellen(const Rueckfrage& frage) {
    const std::string& cText = felder_.abstandV;
    if (cText.empty())
        return Druckmeldung{
            Meldungsart::Information,
            std::string("Bitte geben Sie als C-Wert den vertikalen Abstand zwischen den Kästchen für "
                        "Spiel 1 und Spiel 13 an.") +
                kAbsatz + "Ich breche erst einmal ab."};
    const auto c = feldZahl(cText);
    if (!c) return keineZahl("vertikaler Abstand (C)", cText, "Ich breche ab.");
    if (*c < 360) {
        const std::string text =
            std::string(
                "Der C-Wert, den Sie für den vertikalen Abstand zwischen den Kästchen für "
                "Spiel 1 und Spiel 13 angegeben haben, ist zu 99 % falsch.") +
            kAbsatz + "Sind Sie sicher, dass " + zahlText(*c) + " der korrekte Wert ist?.";
        if (frage(text) != Druckantwort::Ja) return std::nullopt;
    }
    const std::int64_t s = teileHalbGerade(*c, 12);

    const int r = up1_;
    const bool zweiReihen = rg1_ == 1;
    auto startY = [&](int feld, const std::string& fehlt, std::int64_t& ziel) -> std::optional<Druckmeldung> {
        const std::string& y = feldZelleRef(feld, 1, 2);
        if (y.empty()) return Druckmeldung{Meldungsart::Hinweis, fehlt + kAbsatz + "Ich breche ab."};
        const auto v = feldZahl(y);
        if (!v) return keineZahl("Y für Spiel 1 des " + zahlText(feld) + ". Tippfelds", y, "Ich breche ab.");
        ziel = *v;
        return std::nullopt;
    };
    std::int64_t y0 = 0, y1 = 0;
    if (auto m = startY(1,
                        "Für das automatische Ausfüllen benötige ich im ersten Tippdeld für Spiel 1 die "
                        "y-Koordinate.",
                        y0))
        return m;
    if (zweiReihen)
        if (auto m = startY(r + 1,
                            "Für das automatische Ausfüllen benötige ich im Tippfeld " + zahlText(r + 1) +
                                " für Spiel 1 die y-Koordinate.",
                            y1))
            return m;

    slTempFuellen("Ausfüllen");
    auto yFuellen = [&](int von, int bis, std::int64_t start) {
        for (int f = von; f <= bis; ++f)
            for (int m = 1; m <= kSpiele; ++m) {
                std::string& y = feldZelleRef(f, m, 2);
                if (y.empty()) y = zahlText(start + (m - 1) * s);
            }
    };
    if (!zweiReihen) {
        for (int f = 1; f <= kMaxFelder; ++f) {
            const std::string x = feldZelleRef(f, 1, 1);
            if (x.empty()) continue;
            for (int m = 2; m <= kSpiele; ++m) {
                std::string& z = feldZelleRef(f, m, 1);
                if (z.empty()) z = x;
            }
        }
        yFuellen(1, kMaxFelder, y0);
    } else {
        for (int f = 1; f <= r; ++f) {
            const std::string x = feldZelleRef(f, 1, 1);
            if (x.empty()) continue;
            for (int m = 1; m <= kSpiele; ++m) {
                feldZelleRef(f, m, 1) = x;
                feldZelleRef(f + r, m, 1) = x;
            }
        }
        yFuellen(1, r, y0);
        yFuellen(r + 1, 2 * r, y1);
    }
    extrahierenAktiv_ = true;
    return std::nullopt;
}

void Kalibrierung::slTempFuellen(const std::string& w) {
    snapshot_.clear();
    snapshot_.reserve(kSnapshotZeilen);
    for (const auto& feld : feld_)
        for (const auto& zeile : feld) snapshot_.push_back(kommaZeile(zeile));
    undoText_ = w + " rückgängig";
    undoAktiv_ = true;
}

void Kalibrierung::undo() {
    if (!undoAktiv_) return;
    std::size_t i = 0;
    for (auto& feld : feld_)
        for (auto& zeile : feld) {
            const auto teile = kommaTeile(snapshot_[i++]);
            for (std::size_t s = 0; s < zeile.size(); ++s)
                zeile[s] = s < teile.size() ? teile[s] : std::string();
        }
    undoAktiv_ = false;
}

void Kalibrierung::felderLoeschen() {
    slTempFuellen("Löschen");
    for (int f = 1; f <= kMaxFelder; ++f) feldLoeschen(f);
    extrahierenAktiv_ = false;
}

void Kalibrierung::feldLoeschen(int feld) {
    for (int m = 1; m <= kSpiele; ++m) {
        feldZelleRef(feld, m, 1).clear();
        feldZelleRef(feld, m, 2).clear();
    }
}

}  // namespace kv
