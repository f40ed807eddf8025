#pragma once
// The full report of one data file as a multi-page PDF or on a printer. Every graph and record
// page is painted by the same page drawing as the preview and `haulmetry page` (paintPage); the
// report adds the cover, the findings and sign-off pages, the workshop's name above every page
// and the "n of N" footers. The PDF is PDF/A-1b. Window thread or a command-line main thread.
#include <QString>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "printing/PrintModule.h"

class QPainter;
class QPrinter;

namespace hm {

int reportPageCount(const ReportSource& source);

// Paints page `index` (0-based, below reportPageCount) with its footer at the foot of the
// painter's device; the painter's origin is the top-left corner of the printable area.
void paintReportPage(QPainter& painter, const ReportSource& source, int index, double dpiX,
                     double dpiY);

// Writes every page as an A4 PDF/A-1b whose title, author (the workshop, else the program),
// subject and keywords name the report; the file appears only when complete, through
// writeFileAtomic (a symbolic link is followed; a FIFO, device, folder or link loop is refused
// and left alone). False with a short reason in `error` when it cannot be written. A logo that
// cannot be drawn leaves it out; `warning` (may be null) then says why, the report is written.
// `path` as file-system bytes, exactly as given by the user:
bool writeReportPdf(const ReportSource& source, const std::string& path, QString* error,
                    QString* warning = nullptr);
// `path` as text, encoded for the file system:
bool writeReportPdf(const ReportSource& source, const QString& path, QString* error,
                    QString* warning = nullptr);

// Why the logo of `source` cannot be drawn ("the logo /x.svg is not ..."), or empty (no logo,
// or one that can be drawn).
QString reportLogoProblem(const ReportSource& source);

// Prints every page on `printer` (already set up, e.g. by a print dialog). False with a short
// reason in `error` when the printer cannot be opened or fails.
bool printReport(QPrinter& printer, const ReportSource& source, QString* error);

}  // namespace hm
