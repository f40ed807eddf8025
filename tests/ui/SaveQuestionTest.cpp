// The save question as the main window's message box shows it, in every language: English keeps
// its bytes ("Save  " + file name + " ?"), and a translation shows the file name whole and its
// own text whole around it (a file name put in at a fixed character position cuts a longer word).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <cstring>
#include <string>

#include "app/Language.h"
#include "fleetdata/DataFile.h"
#include "mainwindow/CHaulDlg.h"
#include "resources/Strings.h"
#include "support/TestSupport.h"

namespace {

// The text of the question box that onSave() opens; the question is answered No.
QString askedSaveQuestion(hm::CHaulDlg& dialog) {
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::No)->click();
        }
    });
    poll.start(20);
    dialog.onSave();
    return shown;
}

struct Case {
    const char* language;
    const char* pattern;  // the whole question; NAME stands for the file name
};

TEST(SaveQuestion, FileNameAndTextWholeInEveryLanguage) {
    hmtest::TempDir dir;
    hmtest::ScopedEnv home("HOME", dir.path().string());
    hm::FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof(hm::kSignature));
    image.blockSize = hm::kImageSize;
    image.setVehicleIdent("ABC", 3);
    image.brakeCountByPressure[0] = 2;
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(dir / "loaded.asc", image, error)) << error;

    const Case cases[] = {{"en", "Save  NAME ?"},       {"de", "NAME speichern?"},
                          {"fr", "Enregistrer NAME ?"}, {"pl", "Zapisać NAME?"},
                          {"nl", "NAME opslaan?"},      {"es", "¿Guardar NAME?"},
                          {"it", "Salvare NAME?"}};
    const QString name = QStringLiteral("Haulmetry ABC - \\d{8}-\\d{4}\\.asc");
    for (const Case& c : cases) {
        hm::setRequestedLanguage(QString::fromLatin1(c.language));
        QString failure;
        ASSERT_TRUE(hm::installLanguage(failure)) << failure.toStdString();
        hm::CHaulDlg::Options options;
        options.session.settingsPath = (dir / "haulmetry.ini").string();
        options.session.startTicks = false;
        hm::CHaulDlg dialog(options);
        dialog.show();
        ASSERT_TRUE(dialog.loadFile((dir / "loaded.asc").string()));
        const QString question = askedSaveQuestion(dialog);
        const QString pattern = QRegularExpression::escape(QString::fromUtf8(c.pattern))
                                    .replace(QStringLiteral("NAME"), name);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"))
                        .match(question)
                        .hasMatch())
            << c.language << ": '" << question.toStdString() << "'";
        if (std::strcmp(c.language, "en") == 0) {
            // English keeps the system's bytes: the name at character position 6 of "Save   ?".
            EXPECT_EQ(hm::str(hm::sid::kSaveQuestion), "Save   ?");
            EXPECT_EQ(question.left(6) + question.right(2), QStringLiteral("Save   ?"));
        }
    }
    hm::setRequestedLanguage(std::nullopt);
    hm::uninstallLanguage();
}

}  // namespace
