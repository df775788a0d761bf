#include "common/Befehle.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include <algorithm>
#include <map>

namespace kv::ui {

namespace {

// What fills the places of one menu or of the tool bar, by place number.
struct Behaelter {
    QWidget* widget = nullptr;
    std::map<int, QAction*> belegt;

    // Inserts `a` at place `platz`, before the next place that is filled.
    void einfuegen(int platz, QAction* a) {
        belegt[platz] = a;
        const auto naechster = belegt.upper_bound(platz);
        widget->insertAction(naechster == belegt.end() ? nullptr : naechster->second, a);
    }
};

bool istTrenner(Menueplatz p) {
    return p == Menueplatz::DateiTrenner1 || p == Menueplatz::DateiTrenner2 ||
           p == Menueplatz::ExtrasTrenner || p == Menueplatz::HilfeTrenner1 || p == Menueplatz::HilfeTrenner2;
}

}  // namespace

struct Befehlstabelle::Daten {
    std::vector<Befehl> befehle;
    QWidget* besitzer = nullptr;
    Behaelter datei, extras, hilfe, leiste;
    std::map<QString, QAction*> aktionen;

    Behaelter& menueVon(Menueplatz p) {
        if (p <= Menueplatz::DateiBeenden) return datei;
        if (p <= Menueplatz::ExtrasUpdate) return extras;
        return hilfe;
    }
};

Befehlstabelle::Befehlstabelle() : d_(std::make_unique<Daten>()) {}
Befehlstabelle::~Befehlstabelle() = default;

QAction* Befehlstabelle::anmelden(Befehl befehl) {
    d_->befehle.push_back(std::move(befehl));
    if (!d_->besitzer) return nullptr;
    einordnen(d_->befehle.back());
    return aktion(QString::fromLatin1(d_->befehle.back().name));
}

void Befehlstabelle::einrichten(QWidget* besitzer, QMenu* datei, QMenu* extras, QMenu* hilfe,
                                QToolBar* leiste) {
    d_->besitzer = besitzer;
    d_->datei.widget = datei;
    d_->extras.widget = extras;
    d_->hilfe.widget = hilfe;
    d_->leiste.widget = leiste;
    for (auto p : {Menueplatz::DateiTrenner1, Menueplatz::DateiTrenner2, Menueplatz::ExtrasTrenner,
                   Menueplatz::HilfeTrenner1, Menueplatz::HilfeTrenner2}) {
        auto* t = new QAction(besitzer);
        t->setSeparator(true);
        d_->menueVon(p).einfuegen(static_cast<int>(p), t);
    }
    for (const Befehl& b : d_->befehle) einordnen(b);
}

void Befehlstabelle::leistenWidget(Leistenplatz platz, QWidget* w) {
    auto* leiste = qobject_cast<QToolBar*>(d_->leiste.widget);
    if (!leiste) return;
    QAction* vor = nullptr;
    const auto naechster = d_->leiste.belegt.upper_bound(static_cast<int>(platz));
    if (naechster != d_->leiste.belegt.end()) vor = naechster->second;
    d_->leiste.belegt[static_cast<int>(platz)] = leiste->insertWidget(vor, w);
}

void Befehlstabelle::einordnen(const Befehl& b) {
    auto* a = new QAction(b.symbol, b.text, d_->besitzer);
    a->setObjectName(QString::fromLatin1(b.name));
    if (!b.leistentext.isEmpty()) a->setIconText(b.leistentext);
    if (!b.hinweis.isEmpty()) a->setToolTip(b.hinweis);
    if (!b.taste.isEmpty()) {
        a->setShortcut(b.taste);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    QObject::connect(a, &QAction::triggered, a, [f = b.ausfuehren] {
        if (f) f();
    });
    d_->aktionen[a->objectName()] = a;
    for (Menueplatz p : b.menues)
        if (!istTrenner(p)) d_->menueVon(p).einfuegen(static_cast<int>(p), a);
    if (b.leiste != Leistenplatz::Keiner) {
        d_->leiste.einfuegen(static_cast<int>(b.leiste), a);
        if (auto* leiste = qobject_cast<QToolBar*>(d_->leiste.widget))
            if (QWidget* knopf = leiste->widgetForAction(a))
                knopf->setObjectName(QString::fromLatin1(b.knopf));
    }
}

QAction* Befehlstabelle::aktion(const QString& name) const {
    const auto it = d_->aktionen.find(name);
    return it == d_->aktionen.end() ? nullptr : it->second;
}

bool Befehlstabelle::ausfuehren(const QString& name) const {
    QAction* a = aktion(name);
    if (!a) return false;
    a->trigger();
    return true;
}

}  // namespace kv::ui
