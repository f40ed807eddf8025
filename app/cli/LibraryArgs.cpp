#include "app/cli/LibraryArgs.h"

#include <QCoreApplication>

#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "library/LibraryLocation.h"
#include "platform/FileAccess.h"

namespace hm::cli {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "\xNN" and "\\" escapes read back as the bytes they stand for; everything else as it is.
std::string unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
                   hexDigit(text[i + 2]) >= 0 && hexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string unescapedIdent(const std::string& text) {
    return unescaped(text);
}

std::string detailsText(const std::string& ident, const library::TrailerDetails& details) {
    std::string out =
        QCoreApplication::translate("hm::cli", "trailer %1:").arg(shown(ident)).toStdString() +
        "\n";
    const std::pair<QString, const std::string*> fields[] = {
        {QCoreApplication::translate("hm::cli", "plate"), &details.plate},
        {QCoreApplication::translate("hm::cli", "fleet number"), &details.fleetNumber},
        {QCoreApplication::translate("hm::cli", "customer"), &details.customer},
        {QCoreApplication::translate("hm::cli", "notes"), &details.notes},
    };
    for (const auto& [name, value] : fields) {
        if (!value->empty()) {
            out += "  " + name.toStdString() + ": " + printablePath(*value) + "\n";
        }
    }
    if (details.empty()) {
        out += "  " + QCoreApplication::translate("hm::cli", "no details").toStdString() + "\n";
    }
    return out;
}

QCommandLineOption libraryOption() {
    return QCommandLineOption(
        QStringLiteral("library"),
        QStringLiteral("The library: an SQLite file, or postgresql://USER@HOST:PORT/DATABASE for "
                       "a shared one (default: $HAULMETRY_LIBRARY, the settings, else "
                       "$XDG_DATA_HOME/haulmetry/library.sqlite)."),
        QStringLiteral("URL"));
}

void libraryError(const char* subcommand, const std::string& text) {
    printError(QCoreApplication::translate("hm::cli", "haulmetry library %1: %2")
                   .arg(QString::fromLatin1(subcommand), QString::fromStdString(text)));
}

QString shown(const std::string& bytes) {
    return QString::fromStdString(printablePath(bytes));
}

std::unique_ptr<library::Library> openLibrary(const QCommandLineParser& parser,
                                              const char* subcommand) {
    const std::string url = parser.isSet(QStringLiteral("library"))
                                ? localPath(parser.value(QStringLiteral("library")))
                                : std::string();
    std::string error;
    std::string notice;
    auto lib = library::Library::open(library::resolveLocation(url), error, &notice);
    if (!error.empty()) {
        libraryError(subcommand, error);
    }
    if (!notice.empty()) {
        libraryError(subcommand, notice);
    }
    return lib;
}

namespace {

// The identification that a plate or fleet number names, when `text` names no identification:
// true with `ident` set (left as it is when none matches). False after a one-line error when
// the library cannot be read or the text names several trailers.
bool identOfDetails(library::Library& lib, const std::string& text, const char* subcommand,
                    std::string& ident) {
    std::vector<std::string> found;
    std::string error;
    if (!lib.findTrailers(text, found, error)) {
        libraryError(subcommand, error);
        return false;
    }
    if (found.size() > 1) {
        QStringList names;
        for (const std::string& f : found) {
            names << shown(f);
        }
        libraryError(
            subcommand,
            QCoreApplication::translate("hm::cli",
                                        "%1 is the plate or fleet number of %2 trailers (%3); "
                                        "give the identification")
                .arg(shown(text), QString::number(found.size()), names.join(QStringLiteral(", ")))
                .toStdString());
        return false;
    }
    if (found.size() == 1) {
        ident = found.front();
    }
    return true;
}

}  // namespace

bool trailerHistory(library::Library& lib, const QString& identArg, const char* subcommand,
                    std::vector<library::Entry>& entries) {
    // The identification as lists and messages show it first (there "\x0A" is a line feed and
    // "\\x0A" the text), then its bytes as given, then the trailer whose plate or fleet
    // number it is.
    const std::string ident = localPath(identArg);
    std::string error;
    if (!lib.history(unescaped(ident), entries, error)) {
        libraryError(subcommand, error);
        return false;
    }
    if (entries.empty() && unescaped(ident) != ident && !lib.history(ident, entries, error)) {
        libraryError(subcommand, error);
        return false;
    }
    std::string named;
    if (entries.empty() && (!identOfDetails(lib, ident, subcommand, named) ||
                            (!named.empty() && !lib.history(named, entries, error)))) {
        if (!error.empty()) {
            libraryError(subcommand, error);
        }
        return false;
    }
    if (entries.empty()) {
        libraryError(subcommand,
                     QCoreApplication::translate("hm::cli", "no download of the trailer %1 in %2")
                         .arg(shown(ident), QString::fromStdString(lib.describe()))
                         .toStdString());
        return false;
    }
    return true;
}

}  // namespace hm::cli
