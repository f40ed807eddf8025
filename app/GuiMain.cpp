#include "app/GuiMain.h"

#include <QApplication>
#include <QDialog>

#include "resources/Strings.h"

namespace hm {

int runGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Haulmetry"));
    QDialog window;
    window.setWindowTitle(QString::fromUtf8(str(sid::kTitleBase)) +
                          QString::fromUtf8(str(sid::kNoDataLoaded)));
    window.resize(700, 420);
    window.show();
    return app.exec();
}

}  // namespace hm
