#include "common/Bauteile.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>
#include <QToolButton>

namespace kv::ui {

QString umbrochen(const QString& beschriftung) {
    // "B- und C-Abstände", "Horizontal- bzw. Vertikalwerte": a hyphen standing
    // for the rest of a word before "und", "oder", ... is no place to wrap
    static const QStringList bindewoerter = {QStringLiteral("und"), QStringLiteral("oder"),
                                             QStringLiteral("bzw"), QStringLiteral("sowie"),
                                             QStringLiteral("bis"), QStringLiteral("als")};
    QString s = beschriftung;
    for (qsizetype i = 1; i + 2 < s.size(); ++i) {
        if (s[i] != QLatin1Char('-') || s[i + 1] != QLatin1Char(' ') || !s[i - 1].isLetter() ||
            !s[i + 2].isLetter())
            continue;
        qsizetype ende = i + 2;
        while (ende < s.size() && s[ende].isLetter()) ++ende;
        if (!bindewoerter.contains(s.mid(i + 2, ende - i - 2))) s[i + 1] = QLatin1Char('\n');
    }
    return s;
}

QString rohText(const QPlainTextEdit* feld) {
    // the raw text: the paragraphs (and the lines broken within one) become
    // line feeds, everything else stays as it is
    QString t = feld->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

QPushButton* knopf(const QString& text, const char* name, QWidget* eltern) {
    auto* b = new QPushButton(umbrochen(text), eltern);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const QString& text, const char* name, QWidget* eltern, bool umbrechen) {
    auto* l = new QLabel(umbrochen(text), eltern);
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

QLabel* aenderungsmarke(QWidget* eltern) {
    QLabel* l = label(QStringLiteral("geändert"), "LGeaendert", eltern);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(200, 0, 0));
    l->setPalette(pal);
    l->setToolTip(QStringLiteral("Was das Fenster zeigt, ist noch nicht gespeichert."));
    l->hide();
    return l;
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
