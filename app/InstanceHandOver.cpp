#include "app/InstanceHandOver.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <climits>

namespace hm {
namespace {

constexpr const char* kSocketName = "haulmetry-E507DF2E.sock";
constexpr qint64 kMaxRequest = PATH_MAX + 16;
constexpr int kServerReadMs = 2000;

QString fromRaw(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

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
    : QObject(parent), openFile_(std::move(openFile)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::onConnection);
}

bool InstanceServer::listen(const std::string& socketPath, QString& error) {
    const QString name = fromRaw(socketPath);
    QLocalServer::removeServer(name);
    if (!server_.listen(name)) {
        error = server_.errorString();
        return false;
    }
    return true;
}

void InstanceServer::onConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // One short request from a process of this user, read as it arrives so that the window
        // never waits on a peer; a peer that sends too much, or nothing for a while, is dropped.
        auto* timeout = new QTimer(socket);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, timeout] {
            // The request so far is kept on the socket itself.
            QByteArray line = socket->property("line").toByteArray();
            line += socket->read(kMaxRequest + 1 - line.size());
            socket->setProperty("line", line);
            const qsizetype end = line.indexOf('\0');
            if (end < 0 && line.size() <= kMaxRequest) {
                return;  // more to come
            }
            timeout->stop();
            QByteArray answer = "error\n";
            if (end > 0 && line.startsWith("open /")) {
                answer = openFile_(line.mid(5, end - 5).toStdString()) ? "ok\n" : "busy\n";
            }
            socket->write(answer);
            socket->disconnectFromServer();  // after the answer is written
        });
        timeout->start(kServerReadMs);
    }
}

HandOverResult handOverFile(const std::string& socketPath, const std::string& file, int timeoutMs,
                            QString& error) {
    const std::string absolute = absoluteFilePath(file);
    if (absolute.empty()) {
        error = QStringLiteral("cannot read the current folder");
        return HandOverResult::NoAnswer;
    }
    // The running copy may have taken the lock a moment ago and not be listening yet: retry
    // the connection until the deadline.
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(fromRaw(socketPath));
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            error = socket.errorString();
            return HandOverResult::NoAnswer;
        }
        QThread::msleep(100);
    }
    // Ended by a zero byte, the one byte no path can hold (a line break can be in a name).
    QByteArray request = QByteArray("open ") + QByteArray::fromStdString(absolute);
    request.append('\0');
    socket.write(request);
    QByteArray answer;
    while (!answer.contains('\n') && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        answer += socket.readAll();
    }
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
