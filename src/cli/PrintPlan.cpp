#include "PrintPlan.h"

#include "Ausgabe.h"
#include "Cli.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>

#include "io/Datei.h"
#include "print/Druckfenster.h"

namespace kv::cli {

namespace {

const char* const kAufruf =
    "Aufruf: kalvendo-cli print-plan FORMAT.kvxdr SPIELSCHEIN.kv13 [--start A] [--end B]\n"
    "            [--offsets OX,OY,DPI] [--correction H,V] [--zusatz FLAGS] [--number K]\n";

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli print-plan: " << text << "\n" << kAufruf;
    return kEingabeFehler;
}

int melde(std::ostream& err, const std::string& text, int status) {
    err << "kalvendo-cli print-plan: " << einzeilig(text) << "\n";
    return status;
}

bool nurZiffern(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The `anzahl` comma-separated parts of an option's value.
std::optional<std::vector<std::string>> teile(std::string_view s, std::size_t anzahl) {
    std::vector<std::string> t;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = s.find(',', p);
        t.emplace_back(s.substr(p, q == std::string_view::npos ? std::string_view::npos : q - p));
        if (q == std::string_view::npos) break;
        p = q + 1;
    }
    if (t.size() != anzahl) return std::nullopt;
    return t;
}

std::optional<std::int64_t> ganzeZahl(const std::string& s, bool negativErlaubt) {
    if (s.empty() || (!negativErlaubt && s[0] == '-')) return std::nullopt;
    std::int64_t v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> aufloesung(const std::string& s) {
    if (s.empty() || s.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || !(v > 0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Collects the lines and writes them in large blocks; a failed write ends
// the command (AusgabeFehler).
class Ausgabe {
  public:
    explicit Ausgabe(std::ostream& out) : out_(out) { text_.reserve(kBlock + 256); }
    void zahl(std::int64_t v) {
        char b[24];
        const auto r = std::to_chars(b, b + sizeof b, v);
        text_.append(b, r.ptr);
    }
    std::string& text() { return text_; }
    void zeileFertig() {
        text_ += '\n';
        if (text_.size() >= kBlock) leeren();
    }
    void leeren() {
        schreibe(out_, text_);
        text_.clear();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::ostream& out_;
    std::string text_;
};

void zeile(Ausgabe& a, const Papierschein& s, const Druckmarke& m) {
    a.zahl(static_cast<std::int64_t>(s.lauf));
    a.text() += '\t';
    switch (m.art) {
        case Druckmarke::Art::Tipp:
            a.zahl(m.feld);
            a.text() += '\t';
            a.zahl(m.spiel);
            break;
        case Druckmarke::Art::Zusatz:
            a.text() += "-\tzusatz";
            a.zahl(m.spiel);
            break;
        case Druckmarke::Art::Nummer:
            a.text() += "-\tnr";
            break;
    }
    a.text() += '\t';
    a.zahl(m.punkt.X);
    a.text() += '\t';
    a.zahl(m.punkt.Y);
    a.text() += '\t';
    a.text() += m.text;
    a.zeileFertig();
}

}  // namespace

int printPlan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::size_t i = !args.empty() && args[0] == "print-plan" ? 1 : 0;
    std::vector<std::string> dateien;
    std::optional<std::string> start, ende, versatz, korrektur, zusatz, nummer;
    for (; i < args.size(); ++i) {
        const std::string& o = args[i];
        std::optional<std::string>* ziel = o == "--start"        ? &start
                                           : o == "--end"        ? &ende
                                           : o == "--offsets"    ? &versatz
                                           : o == "--correction" ? &korrektur
                                           : o == "--zusatz"     ? &zusatz
                                           : o == "--number"     ? &nummer
                                                                 : nullptr;
        if (ziel) {
            if (i + 1 == args.size()) return benutzung(err, "Nach " + o + " fehlt der Wert.");
            if (ziel->has_value()) return benutzung(err, o + " ist doppelt angegeben.");
            *ziel = args[++i];
        } else if (o == "-h" || o == "--help") {
            out << kAufruf;
            return kOk;
        } else if (o.size() > 1 && o[0] == '-') {
            return benutzung(err, "Unbekannte Option " + o + ".");
        } else {
            dateien.push_back(o);
        }
    }
    if (dateien.size() != 2)
        return benutzung(err, "print-plan erwartet eine Schein-Format-Datei und eine Spielschein-Datei.");

    Druckfenster z;
    // The range fields take digits only, as in the window.
    for (const auto& [wert, name] : {std::pair{&start, "--start"}, std::pair{&ende, "--end"}})
        if (*wert && (!nurZiffern(**wert) || !feldZahl(**wert)))
            return benutzung(
                err, std::string(name) + " erwartet eine Tippreihen-Nummer, nicht \"" + **wert + "\".");
    Geraeteversatz gv;
    if (versatz) {
        const auto t = teile(*versatz, 3);
        const auto ox = t ? ganzeZahl((*t)[0], false) : std::nullopt;
        const auto oy = t ? ganzeZahl((*t)[1], false) : std::nullopt;
        const auto dpi = t ? aufloesung((*t)[2]) : std::nullopt;
        if (!ox || !oy || !dpi)
            return benutzung(err,
                             "--offsets erwartet OX,OY,DPI: zwei Versätze in Geräte-Einheiten und die "
                             "Auflösung in dpi (größer als 0), nicht \"" +
                                 *versatz + "\".");
        gv = {*ox, *oy, *dpi};
    }
    std::optional<std::vector<std::string>> hv;
    if (korrektur) {
        hv = teile(*korrektur, 2);
        if (!hv || !feldZahl((*hv)[0]) || !feldZahl((*hv)[1]))
            return benutzung(
                err, "--correction erwartet H,V in 0,1 mm (ganze Zahlen), nicht \"" + *korrektur + "\".");
    }
    if (zusatz && (zusatz->size() != static_cast<std::size_t>(kZusatzspiele) ||
                   zusatz->find_first_not_of("01") != std::string::npos))
        return benutzung(
            err, "--zusatz erwartet vier Ziffern 0 oder 1 (Spiel77, Super6, Joker1, Joker2), nicht \"" +
                     *zusatz + "\".");
    if (nummer && (!nurZiffern(*nummer) || !feldZahl(*nummer)))
        return benutzung(err, "--number erwartet eine Start-Nummer, nicht \"" + *nummer + "\".");

    try {
        z.kalibrierung.formatAnwenden(leseScheinformat(dateien[0]), dateiName(dateien[0]));
        z.speicher.laden(dateien[1]);
    } catch (const UngueltigeDatei& e) {
        return melde(err, e.what(), kEingabeFehler);
    } catch (const DateiFehler& e) {
        return melde(err, e.what(), kEaFehler);
    }
    if (start) z.optionen.start = *start;
    z.optionen.ende = ende.value_or("");
    if (hv) {
        z.kalibrierung.felder().hori = (*hv)[0];
        z.kalibrierung.felder().vert = (*hv)[1];
    }
    if (zusatz)
        for (int g = 0; g < kZusatzspiele; ++g)
            z.optionen.zusatzJa[static_cast<std::size_t>(g)] = (*zusatz)[g] == '1';
    if (nummer) {
        z.optionen.nrDrucken = true;
        z.optionen.startNr = *nummer;
    }

    if (auto m = Druckablauf::nichtsZuDrucken(z.speicher)) return melde(err, m->text, kEingabeFehler);
    Druckbeginn b = z.druckBeginnen(gv);
    if (b.meldung) return melde(err, b.meldung->text, kEingabeFehler);
    Druckablauf& lauf = *b.ablauf;
    Ausgabe a(out);
    while (!lauf.fertig()) {
        if (auto m = lauf.naechsterSchein(z.scheinangaben())) {
            a.leeren();
            return melde(err, m->text, kEingabeFehler);
        }
        for (const Druckmarke& m : lauf.schein().marken) zeile(a, lauf.schein(), m);
        lauf.antwort(Druckantwort::Ja);
    }
    a.leeren();
    return kOk;
}

}  // namespace kv::cli
