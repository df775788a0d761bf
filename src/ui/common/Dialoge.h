// The one seam for message boxes and file dialogs. Every window asks
// dialoge() instead of calling QMessageBox or QFileDialog itself, so the GUI
// tests can answer them.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace kv::ui {

// A file dialog: title, start folder, filter in the form "Spielschein|*.kv13"
// (caption and pattern; several pairs may follow, each "|" separated), and the
// default suffix appended to a typed name without one; optionally a file
// chosen already when the dialog opens (full name; the dialog then starts in
// its folder).
struct Dateiauswahl {
    QString titel;
    QString ordner;
    QString filter;
    QString endung;
    QString vorauswahl = {};
};

class Dialoge {
  public:
    enum class Antwort { Ja, Nein, Abbrechen };

    virtual ~Dialoge() = default;

    // Texts may hold the paragraph break kAbsatz; it is shown as a blank line.
    virtual void information(QWidget* eltern, const QString& text) = 0;
    virtual void fehler(QWidget* eltern, const QString& text) = 0;
    // A note with the question icon and an OK button.
    virtual void hinweis(QWidget* eltern, const QString& text) = 0;
    // Yes/No; closing the box counts as No.
    virtual Antwort frageJaNein(QWidget* eltern, const QString& text) = 0;
    // Yes/No/Cancel; closing the box counts as Cancel.
    virtual Antwort frageJaNeinAbbrechen(QWidget* eltern, const QString& text) = 0;
    // Before unsaved work is discarded: "Speichern" (Ja), "Verwerfen" (Nein),
    // "Abbrechen"; closing the box counts as Abbrechen. Without a box of its
    // own it is a Yes/No/Cancel question.
    virtual Antwort frageSpeichern(QWidget* eltern, const QString& text) {
        return frageJaNeinAbbrechen(eltern, text);
    }

    // Full names of the chosen files; empty on cancel.
    virtual QStringList dateienOeffnen(QWidget* eltern, const Dateiauswahl& auswahl, bool mehrere) = 0;
    // Full name of the file to write; empty on cancel.
    virtual QString dateiSpeichern(QWidget* eltern, const Dateiauswahl& auswahl) = 0;

    // The printer set-up dialog for `drucker`, which keeps what was chosen
    // (printer, paper, output file); false on cancel.
    virtual bool druckerEinrichten(QWidget* eltern, QPrinter& drucker) = 0;

    // The installed instance (the real dialogs unless a test installed its own).
    static Dialoge& dialoge();
    // Installs `d` (not owned); nullptr brings back the real dialogs.
    static void setzeDialoge(Dialoge* d);
};

inline Dialoge& dialoge() {
    return Dialoge::dialoge();
}

// The text as a message box shows it: the paragraph break becomes a blank line.
QString meldungstext(const QString& text);
// "Spielschein|*.kv13" -> "Spielschein (*.kv13)" for QFileDialog.
QString qtFilter(const QString& filter);
// Appends ".endung" when the chosen name has no suffix.
QString mitEndung(const QString& datei, const QString& endung);

}  // namespace kv::ui
