#pragma once
// One page drawing for every output: a painter (preview window), a printer, a PDF or PNG file.
#include <QString>
#include <string>

#include "print/core/PageDrawing.h"

class QPainter;
class QPrinter;

namespace hm {

// Draws the page with `painter`, whose origin is the top-left corner of the printable area, on
// a device of `dpiX` x `dpiY` dots per inch.
void paintPage(QPainter& painter, const PageInputs& inputs, double dpiX, double dpiY);

// Prints exactly one page on `printer` (already set up, e.g. by a print dialog). False when the
// printer cannot be opened.
bool printPage(QPrinter& printer, const PageInputs& inputs);

// Writes the page as a one-page A4 PDF / an A4 PNG of `dpi` dots per inch. False with a short
// reason in `error` when the file cannot be written. The file is written whole or not at all
// (writeFileAtomic: a symbolic link is followed, anything but a regular file is refused).
// `path` as file-system bytes, exactly as given by the user:
bool writePagePdf(const PageInputs& inputs, const std::string& path, QString* error);
bool writePagePng(const PageInputs& inputs, const std::string& path, int dpi, QString* error);
// `path` as text, encoded for the file system:
bool writePagePdf(const PageInputs& inputs, const QString& path, QString* error);
bool writePagePng(const PageInputs& inputs, const QString& path, int dpi, QString* error);

}  // namespace hm
