// The draft of the print window's calibration: everything the user may have
// typed into the format since it was last read or saved.
#include "eingabe/Entwurf.h"
#include "io/Datei.h"
#include "print/Kalibrierung.h"

namespace kv {

std::string Kalibrierung::entwurf() const {
    Entwurfsschreiber s;
    for (const std::string* t :
         {&felder_.abstandH, &felder_.abstandV, &felder_.hori, &felder_.vert, &felder_.nrX, &felder_.nrY})
        s.text(*t);
    for (const auto& spiel : felder_.zus)
        for (const auto& antwort : spiel)
            for (const std::string& t : antwort) s.text(t);
    s.byte(static_cast<std::uint8_t>(up1_));
    s.byte(static_cast<std::uint8_t>(rg1_));
    for (const auto& feld : feld_)
        for (const auto& zeile : feld)
            for (const std::string& t : zeile) s.text(t);
    for (const auto& feld : detail_)
        for (const auto& spiel : feld)
            for (const auto& box : spiel)
                for (const std::string& t : box) s.text(t);
    for (bool b : {detailKomplett_, detailExtrahiert_, extrahierenAktiv_, undoAktiv_}) s.byte(b ? 1 : 0);
    s.text(undoText_);
    s.zahl(snapshot_.size());
    for (const std::string& z : snapshot_) s.text(z);
    s.text(dateiStatus_);
    return s.daten();
}

void Kalibrierung::entwurfAnwenden(std::string_view daten) {
    Entwurfsleser l(daten);
    Kalibrierfelder felder;
    for (std::string* t :
         {&felder.abstandH, &felder.abstandV, &felder.hori, &felder.vert, &felder.nrX, &felder.nrY})
        *t = l.text();
    for (auto& spiel : felder.zus)
        for (auto& antwort : spiel)
            for (std::string& t : antwort) t = l.text();
    const int up1 = l.byte();
    const int rg1 = l.byte();
    if (up1 < 4 || up1 > 6 || rg1 > 1) throw UngueltigeDatei("Entwurf mit ungültigem Scheinformat");
    Feldtabellen tabellen;
    for (auto& feld : tabellen)
        for (auto& zeile : feld)
            for (std::string& t : zeile) t = l.text();
    Detailtabelle detail;
    for (auto& feld : detail)
        for (auto& spiel : feld)
            for (auto& box : spiel)
                for (std::string& t : box) t = l.text();
    std::array<bool, 4> schalter{};
    for (bool& b : schalter) b = l.byte() != 0;
    std::string undoText = l.text();
    std::vector<std::string> snapshot(static_cast<std::size_t>(l.zahl(kSnapshotZeilen)));
    for (std::string& z : snapshot) z = l.text();
    std::string status = l.text();
    l.ende();

    felder_ = std::move(felder);
    up1_ = up1;
    rg1_ = rg1;
    feld_ = std::move(tabellen);
    detail_ = std::move(detail);
    detailKomplett_ = schalter[0];
    detailExtrahiert_ = schalter[1];
    extrahierenAktiv_ = schalter[2];
    undoAktiv_ = schalter[3];
    undoText_ = std::move(undoText);
    snapshot_ = std::move(snapshot);
    dateiStatus_ = std::move(status);
}

}  // namespace kv
