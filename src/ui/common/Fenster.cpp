#include "common/Fenster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScrollArea>
#include <QShortcut>

#include "model/Records.h"

namespace kv::ui {

QString titelMitVersion() {
    return QString::fromUtf8(kProgrammTitel) + QLatin1Char(' ') + QString::fromUtf8(kVersion);
}

QWidget* fensterSuchen(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void zeigen(QWidget* w) {
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
}

void zeigenUndHeben(QWidget* w) {
    if (!w) return;
    zeigen(w);
    w->raise();
    w->activateWindow();
}

namespace {

// Asks for the whole size of its content and lets the window go smaller.
class Rollbereich : public QScrollArea {
  public:
    Rollbereich(QSize minimum, QWidget* eltern) : QScrollArea(eltern), minimum_(minimum) {}
    QSize sizeHint() const override {
        const QWidget* w = widget();
        if (!w) return QScrollArea::sizeHint();
        const int rand = 2 * frameWidth();
        return w->sizeHint().expandedTo(w->minimumSizeHint()) + QSize(rand, rand);
    }
    QSize minimumSizeHint() const override { return minimum_; }

  private:
    QSize minimum_;
};

}  // namespace

QScrollArea* rollbar(QWidget* inhalt, QSize minimum, QWidget* eltern) {
    auto* r = new Rollbereich(minimum, eltern);
    r->setObjectName(inhalt->objectName() + QStringLiteral("Rollbereich"));
    r->setFrameShape(QFrame::NoFrame);
    r->setWidgetResizable(true);
    r->setWidget(inhalt);
    return r;
}

void mitEscapeSchliessen(QWidget* fenster) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
    esc->setObjectName(QStringLiteral("EscapeSchliesst"));
    QObject::connect(esc, &QShortcut::activated, fenster, &QWidget::close);
}

}  // namespace kv::ui
