#include "Aussensicht.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace kv::test {

namespace {

// "Absolute upper-left X:  12" and the like from xwininfo's report.
int wert(const QString& bericht, const char* schluessel) {
    const QRegularExpression re(QLatin1String(schluessel) + QStringLiteral(":\\s+(-?\\d+)"));
    const QRegularExpressionMatch m = re.match(bericht);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

unsigned long fensterId(const QString& bericht, const char* schluessel) {
    const QRegularExpression re(QLatin1String(schluessel) + QStringLiteral(":\\s+(0x[0-9a-fA-F]+)"));
    const QRegularExpressionMatch m = re.match(bericht);
    return m.hasMatch() ? m.captured(1).toULong(nullptr, 16) : 0;
}

QString hex(unsigned long id) {
    return QStringLiteral("0x") + QString::number(id, 16);
}

// The frame once: nothing while the window is not mapped.
std::optional<QRect> rahmenJetzt(unsigned long id) {
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hex(id)});
    if (!p.waitForFinished(10000) || p.exitCode() != 0) return std::nullopt;
    if (!QString::fromUtf8(p.readAllStandardOutput()).contains(QLatin1String("Map State: IsViewable")))
        return std::nullopt;
    unsigned long oberstes = id;
    for (int tiefe = 0; tiefe < 16; ++tiefe) {
        p.start(QStringLiteral("xwininfo"),
                {QStringLiteral("-children"), QStringLiteral("-id"), hex(oberstes)});
        if (!p.waitForFinished(10000) || p.exitCode() != 0) return std::nullopt;
        const QString baum = QString::fromUtf8(p.readAllStandardOutput());
        const unsigned long eltern = fensterId(baum, "Parent window id");
        if (eltern == 0 || eltern == fensterId(baum, "Root window id")) break;
        oberstes = eltern;
    }
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hex(oberstes)});
    if (!p.waitForFinished(10000) || p.exitCode() != 0) return std::nullopt;
    const QString r = QString::fromUtf8(p.readAllStandardOutput());
    const int rand = std::max(0, wert(r, "Border width"));
    return QRect(wert(r, "Absolute upper-left X") - rand, wert(r, "Absolute upper-left Y") - rand,
                 wert(r, "Width") + 2 * rand, wert(r, "Height") + 2 * rand);
}

}  // namespace

QRect schirmVorgabe() {
    const QString s = qEnvironmentVariable("KALVENDO_SCHIRM", QStringLiteral("1366x768"));
    const QStringList teile = s.split(QLatin1Char('x'));
    return teile.size() == 2 ? QRect(0, 0, teile[0].toInt(), teile[1].toInt()) : QRect();
}

QString ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForStarted(10000)) {
        QTest::qFail(qPrintable(programm + QStringLiteral(" startet nicht")), __FILE__, __LINE__);
        return {};
    }
    p.waitForFinished(30000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        QTest::qFail(qPrintable(programm + QLatin1Char(' ') + argumente.join(QLatin1Char(' ')) +
                                QStringLiteral(": ") + QString::fromUtf8(p.readAllStandardError())),
                     __FILE__, __LINE__);
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::optional<QRect> rahmenVonAussen(unsigned long id, int ms) {
    // mapped, framed by the window manager and placed by the program: the
    // same frame read twice, 150 ms apart
    QElapsedTimer uhr;
    uhr.start();
    std::optional<QRect> vorher;
    while (uhr.elapsed() < ms) {
        const std::optional<QRect> jetzt = rahmenJetzt(id);
        if (jetzt && vorher && *jetzt == *vorher) return jetzt;
        vorher = jetzt;
        QTest::qWait(150);
    }
    return std::nullopt;
}

QList<unsigned long> fensterDesProzesses(qint64 pid, const QString& name) {
    QProcess p;
    p.start(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
             QString::number(pid), QStringLiteral("--name"), name});
    p.waitForFinished(10000);
    QList<unsigned long> ids;
    for (const QString& z :
         QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ids << z.trimmed().toULong();
    return ids;
}

void tippen(unsigned long id, const QStringList& tasten) {
    ausfuehren(QStringLiteral("xdotool"),
               {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(id)});
    for (const QString& t : tasten) {
        ausfuehren(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), t});
        // a menu opens before the next key reaches it
        QTest::qWait(200);
    }
}

}  // namespace kv::test
