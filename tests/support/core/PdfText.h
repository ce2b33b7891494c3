// What a PDF file says, read back the way a reader of the sheet would check
// it: the text of each page (pdftotext -layout), every word with its box in
// millimetres (pdftotext -bbox), and the first page as a picture (pdftoppm).
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

namespace PdfText {

struct Word
{
    QString text;
    QRectF mm; // on the page, millimetres from the paper's corner
};

struct Page
{
    QSizeF mm;
    QList<Word> words;
};

// The text of each page, laid out; empty when the file cannot be read.
QStringList pages(const QString& path);

// The non-empty lines of every page, trimmed.
QStringList lines(const QString& path);

// Every word of every page with its box.
QList<Page> words(const QString& path);

// The first page drawn at dpi dots an inch.
QImage firstPageImage(const QString& path, int dpi);

} // namespace PdfText
