#include "Pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace kv::test {

namespace {

constexpr double kMmProPunkt = 25.4 / 72.0;

QByteArray ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("%1 %2 scheiterte: %3")
                                    .arg(programm, argumente.join(QLatin1Char(' ')),
                                         QString::fromLocal8Bit(p.readAllStandardError()))),
                     __FILE__, __LINE__);
        return {};
    }
    return p.readAllStandardOutput();
}

}  // namespace

QList<PdfWort> pdfWoerter(const QString& pdf) {
    const QString xml = QString::fromUtf8(
        ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression seite(QStringLiteral("<page "));
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWort> woerter;
    int nummer = 0;
    for (const QString& zeile : xml.split(QLatin1Char('\n'))) {
        if (zeile.contains(seite)) ++nummer;
        const auto m = wort.match(zeile);
        if (!m.hasMatch()) continue;
        const double oben = m.captured(2).toDouble();
        woerter.append({nummer, m.captured(4), m.captured(1).toDouble() * kMmProPunkt, oben * kMmProPunkt,
                        (m.captured(3).toDouble() - oben) * kMmProPunkt});
    }
    return woerter;
}

namespace {
QString infoZeile(const QString& pdf, const QString& schluessel) {
    const QString text = QString::fromUtf8(ausfuehren(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString& z : text.split(QLatin1Char('\n')))
        if (z.startsWith(schluessel + QLatin1Char(':'))) return z.mid(schluessel.size() + 1).trimmed();
    return {};
}
}  // namespace

int pdfSeiten(const QString& pdf) {
    return infoZeile(pdf, QStringLiteral("Pages")).toInt();
}

QString pdfTitel(const QString& pdf) {
    return infoZeile(pdf, QStringLiteral("Title"));
}

QImage pdfBild(const QString& pdf) {
    QTemporaryDir tmp;
    const QString ziel = tmp.path() + QStringLiteral("/seite");
    ausfuehren(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, ziel});
    QImage bild(ziel + QStringLiteral(".pgm"));
    if (bild.isNull()) QTest::qFail("Seitenbild nicht lesbar", __FILE__, __LINE__);
    return bild.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace kv::test
