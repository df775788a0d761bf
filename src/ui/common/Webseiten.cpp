#include "common/Webseiten.h"

#include <QDesktopServices>
#include <QNetworkInformation>
#include <QUrl>

namespace kv::ui {

namespace {

class EchteWebseiten final : public Webseiten {
  public:
    bool verbunden() override {
        // Only a definite "disconnected" counts: backends that cannot tell
        // report Unknown, and some report Online without a route to the net.
        if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) return true;
        const QNetworkInformation* info = QNetworkInformation::instance();
        return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
    }
    bool oeffnen(const QUrl& adresse) override { return QDesktopServices::openUrl(adresse); }
};

EchteWebseiten& echte() {
    static EchteWebseiten w;
    return w;
}

Webseiten* installiert = nullptr;

}  // namespace

Webseiten& Webseiten::webseiten() {
    return installiert ? *installiert : echte();
}

void Webseiten::setzeWebseiten(Webseiten* w) {
    installiert = w;
}

}  // namespace kv::ui
