// Scripted message boxes and file dialogs for the GUI tests: every message
// is recorded (kind and text) and every dialog that wants an answer takes it
// from a queue. A dialog with no answer queued fails the running test, and
// so do messages nobody looked at and answers nobody asked for (pruefen()).
#pragma once

#include <QList>
#include <QMarginsF>
#include <QString>
#include <QStringList>

#include "common/Dialoge.h"

namespace kv::test {

class TestDialoge : public kv::ui::Dialoge {
  public:
    enum class Art { Information, Fehler, Hinweis, FrageJaNein, FrageJaNeinAbbrechen, FrageSpeichern };
    struct Meldung {
        Art art;
        QString text;
        // the object name of the window it was shown over, when that was visible
        QString ueber = {};
    };

    TestDialoge();            // installs itself
    ~TestDialoge() override;  // installs the real dialogs again

    // --- answers ---------------------------------------------------------
    // The next open dialog chooses these files (an empty list cancels).
    void oeffnenAntwort(const QStringList& dateien) { oeffnen_ << dateien; }
    // The next save dialog chooses this file (empty: cancel).
    void speichernAntwort(const QString& datei) { speichern_ << datei; }
    void frageAntwort(Antwort a) { fragen_ << a; }
    // The answers of "Änderungen speichern?" (frageSpeichern).
    static constexpr Antwort kSpeichern = Antwort::Ja;
    static constexpr Antwort kVerwerfen = Antwort::Nein;
    // The next printer set-up dialog chooses a printer that writes PDF files
    // (`pdf`; an empty name cancels) at `dpi` dots per inch, with unprintable
    // margins `randPunkte` (in points) as a real printer has them; or, with
    // `name`, that printer of the print system as it is set up there.
    struct Drucker {
        QString pdf;
        int dpi = 1200;
        QMarginsF randPunkte;
        QString name = {};
    };
    void druckerAntwort(const Drucker& d) { drucker_ << d; }

    // --- what happened ---------------------------------------------------
    const QList<Meldung>& meldungen() const { return meldungen_; }
    // Takes the oldest message; fails the test when there is none or it is of another kind.
    QString nimmMeldung(Art art);
    // The PDF file each printer set-up dialog proposed when it opened (empty
    // for a printer of the print system), oldest first.
    const QStringList& druckerVorschlaege() const { return vorschlaege_; }
    // The file dialogs shown, oldest first.
    const QList<kv::ui::Dateiauswahl>& dateiDialoge() const { return dialoge_; }
    // Fails the test for messages not taken and answers not used; clears both.
    void pruefen();

    // --- the seam --------------------------------------------------------
    void information(QWidget* e, const QString& text) override {
        meldungen_ << Meldung{Art::Information, text, ueber(e)};
    }
    void fehler(QWidget* e, const QString& text) override {
        meldungen_ << Meldung{Art::Fehler, text, ueber(e)};
    }
    void hinweis(QWidget* e, const QString& text) override {
        meldungen_ << Meldung{Art::Hinweis, text, ueber(e)};
    }
    Antwort frageJaNein(QWidget*, const QString& text) override;
    Antwort frageJaNeinAbbrechen(QWidget*, const QString& text) override;
    Antwort frageSpeichern(QWidget*, const QString& text) override;
    QStringList dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl& a, bool mehrere) override;
    QString dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl& a) override;
    bool druckerEinrichten(QWidget*, QPrinter& drucker) override;

  private:
    static QString ueber(const QWidget* eltern);
    // A question recorded; the next queued answer, or `ohneAntwort` and a
    // failed test when none is queued.
    Antwort frage(Art art, QWidget* eltern, const QString& text, Antwort ohneAntwort);

    QList<Meldung> meldungen_;
    QStringList vorschlaege_;
    QList<QStringList> oeffnen_;
    QStringList speichern_;
    QList<Antwort> fragen_;
    QList<Drucker> drucker_;
    QList<kv::ui::Dateiauswahl> dialoge_;
};

QString artName(TestDialoge::Art a);

}  // namespace kv::test
