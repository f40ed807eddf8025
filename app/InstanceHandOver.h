#pragma once
// Hand-over from a second start to the running window: the running copy listens on a local
// socket beside its single-instance lock (a folder only this user can enter); a second start
// given a file connects, sends "open <absolute path>" ended by a zero byte (a name may hold a
// line break, never a zero byte) and reads one answer line: "ok" when the
// window takes the file, "busy" when it cannot load now (a download or a dialog is running).
// Plain Unix-domain sockets under a socket notifier: the window program needs no network library
// for this. Window thread.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

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
    ~InstanceServer() override;
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Listens on `socketPath` (only this user may connect), replacing a socket left by a copy
    // that has ended (the caller holds the single-instance lock, so no running copy uses it).
    // False with `error` set. The socket file goes with the server.
    bool listen(const std::string& socketPath, QString& error);

  private:
    struct Peer;
    void onConnection();
    void onPeerReadable(Peer* peer);
    void dropPeer(Peer* peer);

    int fd_ = -1;
    std::string path_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::unique_ptr<Peer>> peers_;
    std::function<bool(const std::string&)> openFile_;
};

enum class HandOverResult { Taken, Busy, NoAnswer };

// The second start's side: hands `file` (made absolute against the current folder) to the copy
// listening on `socketPath`, waiting at most `timeoutMs` in all. NoAnswer with `error` set when
// no copy answered.
HandOverResult handOverFile(const std::string& socketPath, const std::string& file, int timeoutMs,
                            QString& error);

}  // namespace hm
