#include "settings/IniDatei.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "io/Datei.h"

namespace kv {

namespace {

constexpr std::string_view kLeerraum = " \t\r\v\f";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view beschnitten(std::string_view s) {
    const auto a = s.find_first_not_of(kLeerraum);
    if (a == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(kLeerraum);
    return s.substr(a, e - a + 1);
}

char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool gleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (klein(a[i]) != klein(b[i])) return false;
    return true;
}

enum class Art { Sonstige, Abschnitt, Schluessel };

struct Zeile {
    std::string text;  // as in the file, without the line end
    Art art = Art::Sonstige;
    std::string_view name() const {
        const std::string_view t = beschnitten(text);
        if (art == Art::Abschnitt) {
            const auto zu = t.find(']');
            return beschnitten(t.substr(1, zu == std::string_view::npos ? std::string_view::npos : zu - 1));
        }
        return beschnitten(t.substr(0, t.find('=')));
    }
    std::string_view wert() const {
        const std::string_view t = text;
        return beschnitten(t.substr(t.find('=') + 1));
    }
};

Art artDer(std::string_view text) {
    const std::string_view t = beschnitten(text);
    if (t.empty() || t.front() == ';') return Art::Sonstige;
    if (t.front() == '[') return Art::Abschnitt;
    const auto gleich = t.find('=');
    if (gleich == std::string_view::npos || beschnitten(t.substr(0, gleich)).empty()) return Art::Sonstige;
    return Art::Schluessel;
}

struct Inhalt {
    bool bom = false;
    std::vector<Zeile> zeilen;

