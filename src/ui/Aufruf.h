// The command line of the program: "kalvendo [DATEI...]", "--help" and
// "--version". Files are opened by what they are (Dateiart).
#pragma once

#include <QString>
#include <QStringList>

namespace kv::ui {

struct Aufruf {
    enum class Art { Starten, Hilfe, Version, Fehler };
    Art art = Art::Starten;
    // The files to open, absolute and clean ("file:" URLs become paths).
    QStringList dateien;
    // The German message for Art::Fehler.
    QString fehler;
};

// Reads the arguments after the program's name. Names are taken relative to
// `arbeitsordner`; after "--" every argument is a name. With `nurHilfe`
// (before the application object exists, while Qt's own options such as
// "-platform" are still there) only "--help"/"-h", "--version" and unknown
// options count (Qt's options are known) and the names are left for later.
Aufruf aufrufLesen(const QStringList& argumente, const QString& arbeitsordner, bool nurHilfe = false);

// The texts of "--help" and "--version".
QString aufrufHilfe();
QString aufrufVersion();

// Writes `text` (UTF-8) to standard output, or standard error with
// `fehlerkanal`; a failed write gives the German message on standard error
// and status 1, else 0.
int ausgeben(const QString& text, bool fehlerkanal = false);

}  // namespace kv::ui
