#include "mainwindow/QtFileUi.h"

#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>

#include "resources/Strings.h"

namespace hm {
namespace {

const QString kCaption = QStringLiteral("Haulmetry");

void logLine(const char* what, const std::string& text) {
    std::printf("%s: %s\n", what, text.c_str());
    std::fflush(stdout);
}

}  // namespace

std::optional<std::string> QtFileUi::chooseOpenFile(const std::string& startDirectory) {
    if (scripted_) {
        std::optional<std::string> path = nextOpenPath_;
        nextOpenPath_.reset();
        logLine("open-dialog", path.value_or("(cancelled)"));
        return path;
    }
    QFileDialog dialog(nullptr, QStringLiteral("Open File"),
                       QString::fromStdString(startDirectory));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(
        {QStringLiteral("Haulmetry Data Files (*.asc)"), QStringLiteral("All Files (*)")});
    dialog.selectNameFilter(QStringLiteral("Haulmetry Data Files (*.asc)"));
    dialog.setDefaultSuffix(QStringLiteral("asc"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

bool QtFileUi::askYesNo(const std::string& text, const std::string& details) {
    if (scripted_) {
        const bool yes = text != str(sid::kRetryQuestion);
        logLine(yes ? "question (yes)" : "question (no)", text);
        for (size_t start = 0; start < details.size();) {
            const size_t end = std::min(details.find('\n', start), details.size());
            logLine("details", details.substr(start, end - start));
            start = end + 1;
        }
        return yes;
    }
    // No icon: the questions (retry, save, erase) are plain Yes/No boxes.
    QMessageBox box(QMessageBox::NoIcon, kCaption, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    if (!details.empty()) {
        box.setDetailedText(QString::fromStdString(details));
    }
    return box.exec() == QMessageBox::Yes;
}

void QtFileUi::showMessage(const std::string& text, MessageIcon icon) {
    if (scripted_) {
        logLine("message", text);
        return;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case MessageIcon::Exclamation:
            qicon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            qicon = QMessageBox::Critical;
            break;
    }
    QMessageBox box(qicon, kCaption, QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

void QtFileUi::showNotice(const std::string& text) {
    if (scripted_) {
        logLine("notice", text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, kCaption, QString::fromStdString(text),
                                QMessageBox::Ok, owner_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace hm
