#include "main/TFInfo.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "help/Hilfe.h"
#include "model/Records.h"

namespace kv::ui {

TFInfo::TFInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kProgrammTitel));

    auto* titel = new QLabel(QString::fromUtf8(kProgrammTitel), this);
    titel->setObjectName(QStringLiteral("LTitel"));
    QFont gross = titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.0);
    gross.setBold(true);
    titel->setFont(gross);
    titel->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version ") + QString::fromUtf8(kVersion), this);
    version->setObjectName(QStringLiteral("LVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("BClose"));
    schliessen->setDefault(true);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    knoepfe->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(10);
    layout->addWidget(titel);
    layout->addWidget(version);
    layout->addSpacing(12);
    layout->addLayout(knoepfe);

    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(hilfe, &QShortcut::activated, this, [this] { hilfeZeigen(this, kHilfeProgrammInfo); });

    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

Befehl infoBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "ProgrammInfo1";
    // "&Inhalt" in the same menu has the I
    b.text = QStringLiteral("&Programm-Info");
    b.menues = {Menueplatz::HilfeInfo};
    b.ausfuehren = [&kontext] {
        fensterOeffnen<TFInfo>(QStringLiteral("FInfo"),
                               [&kontext] { return new TFInfo(kontext.hauptfenster()); });
    };
    return b;
}

}  // namespace kv::ui
