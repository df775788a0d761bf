#include "transfer/TFTransfer.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Passlabel.h"
#include "common/Programmkontext.h"
#include "common/Sanduhr.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "textexport/Tabellenmappe.h"
#include "textexport/TextExport.h"
#include "transfer/Tabellenoeffner.h"
#include "transfer/TransferModell.h"

namespace kv::ui {

namespace {

constexpr int kTippSpalten = kSpiele;  // the last column every export takes
const char* const kBlattName = "Tippreihen";

QString absatz() {
    return QString::fromUtf8(kAbsatz);
}

QIcon transferSymbol() {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 3.5, 9, 17));
    p.drawRect(QRectF(13.5, 3.5, 9, 17));
    p.setPen(QPen(QColor(0, 51, 51), 1));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(3, 7 + i * 4), QPointF(9, 7 + i * 4));
        for (int k = 0; k < 3; ++k) p.drawPoint(QPointF(15.5 + k * 2.5, 7 + i * 4));
    }
    p.setPen(QPen(QColor(40, 130, 40), 2));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    p.drawLine(QPointF(13, 9), QPointF(16, 12));
    p.drawLine(QPointF(13, 15), QPointF(16, 12));
    return QIcon(pm);
}

}  // namespace

void Textfeld::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

TFTransfer::TFTransfer(const QString& datenordner, QWidget* eltern)
    : QWidget(eltern, Qt::Window), datenordner_(datenordner), modell_(new TransferModell(this)) {
    setObjectName(QStringLiteral("FTransfer"));
    setWindowTitle(QString::fromUtf8(kProgrammTitel));

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    // Top bar: close button, title, help button on the right.
    QWidget* oben = leiste("PTop", this);
    auto* BClose = bildknopf(symbol::beenden(), QStringLiteral("Schließen"), "BClose", oben);
    auto* titel = label(QStringLiteral("Transfer-Tool"), "LTitel", oben);
    QFont tf = titel->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.3);
    titel->setFont(tf);
    auto* BHilfe = bildknopf(symbol::hilfe(), QStringLiteral("Hilfe"), "BHilfe", oben);
    oben->layout()->addWidget(BClose);
    oben->layout()->addWidget(titel);
    static_cast<QHBoxLayout*>(oben->layout())->addStretch();
    oben->layout()->addWidget(BHilfe);
    haupt->addWidget(oben);

    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(6, 6, 6, 6);
    mitte->setSpacing(10);
    mitte->addWidget(linksBauen(), 1);
    mitte->addWidget(rechtsBauen(), 0);
    haupt->addLayout(mitte, 1);

    // Bottom bar: "Schließen".
    QWidget* unten = leiste("PUnten", this);
    auto* BSchliessen = knopf(QStringLiteral("Schließen"), "BSchliessen", unten);
    static_cast<QHBoxLayout*>(unten->layout())->addStretch();
    unten->layout()->addWidget(BSchliessen);
    haupt->addWidget(unten);

    connect(BClose, &QToolButton::clicked, this, &QWidget::close);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(BHilfe, &QToolButton::clicked, this, &TFTransfer::BHilfeClick);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TFTransfer::BHilfeClick);

    resize(688, 494);
    up1_->setzePosition(10);
}

