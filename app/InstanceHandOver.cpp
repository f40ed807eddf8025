#include "app/InstanceHandOver.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace hm {
namespace {

constexpr const char* kSocketName = "haulmetry-E507DF2E.sock";
constexpr size_t kMaxRequest = PATH_MAX + 16;
constexpr int kServerReadMs = 2000;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// The address of `path`; false when the path is too long for a socket address.
bool socketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// Waits until `fd` is ready for `events` or the deadline passes; false on the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int ms = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
        const int n = ::poll(&p, 1, ms);
        if (n > 0) {
            return true;
        }
        if (n == 0 || errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

// One connected second start: what it has sent so far, and how long it may take.
struct InstanceServer::Peer {
    int fd = -1;
    QByteArray line;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<QTimer> timeout;
};

std::string absoluteFilePath(const std::string& file) {
    if (!file.empty() && file[0] == '/') {
        return file;
    }
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof(cwd)) == nullptr) {
        return {};
    }
    return std::string(cwd) + "/" + file;
}

std::string handOverSocketPath(const std::string& lockDirectory) {
    return lockDirectory + "/" + kSocketName;
}

InstanceServer::InstanceServer(std::function<bool(const std::string&)> openFile, QObject* parent)
    : QObject(parent), openFile_(std::move(openFile)) {}

InstanceServer::~InstanceServer() {
    for (const auto& peer : peers_) {
        ::close(peer->fd);
    }
    if (fd_ >= 0) {
        notifier_.reset();
        ::close(fd_);
        ::unlink(path_.c_str());
    }
}

bool InstanceServer::listen(const std::string& socketPath, QString& error) {
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) {
        error = systemError("socket path");
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = systemError("socket");
        return false;
    }
    ::unlink(socketPath.c_str());
    // Only this user may connect (the folder is private too).
    const mode_t oldMask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(oldMask);
    if (!bound || ::listen(fd, 16) != 0) {
        error = systemError(bound ? "listen" : "bind");
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = socketPath;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InstanceServer::onConnection);
    return true;
}

void InstanceServer::onConnection() {
    for (;;) {
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;  // none left (or a peer gone before it was taken)
        }
        // One short request from a process of this user, read as it arrives so that the window
        // never waits on a peer; a peer that sends too much, or nothing for a while, is dropped.
        auto peer = std::make_unique<Peer>();
        Peer* p = peer.get();
        p->fd = fd;
        p->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(p->notifier.get(), &QSocketNotifier::activated, this,
                [this, p] { onPeerReadable(p); });
        p->timeout = std::make_unique<QTimer>();
        p->timeout->setSingleShot(true);
        connect(p->timeout.get(), &QTimer::timeout, this, [this, p] { dropPeer(p); });
        p->timeout->start(kServerReadMs);
        peers_.push_back(std::move(peer));
    }
}

void InstanceServer::onPeerReadable(Peer* peer) {
    char buffer[512];
    const size_t room = kMaxRequest + 1 - static_cast<size_t>(peer->line.size());
    const ssize_t n = ::read(peer->fd, buffer, std::min(sizeof buffer, room));
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (n <= 0) {
        dropPeer(peer);  // gone before its request was complete
        return;
    }
    peer->line.append(buffer, n);
    const qsizetype end = peer->line.indexOf('\0');
    if (end < 0 && static_cast<size_t>(peer->line.size()) <= kMaxRequest) {
        return;  // more to come
    }
    QByteArray answer = "error\n";
    if (end > 0 && peer->line.startsWith("open /")) {
        answer = openFile_(peer->line.mid(5, end - 5).toStdString()) ? "ok\n" : "busy\n";
    }
    // A few bytes into a fresh socket's buffer: written at once.
    [[maybe_unused]] const ssize_t written =
        ::send(peer->fd, answer.constData(), static_cast<size_t>(answer.size()), MSG_NOSIGNAL);
    dropPeer(peer);
}

void InstanceServer::dropPeer(Peer* peer) {
    const auto it = std::find_if(peers_.begin(), peers_.end(),
                                 [peer](const auto& held) { return held.get() == peer; });
    if (it == peers_.end()) {
        return;
    }
    std::unique_ptr<Peer> gone = std::move(*it);
    peers_.erase(it);
    gone->notifier->setEnabled(false);
    gone->timeout->stop();
    ::close(gone->fd);
    // Called from the peer's own notifier or timer: they go once that call has returned.
    gone->notifier.release()->deleteLater();
    gone->timeout.release()->deleteLater();
}

namespace {

// Connects to `socketPath`, trying again until the deadline (the running copy may have taken the
// lock a moment ago and not be listening yet). The socket, or -1 with `error` set.
int connectUntil(const std::string& socketPath, const QDeadlineTimer& deadline, QString& error) {
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) {
        error = systemError("socket path");
        return -1;
    }
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            error = systemError("socket");
            return -1;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            return fd;
        }
        error = systemError("connect");
        ::close(fd);
        if (deadline.hasExpired()) {
            return -1;
        }
        QThread::msleep(
            static_cast<unsigned long>(std::min<qint64>(100, deadline.remainingTime())));
    }
}

// Sends the request and reads the answer line; what was read (empty when nothing came).
QByteArray exchange(int fd, const QByteArray& request, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < request.size()) {
        if (!waitFor(fd, POLLOUT, deadline)) {
            return {};
        }
        const ssize_t n = ::send(fd, request.constData() + sent,
                                 static_cast<size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return {};
        }
        sent += std::max<ssize_t>(n, 0);
    }
    QByteArray answer;
    while (!answer.contains('\n') && waitFor(fd, POLLIN, deadline)) {
        char buffer[64];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EINTR)) {
            break;
        }
        answer.append(buffer, std::max<ssize_t>(n, 0));
    }
    return answer;
}

}  // namespace

HandOverResult handOverFile(const std::string& socketPath, const std::string& file, int timeoutMs,
                            QString& error) {
    const std::string absolute = absoluteFilePath(file);
    if (absolute.empty()) {
        error = QStringLiteral("cannot read the current folder");
        return HandOverResult::NoAnswer;
    }
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectUntil(socketPath, deadline, error);
    if (fd < 0) {
        return HandOverResult::NoAnswer;
    }
    // Ended by a zero byte, the one byte no path can hold (a line break can be in a name).
    QByteArray request = QByteArray("open ") + QByteArray::fromStdString(absolute);
    request.append('\0');
    const QByteArray answer = exchange(fd, request, deadline);
    ::close(fd);
    if (answer == "ok\n") {
        return HandOverResult::Taken;
    }
    if (answer == "busy\n") {
        return HandOverResult::Busy;
    }
    error = answer.isEmpty() ? QStringLiteral("no answer from the running copy")
                             : QStringLiteral("unexpected answer from the running copy");
    return HandOverResult::NoAnswer;
}

}  // namespace hm
