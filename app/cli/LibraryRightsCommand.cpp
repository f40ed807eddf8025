// `haulmetry library setup`, `grant WORKSHOP` and `revoke WORKSHOP`: a shared library's roles
// and rights, run by its owner (docs/library.md, "Roles and rights"). A workshop's password is
// read from standard input, or made here and printed once: it is never an argument, which any
// user of the computer could read in the process list.
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <iostream>
#include <string>

#include "app/cli/LibraryArgs.h"
#include "app/cli/Subcommand.h"

namespace hm::cli {
namespace {

constexpr int kPasswordLength = 24;

// A password of kPasswordLength letters and digits from the system's random source.
std::string madePassword() {
    static const char kAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    std::string password;
    for (int i = 0; i < kPasswordLength; ++i) {
        password += kAlphabet[QRandomGenerator::system()->bounded(
            static_cast<quint32>(sizeof kAlphabet - 1))];
    }
    return password;
}

// The first line of standard input when it is no terminal; empty otherwise.
std::string passwordFromInput() {
    if (::isatty(STDIN_FILENO) != 0) {
        return {};
    }
    std::string line;
    std::getline(std::cin, line);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

// Parses `args` with --library, --help and, when `withWorkshop`, one WORKSHOP; opens the
// library. Null after a one-line error.
std::unique_ptr<library::Library> openForRights(QCommandLineParser& parser, const QStringList& args,
                                                const char* subcommand, bool withWorkshop,
                                                std::string& workshop) {
    addHelpOption(parser);
    parser.addOption(libraryOption());
    if (withWorkshop) {
        parser.addPositionalArgument(QStringLiteral("WORKSHOP"),
                                     QStringLiteral("The workshop's role name"));
    }
    processArguments(parser, args, QStringLiteral("library ") + QLatin1String(subcommand));
    if (withWorkshop) {
        if (parser.positionalArguments().size() != 1) {
            libraryError(
                subcommand,
                QCoreApplication::translate("hm::cli", "expected one WORKSHOP").toStdString());
            return nullptr;
        }
        workshop = parser.positionalArguments().front().toStdString();
        if (!library::validWorkshopName(workshop)) {
            libraryError(subcommand,
                         QCoreApplication::translate(
                             "hm::cli",
                             "%1 cannot be a workshop's role: use lower-case letters, digits and "
                             "_, starting with a letter (at most 63, not pg_...)")
                             .arg(shown(workshop))
                             .toStdString());
            return nullptr;
        }
    }
    return openLibrary(parser, subcommand);
}

}  // namespace

int runLibrarySetup(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets a shared PostgreSQL library up as its owner: the schema, the group role "
        "haulmetry_workshop and its rights (read everything, add downloads, nothing else)."));
    std::string none;
    auto lib = openForRights(parser, args, "setup", false, none);
    std::string error;
    if (!lib || !lib->setUpRights(error)) {
        if (lib) {
            libraryError("setup", error);
        }
        return 1;
    }
    printOut(QCoreApplication::translate(
                 "hm::cli",
                 "%1 is set up for workshops (group role %2); add one with haulmetry "
                 "library grant WORKSHOP\n")
                 .arg(QString::fromStdString(lib->describe()),
                      QString::fromLatin1(library::kWorkshopGroup)));
    return 0;
}

int runLibraryGrant(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Adds a workshop's login role to a shared library, as its owner. The password is the "
        "first line of standard input; with none (a terminal, or an empty line) one is made and "
        "printed once."));
    std::string workshop;
    auto lib = openForRights(parser, args, "grant", true, workshop);
    if (!lib) {
        return 1;
    }
    std::string password = passwordFromInput();
    const bool made = password.empty();
    if (made) {
        password = madePassword();
    }
    std::string error;
    if (!lib->grantWorkshop(workshop, password, error)) {
        libraryError("grant", error);
        return 1;
    }
    printOut(QCoreApplication::translate("hm::cli", "The workshop %1 may add to and read %2.\n")
                 .arg(QString::fromStdString(workshop), QString::fromStdString(lib->describe())));
    if (made) {
        printOut(QCoreApplication::translate(
                     "hm::cli", "Its password (shown only now; for the workshop's ~/.pgpass): %1\n")
                     .arg(QString::fromStdString(password)));
    }
    return 0;
}

int runLibraryRevoke(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Takes a workshop's role out of a shared library's workshops, as its owner: it may no "
        "longer log in or add. Its downloads stay, named by it."));
    std::string workshop;
    auto lib = openForRights(parser, args, "revoke", true, workshop);
    std::string error;
    if (!lib || !lib->revokeWorkshop(workshop, error)) {
        if (lib) {
            libraryError("revoke", error);
        }
        return 1;
    }
    printOut(QCoreApplication::translate("hm::cli", "The workshop %1 may no longer use %2.\n")
                 .arg(QString::fromStdString(workshop), QString::fromStdString(lib->describe())));
    return 0;
}

}  // namespace hm::cli
