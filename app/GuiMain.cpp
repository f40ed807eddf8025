#include "app/GuiMain.h"

#include <QApplication>

#include "app/CHaulApp.h"

namespace hm {

int runGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Haulmetry"));
    QApplication::setApplicationVersion(QStringLiteral(HM_VERSION_TEXT));
    QStringList args = QApplication::arguments();
    args.removeFirst();
    CHaulApp haul;
    return haul.run(args);
}

}  // namespace hm
