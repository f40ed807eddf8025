#include "mainwindow/LinkTraceView.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <string>

#include "mainwindow/LinkTraceModel.h"
#include "platform/AtomicFile.h"
#include "resources/Strings.h"
#include "widgets/UiText.h"

namespace hm {

LinkTraceView::LinkTraceView(ecu::TraceRing& ring, std::function<std::string()> startFolder,
                             QWidget* parent)
    : QDialog(parent, Qt::Window),
      ring_(ring),
      startFolder_(std::move(startFolder)),
      model_(new LinkTraceModel(ring.capacity(), this)),
      table_(new QTableView(this)) {
    setWindowTitle(tr("Link Trace"));
    setModal(false);

    table_->setModel(model_);
    table_->setAccessibleName(uiText(sid::kA11yTraceTable));
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured over 10,000 rows.
    const QFontMetrics fm(table_->font());
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    const int digit = fm.horizontalAdvance(QLatin1Char('0'));
    table_->setColumnWidth(LinkTraceModel::section(LinkTraceModel::Column::Time), digit * 10);
    table_->setColumnWidth(LinkTraceModel::section(LinkTraceModel::Column::Direction),
                           fm.horizontalAdvance(LinkTraceModel::tr("Direction")) + digit * 2);
    table_->setColumnWidth(LinkTraceModel::section(LinkTraceModel::Column::Bytes), digit * 3 * 24);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* saveButton = new QPushButton(tr("&Save..."), this);
    auto* clearButton = new QPushButton(tr("&Clear"), this);
    saveButton->setAutoDefault(false);
    clearButton->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &LinkTraceView::save);
    connect(clearButton, &QPushButton::clicked, this, &LinkTraceView::clearTrace);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(digit * 130, fm.height() * 30);
}

LinkTraceView::~LinkTraceView() {
    ring_.setListener({});
}

int LinkTraceView::rowCount() const {
    return model_->rowCount();
}

void LinkTraceView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Called on the pushing thread under the ring's lock: only post.
    ring_.setListener(
        [this] { QMetaObject::invokeMethod(this, &LinkTraceView::pull, Qt::QueuedConnection); });
    pull();
}

void LinkTraceView::hideEvent(QHideEvent* event) {
    ring_.setListener({});
    QDialog::hideEvent(event);
}

void LinkTraceView::pull() {
    const QScrollBar* bar = table_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    model_->append(ring_.take(next_, next_));
    if (following) {
        table_->scrollToBottom();
    }
}

void LinkTraceView::save() {
    QString suggested = QStringLiteral("link-trace.txt");
    if (startFolder_) {
        suggested =
            QDir(QFile::decodeName(QByteArray::fromStdString(startFolder_()))).filePath(suggested);
    }
    QString path = QFileDialog::getSaveFileName(this, tr("Save Link Trace"), suggested,
                                                tr("Text Files (*.txt);;All Files (*)"));
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    for (const ecu::TraceEntry& entry : ring_.snapshot()) {
        text += ecu::formatTraceLine(entry);
        text += '\n';
    }
    std::string error;
    if (!writeFileAtomic(QFile::encodeName(path).toStdString(), text.data(), text.size(), error)) {
        QMessageBox::warning(
            this, QStringLiteral("Haulmetry"),
            tr("The link trace was not saved: %1.").arg(QString::fromStdString(error)));
    }
}

void LinkTraceView::clearTrace() {
    ring_.clear();
    model_->clear();
}

}  // namespace hm
