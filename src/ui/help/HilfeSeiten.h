// The catalogue of the help pages and the full-text search over them. The
// pages are HTML files in the resources under :/hilfe/seiten/.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace kv::ui {

struct HilfeSeite {
    QString datei;     // file name, e.g. "hauptfenster.html"
    QString titel;     // the page's <title>
    QString suchtext;  // title and plain text, folded by hilfeFalten
};

// Every page in the order of the contents list; the contents page comes first.
const QList<HilfeSeite>& hilfeSeiten();

QString hilfeInhaltsseite();
// The page of a context number asked for by the window named `fenster` (its
// object name); the contents page for an unknown number.
QString hilfeSeiteZuKontext(int kontext, const QString& fenster = {});

QUrl hilfeUrl(const QString& datei);
// The file name of a help URL (without anchor); empty for other URLs.
QString hilfeDateiAusUrl(const QUrl& url);

// Folds text for searching: lower case, and ä, ö, ü, ß written as ae, oe,
// ue, ss, so "Spielstände", "SPIELSTÄNDE" and "spielstaende" are the same.
QString hilfeFalten(const QString& text);

// The words of a query, unfolded, without surrounding punctuation.
QStringList hilfeSuchwoerter(const QString& anfrage);

// Indices into hilfeSeiten() of the pages that contain every word of the
// query, most occurrences first; empty for an empty query.
QList<int> hilfeSuche(const QString& anfrage);

}  // namespace kv::ui