QWidget* TFTransfer::linksBauen() {
    auto* links = new QWidget(this);
    links->setObjectName(QStringLiteral("PLinks"));
    auto* l = new QVBoxLayout(links);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    auto* hinweis =
        label(QStringLiteral("In das Textfeld können Tippreihen eingefügt werden. Mit und ohne "
                             "Trennzeichen, siehe Beispiele. Auch ein Semikolon, Leerzeichen oder Tab "
                             "kann Trenner sein. "),
              "LHinweis", links);
    hinweis->setWordWrap(true);
    l->addWidget(hinweis);
    l->addWidget(label(QStringLiteral("Beispiel: 1010022021110"), "LBeispiel1", links));
    l->addWidget(label(QStringLiteral("oder 1,0,1,0,0,2,2,0,2,1,1,1,0"), "LBeispiel2", links));

    auto* zeilen = new QHBoxLayout;
    zeilen->addWidget(label(QStringLiteral("Zeilen"), "LZeilenText", links));
    LZeilen_ = label(QStringLiteral("0"), "LZeilen", links);
    QFont fz = LZeilen_->font();
    fz.setBold(true);
    LZeilen_->setFont(fz);
    LZeilen_->setMinimumWidth(QFontMetrics(fz).horizontalAdvance(QStringLiteral("0000000")));
    zeilen->addWidget(LZeilen_);
    zeilen->addStretch();
    l->addLayout(zeilen);

    M1_ = new Textfeld(links);
    M1_->setObjectName(QStringLiteral("M1"));
    M1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    M1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M1_->setTabChangesFocus(false);
    l->addWidget(M1_, 1);

    // The two groups one above the other: side by side they would make the
    // window wider than its designed 688 pixels.
    auto* RG1 = new QGroupBox(QStringLiteral("Beim Übertragen ..."), links);
    RG1->setObjectName(QStringLiteral("RG1"));
    auto* rg = new QVBoxLayout(RG1);
    rg->setContentsMargins(6, 2, 6, 2);
    rg->setSpacing(0);
    RG1a_ = new QRadioButton(QStringLiteral("vorhandene Einträge überschreiben"), RG1);
    RG1a_->setObjectName(QStringLiteral("RG1a"));
    RG1a_->setChecked(true);
    RG1b_ = new QRadioButton(QStringLiteral("neue Reihen anhängen"), RG1);
    RG1b_->setObjectName(QStringLiteral("RG1b"));
    rg->addWidget(RG1a_);
    rg->addWidget(RG1b_);
    l->addWidget(RG1);

    auto* groesse = new QGroupBox(QStringLiteral("Schriftgröße"), links);
    groesse->setObjectName(QStringLiteral("GBSchrift"));
    auto* gl = new QHBoxLayout(groesse);
    gl->setContentsMargins(6, 2, 6, 2);
    gl->addWidget(label(QStringLiteral("kleiner"), "LKleiner", groesse));
    up1_ = new UpDown(groesse, 6, 18);
    up1_->setObjectName(QStringLiteral("up1"));
    gl->addWidget(up1_);
    gl->addWidget(label(QStringLiteral("größer"), "LGroesser", groesse));
    gl->addStretch();
    l->addWidget(groesse);

    auto* knoepfe = new QHBoxLayout;
    auto* BTextfeldLoeschen = knopf(QStringLiteral("Textfeld löschen"), "BTextfeldLoeschen", links);
    auto* BReihenInTabelle = knopf(QStringLiteral("Reihen in Tabelle übertragen"), "BReihenInTabelle", links);
    knoepfe->addWidget(BTextfeldLoeschen);
    knoepfe->addStretch();
    knoepfe->addWidget(BReihenInTabelle);
    l->addLayout(knoepfe);

    connect(M1_, &QPlainTextEdit::textChanged, this, &TFTransfer::M1Change);
    connect(up1_, &UpDown::geaendert, this, &TFTransfer::up1Change);
    connect(BTextfeldLoeschen, &QPushButton::clicked, this, &TFTransfer::BTextfeldLoeschenClick);
    connect(BReihenInTabelle, &QPushButton::clicked, this, &TFTransfer::BReihenInTabelleClick);
    return links;
}

