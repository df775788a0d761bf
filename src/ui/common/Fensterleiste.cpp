#include "common/Fensterleiste.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include <utility>

#include "common/Befehle.h"
#include "common/Farben.h"
#include "common/Symbole.h"

namespace kv::ui {

Fensterleiste::Fensterleiste(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Tool1"));
    setFixedHeight(kHoehe);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Window).darker(106));
    setPalette(pal);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(4, 2, 6, 2);
    l->setSpacing(2);
    links_ = new QHBoxLayout;
    links_->setSpacing(2);
    rechts_ = new QHBoxLayout;
    rechts_->setSpacing(6);
    l->addLayout(links_);
    l->addStretch(1);
    l->addLayout(rechts_);
}

QToolButton* Fensterleiste::knopf(const char* name, const QIcon& symbol, const QString& text,
                                  std::function<void()> f) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(symbol);
    b->setIconSize(QSize(24, 24));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QToolButton::clicked, this, [f = std::move(f)] {
        if (f) f();
    });
    links_->addWidget(b);
    return b;
}

QToolButton* Fensterleiste::befehlsknopf(const char* name, const QIcon& symbol, const QString& text,
                                         const Befehlstabelle& befehle, const char* befehl) {
    return knopf(name, symbol, text, [&befehle, befehl] { befehle.ausfuehren(QString::fromLatin1(befehl)); });
}

void Fensterleiste::werkzeuge(const Befehlstabelle& befehle, std::function<void()> update) {
    knopf("BUpdate", symbol::update(), QStringLiteral("Update"), std::move(update));
    befehlsknopf("BCalc", symbol::rechner(), QStringLiteral("Rechner"), befehle, "Taschenrechner1");
    befehlsknopf("BKal", symbol::kalender(), QStringLiteral("Kalender"), befehle, "Kalender1");
}

QToolButton* Fensterleiste::hilfeUndHinweis(std::function<void()> f) {
    auto* hilfe = new QToolButton(this);
    hilfe->setObjectName(QStringLiteral("bsSkinSpeedButton6"));
    hilfe->setIcon(symbol::hilfe());
    hilfe->setIconSize(QSize(24, 24));
    hilfe->setText(QStringLiteral("Hilfe"));
    hilfe->setToolTip(QStringLiteral("Hilfe (F1)"));
    hilfe->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    hilfe->setAutoRaise(true);
    hilfe->setFocusPolicy(Qt::TabFocus);
    connect(hilfe, &QToolButton::clicked, this, [f = std::move(f)] {
        if (f) f();
    });
    // F1 anywhere in the bar's window does what the button does
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, hilfe, &QToolButton::click);
    auto* hinweis = new QLabel(QStringLiteral("Fensterposition wird automatisch gespeichert"), this);
    hinweis->setObjectName(QStringLiteral("Label10"));
    hinweis->setFont(schrift(this, 10, false));
    hinweis->setWordWrap(true);
    hinweis->setFixedWidth(130);
    rechts_->addWidget(hilfe);
    rechts_->addWidget(hinweis);
    return hilfe;
}

void Fensterleiste::rechtsEinfuegen(QWidget* w) {
    rechts_->insertWidget(0, w);
}

}  // namespace kv::ui
