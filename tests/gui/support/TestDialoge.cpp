#include "TestDialoge.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace kv::test {

namespace {
void scheitern(const QString& text) {
    QTest::qFail(qPrintable(text), __FILE__, __LINE__);
}
}  // namespace

QString artName(TestDialoge::Art a) {
    switch (a) {
        case TestDialoge::Art::Information:
            return QStringLiteral("Information");
        case TestDialoge::Art::Fehler:
            return QStringLiteral("Fehler");
        case TestDialoge::Art::Hinweis:
            return QStringLiteral("Hinweis");
        case TestDialoge::Art::FrageJaNein:
            return QStringLiteral("Frage Ja/Nein");
        case TestDialoge::Art::FrageJaNeinAbbrechen:
            return QStringLiteral("Frage Ja/Nein/Abbrechen");
        case TestDialoge::Art::FrageSpeichern:
            return QStringLiteral("Frage Speichern/Verwerfen/Abbrechen");
    }
    return {};
}

TestDialoge::TestDialoge() {
    kv::ui::Dialoge::setzeDialoge(this);
}

TestDialoge::~TestDialoge() {
    kv::ui::Dialoge::setzeDialoge(nullptr);
}

QString TestDialoge::nimmMeldung(Art art) {
    if (meldungen_.isEmpty()) {
        scheitern(QStringLiteral("Erwartet: %1, es kam keine Meldung").arg(artName(art)));
        return {};
    }
    const Meldung m = meldungen_.takeFirst();
    if (m.art != art)
        scheitern(QStringLiteral("Erwartet: %1, es kam %2: %3").arg(artName(art), artName(m.art), m.text));
    return m.text;
}

void TestDialoge::pruefen() {
    QStringList rest;
    for (const Meldung& m : meldungen_) rest << artName(m.art) + QStringLiteral(": ") + m.text;
    if (!oeffnen_.isEmpty())
        rest << QStringLiteral("%1 ungenutzte Antworten für Öffnen-Dialoge").arg(oeffnen_.size());
    if (!speichern_.isEmpty())
        rest << QStringLiteral("%1 ungenutzte Antworten für Speichern-Dialoge").arg(speichern_.size());
    if (!fragen_.isEmpty()) rest << QStringLiteral("%1 ungenutzte Antworten auf Fragen").arg(fragen_.size());
    if (!drucker_.isEmpty())
        rest << QStringLiteral("%1 ungenutzte Antworten für Drucker-Dialoge").arg(drucker_.size());
    meldungen_.clear();
    oeffnen_.clear();
    speichern_.clear();
    fragen_.clear();
    drucker_.clear();
    if (!rest.isEmpty()) scheitern(QStringLiteral("Unerwartet: ") + rest.join(QStringLiteral(" | ")));
}

QString TestDialoge::ueber(const QWidget* eltern) {
    const QWidget* w = eltern ? eltern->window() : nullptr;
    // shown on the screen: its platform window too, not only the widget's flag
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isVisible() ? w->objectName()
                                                                                      : QString();
}

kv::ui::Dialoge::Antwort TestDialoge::frage(Art art, QWidget* eltern, const QString& text,
                                            Antwort ohneAntwort) {
    meldungen_ << Meldung{art, text, ueber(eltern)};
    if (fragen_.isEmpty()) {
        scheitern(QStringLiteral("Unerwartete Frage: ") + text);
        return ohneAntwort;
    }
    return fragen_.takeFirst();
}

kv::ui::Dialoge::Antwort TestDialoge::frageJaNein(QWidget* e, const QString& text) {
    return frage(Art::FrageJaNein, e, text, Antwort::Nein);
}

kv::ui::Dialoge::Antwort TestDialoge::frageJaNeinAbbrechen(QWidget* e, const QString& text) {
    return frage(Art::FrageJaNeinAbbrechen, e, text, Antwort::Abbrechen);
}

kv::ui::Dialoge::Antwort TestDialoge::frageSpeichern(QWidget* e, const QString& text) {
    return frage(Art::FrageSpeichern, e, text, Antwort::Abbrechen);
}

QStringList TestDialoge::dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl& a, bool mehrere) {
    dialoge_ << a;
    if (oeffnen_.isEmpty()) {
        scheitern(QStringLiteral("Unerwarteter Öffnen-Dialog: ") + a.titel);
        return {};
    }
    QStringList d = oeffnen_.takeFirst();
    if (!mehrere && d.size() > 1) d = d.mid(0, 1);
    return d;
}

QString TestDialoge::dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl& a) {
    dialoge_ << a;
    if (speichern_.isEmpty()) {
        scheitern(QStringLiteral("Unerwarteter Speichern-Dialog: ") + a.titel);
        return {};
    }
    return kv::ui::mitEndung(speichern_.takeFirst(), a.endung);
}

bool TestDialoge::druckerEinrichten(QWidget*, QPrinter& drucker) {
    if (drucker_.isEmpty()) {
        scheitern(QStringLiteral("Unerwarteter Drucker-Dialog"));
        return false;
    }
    vorschlaege_ << (drucker.outputFormat() == QPrinter::PdfFormat ? drucker.outputFileName() : QString());
    const Drucker d = drucker_.takeFirst();
    if (!d.name.isEmpty()) {
        drucker.setOutputFileName({});
        drucker.setOutputFormat(QPrinter::NativeFormat);
        drucker.setPrinterName(d.name);
        return drucker.isValid() && drucker.printerName() == d.name;
    }
    if (d.pdf.isEmpty()) return false;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(d.pdf);
    drucker.setResolution(d.dpi);
    QPageLayout l = drucker.pageLayout();
    l.setUnits(QPageLayout::Point);
    l.setMinimumMargins(d.randPunkte);
    l.setMargins(d.randPunkte);
    drucker.setPageLayout(l);
    return true;
}

}  // namespace kv::test
