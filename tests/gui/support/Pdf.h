// Reading back what the program printed into PDF files, with the tools of
// poppler-utils: the words with their boxes (pdftotext -bbox), the page
// count and title (pdfinfo), and a page as a picture (pdftoppm).
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace kv::test {

// A word and the top-left corner of its box, in millimetres from the top-left
// corner of the paper, and the box's height: the cell of its font.
struct PdfWort {
    int seite = 1;
    QString text;
    double x = 0;
    double y = 0;
    double hoehe = 0;
};

// Every word of the file, in the order pdftotext gives them. Fails the
// running test when the tool cannot read the file.
QList<PdfWort> pdfWoerter(const QString& pdf);
int pdfSeiten(const QString& pdf);
QString pdfTitel(const QString& pdf);
// Page 1 in grey at 254 dots per inch: one pixel per tenth of a millimetre.
QImage pdfBild(const QString& pdf);

}  // namespace kv::test
