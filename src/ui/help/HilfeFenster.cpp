#include "help/HilfeFenster.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Fenster.h"
#include "help/HilfeSeiten.h"

namespace kv::ui {

namespace {

constexpr int kDateiRolle = Qt::UserRole;

// Looks of all pages, in the colours of the main window.
constexpr const char* kStil =
    "body { font-size: 10pt; }"
    "h1 { color: #a25e77; font-size: 17pt; }"
    "h2 { color: #006a6a; font-size: 13pt; }"
    "h3 { color: #333333; font-size: 11pt; }"
    "a { color: #0b5ea8; }"
    "td, th { padding: 3px; }"
    "th { background-color: #ede0e5; }"
    ".hinweis { background-color: #fff6d6; }";

QToolButton* werkzeugknopf(QWidget* eltern, const char* name, const QString& text,
                           QStyle::StandardPixmap bild) {
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setText(text);
    knopf->setIcon(eltern->style()->standardIcon(bild));
    knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    knopf->setAutoRaise(true);
    return knopf;
}

}  // namespace

HilfeFenster::HilfeFenster(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(QStringLiteral("Kalvendo – Hilfe"));

    zurueck_ = werkzeugknopf(this, "hilfeZurueck", QStringLiteral("Zurück"), QStyle::SP_ArrowBack);
    vor_ = werkzeugknopf(this, "hilfeVor", QStringLiteral("Vor"), QStyle::SP_ArrowForward);
    start_ = werkzeugknopf(this, "hilfeStart", QStringLiteral("Inhalt"), QStyle::SP_DirHomeIcon);
    auto* suche =
        werkzeugknopf(this, "hilfeSuche", QStringLiteral("Suchen"), QStyle::SP_FileDialogContentsView);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);
    zurueck_->setToolTip(QStringLiteral("Zur vorher angezeigten Seite (Alt+Links)"));
    vor_->setToolTip(QStringLiteral("Wieder vorwärts (Alt+Rechts)"));
    zurueck_->setShortcut(QKeySequence::Back);
    vor_->setShortcut(QKeySequence::Forward);
    mitEscapeSchliessen(this);

    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(0, 0, 0, 0);
    leiste->addWidget(zurueck_);
    leiste->addWidget(vor_);
    leiste->addWidget(start_);
    leiste->addWidget(suche);
    leiste->addStretch(1);

    inhalt_ = new QListWidget(this);
    inhalt_->setObjectName(QStringLiteral("hilfeInhalt"));
    inhalt_->setSpacing(1);
    for (const HilfeSeite& seite : hilfeSeiten()) {
        auto* eintrag = new QListWidgetItem(seite.titel, inhalt_);
        eintrag->setData(kDateiRolle, seite.datei);
    }

    auto* suchseite = new QWidget(this);
    suchseite->setObjectName(QStringLiteral("hilfeSuchseite"));
    auto* suchHinweis = new QLabel(QStringLiteral("Suchbegriff:"), suchseite);
    suchfeld_ = new QLineEdit(suchseite);
    suchfeld_->setObjectName(QStringLiteral("hilfeSuchfeld"));
    suchfeld_->setClearButtonEnabled(true);
    suchfeld_->setPlaceholderText(QStringLiteral("z. B. Chance"));
    suchHinweis->setBuddy(suchfeld_);
    suchStatus_ = new QLabel(suchseite);
    suchStatus_->setObjectName(QStringLiteral("hilfeSuchStatus"));
    suchStatus_->setWordWrap(true);
    treffer_ = new QListWidget(suchseite);
    treffer_->setObjectName(QStringLiteral("hilfeTreffer"));
    auto* suchLayout = new QVBoxLayout(suchseite);
    suchLayout->addWidget(suchHinweis);
    suchLayout->addWidget(suchfeld_);
    suchLayout->addWidget(suchStatus_);
    suchLayout->addWidget(treffer_, 1);

