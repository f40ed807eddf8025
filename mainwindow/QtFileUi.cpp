#include "mainwindow/QtFileUi.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>

namespace hm {
namespace {

const QString kCaption = QStringLiteral("Haulmetry");

// A message or question whose every line is "label<TAB>value" (the summary after a load) as a
// two-column table, so that the values line up whatever the font; any other as plain text.
void setMessageText(QMessageBox& box, const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    const bool table =
        !lines.isEmpty() && std::all_of(lines.begin(), lines.end(), [](const QString& l) {
            return l.count(QLatin1Char('\t')) == 1;
        });
    // The text can be selected and copied (a file name, a folder), with the mouse or, after a
    // click or Tab into it, Ctrl+A and Ctrl+C.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (!table) {
        // Never taken for markup: a file name may hold '<'.
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        return;
    }
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        html += QStringLiteral("<tr><td style=\"padding-right: 2em\">%1</td><td>%2</td></tr>")
                    .arg(line.left(tab).toHtmlEscaped(), line.mid(tab + 1).toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    box.setTextFormat(Qt::RichText);
    box.setText(html);
}

}  // namespace

std::optional<std::string> QtFileUi::chooseOpenFile(const std::string& startDirectory) {
    if (other_) {
        return other_->chooseOpenFile(startDirectory);
    }
    QFileDialog dialog(nullptr, QCoreApplication::translate("hm::QtFileUi", "Open File"),
                       QString::fromStdString(startDirectory));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(
        {QCoreApplication::translate("hm::QtFileUi", "Haulmetry Data Files (*.asc)"),
         QCoreApplication::translate("hm::QtFileUi", "All Files (*)")});
    dialog.selectNameFilter(
        QCoreApplication::translate("hm::QtFileUi", "Haulmetry Data Files (*.asc)"));
    dialog.setDefaultSuffix(QStringLiteral("asc"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

bool QtFileUi::askYesNo(const std::string& text, const std::string& details) {
    if (other_) {
        return other_->askYesNo(text, details);
    }
    // No icon: the questions (retry, save, erase) are plain Yes/No boxes.
    QMessageBox box(QMessageBox::NoIcon, kCaption, QString(), QMessageBox::Yes | QMessageBox::No,
                    owner_);
    setMessageText(box, QString::fromStdString(text));
    box.setDefaultButton(QMessageBox::Yes);
    if (!details.empty()) {
        box.setDetailedText(QString::fromStdString(details));
    }
    return box.exec() == QMessageBox::Yes;
}

void QtFileUi::showMessage(const std::string& text, MessageIcon icon) {
    if (other_) {
        other_->showMessage(text, icon);
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
    QMessageBox box(qicon, kCaption, QString(), QMessageBox::Ok, owner_);
    setMessageText(box, QString::fromStdString(text));
    box.exec();
}

void QtFileUi::showNotice(const std::string& text) {
    if (other_) {
        other_->showNotice(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, kCaption, QString::fromStdString(text),
                                QMessageBox::Ok, owner_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace hm
