#pragma once
// Lets a data file dropped on a window be opened: installed as an event filter on the main
// dialog (which must accept drops), it accepts a drag that carries exactly one local file and
// hands that file's path (raw file-system bytes) to `openFile`. A drop the window cannot take
// now (openFile returns false) is refused. Window thread.
#include <QObject>
#include <functional>
#include <string>

class QMimeData;

namespace hm {

class FileDropFilter : public QObject {
    Q_OBJECT

  public:
    explicit FileDropFilter(std::function<bool(const std::string&)> openFile,
                            QObject* parent = nullptr);

    // The one local file a drag carries, or "" when it carries anything else.
    static std::string droppedFile(const QMimeData* mime);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool(const std::string&)> openFile_;
};

}  // namespace hm
