// `haulmetry page FILE (--graph N | --record N) -o OUT`: renders the printed page of graph N
// (1..10) or of stability record N (1-based, as the record buttons count) of a data file to a
// PDF or PNG file, chosen by OUT's extension.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "fleetdata/DataFile.h"
#include "graphs/GraphDisplay.h"
#include "platform/FileAccess.h"
#include "printing/PrintModule.h"

namespace {

constexpr int kPngDpi = 150;

int usageError(const QString& message) {
    hm::cli::printError(QCoreApplication::translate("hm::cli", "haulmetry page: %1").arg(message));
    return 1;
}

bool parseNumber(const QString& text, int low, int high, int& out) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high) {
        return false;
    }
    out = n;
    return true;
}

struct PageRequest {
    QString file;
    QString out;
    int graph = 0;   // 1..10, or 0 for a record page
    int record = 0;  // 1..32, or 0 for a graph page
};

// Reads FILE, --graph N or --record N, and -o OUT; the exit status when they are not usable.
std::optional<int> readPageRequest(const QStringList& args, PageRequest& r) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--graph") && hasValue) {
            if (!parseNumber(args[++i], 1, hm::kGraphCount, r.graph)) {
                return usageError(
                    QCoreApplication::translate("hm::cli", "--graph needs a number from 1 to 10"));
            }
        } else if (a == QLatin1String("--record") && hasValue) {
            if (!parseNumber(args[++i], 1, hm::kStabilitySlots, r.record)) {
                return usageError(
                    QCoreApplication::translate("hm::cli", "--record needs a number from 1 to 32"));
            }
        } else if ((a == QLatin1String("-o") || a == QLatin1String("--output")) && hasValue) {
            r.out = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) || !r.file.isEmpty()) {
            return usageError(
                QCoreApplication::translate("hm::cli", "unexpected argument '%1' (see --help)")
                    .arg(hm::cli::displayPath(a)));
        } else {
            r.file = a;
        }
    }
    if (r.file.isEmpty() || r.out.isEmpty() || (r.graph == 0) == (r.record == 0)) {
        return usageError(QCoreApplication::translate(
            "hm::cli", "usage: haulmetry page FILE (--graph N | --record N) -o OUT"));
    }
    const QString suffix = QFileInfo(r.out).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png")) {
        return usageError(QCoreApplication::translate("hm::cli", "OUT must end in .pdf or .png"));
    }
    return std::nullopt;
}

// Draws the requested page of `image` (read from `filePath`) into r.out; the exit status.
int writePage(const PageRequest& r, const hm::FleetDataImage& image, const std::string& filePath) {
    hm::PageInputs inputs{image, {}, hm::PageKind::Graph, 0, {}, 0};
    if (r.graph != 0) {
        hm::computeGraphDisplay(image, r.graph, inputs.graph, inputs.shownIntervalCount);
        inputs.graph.selectedGraph = r.graph;
    } else {
        inputs.printPageKind = hm::PageKind::Stability;
        inputs.selectedRecord = r.record - 1;
    }
    inputs.loadedFileName = hm::printablePath(std::filesystem::path(filePath).filename().string());

    QString error;
    const hm::PrintModule* printing = hm::printModule(&error);
    if (printing == nullptr) {
        return usageError(error);
    }
    const std::string outPath = hm::cli::localPath(r.out);
    const bool ok = QFileInfo(r.out).suffix().toLower() == QLatin1String("pdf")
                        ? printing->writePagePdf(inputs, outPath, &error)
                        : printing->writePagePng(inputs, outPath, kPngDpi, &error);
    return ok ? 0 : usageError(error);
}

}  // namespace

namespace hm::cli {

int runPage(const QStringList& args) {
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        hm::cli::printOut(QStringLiteral(
            "Usage: haulmetry page FILE (--graph N | --record N) -o OUT\n"
            "Renders the printed page of graph N (1 to 10) or of stability record N (1-based)\n"
            "of the data file FILE to OUT, a PDF (.pdf) or a PNG (.png) file.\n"));
        return 0;
    }
    PageRequest request;
    if (const auto status = readPageRequest(args, request)) {
        return *status;
    }
    hm::FleetDataImage image{};
    image.clear();
    const std::string filePath = hm::cli::localPath(request.file);
    const hm::DataFileRead read = hm::readDataFile(filePath, image);
    if (!read.ok()) {
        return usageError(
            QCoreApplication::translate("hm::cli", "%1: %2")
                .arg(hm::cli::displayPath(request.file), QString::fromStdString(read.reason)));
    }
    if (request.record != 0 && static_cast<uint32_t>(request.record) > image.stabilityRecordCount) {
        return usageError(
            QCoreApplication::translate("hm::cli", "%1 holds %2 stability records, not %3")
                .arg(hm::cli::displayPath(request.file))
                .arg(image.stabilityRecordCount)
                .arg(request.record));
    }
    return writePage(request, image, filePath);
}

}  // namespace hm::cli
