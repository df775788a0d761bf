// The print system of the desktop: CUPS, through libcups, the library Qt's
// own printing hands the jobs to. The scheduler is the one libcups finds
// (CUPS_SERVER, the client configuration, or the local default).
#include "print/Drucksystem.h"

#include <QPrinter>

#include <cups/cups.h>

#include <algorithm>
#include <memory>

namespace kv::ui {

namespace {

std::string text(const char* s) {
    return s ? std::string(s) : std::string();
}

// The queue's name without a saved set of options ("PDF/fein" is queue "PDF").
QByteArray warteschlange(const QString& drucker) {
    return drucker.section(QLatin1Char('/'), 0, 0).toUtf8();
}

bool gelungen(ipp_status_t s) {
    return s <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

struct IppFrei {
    void operator()(ipp_t* p) const { ippDelete(p); }
};
using Ipp = std::unique_ptr<ipp_t, IppFrei>;

// A request to the scheduler with the operation attributes every one needs.
ipp_t* anfrage(ipp_op_t op, const char* uri) {
    ipp_t* a = ippNewRequest(op);
    ippAddString(a, IPP_TAG_OPERATION, IPP_TAG_URI,
                 op == IPP_OP_GET_JOB_ATTRIBUTES ? "job-uri" : "printer-uri", nullptr, uri);
    ippAddString(a, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return a;
}

Auftragszustand zustand(int ipp) {
    switch (ipp) {
        case IPP_JSTATE_HELD:
            return Auftragszustand::Zurueckgehalten;
        case IPP_JSTATE_PROCESSING:
            return Auftragszustand::InArbeit;
        case IPP_JSTATE_STOPPED:
            return Auftragszustand::Gestoppt;
        case IPP_JSTATE_CANCELED:
            return Auftragszustand::Geloescht;
        case IPP_JSTATE_ABORTED:
            return Auftragszustand::Abgebrochen;
        case IPP_JSTATE_COMPLETED:
            return Auftragszustand::Fertig;
        default:
            return Auftragszustand::Wartend;
    }
}

class Jobliste {
  public:
    // This user's jobs, all or those of one queue, finished ones included.
    explicit Jobliste(const char* warteschlange)
        : n_(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs_, warteschlange, 1, CUPS_WHICHJOBS_ALL)) {}
    ~Jobliste() {
        if (n_ > 0) cupsFreeJobs(n_, jobs_);
    }
    Jobliste(const Jobliste&) = delete;
    Jobliste& operator=(const Jobliste&) = delete;
    const cups_job_t* begin() const { return n_ > 0 ? jobs_ : nullptr; }
    const cups_job_t* end() const { return n_ > 0 ? jobs_ + n_ : nullptr; }

  private:
    cups_job_t* jobs_ = nullptr;
    int n_;
};

class Cups final : public Drucksystem {
  public:
    bool zustaendig(const QPrinter& d) const override {
        return d.outputFormat() == QPrinter::NativeFormat && !d.printerName().isEmpty();
    }

    Druckerlage drucker(const QString& name) override {
        Druckerlage lage;
        const QByteArray q = warteschlange(name);
        // a printer or a class of printers
        for (const char* art : {"printers", "classes"}) {
            char uri[HTTP_MAX_URI];
            httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                             "/%s/%s", art, q.constData());
            ipp_t* a = anfrage(IPP_OP_GET_PRINTER_ATTRIBUTES, uri);
            static const char* const gefragt[] = {"printer-state", "printer-state-message",
                                                  "printer-is-accepting-jobs"};
            ippAddStrings(a, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, gefragt);
            const Ipp antwort(cupsDoRequest(CUPS_HTTP_DEFAULT, a, "/"));
            const ipp_status_t s = cupsLastError();
            if (s == IPP_STATUS_ERROR_NOT_FOUND) continue;
            if (!antwort || !gelungen(s)) {
                lage.erreichbar = false;
                lage.gefunden = false;
                lage.nimmtAn = false;
                lage.meldung = text(cupsLastErrorString());
                return lage;
            }
            if (ipp_attribute_t* z = ippFindAttribute(antwort.get(), "printer-state", IPP_TAG_ENUM))
                lage.angehalten = ippGetInteger(z, 0) == IPP_PSTATE_STOPPED;
            if (ipp_attribute_t* n =
                    ippFindAttribute(antwort.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
                lage.nimmtAn = ippGetBoolean(n, 0) != 0;
            if (ipp_attribute_t* m = ippFindAttribute(antwort.get(), "printer-state-message", IPP_TAG_TEXT))
                lage.meldung = text(ippGetString(m, 0, nullptr));
            return lage;
        }
        lage.gefunden = false;
        lage.nimmtAn = false;
        return lage;
    }

    int letzterAuftrag() override {
        int hoechste = 0;
        for (const cups_job_t& j : Jobliste(nullptr)) hoechste = std::max(hoechste, j.id);
        return hoechste;
    }

    QString uebergabefehler() override {
        // Qt hands the job over through the same library on this thread, so
        // its last answer is the hand-over's
        return gelungen(cupsLastError()) ? QString() : QString::fromUtf8(cupsLastErrorString());
    }

    std::optional<Auftragslage> auftrag(const QString& drucker, int nach, const QString& titel) override {
        const QByteArray q = warteschlange(drucker);
        const QByteArray t = titel.toUtf8();
        std::optional<Auftragslage> a;
        for (const cups_job_t& j : Jobliste(q.constData()))
            if (j.id > nach && QByteArray(j.title ? j.title : "") == t && (!a || j.id < a->nummer))
                a = Auftragslage{j.id, zustand(j.state), {}};
        if (!a) return a;
        // the print system's words on the job, and its state once more
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                         "/jobs/%d", a->nummer);
        ipp_t* anf = anfrage(IPP_OP_GET_JOB_ATTRIBUTES, uri);
        static const char* const gefragt[] = {"job-state", "job-printer-state-message"};
        ippAddStrings(anf, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, gefragt);
        const Ipp antwort(cupsDoRequest(CUPS_HTTP_DEFAULT, anf, "/"));
        if (antwort && gelungen(cupsLastError())) {
            if (ipp_attribute_t* z = ippFindAttribute(antwort.get(), "job-state", IPP_TAG_ENUM))
                a->zustand = zustand(ippGetInteger(z, 0));
            if (ipp_attribute_t* m =
                    ippFindAttribute(antwort.get(), "job-printer-state-message", IPP_TAG_TEXT))
                a->meldung = text(ippGetString(m, 0, nullptr));
        }
        return a;
    }

    QString loeschen(const QString& drucker, int nummer) override {
        const QByteArray q = warteschlange(drucker);
        if (gelungen(cupsCancelJob2(CUPS_HTTP_DEFAULT, q.constData(), nummer, 0))) return {};
        return QString::fromUtf8(cupsLastErrorString());
    }
};

Cups& cups() {
    static Cups c;
    return c;
}

Drucksystem* installiert = nullptr;

}  // namespace

Drucksystem& Drucksystem::drucksystem() {
    return installiert ? *installiert : cups();
}

void Drucksystem::setzeDrucksystem(Drucksystem* d) {
    installiert = d;
}

}  // namespace kv::ui
