#pragma once
// Hand-over from a second start to the running window: the running copy listens on a local
// socket beside its single-instance lock (a folder only this user can enter); a second start
// given a file connects, sends "open <absolute path>" ended by a zero byte (a name may hold a
// line break, never a zero byte) and reads one answer line: "ok" when the
// window takes the file, "busy" when it cannot load now (a download or a dialog is running).
// Window thread.
#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

namespace hm {

// `file` made absolute against the current folder (not resolved: links stay as named); ""
// when the current folder cannot be read.
std::string absoluteFilePath(const std::string& file);

// The socket path in the lock's folder.
std::string handOverSocketPath(const std::string& lockDirectory);

class InstanceServer : public QObject {
    Q_OBJECT

  public:
    // `openFile` is called for each handed-over path (raw bytes, absolute); it returns false
    // when the window cannot take a file now.
    explicit InstanceServer(std::function<bool(const std::string&)> openFile,
                            QObject* parent = nullptr);

    // Listens on `socketPath`, replacing a socket left by a copy that has ended (the caller
    // holds the single-instance lock, so no running copy uses it). False with `error` set.
    bool listen(const std::string& socketPath, QString& error);

  private:
    void onConnection();

    QLocalServer server_;
    std::function<bool(const std::string&)> openFile_;
};

enum class HandOverResult { Taken, Busy, NoAnswer };

// The second start's side: hands `file` (made absolute against the current folder) to the copy
// listening on `socketPath`, waiting at most `timeoutMs` in all. NoAnswer with `error` set when
// no copy answered.
HandOverResult handOverFile(const std::string& socketPath, const std::string& file, int timeoutMs,
                            QString& error);

}  // namespace hm
