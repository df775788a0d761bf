// What the print run makes of the print system's answers: a printer that
// takes no job stops the run before anything is handed over; after the
// hand-over only a job the print system took counts as printed, a job in a
// paused queue is a question, and a refused, aborted or deleted one a
// message that names the printer and the reason.
#include <gtest/gtest.h>

#include <string>

#include "model/Records.h"
#include "print/Druckauftrag.h"

namespace kv {
namespace {

using Art = Auftragsbefund::Art;
using Z = Auftragszustand;

Druckerlage bereit() {
    return {};
}

TEST(Druckauftrag, DruckerOhneAnnahmeStopptVorDerUebergabe) {
    struct Fall {
        const char* name;
        Druckerlage lage;
        const char* meldung;  // empty: the printer takes jobs
    } faelle[] = {
        {"bereit", bereit(), ""},
        // a paused printer still takes jobs: they wait, which is asked after the hand-over
        {"angehalten", {true, true, true, true, "Paused"}, ""},
        {"nimmt nichts an",
         {true, true, false, false, ""},
         "Der Drucker „PDF“ nimmt keine Aufträge an.\r\rIch breche ab."},
        {"nimmt nichts an, mit Grund",
         {true, true, false, false, "Rejecting Jobs"},
         "Der Drucker „PDF“ nimmt keine Aufträge an. Das Drucksystem meldet: „Rejecting Jobs“.\r\rIch "
         "breche ab."},
        {"unbekannt",
         {true, false, false, false, ""},
         "Den Drucker „PDF“ kennt das Drucksystem nicht.\r\rIch breche ab."},
        {"nicht erreichbar",
         {false, false, false, false, "Connection refused"},
         "Das Drucksystem ist für den Drucker „PDF“ nicht erreichbar. Das Drucksystem meldet: „Connection "
         "refused“.\r\rIch breche ab."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const auto m = druckerPruefen("PDF", f.lage);
        if (std::string(f.meldung).empty()) {
            EXPECT_EQ(m, std::nullopt);
        } else {
            ASSERT_TRUE(m);
            EXPECT_EQ(m->art, Meldungsart::Fehler);
            EXPECT_EQ(m->text, f.meldung);
        }
    }
}

TEST(Druckauftrag, NurEinAngenommenerAuftragZaehltAlsGedruckt) {
    const Druckerlage angehalten{true, true, true, true, "Paused"};
    const Druckerlage abweisend{true, true, false, false, ""};
    struct Fall {
        const char* name;
        Druckerlage lage;
        std::optional<Auftragslage> auftrag;
        std::string uebergabefehler;
        bool fristUm;
        Art art;
        const char* textAnfang;  // the message or question begins so
    } faelle[] = {
        {"fertig", bereit(), Auftragslage{7, Z::Fertig, ""}, "", false, Art::Gedruckt, ""},
        {"wartet am laufenden Drucker, gleich nachgesehen", bereit(), Auftragslage{7, Z::Wartend, ""}, "",
         false, Art::Offen, ""},
        {"wartet am laufenden Drucker, Frist um", bereit(), Auftragslage{7, Z::Wartend, ""}, "", true,
         Art::Gedruckt, ""},
        {"in Arbeit, gleich nachgesehen", bereit(), Auftragslage{7, Z::InArbeit, ""}, "", false, Art::Offen,
         ""},
        {"in Arbeit, Frist um", bereit(), Auftragslage{7, Z::InArbeit, ""}, "", true, Art::Gedruckt, ""},
        // a job taken before the queue stopped accepting is still printed
        {"wartet, Warteschlange inzwischen abweisend", abweisend, Auftragslage{7, Z::Wartend, ""}, "", true,
         Art::Gedruckt, ""},
        {"Drucker angehalten", angehalten, Auftragslage{7, Z::Wartend, ""}, "", false, Art::Wartet,
         "Der Drucker „PDF“ ist angehalten: Der Auftrag Nr. 7 wartet in seiner Warteschlange und wird erst "
         "gedruckt, wenn der Drucker fortgesetzt wird. Das Drucksystem meldet: „Paused“.\r\r"},
        {"Drucker angehalten, Frist um", angehalten, Auftragslage{7, Z::Wartend, ""}, "", true, Art::Wartet,
         "Der Drucker „PDF“ ist angehalten"},
        {"zurückgehalten", bereit(), Auftragslage{7, Z::Zurueckgehalten, ""}, "", true, Art::Wartet,
         "Der Auftrag Nr. 7 wird in der Warteschlange des Druckers „PDF“ zurückgehalten"},
        {"vom Drucksystem gestoppt", bereit(), Auftragslage{7, Z::Gestoppt, "Media empty"}, "", false,
         Art::Wartet,
         "Der Auftrag Nr. 7 für den Drucker „PDF“ wurde vom Drucksystem angehalten und wartet darauf, "
         "fortgesetzt zu werden. Das Drucksystem meldet: „Media empty“."},
        {"abgebrochen, Grund am Auftrag", bereit(), Auftragslage{7, Z::Abgebrochen, "Filter failed"}, "",
         false, Art::Fehler,
         "Das Drucksystem hat den Auftrag Nr. 7 für den Drucker „PDF“ abgebrochen. Das Drucksystem meldet: "
         "„Filter failed“.\r\rDieser Tippschein wurde nicht gedruckt, ich breche ab."},
        {"abgebrochen, Grund am Drucker",
         {true, true, true, false, "Can't create temporary file"},
         Auftragslage{7, Z::Abgebrochen, ""},
         "",
         true,
         Art::Fehler,
         "Das Drucksystem hat den Auftrag Nr. 7 für den Drucker „PDF“ abgebrochen. Das Drucksystem meldet: "
         "„Can't create temporary file“."},
        {"gelöscht", bereit(), Auftragslage{7, Z::Geloescht, ""}, "", false, Art::Fehler,
         "Der Auftrag Nr. 7 für den Drucker „PDF“ wurde im Drucksystem gelöscht.\r\rDieser Tippschein"},
        {"abgewiesen", abweisend, std::nullopt, "Destination \"PDF\" is not accepting jobs.", false,
         Art::Fehler,
         "Der Drucker „PDF“ nimmt keine Aufträge an. Das Drucksystem meldet: „Destination \"PDF\" is not "
         "accepting jobs.“.\r\rDieser Tippschein wurde nicht gedruckt, ich breche ab."},
        {"abgewiesen, Grund am Drucker",
         {true, true, false, false, "Rejecting Jobs"},
         std::nullopt,
         "x",
         false,
         Art::Fehler,
         "Der Drucker „PDF“ nimmt keine Aufträge an. Das Drucksystem meldet: „Rejecting Jobs“."},
        {"nicht angenommen", bereit(), std::nullopt, "Bad request", false, Art::Fehler,
         "Das Drucksystem hat den Auftrag für den Drucker „PDF“ nicht angenommen. Das Drucksystem meldet: "
         "„Bad request“.\r\rDieser Tippschein"},
        {"kein Auftrag ohne Fehler", bereit(), std::nullopt, "", true, Art::Fehler,
         "Das Drucksystem hat für den Drucker „PDF“ keinen Auftrag angelegt.\r\rDieser Tippschein"},
        {"Drucksystem weg",
         {false, false, false, false, ""},
         std::nullopt,
         "",
         false,
         Art::Fehler,
         "Das Drucksystem ist für den Drucker „PDF“ nicht erreichbar."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Auftragsbefund b = auftragBeurteilen("PDF", f.lage, f.auftrag, f.uebergabefehler, f.fristUm);
        EXPECT_EQ(b.art, f.art);
        EXPECT_EQ(b.nummer, f.auftrag ? f.auftrag->nummer : 0);
        EXPECT_EQ(b.text.rfind(f.textAnfang, 0), 0u) << b.text;
        if (f.art == Art::Gedruckt || f.art == Art::Offen) {
            EXPECT_EQ(b.text, "");
        }
        if (f.art == Art::Wartet) {
            // the question offers the three ways out, one line each
            const std::string wahl = std::string(kAbsatz) +
                                     "- \"Ja\" wartet, bis der Auftrag gedruckt ist,\r"
                                     "- \"Nein\" löscht den Auftrag und bricht den Ausdruck ab,\r"
                                     "- \"Abbrechen\" bricht den Ausdruck ab; der Auftrag bleibt in der "
                                     "Warteschlange.";
            EXPECT_EQ(b.text.substr(b.text.size() - wahl.size()), wahl);
        }
        if (f.art == Art::Fehler) {
            const std::string schluss =
                std::string(kAbsatz) + "Dieser Tippschein wurde nicht gedruckt, ich breche ab.";
            EXPECT_EQ(b.text.substr(b.text.size() - schluss.size()), schluss);
        }
    }
}

}  // namespace
}  // namespace kv
