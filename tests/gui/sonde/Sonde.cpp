// A probe for the tests that run the real program as a user starts it. Qt
// loads it into the program as a plugin (QT_PLUGIN_PATH names the folder that
// holds generic/, QT_QPA_GENERIC_PLUGINS=kalvendo-sonde); the program itself
// is not changed. It reports on standard output what the user would see, a
// line whenever that changes:
//
//     REITER Name|Name             the captions of the main window's slip tabs
//     VORN Name                    the caption of the tab in front
//     MELDUNG Text                 a message box shown (line breaks as \n)
//     MELDUNG ZU                   the message box was answered
//     HAEKCHEN cbA=1 cbB=0 ...     the main window's tick boxes
//     FENSTER Name|Name            the object names of the shown windows
//
// and acts as the user on the lines it reads from standard input:
//
//     OK                           presses the default button of the message box
//     ENDE                         closes the main window ("Beenden")
//     WAEHLE Menü/Eintrag          chooses an entry of the main window's menu bar
//     KLICKE Fenster/Knopf         clicks a button of a shown window (object names)
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGenericPlugin>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace {

void sage(const QString& zeile) {
    const QByteArray b = (zeile + QLatin1Char('\n')).toUtf8();
    qsizetype fort = 0;
    while (fort < b.size()) {
        const ssize_t n =
            ::write(STDOUT_FILENO, b.constData() + fort, static_cast<std::size_t>(b.size() - fort));
        if (n <= 0) return;
        fort += n;
    }
}

QWidget* hauptfenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FMain")) return w;
    return nullptr;
}

QMessageBox* meldung() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMessageBox*>(w); m && m->isVisible()) return m;
    return nullptr;
}

class Sonde : public QObject {
  public:
    // Made while the application object is still being built: it starts
    // with the program's first event loop.
    Sonde() { QMetaObject::invokeMethod(this, &Sonde::anfangen, Qt::QueuedConnection); }

  private:
    void anfangen() {
        connect(&uhr_, &QTimer::timeout, this, &Sonde::schauen);
        uhr_.start(50);
        eingabe_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(eingabe_, &QSocketNotifier::activated, this, &Sonde::lesen);
    }

    void schauen() {
        QStringList gezeigt;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty() && !qobject_cast<const QMenu*>(w))
                gezeigt << w->objectName();
        gezeigt.sort();
        melden(fenster_, QStringLiteral("FENSTER ") + gezeigt.join(QLatin1Char('|')));
        QWidget* haupt = hauptfenster();
        if (haupt) {
            if (const auto* tabs = haupt->findChild<QTabWidget*>(QStringLiteral("PC1"))) {
                QStringList namen;
                for (int i = 0; i < tabs->count(); ++i) namen << tabs->tabText(i);
                melden(reiter_, QStringLiteral("REITER ") + namen.join(QLatin1Char('|')));
                melden(vorn_, QStringLiteral("VORN ") + tabs->tabText(tabs->currentIndex()));
            }
            // the window's own boxes, not those of the windows it owns
            QList<const QCheckBox*> boxen;
            for (const QCheckBox* b : haupt->findChildren<QCheckBox*>())
                if (!b->objectName().isEmpty() && b->window() == haupt) boxen << b;
            std::sort(boxen.begin(), boxen.end(), [](const QCheckBox* a, const QCheckBox* b) {
                return a->objectName() < b->objectName();
            });
            QStringList haken;
            for (const QCheckBox* b : boxen)
                haken << b->objectName() + (b->isChecked() ? QStringLiteral("=1") : QStringLiteral("=0"));
            melden(haken_, QStringLiteral("HAEKCHEN ") + haken.join(QLatin1Char(' ')));
        }
        // a box is told once, when it comes (also one with the text of the
        // box before), and once more when it goes
        QMessageBox* m = meldung();
        if (m && m != box_.data()) {
            box_ = m;
            sage(QStringLiteral("MELDUNG ") +
                 QString(m->text()).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
        } else if (!m && offen_) {
            sage(QStringLiteral("MELDUNG ZU"));
        }
        offen_ = m != nullptr;
    }

    static void melden(QString& zuletzt, const QString& jetzt) {
        if (jetzt == zuletzt) return;
        zuletzt = jetzt;
        sage(jetzt);
    }

    void lesen() {
        char puffer[256];
        const ssize_t n = ::read(STDIN_FILENO, puffer, sizeof puffer);
        if (n <= 0) {
            eingabe_->setEnabled(false);
            return;
        }
        gelesen_.append(puffer, n);
        for (qsizetype ende; (ende = gelesen_.indexOf('\n')) >= 0;) {
            const QByteArray befehl = gelesen_.left(ende).trimmed();
            gelesen_.remove(0, ende + 1);
            // after what is queued now, so that a report of the state before comes first
            QTimer::singleShot(0, this, [this, befehl] { ausfuehren(befehl); });
        }
    }

    void ausfuehren(const QByteArray& befehl) {
        if (befehl == "OK") {
            if (QMessageBox* m = meldung()) {
                if (QAbstractButton* b = m->defaultButton())
                    b->click();
                else
                    m->accept();
            }
        } else if (befehl == "ENDE") {
            if (QWidget* h = hauptfenster()) h->close();
        } else if (befehl.startsWith("WAEHLE ")) {
            const QStringList weg = QString::fromUtf8(befehl.mid(7)).split(QLatin1Char('/'));
            if (QWidget* h = hauptfenster(); h && weg.size() == 2)
                for (const QMenu* m : h->findChildren<QMenu*>())
                    if (QString(m->title()).remove(QLatin1Char('&')) == weg[0])
                        for (QAction* a : m->actions())
                            if (QString(a->text()).remove(QLatin1Char('&')) == weg[1]) a->trigger();
        } else if (befehl.startsWith("KLICKE ")) {
            const QStringList weg = QString::fromUtf8(befehl.mid(7)).split(QLatin1Char('/'));
            for (QWidget* w : QApplication::topLevelWidgets())
                if (weg.size() == 2 && w->isVisible() && w->objectName() == weg[0])
                    if (auto* b = w->findChild<QAbstractButton*>(weg[1])) b->click();
        }
    }

    QTimer uhr_;
    QSocketNotifier* eingabe_ = nullptr;
    QByteArray gelesen_;
    QString reiter_, vorn_, haken_, fenster_;
    QPointer<QMessageBox> box_;
    bool offen_ = false;
};

class SondePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "sonde.json")
  public:
    QObject* create(const QString& name, const QString&) override {
        return name.compare(QLatin1String("kalvendo-sonde"), Qt::CaseInsensitive) == 0 ? new Sonde : nullptr;
    }
};

}  // namespace

#include "Sonde.moc"
