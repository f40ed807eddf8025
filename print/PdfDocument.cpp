#include "print/PdfDocument.h"

#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace hm {
namespace {

const QString kProgram = QStringLiteral("Haulmetry");

// `text` for an XML text node: markup escaped, and the characters XML 1.0 cannot hold dropped.
QString xmlText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 || u == '\t' || u == '\n' || u == '\r') {
            kept += c;
        }
    }
    return kept.toHtmlEscaped();
}

QString author(const PdfMetadata& metadata) {
    return metadata.author.isEmpty() ? kProgram : metadata.author;
}

}  // namespace

QByteArray pdfXmpMetadata(const PdfMetadata& metadata, const QString& createdAt) {
    const QString alt =
        QStringLiteral("<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>");
    QString xmp = QStringLiteral(
        "<?xpacket begin='\uFEFF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n");
    xmp += QStringLiteral(
               "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
               "<dc:title>%1</dc:title>\n"
               "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
               "<dc:description>%3</dc:description>\n"
               "</rdf:Description>\n")
               .arg(alt.arg(xmlText(metadata.title)), xmlText(author(metadata)),
                    alt.arg(xmlText(metadata.subject)));
    xmp += QStringLiteral(
               "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
               "<pdf:Producer>%1</pdf:Producer>\n"
               "<pdf:Keywords>%2</pdf:Keywords>\n"
               "</rdf:Description>\n")
               .arg(xmlText(QStringLiteral("Qt " QT_VERSION_STR)),
                    xmlText(metadata.keywords.join(QStringLiteral(", "))));
    xmp += QStringLiteral(
               "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
               "<xmp:CreatorTool>%1</xmp:CreatorTool>\n"
               "<xmp:CreateDate>%2</xmp:CreateDate>\n"
               "</rdf:Description>\n")
               .arg(kProgram, createdAt);
    xmp += QStringLiteral(
        "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
        "<pdfaid:part>1</pdfaid:part>\n"
        "<pdfaid:conformance>B</pdfaid:conformance>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end='w'?>\n");
    return xmp.toUtf8();
}

void setUpPdfWriter(QPdfWriter& writer, const PdfMetadata& metadata, int dpi) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(dpi);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setCreator(kProgram);
    writer.setTitle(metadata.title);
    // The document information's creation date is taken when the painter begins, within the
    // same second as this one.
    const QDateTime now = QDateTime::currentDateTime();
    const QString createdAt = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    writer.setDocumentXmpMetadata(pdfXmpMetadata(metadata, createdAt));
}

}  // namespace hm