    reiter_ = new QTabWidget(this);
    reiter_->setObjectName(QStringLiteral("hilfeReiter"));
    reiter_->addTab(inhalt_, QStringLiteral("Inhalt"));
    reiter_->addTab(suchseite, QStringLiteral("Suchen"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("hilfeBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kStil));

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->setObjectName(QStringLiteral("hilfeTeiler"));
    teiler->addWidget(reiter_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({230, 620});
    teiler->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addLayout(leiste);
    layout->addWidget(teiler, 1);

    connect(zurueck_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HilfeFenster::seiteGewechselt);
    connect(start_, &QToolButton::clicked, this, [this] {
        reiter_->setCurrentIndex(0);
        zeigeSeite(hilfeInhaltsseite());
    });
    connect(suche, &QToolButton::clicked, this, &HilfeFenster::zeigeSuche);
    connect(inhalt_, &QListWidget::itemClicked, this, &HilfeFenster::inhaltOeffnen);
    connect(inhalt_, &QListWidget::itemActivated, this, &HilfeFenster::inhaltOeffnen);
    connect(treffer_, &QListWidget::itemClicked, this, &HilfeFenster::trefferOeffnen);
    connect(treffer_, &QListWidget::itemActivated, this, &HilfeFenster::trefferOeffnen);
    connect(suchfeld_, &QLineEdit::textChanged, this, &HilfeFenster::suchen);
    connect(suchfeld_, &QLineEdit::returnPressed, this, [this] {
        if (treffer_->count() > 0) trefferOeffnen(treffer_->item(0));
    });

    resize(880, 620);
    suchen();
}

void HilfeFenster::zeigeSeite(const QString& datei) {
    const QUrl ziel = hilfeUrl(datei);
    if (browser_->source() == ziel) {
        seiteGewechselt(ziel);  // same page: only the marks go
        return;
    }
    browser_->setSource(ziel);
}

void HilfeFenster::zeigeSuche() {
    if (browser_->source().isEmpty()) zeigeSeite(hilfeInhaltsseite());
    reiter_->setCurrentIndex(1);
    suchfeld_->clear();
    suchfeld_->setFocus(Qt::OtherFocusReason);
}

void HilfeFenster::suchen() {
    treffer_->clear();
    const QString anfrage = suchfeld_->text();
    if (hilfeSuchwoerter(anfrage).isEmpty()) {
        suchStatus_->setText(
            QStringLiteral("Geben Sie ein oder mehrere Wörter ein. Gefunden werden die Seiten, "
                           "die alle Wörter enthalten."));
        return;
    }
    const QList<int> gefunden = hilfeSuche(anfrage);
    const QList<HilfeSeite>& seiten = hilfeSeiten();
    for (const int i : gefunden) {
        auto* eintrag = new QListWidgetItem(seiten[i].titel, treffer_);
        eintrag->setData(kDateiRolle, seiten[i].datei);
    }
    if (gefunden.isEmpty()) {
        suchStatus_->setText(
            QStringLiteral("Keine Seite gefunden. Prüfen Sie die Schreibweise oder versuchen Sie es "
                           "mit weniger oder anderen Wörtern."));
    } else if (gefunden.size() == 1) {
        suchStatus_->setText(QStringLiteral("1 Seite gefunden:"));
    } else {
        suchStatus_->setText(QStringLiteral("%1 Seiten gefunden:").arg(gefunden.size()));
    }
}

void HilfeFenster::trefferOeffnen(QListWidgetItem* eintrag) {
    if (!eintrag) return;
    zeigeSeite(eintrag->data(kDateiRolle).toString());
    woerterMarkieren(hilfeSuchwoerter(suchfeld_->text()));
}

void HilfeFenster::inhaltOeffnen(QListWidgetItem* eintrag) {
    if (eintrag) zeigeSeite(eintrag->data(kDateiRolle).toString());
}

void HilfeFenster::seiteGewechselt(const QUrl& url) {
    browser_->setExtraSelections({});
    const QString datei = hilfeDateiAusUrl(url);
    for (int i = 0; i < inhalt_->count(); ++i) {
        if (inhalt_->item(i)->data(kDateiRolle).toString() == datei) {
            const QSignalBlocker sperre(inhalt_);
            inhalt_->setCurrentRow(i);
            return;
        }
    }
    inhalt_->clearSelection();
}

// Marks every place of the searched words on the page and scrolls to the first.
void HilfeFenster::woerterMarkieren(const QStringList& woerter) {
    QList<QTextEdit::ExtraSelection> marken;
    QTextCursor erster;
    QTextDocument* dokument = browser_->document();
    for (const QString& wort : woerter) {
        QTextCursor c = dokument->find(wort);
        while (!c.isNull()) {
            QTextEdit::ExtraSelection marke;
            marke.cursor = c;
            marke.format.setBackground(QColor(255, 230, 110));
            marken.append(marke);
            if (erster.isNull() || c.position() < erster.position()) erster = c;
            c = dokument->find(wort, c);
        }
    }
    browser_->setExtraSelections(marken);
    if (!erster.isNull()) {
        QTextCursor ziel(dokument);
        ziel.setPosition(erster.selectionStart());
        browser_->setTextCursor(ziel);
        // The first place near the top, with a line of context above it.
        QScrollBar* leiste = browser_->verticalScrollBar();
        leiste->setValue(leiste->value() + browser_->cursorRect(ziel).top() - 3 * fontMetrics().height());
    }
}

}  // namespace kv::ui
