#include "print/Druckfenster.h"

#include "io/Datei.h"
#include "settings/Einstellungen.h"

namespace kv {

namespace {

Druckmeldung dateiMeldung(const DateiFehler& e) {
    return {Meldungsart::Fehler, e.what()};
}

}  // namespace

std::optional<Druckmeldung> Druckfenster::FormShow(const IniDatei& ini, bool formatLesen) {
    try {
        if (!ini.existiert()) return std::nullopt;
        const bool ungeaendert = !kalibrierung.geaendert();
        for (int g = 1; g <= kZusatzspiele; ++g)
            optionen.zusatzJa[static_cast<std::size_t>(g - 1)] = lese(ini, einst::kDruckZusatz, g);
        optionen.nrDrucken = lese(ini, einst::kDruckScheinNr);
        optionen.fragen = lese(ini, einst::kDruckFragen);
        std::optional<Druckmeldung> meldung;
        bool gelesen = false;
        const std::string format = lese(ini, einst::kDruckFormatdatei);
        if (formatLesen && !format.empty() && dateiExistiert(format)) {
            meldung = kalibrierung.FormatEinlesen(format);
            gelesen = !meldung;
        }
        kalibrierung.setzeAnordnung(lese(ini, einst::kDruckReihen));
        if (gelesen || ungeaendert) kalibrierung.alsGesichertMerken();
        return meldung;
    } catch (const DateiFehler& e) {
        return dateiMeldung(e);
    }
}

void Druckfenster::FormCloseQuery(IniDatei& ini) const {
    schreibe(ini, einst::kDruckReihen, kalibrierung.anordnung());
    for (int g = 1; g <= kZusatzspiele; ++g)
        schreibe(ini, einst::kDruckZusatz, g, optionen.zusatzJa[static_cast<std::size_t>(g - 1)]);
    schreibe(ini, einst::kDruckScheinNr, optionen.nrDrucken);
    schreibe(ini, einst::kDruckFragen, optionen.fragen);
}

std::optional<Druckmeldung> Druckfenster::scheinformatOeffnen(const std::string& pfad, IniDatei& ini) {
    if (auto m = kalibrierung.FormatEinlesen(pfad)) return m;
    try {
        schreibe(ini, einst::kDruckFormatdatei, pfad);
    } catch (const DateiFehler& e) {
        return dateiMeldung(e);
    }
    return std::nullopt;
}

std::optional<Druckmeldung> Druckfenster::scheinformatSpeichern(const std::string& pfad, IniDatei& ini) {
    if (auto m = kalibrierung.speichern(pfad)) return m;
    try {
        if (lese(ini, einst::kDruckFormatdatei).empty()) schreibe(ini, einst::kDruckFormatdatei, pfad);
    } catch (const DateiFehler& e) {
        return dateiMeldung(e);
    }
    return std::nullopt;
}

std::optional<Druckmeldung> Druckfenster::FileForPrint(const std::string& pfad) {
    try {
        speicher.laden(pfad);
    } catch (const UngueltigeDatei& e) {
        return Druckmeldung{Meldungsart::Fehler, e.what()};
    } catch (const DateiFehler& e) {
        return dateiMeldung(e);
    }
    optionen.ende = std::to_string(speicher.reihen());
    optionen.start = "1";
    return std::nullopt;
}

std::optional<Scheinbedarf> Druckfenster::NeuBerechnen() const {
    return kv::NeuBerechnen(optionen.start, optionen.ende, kalibrierung.felderProSchein());
}

Scheinangaben Druckfenster::scheinangaben() const {
    Scheinangaben a;
    a.zusatzJa = optionen.zusatzJa;
    a.zus = kalibrierung.felder().zus;
    a.nrDrucken = optionen.nrDrucken;
    a.nrX = kalibrierung.felder().nrX;
    a.nrY = kalibrierung.felder().nrY;
    return a;
}

Druckbeginn Druckfenster::druckBeginnen(const Geraeteversatz& versatz) {
    Druckstart st;
    st.start = optionen.start;
    st.ende = optionen.ende;
    st.felderProSchein = kalibrierung.felderProSchein();
    st.hori = kalibrierung.felder().hori;
    st.vert = kalibrierung.felder().vert;
    st.startNr = optionen.startNr;
    st.versatz = versatz;
    Druckbeginn b = Druckablauf::beginne(speicher, kalibrierung.format(), st);
    optionen.start = st.start;
    optionen.ende = st.ende;
    return b;
}

}  // namespace kv
