#include "main/Bausteine.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "common/Bauteile.h"
#include "common/Farben.h"
#include "common/Passlabel.h"

namespace kv::ui {

QLabel* hinweis(const QString& text, QWidget* eltern, int pixel, bool fett) {
    auto* l = new QLabel(umbrochen(text), eltern);
    l->setFont(schrift(eltern, pixel, fett));
    return l;
}

QCheckBox* haekchen(const char* name, const QString& text, bool an, QWidget* eltern) {
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(an);
    c->setFont(schrift(eltern, 11, false));
    return c;
}

QWidget* dateiKasten(const char* name, QLabel*& label, const char* labelName, int breite, QWidget* eltern) {
    auto* k = new QFrame(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setFrameShape(QFrame::StyledPanel);
    faerben(k, Qt::white, Qt::black);
    k->setFixedWidth(breite);
    auto* l = new QVBoxLayout(k);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(0);
    l->addWidget(hinweis(QStringLiteral("Datei"), k, 10));
    label = new Passlabel(Passlabel::Art::Datei, k);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setFont(schrift(k, 12, true));
    l->addWidget(label);
    return k;
}

}  // namespace kv::ui