QWidget* TFTransfer::rechtsBauen() {
    auto* rechts = new QWidget(this);
    rechts->setObjectName(QStringLiteral("PRechts"));
    auto* l = new QVBoxLayout(rechts);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    auto* oben = new QHBoxLayout;
    auto* BAlsSchein = knopf(QStringLiteral("Als Spielschein s&peichern..."), "BAlsSchein", rechts);
    auto* BReihenLoeschen = knopf(QStringLiteral("Reihen löschen"), "BReihenLoeschen", rechts);
    oben->addWidget(BAlsSchein);
    oben->addStretch();
    oben->addWidget(BReihenLoeschen);
    l->addLayout(oben);

    LDatei_ = new Passlabel(Passlabel::Art::Datei, rechts);
    LDatei_->setObjectName(QStringLiteral("LDatei"));
    l->addWidget(LDatei_);

    G1_ = new QTableView(rechts);
    G1_->setObjectName(QStringLiteral("G1"));
    G1_->setModel(modell_);
    G1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1_->setSelectionMode(QAbstractItemView::NoSelection);
    G1_->setFocusPolicy(Qt::NoFocus);
    G1_->setWordWrap(false);
    G1_->setCornerButtonEnabled(false);
    G1_->verticalHeader()->hide();
    G1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    G1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Fixed sizes keep the view fast for any number of rows.
    QHeaderView* v = G1_->verticalHeader();
    v->setMinimumSectionSize(16);
    v->setDefaultSectionSize(16);
    v->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* h = G1_->horizontalHeader();
    h->setMinimumSectionSize(16);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setDefaultAlignment(Qt::AlignCenter);
    h->setHighlightSections(false);
    h->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px; }"));
    G1_->setColumnWidth(0, 40);
    for (int k = 1; k <= kSpiele; ++k) G1_->setColumnWidth(k, 20);
    int breite = 40 + kSpiele * 20 + 2 * G1_->frameWidth();
    breite += G1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, G1_);
    G1_->setFixedWidth(breite);
    l->addWidget(G1_, 1);

    auto* unten = new QHBoxLayout;
    auto* BAlsText = knopf(QStringLiteral("Als Text- Datei speichern..."), "BAlsText", rechts);
    auto* BExcel = knopf(QStringLiteral("Excel- Export"), "BExcel", rechts);
    unten->addWidget(BAlsText);
    unten->addStretch();
    unten->addWidget(BExcel);
    l->addLayout(unten);

    connect(BAlsSchein, &QPushButton::clicked, this, &TFTransfer::BAlsScheinClick);
    connect(BReihenLoeschen, &QPushButton::clicked, this, &TFTransfer::BReihenLoeschenClick);
    connect(BAlsText, &QPushButton::clicked, this, &TFTransfer::BAlsTextClick);
    connect(BExcel, &QPushButton::clicked, this, &TFTransfer::BExcelClick);
    return rechts;
}

void TFTransfer::showEvent(QShowEvent* e) {
    // Placed centred on the main window the first time it is shown.
    if (!gezeigt_ && parentWidget()) {
        Fensterposition::platzieren(this, {}, {}, Qt::Horizontal | Qt::Vertical, parentWidget());
    }
    gezeigt_ = true;
    QWidget::showEvent(e);
}

QString TFTransfer::text() const {
    // what the user pasted, no-break spaces included
    return rohText(M1_);
}

void TFTransfer::M1Change() {
    const QTextDocument* d = M1_->document();
    int n = d->blockCount();
    if (d->lastBlock().length() <= 1) --n;  // a last empty line is no line
    LZeilen_->setText(QString::number(n));
}

void TFTransfer::up1Change(int position) {
    QFont f(QStringLiteral("Tahoma"));
    f.setBold(true);
    f.setPointSize(position);
    M1_->setFont(f);
}

void TFTransfer::BReihenInTabelleClick() {
    // The recognition works on a copy of the text: the text field keeps
    // exactly what was pasted.
    const std::string t = text().toStdString();
    const Uebertragungsmodus modus =
        RG1b_->isChecked() ? Uebertragungsmodus::Anhaengen : Uebertragungsmodus::Ueberschreiben;
    const Uebertragung u =
        modell_->aendern([&](Transfertabelle& tab) { return ReihenInTabelle(tab, t, modus); });
    if (!u.fehler.empty()) dialoge().fehler(this, QString::fromStdString(u.fehler));
}

