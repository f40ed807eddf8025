#include "app/GuiMain.h"

#include <QApplication>

#include "app/ArgumentBytes.h"
#include "app/CHaulApp.h"

namespace hm {

int runGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Haulmetry"));
    QApplication::setApplicationVersion(QStringLiteral(HM_VERSION_TEXT));
    // From argv (without the options QApplication took), so that paths keep their exact bytes.
    CHaulApp haul;
    return haul.run(argumentsFromArgv(argc, argv, 1));
}

}  // namespace hm
