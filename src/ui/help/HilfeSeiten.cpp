#include "help/HilfeSeiten.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <utility>

#include "help/Hilfe.h"

// The resources of a static library are registered by hand.
static void hilfeRessourcenAnmelden() {
    Q_INIT_RESOURCE(hilfe);
}

namespace kv::ui {

namespace {

constexpr const char* kOrdner = ":/hilfe/seiten/";
constexpr const char* kSchema = "qrc";
constexpr const char* kPfad = "/hilfe/seiten/";

// The order of the contents list.
constexpr const char* kSeiten[] = {
    "inhalt.html",    "hauptfenster.html", "spielstaende.html", "ergebnistabellen.html", "gewinnzahlen.html",
    "spielplan.html", "vorschlag.html",    "filter.html",       "systemschein.html",     "transfer.html",
    "csvupload.html", "druck.html",        "awerte.html",       "garantie.html",         "chancen.html",
    "update.html",    "kalender.html",     "programminfo.html",
};

// A number with a window name belongs to that window only; the first entry
// that fits wins.
struct Kontext {
    int nummer;
    const char* datei;
    const char* fenster = nullptr;
};
constexpr Kontext kKontexte[] = {
    {kHilfeHauptfenster, "hauptfenster.html"}, {kHilfeGewinnzahlen, "gewinnzahlen.html"},
    {kHilfeSystemschein, "systemschein.html"}, {kHilfeSpielplan, "spielplan.html"},
    {kHilfeVorschlag, "vorschlag.html"},       {kHilfeFilter, "filter.html"},
    {kHilfeCsvUpload, "csvupload.html"},       {kHilfeKalender, "kalender.html"},
    {kHilfeUpdate, "update.html", "FNeu"},     {kHilfeTransfer, "transfer.html"},
    {kHilfeDruck, "druck.html", "FDruck"},     {kHilfeAWerte, "awerte.html"},
    {kHilfeGarantie, "garantie.html"},         {kHilfeChancen, "chancen.html"},
    {kHilfeProgrammInfo, "programminfo.html"},
};

QList<HilfeSeite> seitenLaden() {
    hilfeRessourcenAnmelden();
    QList<HilfeSeite> seiten;
    for (const char* name : kSeiten) {
        HilfeSeite seite;
        seite.datei = QString::fromLatin1(name);
        QFile datei(QString::fromLatin1(kOrdner) + seite.datei);
        if (!datei.open(QIODevice::ReadOnly)) {
            qWarning("Hilfeseite %s fehlt", name);
            continue;
        }
        QTextDocument dokument;
        dokument.setHtml(QString::fromUtf8(datei.readAll()));
        seite.titel = dokument.metaInformation(QTextDocument::DocumentTitle);
        seite.suchtext = hilfeFalten(seite.titel + QLatin1Char('\n') + dokument.toPlainText());
        seiten.append(std::move(seite));
    }
    return seiten;
}

}  // namespace

const QList<HilfeSeite>& hilfeSeiten() {
    static const QList<HilfeSeite> seiten = seitenLaden();
    return seiten;
}

QString hilfeInhaltsseite() {
    return QString::fromLatin1(kSeiten[0]);
}

QString hilfeSeiteZuKontext(int kontext, const QString& fenster) {
    for (const Kontext& k : kKontexte) {
        if (k.nummer == kontext && (!k.fenster || fenster == QLatin1String(k.fenster)))
            return QString::fromLatin1(k.datei);
    }
    return hilfeInhaltsseite();
}

QUrl hilfeUrl(const QString& datei) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kSchema));
    url.setPath(QString::fromLatin1(kPfad) + datei);
    return url;
}

QString hilfeDateiAusUrl(const QUrl& url) {
    const QString pfad = url.path();
    if (url.scheme() != QLatin1String(kSchema) || !pfad.startsWith(QLatin1String(kPfad))) return {};
    return pfad.mid(static_cast<qsizetype>(qstrlen(kPfad)));
}

QString hilfeFalten(const QString& text) {
    QString ergebnis = text.toLower();
    ergebnis.replace(QChar(u'ä'), QStringLiteral("ae"));
    ergebnis.replace(QChar(u'ö'), QStringLiteral("oe"));
    ergebnis.replace(QChar(u'ü'), QStringLiteral("ue"));
    ergebnis.replace(QChar(u'ß'), QStringLiteral("ss"));
    ergebnis.replace(QChar(0x00A0), QLatin1Char(' '));  // no-break space
    ergebnis.remove(QChar(0x00AD));                     // soft hyphen
    return ergebnis;
}

QStringList hilfeSuchwoerter(const QString& anfrage) {
    static const QRegularExpression trenner(QStringLiteral("\\s+"));
    QStringList woerter;
    for (QString wort : anfrage.split(trenner, Qt::SkipEmptyParts)) {
        while (!wort.isEmpty() && !wort.front().isLetterOrNumber()) wort.remove(0, 1);
        while (!wort.isEmpty() && !wort.back().isLetterOrNumber()) wort.chop(1);
        if (!wort.isEmpty()) woerter.append(wort);
    }
    return woerter;
}

QList<int> hilfeSuche(const QString& anfrage) {
    QStringList woerter = hilfeSuchwoerter(anfrage);
    for (QString& wort : woerter) wort = hilfeFalten(wort);
    QList<std::pair<qsizetype, int>> treffer;  // (occurrences, page)
    if (woerter.isEmpty()) return {};
    const QList<HilfeSeite>& seiten = hilfeSeiten();
    for (int i = 0; i < seiten.size(); ++i) {
        qsizetype anzahl = 0;
        bool alle = true;
        for (const QString& wort : woerter) {
            const qsizetype n = seiten[i].suchtext.count(wort);
            if (n == 0) {
                alle = false;
                break;
            }
            anzahl += n;
        }
        if (alle) treffer.append({anzahl, i});
    }
    std::stable_sort(treffer.begin(), treffer.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<int> ergebnis;
    for (const auto& t : treffer) ergebnis.append(t.second);
    return ergebnis;
}

}  // namespace kv::ui
