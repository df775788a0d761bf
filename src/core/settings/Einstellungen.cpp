#include "settings/Einstellungen.h"

#include <algorithm>
#include <charconv>

namespace kv {

namespace {

// n when `name` is `praefix` + n (prefix without regard to ASCII case, n
// written without sign or leading zero), otherwise 0.
int nummerVon(std::string_view name, std::string_view praefix) {
    if (name.size() <= praefix.size()) return 0;
    for (std::size_t i = 0; i < praefix.size(); ++i) {
        auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (klein(name[i]) != klein(praefix[i])) return 0;
    }
    const std::string_view ziffern = name.substr(praefix.size());
    if (ziffern.front() < '1' || ziffern.front() > '9') return 0;
    int n = 0;
    const auto [ende, fehler] = std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), n);
    return fehler == std::errc{} && ende == ziffern.data() + ziffern.size() ? n : 0;
}

}  // namespace

std::vector<std::string> gemerkteScheine(const Einstellungen& e) {
    const int n = e.lese(einst::kSpielscheineDateienanzahl);
    // Only names that are there are looked up, so a huge count costs nothing;
    // the order is that of the numbers 1 ... n, as if each were asked for.
    std::vector<int> nummern;
    for (const std::string& name : e.schluesselNamen(einst::kSpielscheine)) {
        const int k = nummerVon(name, einst::kSpielscheineDatei.praefix);
        if (k >= 1 && k <= n) nummern.push_back(k);
    }
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());
    std::vector<std::string> dateien;
    for (int k : nummern) {
        std::string fn = e.lese(einst::kSpielscheineDatei, k);
        if (!fn.empty()) dateien.push_back(std::move(fn));
    }
    return dateien;
}

void scheineMerken(Einstellungen& e, const std::vector<std::string>& dateien) {
    e.loescheAbschnitt(einst::kSpielscheine);
    e.schreibe(einst::kSpielscheineDateienanzahl, static_cast<int>(dateien.size()));
    for (std::size_t i = 0; i < dateien.size(); ++i)
        e.schreibe(einst::kSpielscheineDatei, static_cast<int>(i) + 1, dateien[i]);
}

}  // namespace kv