void TFTransfer::BAlsScheinClick() {
    // Check first: a cell that is no number refuses the save before a
    // file name is asked for, and nothing is written.
    try {
        pruefeTabelle(modell_->tabelle());
    } catch (const TabellenFehler& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return;
    }
    const QString fn =
        dialoge().dateiSpeichern(this, {QStringLiteral("Spielschein speichern"), datenordner_,
                                        QStringLiteral("Spielschein-Datei|*.kv13"), QStringLiteral("kv13")});
    if (fn.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        TabelleAlsSchein(modell_->tabelle(), fn.toStdString());
    } catch (const std::runtime_error& e) {  // DateiFehler; the table was checked above
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return;
    }
    LDatei_->setText(QStringLiteral("Gespeichert: ") + QFileInfo(fn).fileName());
}

void TFTransfer::BReihenLoeschenClick() {
    modell_->aendern([](Transfertabelle& tab) { tab.reihenLoeschen(); });
}

void TFTransfer::BTextfeldLoeschenClick() {
    M1_->clear();
}

void TFTransfer::BAlsTextClick() {
    const QString fn =
        dialoge().dateiSpeichern(this, {QStringLiteral("CSV-Datei speichern"), datenordner_,
                                        QStringLiteral("Text-Datei|*.txt"), QStringLiteral("txt")});
    if (fn.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        TabelleAlsText(modell_->tabelle(), fn.toStdString(), kTippSpalten);
    } catch (const DateiFehler& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return;
    }
    LDatei_->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(fn).fileName());
}

QString TFTransfer::naechsteMappe() const {
    const QString basis = datenordner_ + QLatin1String(kBlattName) + QLatin1Char('-') +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString fn = basis + QStringLiteral(".xlsx");
    for (int i = 2; QFileInfo::exists(fn); ++i) fn = basis + QStringLiteral("-%1.xlsx").arg(i);
    return fn;
}

void TabelleNachExcel(QWidget* eltern, const Zellquelle& tabelle, const QString& blattName, int letzteSpalte,
                      const QString& mappe) {
    Tabellenoeffner& programm = Tabellenoeffner::tabellenoeffner();
    if (!programm.vorhanden()) {
        dialoge().information(
            eltern,
            QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.") +
                absatz() + QStringLiteral("Ich breche ab."));
        return;
    }
    QString grund;
    try {
        const Sanduhr sanduhr;
        schreibeTabellenmappe(tabelle, blattName.toStdString(), letzteSpalte, mappe.toStdString());
        grund = programm.oeffnen(mappe);
    } catch (const DateiFehler& e) {
        dialoge().fehler(eltern, QString::fromStdString(e.what()));
        return;
    }
    if (!grund.isEmpty())
        dialoge().information(
            eltern, QStringLiteral("Die Tabelle konnte nicht im Tabellenprogramm geöffnet werden: ") + grund +
                        absatz() + QStringLiteral("Sie ist gespeichert in ") + mappe + QStringLiteral("."));
}

void TFTransfer::BExcelClick() {
    TabelleNachExcel(this, modell_->tabelle(), QLatin1String(kBlattName), kTippSpalten, naechsteMappe());
}

void TFTransfer::BHilfeClick() {
    hilfeZeigen(this, kHilfeTransfer);
}

Befehl transferToolBefehl(Programmkontext& kontext) {
    // made at start-up, hidden; the command only shows it
    auto* fenster = new TFTransfer(kontext.datenordner(), kontext.hauptfenster());
    fenster->hide();
    Befehl b;
    b.name = "Transfertool1";
    b.text = QStringLiteral("Transfer-Tool");
    b.symbol = transferSymbol();
    b.menues = {Menueplatz::ExtrasTransfer};
    b.leiste = Leistenplatz::Transfer;
    b.knopf = "bsSkinSpeedButton1";
    b.leistentext = QStringLiteral("Transfer");
    b.hinweis = QStringLiteral("Transfer-Tool");
    b.ausfuehren = [fenster] { zeigenUndHeben(fenster); };
    return b;
}

}  // namespace kv::ui
