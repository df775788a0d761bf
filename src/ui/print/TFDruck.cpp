#include "print/TFDruck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "common/Dialoge.h"
#include "common/Eingabesicherung.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Sanduhr.h"
#include "common/UpDown.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "print/Druckmodelle.h"
#include "print/Reihenansicht.h"
#include "print/TFDetail.h"
#include "print/TFVorschau.h"
#include "print/Zifferfeld.h"
#include "settings/IniDatei.h"

namespace kv::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string s(const QString& t) {
    return t.toStdString();
}

// Shows `text` without reporting the change (the state holds it already).
void zeigeText(QLineEdit* e, const std::string& text) {
    const QString t = q(text);
    if (e->text() == t) return;
    const QSignalBlocker sperre(e);
    e->setText(t);
}

void zeigeHaken(QAbstractButton* b, bool an) {
    if (b->isChecked() == an) return;
    const QSignalBlocker sperre(b);
    b->setChecked(an);
}

Dateiauswahl formatAuswahl(const QString& titel, const QString& ordner) {
    return {titel, ordner, QStringLiteral("Schein-Format|*.kvxdr"), QStringLiteral("kvxdr")};
}

}  // namespace

TFDruck::TFDruck(Programmkontext& kontext) : QWidget(kontext.hauptfenster(), Qt::Window), kontext_(kontext) {
    setObjectName(QStringLiteral("FDruck"));
    setWindowTitle(titelMitVersion());

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    haupt->addWidget(obenBauen());
    // on a screen smaller than the window the content scrolls
    auto* PMitte = new QWidget;
    PMitte->setObjectName(QStringLiteral("PMitte"));
    auto* mitte = new QHBoxLayout(PMitte);
    mitte->setContentsMargins(5, 2, 5, 2);
    mitte->setSpacing(6);
    mitte->addWidget(linksBauen());
    mitte->addWidget(rechtsBauen(), 1);
    haupt->addWidget(rollbar(PMitte, QSize(480, 320), this), 1);
    haupt->addWidget(untenBauen());
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { kontext_.hilfe(this, kHilfeDruck); });

    verbinden();
    anzeigen();
    resize(1140, 674);
}

TFDruck::~TFDruck() {
    // the views and windows go before the state they show (a window still
    // shown hides its children on the way out, and they ask their models)
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

TFDetail* TFDruck::detail() const {
    return detail_;
}

TFVorschau* TFDruck::vorschau() const {
    return vorschau_;
}

void TFDruck::verbinden() {
    Kalibrierfelder& f = z_.kalibrierung.felder();
    auto binde = [this](QLineEdit* e, std::string& ziel) {
        connect(e, &QLineEdit::textChanged, this, [this, &ziel](const QString& t) {
            ziel = s(t);
            aenderungZeigen();
        });
    };
    binde(eAbstandh_, f.abstandH);
    binde(eAbstandv_, f.abstandV);
    binde(Ehori_, f.hori);
    binde(Evert_, f.vert);
    binde(ENrx_, f.nrX);
    binde(ENry_, f.nrY);
    binde(ENr_, z_.optionen.startNr);
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j)
            for (int k = 1; k <= 2; ++k)
                binde(EZus_[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(j - 1)]
                           [static_cast<std::size_t>(k - 1)],
                      f.zusatz(g, j, k));
    for (std::size_t g = 0; g < cbZus_.size(); ++g)
        connect(cbZus_[g], &QCheckBox::toggled, this, [this, g](bool an) { z_.optionen.zusatzJa[g] = an; });
    connect(cbNr_, &QCheckBox::toggled, this, [this](bool an) { z_.optionen.nrDrucken = an; });
    connect(cbFragen_, &QCheckBox::toggled, this, [this](bool an) { z_.optionen.fragen = an; });
    // `EEndeChange`: a change of the range recomputes the slips needed
    connect(EStart_, &QLineEdit::textChanged, this, [this](const QString& t) {
        z_.optionen.start = s(t);
        druckanzeigen();
    });
    connect(EEnde_, &QLineEdit::textChanged, this, [this](const QString& t) {
        z_.optionen.ende = s(t);
        druckanzeigen();
    });
    // `bsSkinUpDown1Change`
    connect(Up1_, &UpDown::geaendert, this, [this](int position) {
        z_.kalibrierung.setzeFelderProReihe(position);
        LAnz_->setText(QString::number(z_.kalibrierung.felderProSchein()));
        druckanzeigen();
        aenderungZeigen();
    });
    // `RG1Click`
    connect(RG1_, &QButtonGroup::idClicked, this, [this](int id) {
        z_.kalibrierung.setzeAnordnung(id);
        LReihen_->setText(q(z_.kalibrierung.reihenText()));
        aenderungZeigen();
    });
}

