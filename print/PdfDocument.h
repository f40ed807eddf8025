#pragma once
// The set-up every PDF of the program shares: A4 without margins, PDF/A-1b (fonts embedded, an
// sRGB output intent, XMP metadata), and the document's title, author, subject and keywords in
// both the document information and the XMP metadata, so that an archive or a search finds the
// document by them. Window thread or a command-line main thread.
#include <QString>
#include <QStringList>

class QPdfWriter;

namespace hm {

struct PdfMetadata {
    QString title;
    QString author;  // empty: the program
    QString subject;
    QStringList keywords;
};

// Sets up `writer` (not begun yet) for pages at `dpi` dots per inch with `metadata`. Texts that
// XML cannot hold (control characters) are left out of the XMP metadata.
void setUpPdfWriter(QPdfWriter& writer, const PdfMetadata& metadata, int dpi);

// The XMP packet of setUpPdfWriter for `metadata`, created at `createdAt` (ISO 8601 with its
// offset, as the document information's creation date): PDF/A-1 part 1, conformance B.
QByteArray pdfXmpMetadata(const PdfMetadata& metadata, const QString& createdAt);

}  // namespace hm
