#include "common/Farben.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace kv::ui {

QFont schrift(const QWidget* w, int pixel, bool fett) {
    QFont f = w->font();
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

QColor neutral() {
    return QApplication::palette().color(QPalette::Button);
}

QColor farbeVon(Tippfarbe f) {
    switch (f) {
        case Tippfarbe::Gelb:
            return farbe::gelb;
        case Tippfarbe::HellGruen:
            return farbe::hellGruen;
        case Tippfarbe::StarkGruen:
            return farbe::starkGruen;
        case Tippfarbe::HellRot:
            return farbe::hellRot;
        case Tippfarbe::StarkRot:
            return farbe::starkRot;
        case Tippfarbe::Bernstein:
            return farbe::bernstein;
        case Tippfarbe::Neutral:
            break;
    }
    return neutral();
}

QColor chancenFarbe(int chance) {
    switch (chancenStufe(chance)) {
        case 1:
            return farbe::chance10;
        case 2:
            return farbe::chance11;
        case 3:
            return farbe::chance12;
        case 4:
            return farbe::chance13;
        default:
            return {};
    }
}

void faerben(QWidget* w, const QColor& hinten, const QColor& text) {
    QPalette p = w->palette();
    if (p.color(QPalette::Window) == hinten && (!text.isValid() || p.color(QPalette::WindowText) == text)) {
        if (!w->autoFillBackground()) w->setAutoFillBackground(true);
        return;
    }
    p.setColor(QPalette::Window, hinten);
    if (text.isValid()) p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor hintergrund(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

}  // namespace kv::ui
