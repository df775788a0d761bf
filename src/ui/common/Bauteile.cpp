#include "common/Bauteile.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace kv::ui {

QPushButton* knopf(const QString& text, const char* name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const QString& text, const char* name, QWidget* eltern, bool umbrechen) {
    auto* l = new QLabel(text, eltern);
    if (*name) l->setObjectName(QLatin1String(name));
    l->setWordWrap(umbrechen);
    return l;
}

QWidget* leiste(const char* name, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    w->setObjectName(QLatin1String(name));
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Window).darker(108));
    w->setPalette(pal);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(6, 3, 6, 3);
    return w;
}

QToolButton* bildknopf(const QIcon& symbol, const QString& hinweis, const char* name, QWidget* eltern,
                       int groesse) {
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setIcon(symbol);
    b->setIconSize(QSize(groesse, groesse));
    b->setToolTip(hinweis);
    b->setAutoRaise(true);
    return b;
}

}  // namespace kv::ui
