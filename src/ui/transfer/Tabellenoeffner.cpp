#include "transfer/Tabellenoeffner.h"

#include <QProcess>
#include <QStringList>

#include "textexport/Tabellenprogramm.h"

namespace kv::ui {

namespace {

// The program the desktop registers for workbooks, started directly from its
// desktop file: a started process is the only proof that it opened, which
// neither a URL handler's answer nor xdg-open's exit status gives.
class DesktopTabellenoeffner final : public Tabellenoeffner {
  public:
    bool vorhanden() override { return registriertesProgramm(xdgOrdnerAusUmgebung()).has_value(); }

    QString oeffnen(const QString& mappe) override {
        const auto programm = registriertesProgramm(xdgOrdnerAusUmgebung());
        if (!programm) return QStringLiteral("Kein Tabellenprogramm gefunden.");
        const std::vector<std::string> befehl = startBefehl(*programm, mappe.toStdString());
        const QString name = QString::fromStdString(programm->name.empty() ? programm->id : programm->name);
        if (befehl.empty()) return QStringLiteral("Der Startbefehl von %1 ist ungültig.").arg(name);
        QStringList argumente;
        for (std::size_t i = 1; i < befehl.size(); ++i) argumente << QString::fromStdString(befehl[i]);
        if (!QProcess::startDetached(QString::fromStdString(befehl.front()), argumente))
            return QStringLiteral("%1 ließ sich nicht starten.").arg(name);
        return {};
    }
};

Tabellenoeffner* installiert = nullptr;

}  // namespace

Tabellenoeffner& Tabellenoeffner::tabellenoeffner() {
    static DesktopTabellenoeffner desktop;
    return installiert ? *installiert : desktop;
}

void Tabellenoeffner::setzeTabellenoeffner(Tabellenoeffner* o) {
    installiert = o;
}

bool ExcelVorhanden() {
    return Tabellenoeffner::tabellenoeffner().vorhanden();
}

}  // namespace kv::ui