    std::string text() const {
        std::string s;
        if (bom) s += kBom;
        for (const Zeile& z : zeilen) {
            s += z.text;
            s += '\n';
        }
        return s;
    }
};

Inhalt zerlege(std::string_view daten) {
    Inhalt inhalt;
    if (daten.substr(0, kBom.size()) == kBom) {
        inhalt.bom = true;
        daten.remove_prefix(kBom.size());
    }
    while (!daten.empty()) {
        const auto ende = daten.find('\n');
        std::string_view zeile = daten.substr(0, ende);
        daten.remove_prefix(ende == std::string_view::npos ? daten.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        inhalt.zeilen.push_back({std::string(zeile), artDer(zeile)});
    }
    return inhalt;
}

// The file's lines; nothing when there is no file. A file that exists but
// cannot be read throws DateiFehler.
std::optional<Inhalt> lese(const std::string& pfad) {
    // Whether there is a file is decided by opening it, so a file removed in
    // the meantime is simply no file.
    const std::optional<std::vector<std::uint8_t>> daten = leseDateiFallsVorhanden(pfad);
    if (!daten) return std::nullopt;
    return zerlege(std::string_view(reinterpret_cast<const char*>(daten->data()), daten->size()));
}

// Calls f(index) for every line of the section `abschnitt`, wherever it occurs;
// f(index) is also called for the header lines themselves.
template <typename F>
void fuerAbschnitt(const Inhalt& inhalt, std::string_view abschnitt, F f) {
    bool drin = false;
    for (std::size_t i = 0; i < inhalt.zeilen.size(); ++i) {
        const Zeile& z = inhalt.zeilen[i];
        if (z.art == Art::Abschnitt) drin = gleichOhneFall(z.name(), abschnitt);
        if (drin) f(i);
    }
}

std::optional<std::size_t> findeSchluessel(const Inhalt& inhalt, std::string_view abschnitt,
                                           std::string_view schluessel) {
    std::optional<std::size_t> gefunden;
    fuerAbschnitt(inhalt, abschnitt, [&](std::size_t i) {
        const Zeile& z = inhalt.zeilen[i];
        if (!gefunden && z.art == Art::Schluessel && gleichOhneFall(z.name(), schluessel)) gefunden = i;
    });
    return gefunden;
}

std::string_view pruefeAbschnitt(std::string_view abschnitt) {
    const std::string_view a = beschnitten(abschnitt);
    if (a.empty() || a.find_first_of("[]\r\n") != std::string_view::npos)
        throw std::invalid_argument("Ungültiger Abschnittsname in der Einstellungsdatei: " +
                                    std::string(abschnitt));
    return a;
}

std::string_view pruefeSchluessel(std::string_view schluessel) {
    const std::string_view s = beschnitten(schluessel);
    if (s.empty() || s.front() == ';' || s.front() == '[' ||
        s.find_first_of("=\r\n") != std::string_view::npos)
        throw std::invalid_argument("Ungültiger Schlüsselname in der Einstellungsdatei: " +
                                    std::string(schluessel));
    return s;
}

// The value as read: blanks trimmed, one pair of enclosing double quotes removed.
std::string_view entpackt(std::string_view wert) {
    if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"') return wert.substr(1, wert.size() - 2);
    return wert;
}

std::optional<std::string> leseWert(const std::string& pfad, std::string_view abschnitt,
                                    std::string_view schluessel) {
    const std::string_view a = pruefeAbschnitt(abschnitt);
    const std::string_view s = pruefeSchluessel(schluessel);
    const std::optional<Inhalt> inhalt = lese(pfad);
    if (!inhalt) return std::nullopt;
    const auto i = findeSchluessel(*inhalt, a, s);
    if (!i) return std::nullopt;
    return std::string(entpackt(inhalt->zeilen[*i].wert()));
}

std::optional<int> alsZahl(std::string_view text) {
    if (text.size() >= 2 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (text.empty() || fehler != std::errc{} || ende != text.data() + text.size()) return std::nullopt;
    return wert;
}

// The raw value of a text: quoted when reading would otherwise lose blanks at
// either end or a pair of enclosing quotes.
std::string textRoh(std::string_view wert) {
    if (wert.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument(
            "Ein Text mit Zeilenumbruch kann nicht in der Einstellungsdatei gespeichert "
            "werden.");
    const bool verpacken = !wert.empty() && (kLeerraum.find(wert.front()) != std::string_view::npos ||
                                             kLeerraum.find(wert.back()) != std::string_view::npos ||
                                             entpackt(wert).size() != wert.size());
    return verpacken ? "\"" + std::string(wert) + "\"" : std::string(wert);
}

// Sets key `s` of section `a` (both checked) to `roh`: in its line when the
// key exists, otherwise at the end of the section's first occurrence, or in
// a new section at the end.
void setzeWert(Inhalt& inhalt, std::string_view a, std::string_view s, std::string_view roh) {
    if (const auto i = findeSchluessel(inhalt, a, s)) {
        Zeile& z = inhalt.zeilen[*i];
        z.text = std::string(z.name()) + "=" + std::string(roh);
        return;
    }
    // At the end of the section's first occurrence: after its last key line.
    std::optional<std::size_t> nach;
    bool ersteVorbei = false;
    for (std::size_t k = 0; k < inhalt.zeilen.size() && !ersteVorbei; ++k) {
        const Zeile& z = inhalt.zeilen[k];
        if (z.art == Art::Abschnitt) {
            if (nach) {
                ersteVorbei = true;
            } else if (gleichOhneFall(z.name(), a)) {
                nach = k;
            }
        } else if (nach && z.art == Art::Schluessel) {
            nach = k;
        }
    }
    Zeile neu{std::string(s) + "=" + std::string(roh), Art::Schluessel};
    if (nach) {
        inhalt.zeilen.insert(inhalt.zeilen.begin() + static_cast<std::ptrdiff_t>(*nach + 1), std::move(neu));
    } else {
        inhalt.zeilen.push_back({"[" + std::string(a) + "]", Art::Abschnitt});
        inhalt.zeilen.push_back(std::move(neu));
    }
}

// Removes the header and key lines of section `a` wherever it occurs;
// returns whether there was anything to remove.
bool entferneAbschnitt(Inhalt& inhalt, std::string_view a) {
    std::vector<bool> weg(inhalt.zeilen.size(), false);
    bool gefunden = false;
    fuerAbschnitt(inhalt, a, [&](std::size_t i) {
        const Art art = inhalt.zeilen[i].art;
        if (art == Art::Abschnitt || art == Art::Schluessel) {
            weg[i] = true;
            gefunden = true;
        }
    });
    if (!gefunden) return false;
    std::vector<Zeile> rest;
    rest.reserve(inhalt.zeilen.size());
    for (std::size_t i = 0; i < inhalt.zeilen.size(); ++i)
        if (!weg[i]) rest.push_back(std::move(inhalt.zeilen[i]));
    inhalt.zeilen = std::move(rest);
    return true;
}

}  // namespace

IniDatei::IniDatei(std::string pfad) : pfad_(std::move(pfad)) {}

bool IniDatei::existiert() const {
    return dateiExistiert(pfad_);
}

int IniDatei::leseZahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const {
    const auto text = leseWert(pfad_, abschnitt, schluessel);
    if (!text) return vorgabe;
    return alsZahl(*text).value_or(vorgabe);
}

bool IniDatei::leseBool(std::string_view abschnitt, std::string_view schluessel, bool vorgabe) const {
    const auto text = leseWert(pfad_, abschnitt, schluessel);
    if (!text) return vorgabe;
    const auto zahl = alsZahl(*text);
    return zahl ? *zahl != 0 : vorgabe;
}

std::string IniDatei::leseText(std::string_view abschnitt, std::string_view schluessel,
                               std::string_view vorgabe) const {
    auto text = leseWert(pfad_, abschnitt, schluessel);
    return text ? std::move(*text) : std::string(vorgabe);
}

void IniDatei::schreibeZahl(std::string_view abschnitt, std::string_view schluessel, int wert) {
    schreibeWert(abschnitt, schluessel, std::to_string(wert));
}

void IniDatei::schreibeBool(std::string_view abschnitt, std::string_view schluessel, bool wert) {
    schreibeWert(abschnitt, schluessel, wert ? "1" : "0");
}

void IniDatei::schreibeText(std::string_view abschnitt, std::string_view schluessel, std::string_view wert) {
    schreibeWert(abschnitt, schluessel, textRoh(wert));
}

void IniDatei::schreibeWert(std::string_view abschnitt, std::string_view schluessel, std::string_view roh) {
    const std::string_view a = pruefeAbschnitt(abschnitt);
    const std::string_view s = pruefeSchluessel(schluessel);
    Inhalt inhalt = lese(pfad_).value_or(Inhalt{});
    setzeWert(inhalt, a, s, roh);
    schreibeAtomar(pfad_, inhalt.text());
}

void IniDatei::loescheAbschnitt(std::string_view abschnitt) {
    const std::string_view a = pruefeAbschnitt(abschnitt);
    std::optional<Inhalt> inhalt = lese(pfad_);
    if (!inhalt || !entferneAbschnitt(*inhalt, a)) return;
    schreibeAtomar(pfad_, inhalt->text());
}

// --- IniSitzung ----------------------------------------------------------

struct IniSitzung::Daten {
    std::string pfad;
    bool existiert = false;
    bool geaendert = false;
    Inhalt inhalt;
    // "section\nkey" (lower case) -> the key's first line; built when needed
    mutable std::unordered_map<std::string, std::size_t> index;
    mutable bool indexGueltig = false;

    static std::string indexSchluessel(std::string_view a, std::string_view s) {
        std::string k;
        k.reserve(a.size() + s.size() + 1);
        for (char c : a) k += klein(c);
        k += '\n';
        for (char c : s) k += klein(c);
        return k;
    }

    std::optional<std::string> wert(std::string_view abschnitt, std::string_view schluessel) const {
        const std::string_view a = pruefeAbschnitt(abschnitt);
        const std::string_view s = pruefeSchluessel(schluessel);
        if (!indexGueltig) {
            index.clear();
            std::string_view aktuell;
            bool inAbschnitt = false;
            for (std::size_t i = 0; i < inhalt.zeilen.size(); ++i) {
                const Zeile& z = inhalt.zeilen[i];
                if (z.art == Art::Abschnitt) {
                    aktuell = z.name();
                    inAbschnitt = true;
                } else if (inAbschnitt && z.art == Art::Schluessel) {
                    index.emplace(indexSchluessel(aktuell, z.name()), i);
                }
            }
            indexGueltig = true;
        }
        const auto it = index.find(indexSchluessel(a, s));
        if (it == index.end()) return std::nullopt;
        return std::string(entpackt(inhalt.zeilen[it->second].wert()));
    }

    void setze(std::string_view abschnitt, std::string_view schluessel, std::string_view roh) {
        setzeWert(inhalt, pruefeAbschnitt(abschnitt), pruefeSchluessel(schluessel), roh);
        geaendert = true;
        indexGueltig = false;
    }
};

IniSitzung::IniSitzung(std::string pfad) : d_(std::make_unique<Daten>()) {
    d_->pfad = std::move(pfad);
    if (std::optional<Inhalt> inhalt = lese(d_->pfad)) {
        d_->existiert = true;
        d_->inhalt = std::move(*inhalt);
    }
}

IniSitzung::~IniSitzung() = default;
IniSitzung::IniSitzung(IniSitzung&&) noexcept = default;
IniSitzung& IniSitzung::operator=(IniSitzung&&) noexcept = default;

bool IniSitzung::existiert() const {
    return d_->existiert;
}

bool IniSitzung::geaendert() const {
    return d_->geaendert;
}

const std::string& IniSitzung::pfad() const {
    return d_->pfad;
}

int IniSitzung::leseZahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const {
    const auto text = d_->wert(abschnitt, schluessel);
    if (!text) return vorgabe;
    return alsZahl(*text).value_or(vorgabe);
}

bool IniSitzung::leseBool(std::string_view abschnitt, std::string_view schluessel, bool vorgabe) const {
    const auto text = d_->wert(abschnitt, schluessel);
    if (!text) return vorgabe;
    const auto zahl = alsZahl(*text);
    return zahl ? *zahl != 0 : vorgabe;
}

std::string IniSitzung::leseText(std::string_view abschnitt, std::string_view schluessel,
                                 std::string_view vorgabe) const {
    auto text = d_->wert(abschnitt, schluessel);
    return text ? std::move(*text) : std::string(vorgabe);
}

bool IniSitzung::enthaeltSchluessel(std::string_view abschnitt, std::string_view schluessel) const {
    return d_->wert(abschnitt, schluessel).has_value();
}

std::vector<std::string> IniSitzung::schluesselNamen(std::string_view abschnitt) const {
    const std::string_view a = pruefeAbschnitt(abschnitt);
    std::vector<std::string> namen;
    fuerAbschnitt(d_->inhalt, a, [&](std::size_t i) {
        const Zeile& z = d_->inhalt.zeilen[i];
        if (z.art == Art::Schluessel) namen.emplace_back(z.name());
    });
    return namen;
}

void IniSitzung::schreibeZahl(std::string_view abschnitt, std::string_view schluessel, int wert) {
    d_->setze(abschnitt, schluessel, std::to_string(wert));
}

void IniSitzung::schreibeBool(std::string_view abschnitt, std::string_view schluessel, bool wert) {
    d_->setze(abschnitt, schluessel, wert ? "1" : "0");
}

void IniSitzung::schreibeText(std::string_view abschnitt, std::string_view schluessel,
                              std::string_view wert) {
    d_->setze(abschnitt, schluessel, textRoh(wert));
}

void IniSitzung::loescheAbschnitt(std::string_view abschnitt) {
    if (entferneAbschnitt(d_->inhalt, pruefeAbschnitt(abschnitt))) {
        d_->geaendert = true;
        d_->indexGueltig = false;
    }
}

void IniSitzung::speichern() {
    if (!d_->geaendert) return;
    schreibeAtomar(d_->pfad, d_->inhalt.text());
    d_->geaendert = false;
    d_->existiert = true;
}

}  // namespace kv
