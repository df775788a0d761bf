#include "print/Kalibrierblatt.h"

#include <algorithm>

#include "model/Records.h"

namespace kv {

namespace {

bool inGebrauch(TPosition p) {
    return p.x != kUnbenutzt && p.y != kUnbenutzt;
}

}  // namespace

std::vector<Formatpunkt> formatPunkte(const TScheinFormat& f) {
    std::vector<Formatpunkt> punkte;
    const int felder = std::clamp(2 * f.FelderProReihe, 0, kMaxFelder);
    punkte.reserve(static_cast<std::size_t>(felder * kSpiele * kSpalten) + 1 + 2 * kZusatzspiele);
    for (int feld = 1; feld <= felder; ++feld)
        for (int m = 1; m <= kSpiele; ++m)
            for (int box = 1; box <= kSpalten; ++box)
                punkte.push_back({Formatpunkt::Art::Kaestchen, feld, m, box, f.kaestchen(feld, m, box)});
    if (inGebrauch(f.Nr)) punkte.push_back({Formatpunkt::Art::Nummer, 0, 0, 0, f.Nr});
    for (int g = 1; g <= kZusatzspiele; ++g)
        for (int j = 1; j <= 2; ++j)
            if (inGebrauch(f.zusatz(g, j)))
                punkte.push_back({Formatpunkt::Art::Zusatz, 0, g, j, f.zusatz(g, j)});
    return punkte;
}

std::optional<Druckmeldung> keinFormat(const TScheinFormat& f) {
    if (f.FelderProReihe >= 4 && f.FelderProReihe <= 6) return std::nullopt;
    return Druckmeldung{Meldungsart::Information,
                        std::string("Es ist noch kein Schein-Format geöffnet oder gespeichert.") + kAbsatz +
                            "Bitte öffnen Sie zuerst ein Schein-Format oder speichern Sie Ihre Angaben als "
                            "Schein-Format: Gedruckt wird nach dem Schein-Format."};
}

Kalibrierblatt kalibrierblatt(const TScheinFormat& format, const std::string& hori, const std::string& vert,
                              const Geraeteversatz& versatz) {
    Kalibrierblatt blatt;
    if ((blatt.meldung = keinFormat(format))) return blatt;
    std::int64_t H = 0, V = 0;
    if ((blatt.meldung = korrekturenLesen(hori, vert, "Das Kalibrierblatt wird nicht gedruckt.", H, V)))
        return blatt;
    const std::int64_t OX = versatzZehntelMm(versatz.links, versatz.dpi);
    const std::int64_t OY = versatzZehntelMm(versatz.oben, versatz.dpi);
    for (const Formatpunkt& p : formatPunkte(format))
        blatt.punkte.emplace_back(p, markenPunkt(p.position, H, V, OX, OY));
    return blatt;
}

}  // namespace kv
