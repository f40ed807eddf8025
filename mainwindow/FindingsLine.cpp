// The main window's findings line: one line between the progress bar's place and the graph
// title that names the trailer on display, its total distance and the findings of its data, so
// a technician sees at once what the data says. Clicking it (or kFindingsKey) opens the
// findings window with every finding. Its Tab stop comes after the buttons' (the column, then
// previous and next).
#include <QAccessible>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "mainwindow/CHaulDlg.h"

namespace hm {
namespace {

// The whole line: "TRL00000, 12345 km: Attention: Driven overloaded ... (and 2 more)".
QString summaryLine(const DataSummary& s) {
    const QString trailer =
        CHaulDlg::tr("Trailer %1, %2 km").arg(QString::fromStdString(s.ident)).arg(s.distanceKm);
    if (s.findings.empty()) {
        return CHaulDlg::tr("%1: no findings").arg(trailer);
    }
    const QString first = QString::fromStdString(s.findings.front().text);
    if (s.findings.size() == 1) {
        return CHaulDlg::tr("%1: %2").arg(trailer, first);
    }
    return CHaulDlg::tr("%1: %2 (and %3 more)")
        .arg(trailer, first)
        .arg(static_cast<int>(s.findings.size()) - 1);
}

// The findings window's text: the trailer, then one finding a line.
QString findingsText(const DataSummary& s) {
    QString text =
        CHaulDlg::tr("Trailer %1, %2 km").arg(QString::fromStdString(s.ident)).arg(s.distanceKm) +
        QStringLiteral("\n\n");
    if (s.findings.empty()) {
        text += CHaulDlg::tr("The rules give no findings for this data.");
    }
    for (const ShownFinding& f : s.findings) {
        text += QString::fromStdString(f.text) + QLatin1Char('\n');
    }
    if (!s.rulesNote.empty()) {
        text += QStringLiteral("\n") +
                CHaulDlg::tr(
                    "The findings rules file cannot be used (line %1: %2); the default "
                    "rules apply.")
                    .arg(s.rulesLine)
                    .arg(QString::fromStdString(s.rulesNote));
    }
    return text.trimmed();
}

}  // namespace

void CHaulDlg::buildFindingsLine() {
    findingsLine_ = new QPushButton(this);
    findingsLine_->setGeometry(duRect(49, 18, 361, 11));
    findingsLine_->setFlat(true);
    findingsLine_->setAutoDefault(false);
    findingsLine_->setFocusPolicy(Qt::TabFocus);
    findingsLine_->setStyleSheet(QStringLiteral("text-align: left; padding: 0px 2px;"));
    findingsLine_->setAccessibleName(tr("Findings"));
    findingsLine_->hide();
    connect(findingsLine_, &QPushButton::clicked, this, &CHaulDlg::showFindings);
    auto* key = new QShortcut(QKeySequence(kFindingsKey), this);
    connect(key, &QShortcut::activated, this, &CHaulDlg::showFindings);
}

void CHaulDlg::renderSummary(const DataSummary& summary) {
    if (summary == shown_.summary && findingsLine_->isVisible() == summary.shown) {
        return;
    }
    if (!summary.shown) {
        findingsLine_->hide();
        return;
    }
    const QString line = summaryLine(summary);
    const bool attention = std::any_of(summary.findings.begin(), summary.findings.end(),
                                       [](const ShownFinding& f) { return f.attention; });
    QFont font = findingsLine_->font();
    font.setBold(attention);
    findingsLine_->setFont(font);
    // The line is cut to its place; the tooltip, the description and the window hold it all.
    const int room = findingsLine_->width() - 6 * QFontMetrics(font).averageCharWidth();
    findingsLine_->setText(QFontMetrics(font).elidedText(line, Qt::ElideRight, room));
    findingsLine_->setToolTip(line);
    findingsLine_->setAccessibleDescription(
        tr("%1. Press Ctrl+F or click for the findings window.").arg(line));
    findingsLine_->show();
    QAccessibleEvent changed(findingsLine_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void CHaulDlg::showFindings() {
    const DataSummary& summary = session_->view().summary;
    if (!summary.shown) {
        return;
    }
    QMessageBox box(this);
    box.setWindowTitle(tr("Findings"));
    box.setIcon(QMessageBox::Information);
    box.setText(findingsText(summary));
    box.setStandardButtons(QMessageBox::Close);
    box.exec();
}

}  // namespace hm