void TFDruck::aenderungZeigen() {
    if (!LGeaendert_) return;
    LGeaendert_->setVisible(z_.kalibrierung.geaendert());
    kontext_.eingabesicherung().geaendert();
}

bool TFDruck::formatVerwerfenErlaubt() {
    if (!z_.kalibrierung.geaendert()) return true;
    return verwerfenErlaubt(
        this,
        QStringLiteral("Das Schein-Format im Fenster „Tippschein-Druck“ wurde geändert und noch nicht "
                       "gespeichert."),
        [this] { return BsaveClick(); });
}

void TFDruck::aenderungenVerwerfen() {
    z_.kalibrierung.aenderungenVerwerfen();
    anzeigen();
}

void TFDruck::entwurfAnwenden(std::string_view daten) {
    z_.kalibrierung.entwurfAnwenden(daten);
    anzeigen();
}

void TFDruck::anzeigen() {
    const Kalibrierung& k = z_.kalibrierung;
    const Kalibrierfelder& f = k.felder();
    Up1_->zeigePosition(k.felderProReihe());
    LAnz_->setText(QString::number(k.felderProSchein()));
    zeigeHaken(k.anordnung() == 0 ? RG1einer_ : RG1zwei_, true);
    LReihen_->setText(q(k.reihenText()));
    zeigeText(eAbstandh_, f.abstandH);
    zeigeText(eAbstandv_, f.abstandV);
    zeigeText(Ehori_, f.hori);
    zeigeText(Evert_, f.vert);
    zeigeText(ENrx_, f.nrX);
    zeigeText(ENry_, f.nrY);
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j)
            for (int c = 1; c <= 2; ++c)
                zeigeText(EZus_[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(j - 1)]
                               [static_cast<std::size_t>(c - 1)],
                          f.zusatz(g, j, c));
    for (FeldtabellenModell* m : xy_) m->aktualisieren();
    BUndo_->setText(q(k.undoText()));
    BUndo_->setEnabled(k.undoAktiv());
    BExtrahieren_->setEnabled(k.extrahierenAktiv());
    LDatei_->setText(q(k.dateiStatus()));
    LDatei_->setToolTip(LDatei_->text());
    if (detail_) detail_->aktualisieren();
    aenderungZeigen();

    const Druckoptionen& o = z_.optionen;
    for (std::size_t g = 0; g < cbZus_.size(); ++g) zeigeHaken(cbZus_[g], o.zusatzJa[g]);
    zeigeHaken(cbNr_, o.nrDrucken);
    zeigeHaken(cbFragen_, o.fragen);
    zeigeText(ENr_, o.startNr);
    zeigeText(EStart_, o.start);
    zeigeText(EEnde_, o.ende);
    LDatei2_->setText(q(z_.speicher.datei()));
    LDatei2_->setToolTip(LDatei2_->text());
    druckanzeigen();
}

void TFDruck::druckanzeigen() {
    // `NeuBerechnen`: nothing changes while a range field is empty or the end lies before the start
    if (const auto b = z_.NeuBerechnen()) {
        LAnzTs_->setText(QString::number(b->scheine));
        BAusdruck_->setText(q(b->knopf));
    }
}

bool TFDruck::melden(const std::optional<Druckmeldung>& m) {
    if (!m) return true;
    const QString text = q(m->text);
    switch (m->art) {
        case Meldungsart::Information:
            dialoge().information(this, text);
            break;
        case Meldungsart::Fehler:
            dialoge().fehler(this, text);
            break;
        case Meldungsart::Hinweis:
            dialoge().hinweis(this, text);
            break;
    }
    return false;
}

