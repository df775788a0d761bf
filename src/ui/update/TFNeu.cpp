#include "update/TFNeu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <stdexcept>

#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "model/Cp1252.h"
#include "model/Records.h"
#include "update/Updatepruefung.h"

namespace kv::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string s(const QString& q) {
    return q.toStdString();
}

constexpr QFile::Permissions kNurFuerMich = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QLabel* versionsfeld(const char* name, QWidget* eltern) {
    auto* feld = new QLabel(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setAutoFillBackground(true);
    QPalette p = feld->palette();
    p.setColor(QPalette::Window, Qt::white);
    feld->setPalette(p);
    feld->setMinimumSize(120, 26);
    feld->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return feld;
}

QLabel* hinweis(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}

QPushButton* knopf(const char* name, const QString& text, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(110);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Updatekontext Updatekontext::fuerDiesesProgramm(Programmkontext& kontext) {
    Updatekontext k;
    k.datenordner = kontext.datenordner();
    k.version = QString::fromUtf8(kVersion);
    k.programmDatei = QCoreApplication::applicationFilePath();
    k.prozessId = QCoreApplication::applicationPid();
    k.eingabenFragen = [&kontext](QWidget* eltern) {
        return kontext.eingabesicherung().beendenErlaubt(eltern);
    };
    k.sichern = [&kontext] { return kontext.sichern(); };
    // Leaves every event loop, open message boxes included; the program then
    // ends as after its closing sequence, without asking anything more. The
    // entry windows' work was saved or deliberately discarded: no draft stays.
    k.beenden = [&kontext] {
        kontext.eingabesicherung().beenden();
        QCoreApplication::exit(0);
    };
    return k;
}

TFNeu::TFNeu(Updatekontext kontext, QWidget* zentrum)
    : QDialog(zentrum), kontext_(std::move(kontext)), zentrum_(zentrum), server_(new Updateserver(this)) {
    setObjectName(QStringLiteral("FNeu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kProgrammTitel));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* pruefen = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), this);
    pruefen->setObjectName(QStringLiteral("GroupBox1"));
    BCalc_ = knopf("BCalc", QStringLiteral("Prüfen"), pruefen);
    PiVersion_ = versionsfeld("PiVersion", pruefen);
    PiVersion_->setText(kontext_.version);
    PvVersion_ = versionsfeld("PvVersion", pruefen);
    auto* raster = new QGridLayout(pruefen);
    raster->setHorizontalSpacing(14);
    raster->addWidget(new QLabel(QStringLiteral("Installierte Version"), pruefen), 0, 1, Qt::AlignHCenter);
    raster->addWidget(new QLabel(QStringLiteral("Verfügbare Version"), pruefen), 0, 2, Qt::AlignHCenter);
    raster->addWidget(BCalc_, 1, 0);
    raster->addWidget(PiVersion_, 1, 1);
    raster->addWidget(PvVersion_, 1, 2);

    auto* download = new QGroupBox(this);
    download->setObjectName(QStringLiteral("GroupBox2"));
    BDown_ = knopf("BDown", QStringLiteral("Download"), download);
    PBDownload_ = new QProgressBar(download);
    PBDownload_->setObjectName(QStringLiteral("PBDownload"));
    PBDownload_->setRange(0, 100);
    PBDownload_->setValue(0);
    PBDownload_->setTextVisible(true);
    PBDownload_->setFormat(QString());
    auto* downloadLayout = new QVBoxLayout(download);
    downloadLayout->addWidget(hinweis(
        QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."),
        download));
    downloadLayout->addWidget(BDown_, 0, Qt::AlignLeft);
    downloadLayout->addWidget(PBDownload_);

    auto* setup = new QGroupBox(this);
    setup->setObjectName(QStringLiteral("GroupBox3"));
    BSetup_ = knopf("BSetup", QStringLiteral("Installation"), setup);
    auto* setupLayout = new QVBoxLayout(setup);
    setupLayout->addWidget(
        hinweis(QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), setup));
    setupLayout->addWidget(BSetup_, 0, Qt::AlignLeft);

    auto* schliessen = knopf("BClose", QStringLiteral("Sch&ließen"), this);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(schliessen);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(pruefen);
    layout->addWidget(download);
    layout->addWidget(setup);
    layout->addLayout(unten);

    connect(BCalc_, &QPushButton::clicked, this, &TFNeu::BCalcClick);
    connect(BDown_, &QPushButton::clicked, this, &TFNeu::BDownClick);
    connect(BSetup_, &QPushButton::clicked, this, &TFNeu::BSetupClick);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(server_, &Updateserver::fertig, this, &TFNeu::geladen);
    connect(server_, &Updateserver::fortschritt, this, &TFNeu::fortschritt);
    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(hilfe, &QShortcut::activated, this, [this] { hilfeZeigen(this, kHilfeUpdate); });

    knoepfeSetzen();
    setFixedWidth(qMax(sizeHint().width(), 440));
    setFixedHeight(sizeHint().height());
}

TFNeu::~TFNeu() = default;

bool TFNeu::laeuft() const {
    return schritt_ != Schritt::Keiner;
}

QString TFNeu::programmOrdner() const {
    return q(update::programmOrdner(s(kontext_.programmDatei)));
}

void TFNeu::knoepfeSetzen() {
    BCalc_->setEnabled(!laeuft());
    BDown_->setEnabled(!laeuft() && downloadAngeboten_);
    BSetup_->setEnabled(!laeuft() && installerDa_);
}

bool TFNeu::starten(Schritt schritt, const char* pfad, const QString& ziel, Updateserver::Inhalt inhalt) {
    QUrl basis;
    try {
        basis = Updateserver::basisAdresse();
    } catch (const std::invalid_argument& e) {
        dialoge().fehler(this, QString::fromUtf8(e.what()));
        return false;
    }
    schritt_ = schritt;
    sanduhr_.emplace();
    knoepfeSetzen();
    server_->laden(QUrl(q(update::adresse(s(basis.toString()), pfad))), ziel, inhalt);
    return true;
}

void TFNeu::BCalcClick() {
    if (laeuft()) return;
    // The version of an earlier check no longer counts, while this one runs
    // and when it fails.
    PvVersion_->clear();
    downloadAngeboten_ = false;
    knoepfeSetzen();
    QFile::remove(kontext_.datenordner + QString::fromUtf8(update::kVersionDatei));
    server_->verbindungenVergessen();
    starten(Schritt::Pruefen, update::kVersionPfad,
            kontext_.datenordner + QString::fromUtf8(update::kVersionDatei), Updateserver::Inhalt::Datei);
}

void TFNeu::BDownClick() {
    if (laeuft() || !downloadAngeboten_) return;
    QFile::remove(kontext_.datenordner + QString::fromUtf8(update::kInstallerDatei));
    installerDa_ = false;
    PBDownload_->setRange(0, 100);
    PBDownload_->setValue(0);
    PBDownload_->setFormat(QString());
    starten(Schritt::Download, update::kInstallerPfad,
            kontext_.datenordner + QString::fromUtf8(update::kInstallerDatei),
            Updateserver::Inhalt::Programm);
}

void TFNeu::geladen(Updateserver::Ergebnis ergebnis, const QString& grund) {
    const Schritt schritt = schritt_;
    schritt_ = Schritt::Keiner;
    sanduhr_.reset();
    if (schritt == Schritt::Pruefen) pruefenFertig(ergebnis, grund);
    if (schritt == Schritt::Download) downloadFertig(ergebnis, grund);
    knoepfeSetzen();
}

void TFNeu::pruefenFertig(Updateserver::Ergebnis ergebnis, const QString& grund) {
    if (ergebnis == Updateserver::Ergebnis::KeineVerbindung) {
        dialoge().information(this, q(update::textKeineVerbindungPruefen()));
        return;
    }
    if (ergebnis == Updateserver::Ergebnis::Fehler) {
        dialoge().information(this, q(update::textPruefenGescheitert(s(grund))));
        return;
    }
    try {
        const std::string version =
            update::leseVersionsdatei(s(kontext_.datenordner + QString::fromUtf8(update::kVersionDatei)));
        PvVersion_->setText(q(cp1252NachUtf8(version)));
        downloadAngeboten_ = update::downloadAngeboten(version, s(kontext_.version));
    } catch (const UngueltigeDatei& e) {
        dialoge().information(this, q(update::textVersionsdateiUnlesbar(e.what())));
    } catch (const DateiFehler& e) {
        dialoge().information(this, q(update::textPruefenGescheitert(e.what())));
    }
}

void TFNeu::fortschritt(qint64 empfangen, qint64 gesamt) {
    if (schritt_ != Schritt::Download) return;
    if (gesamt <= 0) {
        PBDownload_->setRange(0, 0);  // the server has not said how much comes
        PBDownload_->setFormat(QString());
        return;
    }
    // In KiB, so even large installers fit into the bar's int range.
    const auto kib = [](qint64 bytes) { return static_cast<int>(qMin<qint64>(bytes / 1024, 1 << 30)); };
    PBDownload_->setRange(0, qMax(1, kib(gesamt)));
    PBDownload_->setValue(empfangen >= gesamt ? PBDownload_->maximum() : kib(empfangen));
    PBDownload_->setFormat(QStringLiteral("%p %"));
}

void TFNeu::downloadFertig(Updateserver::Ergebnis ergebnis, const QString& grund) {
    if (ergebnis == Updateserver::Ergebnis::Erfolg) {
        const QString installer = kontext_.datenordner + QString::fromUtf8(update::kInstallerDatei);
        if (QFile::setPermissions(installer, kNurFuerMich)) {
            installerDa_ = true;
            if (PBDownload_->maximum() == 0) PBDownload_->setRange(0, 1);
            PBDownload_->setValue(PBDownload_->maximum());
            PBDownload_->setFormat(QStringLiteral("%p %"));
            return;
        }
        QFile::remove(installer);
        ergebnis = Updateserver::Ergebnis::Fehler;
    }
    PBDownload_->setRange(0, 100);
    PBDownload_->setValue(0);
    PBDownload_->setFormat(QString());
    if (ergebnis == Updateserver::Ergebnis::KeineVerbindung)
        dialoge().information(this, q(update::textKeineVerbindungDownload()));
    else
        dialoge().information(this, q(update::textDownloadGescheitert(s(grund))));
}

void TFNeu::BSetupClick() {
    if (laeuft() || !installerDa_) return;
    const QString daten = kontext_.datenordner;
    if (dialoge().frageJaNein(this, q(update::textInstallationFrage(s(daten)))) != Dialoge::Antwort::Ja) {
        dialoge().information(this, q(update::textInstallationAbgebrochen(s(daten), s(programmOrdner()))));
        return;
    }
    const QString installer = daten + QString::fromUtf8(update::kInstallerDatei);
    if (!QFileInfo(installer).isFile()) {
        installerDa_ = false;
        knoepfeSetzen();
        dialoge().information(this, q(update::textInstallerFehlt(s(daten))));
        return;
    }
    // The program ends right after the installer has started: unsaved
    // entries are asked for (Abbrechen keeps the program and its work) and
    // what the closing sequence keeps is saved first; a failure stops here.
    if (kontext_.eingabenFragen && !kontext_.eingabenFragen(this)) return;
    if (kontext_.sichern && !kontext_.sichern()) return;
    // Taken before the installer may replace or remove them.
    const std::string datei = s(kontext_.programmDatei);
    const auto programm = update::dateikennung(datei);
    const auto ordner = update::dateikennung(update::programmOrdner(datei));
    const bool entfernbar = programm && ordner && update::programmEntfernbar(datei);

    QProcess start;
    start.setProgram(installer);
    start.setWorkingDirectory(daten);
    start.setStandardInputFile(QProcess::nullDevice());
    start.setStandardOutputFile(QProcess::nullDevice());
    start.setStandardErrorFile(QProcess::nullDevice());
    qint64 installerProzess = 0;
    if (!start.startDetached(&installerProzess)) {
        dialoge().information(this, q(update::textStartGescheitert(s(daten))));
        return;
    }
    if (!entfernbar) {
        dialoge().information(this, q(update::textManuellEntfernen(s(daten), s(programmOrdner()))));
        return;
    }
    if (!entfernungStarten(*programm, *ordner, installerProzess)) return;
    kontext_.beenden();
}

bool TFNeu::entfernungStarten(const update::Dateikennung& programm, const update::Dateikennung& ordner,
                              qint64 installer) {
    QTemporaryFile skript(QDir::tempPath() + QLatin1Char('/') + QString::fromUtf8(update::kSkriptPraefix) +
                          QStringLiteral("XXXXXX.sh"));
    skript.setAutoRemove(false);
    QString grund;
    if (!skript.open()) {
        grund = skript.errorString();
    } else {
        update::Entfernung e;
        e.programmDatei = s(kontext_.programmDatei);
        e.programm = programm;
        e.programmOrdner = s(programmOrdner());
        e.ordner = ordner;
        for (const qint64 pid : {kontext_.prozessId, installer})
            if (const auto p = update::laufenderProzess(static_cast<long>(pid))) e.warten.push_back(*p);
        e.skript = s(skript.fileName());
        const std::string text = update::entfernungsSkript(e);
        const auto n = static_cast<qint64>(text.size());
        if (skript.write(text.data(), n) != n || !skript.flush() || !skript.setPermissions(kNurFuerMich))
            grund = skript.errorString();
        skript.close();
    }
    if (grund.isEmpty()) {
        QProcess sh;
        sh.setProgram(QStringLiteral("/bin/sh"));
        sh.setArguments({skript.fileName()});
        sh.setWorkingDirectory(QDir::tempPath());
        sh.setStandardInputFile(QProcess::nullDevice());
        sh.setStandardOutputFile(QProcess::nullDevice());
        sh.setStandardErrorFile(QProcess::nullDevice());
        if (sh.startDetached()) return true;
        grund = QStringLiteral("/bin/sh lässt sich nicht starten.");
    }
    QFile::remove(skript.fileName());
    dialoge().fehler(
        this, q(update::textEntfernungGescheitert(s(grund), s(kontext_.datenordner), s(programmOrdner()))));
    return false;
}

void TFNeu::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    if (!zentrum_) return;
    Fensterposition::platzieren(this, {}, {}, Qt::Horizontal | Qt::Vertical, zentrum_);
}

void TFNeu::closeEvent(QCloseEvent* e) {
    // Closing ends a running download; it leaves no file behind.
    server_->abbrechen();
    schritt_ = Schritt::Keiner;
    sanduhr_.reset();
    QDialog::closeEvent(e);
}

TFNeu* updateFensterZeigen(QWidget* hauptfenster, const Updatekontext& kontext) {
    return fensterOeffnen<TFNeu>(QStringLiteral("FNeu"), [&] { return new TFNeu(kontext, hauptfenster); });
}

TFNeu* updatePruefungZeigen(Programmkontext& kontext) {
    return updateFensterZeigen(kontext.hauptfenster(), Updatekontext::fuerDiesesProgramm(kontext));
}

Befehl updateBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "UpdatePruefung1";
    b.text = QStringLiteral("&Update-Prüfung");
    b.symbol = symbol::update();
    b.menues = {Menueplatz::ExtrasUpdate, Menueplatz::HilfeUpdate};
    b.leiste = Leistenplatz::Update;
    b.knopf = "BUpdate";
    b.leistentext = QStringLiteral("Update");
    b.ausfuehren = [&kontext] { updatePruefungZeigen(kontext); };
    return b;
}

}  // namespace kv::ui
