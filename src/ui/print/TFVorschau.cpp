#include "print/TFVorschau.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Fenster.h"
#include "print/Druckausgabe.h"

namespace kv::ui {

namespace {

QToolButton* knopf(const QString& text, const char* name, QWidget* eltern) {
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setAutoRaise(true);
    return b;
}

QString tausender(std::uint64_t n) {
    return QLocale(QLocale::German).toString(static_cast<qulonglong>(n));
}

}  // namespace

TFVorschau::TFVorschau(QPrinter& drucker, Vorschauinhalt inhalt, QWidget* eltern)
    : QDialog(eltern), inhalt_(std::move(inhalt)) {
    setObjectName(QStringLiteral("FVorschau"));
    setWindowTitle(QStringLiteral("Druckvorschau – ") + titelMitVersion());
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    drucker.setFullPage(true);
    drucker.setDocName(QString::fromLatin1(kAuftragsname));

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    auto* leiste = new QHBoxLayout;
    auto* ganz = knopf(QStringLiteral("Ganze Seite"), "BGanzeSeite", this);
    auto* breite = knopf(QStringLiteral("Seitenbreite"), "BSeitenbreite", this);
    auto* groesser = knopf(QStringLiteral("Vergrößern"), "BGroesser", this);
    auto* kleiner = knopf(QStringLiteral("Verkleinern"), "BKleiner", this);
    auto* zurueck = knopf(QStringLiteral("< Voriger Schein"), "BZurueck", this);
    auto* vor = knopf(QStringLiteral("Nächster Schein >"), "BVor", this);
    auto* alle = knopf(QStringLiteral("Alle Scheine"), "BAlle", this);
    alle->setCheckable(true);
    LSeite_ = new QLabel(this);
    LSeite_->setObjectName(QStringLiteral("LSeite"));
    for (QWidget* w : std::initializer_list<QWidget*>{ganz, breite, groesser, kleiner, zurueck, vor, alle})
        leiste->addWidget(w);
    leiste->addStretch();
    l->addLayout(leiste);

    ansicht_ = new QPrintPreviewWidget(&drucker, this);
    ansicht_->setObjectName(QStringLiteral("Vorschau"));
    connect(ansicht_, &QPrintPreviewWidget::paintRequested, this, &TFVorschau::malen);
    connect(ansicht_, &QPrintPreviewWidget::previewChanged, this, &TFVorschau::seiteAnzeigen);
    l->addWidget(ansicht_, 1);

    const QString mehr = inhalt_.scheineGesamt > inhalt_.seiten.size()
                             ? QStringLiteral("Die Vorschau zeigt die ersten %1 von %2 Tippscheinen.")
                                   .arg(tausender(inhalt_.seiten.size()), tausender(inhalt_.scheineGesamt))
                             : QString();
    auto* unten = new QHBoxLayout;
    auto* LHinweis = new QLabel(
        QStringLiteral(
            "Rosa Rahmen: die Kästchen des Schein-Formats; die Kreuze stehen dort, wo der Drucker sie "
            "druckt (mit der Ausdruck-Korrektur). ") +
            mehr,
        this);
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setWordWrap(true);
    auto* BDrucken = new QPushButton(QStringLiteral("Drucken starten..."), this);
    BDrucken->setObjectName(QStringLiteral("BDrucken"));
    BDrucken->setAutoDefault(false);
    auto* BSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    auto* texte = new QVBoxLayout;
    texte->addWidget(LSeite_);
    texte->addWidget(LHinweis);
    unten->addLayout(texte, 1);
    unten->addWidget(BDrucken);
    unten->addWidget(BSchliessen);
    l->addLayout(unten);

    connect(ganz, &QToolButton::clicked, ansicht_, &QPrintPreviewWidget::fitInView);
    connect(breite, &QToolButton::clicked, ansicht_, &QPrintPreviewWidget::fitToWidth);
    connect(groesser, &QToolButton::clicked, ansicht_, [this] { ansicht_->zoomIn(); });
    connect(kleiner, &QToolButton::clicked, ansicht_, [this] { ansicht_->zoomOut(); });
    connect(zurueck, &QToolButton::clicked, this, [this] {
        ansicht_->setCurrentPage(ansicht_->currentPage() - 1);
        seiteAnzeigen();
    });
    connect(vor, &QToolButton::clicked, this, [this] {
        ansicht_->setCurrentPage(ansicht_->currentPage() + 1);
        seiteAnzeigen();
    });
    connect(alle, &QToolButton::toggled, this, [this](bool an) {
        ansicht_->setViewMode(an ? QPrintPreviewWidget::AllPagesView : QPrintPreviewWidget::SinglePageView);
    });
    connect(BSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BDrucken, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT druckenGewuenscht();
    });

    const QScreen* s = QGuiApplication::primaryScreen();
    const QSize platz = s ? s->availableGeometry().size() : QSize(1366, 768);
    resize(std::min(900, platz.width() - 40), std::min(700, platz.height() - 60));
    ansicht_->updatePreview();
    ansicht_->fitInView();
}

void TFVorschau::malen(QPrinter* drucker) {
    const QMargins versatz = druckerversatz(*drucker);
    QPainter p(drucker);
    for (std::size_t i = 0; i < inhalt_.seiten.size(); ++i) {
        if (i > 0) drucker->newPage();
        p.save();
        seitensystem(p, versatz);
        kaestchenZeichnen(p, inhalt_.kaestchen);
        markenZeichnen(p, inhalt_.seiten[i].marken);
        p.restore();
    }
}

void TFVorschau::seiteAnzeigen() {
    const int n = ansicht_->currentPage();
    if (n < 1 || static_cast<std::size_t>(n) > inhalt_.seiten.size()) {
        LSeite_->clear();
        return;
    }
    const Papierschein& s = inhalt_.seiten[static_cast<std::size_t>(n - 1)];
    QString text = QStringLiteral("Tippschein %1 von %2: Tippreihen %3 bis %4")
                       .arg(n)
                       .arg(inhalt_.seiten.size())
                       .arg(s.ersteZeile)
                       .arg(s.letzteZeile);
    for (const Druckmarke& m : s.marken)
        if (m.art == Druckmarke::Art::Nummer) text += QStringLiteral(", Nr. %1").arg(s.nummer);
    LSeite_->setText(text);
}

}  // namespace kv::ui
