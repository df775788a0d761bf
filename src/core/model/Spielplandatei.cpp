#include "model/Spielplandatei.h"

#include <algorithm>
#include <string_view>

#include "io/Datei.h"
#include "model/Cp1252.h"

namespace kv {

static_assert(1 + kTendenzLaenge + 1 + kNamenLaenge + 1 + kNamenLaenge == kBegegnungBytes);

namespace {

// A short string at `feld`: length byte, then `kapazitaet` character bytes.
std::string leseKurztext(const std::uint8_t* feld, std::size_t kapazitaet) {
    const std::size_t laenge = std::min<std::size_t>(feld[0], kapazitaet);
    return cp1252NachUtf8(std::string_view(reinterpret_cast<const char*>(feld + 1), laenge));
}

void haengeKurztextAn(std::vector<std::uint8_t>& out, std::string_view utf8, std::size_t kapazitaet) {
    std::string text = utf8NachCp1252(utf8);
    if (text.size() > kapazitaet) text.resize(kapazitaet);
    out.push_back(static_cast<std::uint8_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), kapazitaet - text.size(), std::uint8_t{0});
}

}  // namespace

int begegnungenAusBytes(const std::vector<std::uint8_t>& daten, Begegnungen& b) {
    const std::size_t anzahl = std::min(daten.size() / kBegegnungBytes, b.size());
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::uint8_t* satz = daten.data() + k * kBegegnungBytes;
        b[k].Tendenz = leseKurztext(satz, kTendenzLaenge);
        b[k].Heim = leseKurztext(satz + 1 + kTendenzLaenge, kNamenLaenge);
        b[k].Gast = leseKurztext(satz + 2 + kTendenzLaenge + kNamenLaenge, kNamenLaenge);
    }
    return static_cast<int>(anzahl);
}

int leseBegegnungen(const std::string& pfad, Begegnungen& b) {
    return begegnungenAusBytes(leseDateianfang(pfad, b.size() * kBegegnungBytes), b);
}

std::vector<std::uint8_t> begegnungenBytes(const Begegnungen& b) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(b.size() * kBegegnungBytes);
    for (const TBegegnung& e : b) {
        haengeKurztextAn(bytes, e.Tendenz, kTendenzLaenge);
        haengeKurztextAn(bytes, e.Heim, kNamenLaenge);
        haengeKurztextAn(bytes, e.Gast, kNamenLaenge);
    }
    return bytes;
}

void schreibeBegegnungen(const std::string& pfad, const Begegnungen& b) {
    schreibeAtomar(pfad, begegnungenBytes(b));
}

}  // namespace kv
