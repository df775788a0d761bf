#include "TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>

#include "Programm.h"
#include "common/Datenordner.h"
#include "expansion/VewTabellen.h"
#include "io/Datei.h"
#include "main/TFMain.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"

namespace kv::test {

TestUmgebung::TestUmgebung()
    : altHome_(qgetenv("HOME")),
      altData_(qgetenv("XDG_DATA_HOME")),
      dialoge_(std::make_unique<TestDialoge>()) {
    QDir(tmp_.path()).mkpath(QStringLiteral("home"));
    QDir(tmp_.path()).mkpath(QStringLiteral("ablage"));
    qputenv("HOME", (tmp_.path() + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_DATA_HOME", (tmp_.path() + QStringLiteral("/home/.local/share")).toUtf8());
    datenordner_ = kv::ui::datenordnerBestimmen();
}

TestUmgebung::~TestUmgebung() {
    programm_.reset();
    qputenv("HOME", altHome_);
    if (altData_.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", altData_);
}

QString TestUmgebung::ablage() const {
    return tmp_.path() + QStringLiteral("/ablage/");
}
QString TestUmgebung::einstellungsdatei() const {
    return datenordner_ + QString::fromUtf8(kEinstellungsdatei);
}
QString TestUmgebung::spielstanddatei() const {
    return datenordner_ + QString::fromUtf8(kSpielstandDatei);
}

kv::ui::TFMain& TestUmgebung::starten() {
    if (programm_) beenden();
    programm_ = kv::ui::programmAufbauen(datenordner_);
    kv::ui::TFMain& w = programm_->hauptfenster();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) QTest::qFail("Hauptfenster nicht sichtbar", __FILE__, __LINE__);
    return w;
}

bool TestUmgebung::beenden() {
    if (!programm_) return true;
    const bool zu = programm_->hauptfenster().close();
    if (zu) programm_.reset();
    return zu;
}

kv::ui::TFMain* TestUmgebung::fenster() const {
    return programm_ ? &programm_->hauptfenster() : nullptr;
}

QString TestUmgebung::schein(const QString& name, const std::vector<TScheinOffen>& felder) const {
    const QString fn = ablage() + name;
    schreibeSpielschein(fn.toStdString(), felder);
    return fn;
}

QString TestUmgebung::spielplan(const QString& name, const Begegnungen& b) const {
    const QString fn = ablage() + name;
    schreibeBegegnungen(fn.toStdString(), b);
    return fn;
}

QString TestUmgebung::datei(const QString& name, const std::string& bytes) const {
    const QString fn = ablage() + name;
    schreibeAtomar(fn.toStdString(), bytes);
    return fn;
}

TScheinOffen reihe(const char* ziffern) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m) f.setzeKreuz(m, spalteVonZiffer(ziffern[m - 1] - '0'), true);
    return f;
}

TScheinOffen reiheAusZeile(const QString& zeile) {
    QString ziffern = zeile;
    ziffern.remove(QLatin1Char(' '));
    return reihe(ziffern.toLatin1().constData());
}

QByteArray dateiBytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TScheinOffen system(const std::vector<std::string>& tipps) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele && m <= static_cast<int>(tipps.size()); ++m)
        for (char z : tipps[static_cast<std::size_t>(m - 1)]) f.setzeKreuz(m, spalteVonZiffer(z - '0'), true);
    return f;
}

TScheinOffen vollsystem() {
    return system(std::vector<std::string>(kSpiele, "102"));
}

TScheinOffen vew(int s) {
    const TVewSystem& v = VewSysteme[static_cast<std::size_t>(s)];
    TScheinOffen f;
    f.sys = static_cast<std::uint8_t>(s);
    int m = 1;
    for (int i = 0; i < v.Zweiwege; ++i, ++m) {
        f.setzeKreuz(m, 1, true);
        f.setzeKreuz(m, 2, true);
    }
    for (int i = 0; i < v.Dreiwege; ++i, ++m)
        for (int c = 1; c <= 3; ++c) f.setzeKreuz(m, c, true);
    for (; m <= kSpiele; ++m) f.setzeKreuz(m, 1, true);
    return f;
}

}  // namespace kv::test

namespace kv::test {

void bildschirmEinrichten() {
    const QByteArray p = qgetenv("QT_QPA_PLATFORM");
    if (!p.isEmpty() && p != "offscreen") return;
    // one file per test process: tests running side by side must not rewrite
    // each other's while the platform reads it
    static const QString datei =
        QDir::tempPath() +
        QStringLiteral("/kalvendo-bildschirm-%1.json").arg(QCoreApplication::applicationPid());
    std::atexit([] { QFile::remove(datei); });
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(R"({"screens": [{"name": "Bildschirm", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + datei).toUtf8());
    }
}

}  // namespace kv::test