void TFDruck::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    if (ersteAnzeige_) {
        ersteAnzeige_ = false;
        Fensterposition::platzieren(this, {}, {}, Qt::Horizontal | Qt::Vertical);
    }
    // `FormShow`: the settings, on every showing; the format is read again
    // unless the user chose to keep unsaved changes
    const bool formatLesen = !neuLesenAussetzen_;
    neuLesenAussetzen_ = false;
    const auto m = z_.FormShow(IniDatei(s(kontext_.einstellungsdatei())), formatLesen);
    anzeigen();
    // a message on what was read comes over the window, once it is shown
    if (m) QTimer::singleShot(0, this, [this, m] { melden(m); });
}

void TFDruck::closeEvent(QCloseEvent* e) {
    // `FormCloseQuery`: closing is always allowed
    try {
        IniDatei ini(s(kontext_.einstellungsdatei()));
        z_.FormCloseQuery(ini);
    } catch (const DateiFehler& f) {
        dialoge().fehler(this, q(f.what()));
    }
    e->accept();
}

void TFDruck::neuesDetailfenster() {
    if (detail_) {
        detail_->hide();
        detail_->deleteLater();
    }
    z_.neuesDetailfenster();
    detail_ = new TFDetail(z_.kalibrierung, kontext_, this);
    // hand corrections in the detail table are changes of the format
    if (auto* m = detail_->findChild<DetailModell*>())
        connect(m, &QAbstractItemModel::dataChanged, this, &TFDruck::aenderungZeigen);
    aenderungZeigen();
}

void TFDruck::BOpenClick() {
    if (!formatVerwerfenErlaubt()) return;
    const QStringList d = dialoge().dateienOeffnen(
        this, formatAuswahl(QStringLiteral("Schein-Format öffnen"), kontext_.datenordner()), false);
    if (!d.isEmpty()) formatOeffnen(d.first());
}

void TFDruck::formatOeffnen(const QString& datei) {
    IniDatei ini(s(kontext_.einstellungsdatei()));
    const auto m = z_.scheinformatOeffnen(s(datei), ini);
    anzeigen();
    melden(m);
}

bool TFDruck::BsaveClick() {
    const QString d = dialoge().dateiSpeichern(
        this, formatAuswahl(QStringLiteral("Schein-Format speichern"), kontext_.datenordner()));
    if (d.isEmpty()) return false;
    IniDatei ini(s(kontext_.einstellungsdatei()));
    const auto m = z_.scheinformatSpeichern(s(d), ini);
    anzeigen();
    melden(m);
    return !z_.kalibrierung.geaendert();
}

void TFDruck::BDetailZeigenClick() {
    if (!detail_) neuesDetailfenster();
    detail_->aktualisieren();
    zeigenUndHeben(detail_);
}

void TFDruck::BAutoFillClick() {
    const auto m = z_.kalibrierung.automatischAusfuellen(
        [this](const std::string& frage) { return frageStellen(this, frage); });
    anzeigen();
    melden(m);
}

void TFDruck::BUndoClick() {
    z_.kalibrierung.undo();
    anzeigen();
}

void TFDruck::BDelClick() {
    z_.kalibrierung.felderLoeschen();
    anzeigen();
}

void TFDruck::feldLoeschenClick(int feld) {
    z_.kalibrierung.feldLoeschen(feld);
    anzeigen();
}

void TFDruck::BExtrahierenClick() {
    const auto m = z_.kalibrierung.extrahieren();
    anzeigen();
    if (!melden(m)) return;
    BDetailZeigenClick();
}

void TFDruck::BOpen2Click() {
    const QStringList d =
        dialoge().dateienOeffnen(this,
                                 {QStringLiteral("Spielschein-Datei einlesen"), kontext_.datenordner(),
                                  QStringLiteral("Spielschein|*.kv13"), QStringLiteral("kv13")},
                                 true);
    if (d.isEmpty()) return;
    FileForPrint(d.first());
}

void TFDruck::FileForPrint(const QString& pfad) {
    std::optional<Druckmeldung> m;
    {
        const Sanduhr sanduhr;
        m = z_.FileForPrint(s(pfad));
        GReihen_->neuGeladen();
        anzeigen();
    }
    melden(m);
}

}  // namespace kv::ui
