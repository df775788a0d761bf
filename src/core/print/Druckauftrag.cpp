#include "print/Druckauftrag.h"

#include "model/Records.h"

namespace kv {

namespace {

std::string name(const std::string& drucker) {
    return "„" + drucker + "“";
}

std::string auftrag(int nummer) {
    return "Der Auftrag Nr. " + std::to_string(nummer);
}

// The print system's own words, where it gave any.
std::string meldet(const std::string& meldung) {
    return meldung.empty() ? std::string() : " Das Drucksystem meldet: „" + meldung + "“.";
}

// Why a printer takes no job, or nothing when it does.
std::optional<std::string> druckerGrund(const std::string& drucker, const Druckerlage& lage) {
    if (!lage.erreichbar)
        return "Das Drucksystem ist für den Drucker " + name(drucker) + " nicht erreichbar." +
               meldet(lage.meldung);
    if (!lage.gefunden) return "Den Drucker " + name(drucker) + " kennt das Drucksystem nicht.";
    if (!lage.nimmtAn)
        return "Der Drucker " + name(drucker) + " nimmt keine Aufträge an." + meldet(lage.meldung);
    return std::nullopt;
}

constexpr const char* kWahl =
    "- \"Ja\" wartet, bis der Auftrag gedruckt ist,\r"
    "- \"Nein\" löscht den Auftrag und bricht den Ausdruck ab,\r"
    "- \"Abbrechen\" bricht den Ausdruck ab; der Auftrag bleibt in der Warteschlange.";

Auftragsbefund fehler(int nummer, const std::string& text) {
    return {Auftragsbefund::Art::Fehler, nummer,
            text + kAbsatz + "Dieser Tippschein wurde nicht gedruckt, ich breche ab."};
}

Auftragsbefund wartet(int nummer, const std::string& text) {
    return {Auftragsbefund::Art::Wartet, nummer, text + kAbsatz + kWahl};
}

}  // namespace

std::optional<Druckmeldung> druckerPruefen(const std::string& drucker, const Druckerlage& lage) {
    if (const auto grund = druckerGrund(drucker, lage))
        return Druckmeldung{Meldungsart::Fehler, *grund + kAbsatz + "Ich breche ab."};
    return std::nullopt;
}

Auftragsbefund auftragBeurteilen(const std::string& drucker, const Druckerlage& lage,
                                 const std::optional<Auftragslage>& a, const std::string& uebergabefehler,
                                 bool fristUm) {
    if (!a) {
        // refused at the hand-over, or lost on the way
        if (!lage.nimmtAn || !lage.erreichbar || !lage.gefunden) {
            Druckerlage l = lage;
            if (l.meldung.empty()) l.meldung = uebergabefehler;
            return fehler(0, *druckerGrund(drucker, l));
        }
        if (!uebergabefehler.empty())
            return fehler(0, "Das Drucksystem hat den Auftrag für den Drucker " + name(drucker) +
                                 " nicht angenommen." + meldet(uebergabefehler));
        return fehler(0,
                      "Das Drucksystem hat für den Drucker " + name(drucker) + " keinen Auftrag angelegt.");
    }
    const int n = a->nummer;
    switch (a->zustand) {
        case Auftragszustand::Geloescht:
            return fehler(n, auftrag(n) + " für den Drucker " + name(drucker) +
                                 " wurde im Drucksystem gelöscht." + meldet(a->meldung));
        case Auftragszustand::Abgebrochen:
            return fehler(n, "Das Drucksystem hat den Auftrag Nr. " + std::to_string(n) +
                                 " für den Drucker " + name(drucker) + " abgebrochen." +
                                 meldet(a->meldung.empty() ? lage.meldung : a->meldung));
        case Auftragszustand::Zurueckgehalten:
            return wartet(n, auftrag(n) + " wird in der Warteschlange des Druckers " + name(drucker) +
                                 " zurückgehalten und erst gedruckt, wenn er freigegeben wird.");
        case Auftragszustand::Gestoppt:
            return wartet(n,
                          auftrag(n) + " für den Drucker " + name(drucker) +
                              " wurde vom Drucksystem angehalten und wartet darauf, fortgesetzt zu werden." +
                              meldet(a->meldung.empty() ? lage.meldung : a->meldung));
        case Auftragszustand::Wartend:
            if (lage.angehalten)
                return wartet(n,
                              "Der Drucker " + name(drucker) + " ist angehalten: Der Auftrag Nr. " +
                                  std::to_string(n) +
                                  " wartet in seiner Warteschlange und wird erst gedruckt, wenn der Drucker "
                                  "fortgesetzt wird." +
                                  meldet(lage.meldung));
            [[fallthrough]];
        case Auftragszustand::InArbeit:
            // a job can still fail in its first moments; after that it is the printer's
            if (!fristUm) return {Auftragsbefund::Art::Offen, n, {}};
            break;
        case Auftragszustand::Fertig:
            break;
    }
    return {Auftragsbefund::Art::Gedruckt, n, {}};
}

Wartewahl wartewahl(Druckantwort a) {
    switch (a) {
        case Druckantwort::Ja:
            return Wartewahl::Warten;
        case Druckantwort::Nein:
            return Wartewahl::AuftragLoeschen;
        case Druckantwort::Abbrechen:
            break;
    }
    return Wartewahl::LaufBeenden;
}

std::string wartehinweis(const std::string& drucker, int nummer) {
    return auftrag(nummer) + " wartet auf den Drucker " + name(drucker) +
           ". \"Drucken stoppen\" beendet das Warten.";
}

std::string auftragBleibt(const std::string& drucker, int nummer) {
    return auftrag(nummer) + " bleibt in der Warteschlange des Druckers " + name(drucker) +
           " und wird gedruckt, sobald das Drucksystem ihn weitergibt." + kAbsatz +
           "Drucken Sie diesen Tippschein nicht noch einmal, solange der Auftrag dort wartet: Er käme "
           "doppelt heraus.";
}

std::string loeschenGescheitert(const std::string& drucker, int nummer, const std::string& grund) {
    return auftrag(nummer) + " für den Drucker " + name(drucker) + " ließ sich nicht löschen." +
           meldet(grund) + kAbsatz + "Ich breche ab.";
}

}  // namespace kv
