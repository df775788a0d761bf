#include "common/Dialoge.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "model/Records.h"

namespace kv::ui {

namespace {

QString fensterTitel() {
    return QString::fromUtf8(kProgrammTitel);
}

QMessageBox::StandardButton zeige(QWidget* eltern, QMessageBox::Icon icon, const QString& text,
                                  QMessageBox::StandardButtons knoepfe, QMessageBox::StandardButton vorgabe) {
    QMessageBox box(icon, fensterTitel(), meldungstext(text), knoepfe, eltern);
    box.setDefaultButton(vorgabe);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The real message boxes and file dialogs.
class EchteDialoge final : public Dialoge {
  public:
    void information(QWidget* eltern, const QString& text) override {
        zeige(eltern, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void fehler(QWidget* eltern, const QString& text) override {
        zeige(eltern, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void hinweis(QWidget* eltern, const QString& text) override {
        zeige(eltern, QMessageBox::Question, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    Antwort frageJaNein(QWidget* eltern, const QString& text) override {
        const auto b =
            zeige(eltern, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return b == QMessageBox::Yes ? Antwort::Ja : Antwort::Nein;
    }
    Antwort frageJaNeinAbbrechen(QWidget* eltern, const QString& text) override {
        const auto b = zeige(eltern, QMessageBox::Question, text,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (b == QMessageBox::Yes) return Antwort::Ja;
        if (b == QMessageBox::No) return Antwort::Nein;
        return Antwort::Abbrechen;
    }
    Antwort frageSpeichern(QWidget* eltern, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, fensterTitel(), meldungstext(text),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, eltern);
        box.button(QMessageBox::Save)->setText(QStringLiteral("Speichern"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("Verwerfen"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const auto b = static_cast<QMessageBox::StandardButton>(box.exec());
        if (b == QMessageBox::Save) return Antwort::Ja;
        if (b == QMessageBox::Discard) return Antwort::Nein;
        return Antwort::Abbrechen;
    }
    QStringList dateienOeffnen(QWidget* eltern, const Dateiauswahl& a, bool mehrere) override {
        QFileDialog d(eltern, a.titel, a.ordner, qtFilter(a.filter));
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(mehrere ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        d.setDefaultSuffix(a.endung);
        if (!a.vorauswahl.isEmpty()) d.selectFile(a.vorauswahl);
        if (d.exec() != QDialog::Accepted) return {};
        return d.selectedFiles();
    }
    QString dateiSpeichern(QWidget* eltern, const Dateiauswahl& a) override {
        QFileDialog d(eltern, a.titel, a.ordner, qtFilter(a.filter));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setDefaultSuffix(a.endung);
        if (!a.vorauswahl.isEmpty()) d.selectFile(a.vorauswahl);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
        return mitEndung(d.selectedFiles().first(), a.endung);
    }
    bool druckerEinrichten(QWidget* eltern, QPrinter& drucker) override {
        QPrintDialog d(&drucker, eltern);
        // every paper slip is a job of its own: no page ranges, no selection
        d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        return d.exec() == QDialog::Accepted;
    }
};

EchteDialoge& echte() {
    static EchteDialoge d;
    return d;
}

Dialoge* installiert = nullptr;

}  // namespace

Dialoge& Dialoge::dialoge() {
    return installiert ? *installiert : echte();
}

void Dialoge::setzeDialoge(Dialoge* d) {
    installiert = d;
}

QString meldungstext(const QString& text) {
    QString t = text;
    t.replace(QString::fromUtf8(kAbsatz), QStringLiteral("\n\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString qtFilter(const QString& filter) {
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList filter2;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
        filter2 << QStringLiteral("%1 (%2)").arg(
            teile[i], QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return filter2.join(QStringLiteral(";;"));
}

QString mitEndung(const QString& datei, const QString& endung) {
    if (datei.isEmpty() || endung.isEmpty() || !QFileInfo(datei).suffix().isEmpty()) return datei;
    return datei + QLatin1Char('.') + endung;
}

}  // namespace kv::ui
