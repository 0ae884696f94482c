// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "Text.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr char kAccepted = 'y';
constexpr char kRefused = 'n';
const QByteArray kEncryptVerb("encrypt\0", 8);

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::becomePrimary()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    // A socket left by a process that died is ours to replace: we hold the lock now.
    QLocalServer::removeServer(socketPath());
    if (!m_server.listen(socketPath())) {
        qWarning("Lockfern could not listen for other starts: %s", qUtf8Printable(m_server.errorString()));
    }
    return true;
}

bool SingleInstance::forward(const Request& request) const
{
    QLocalSocket socket;
    const QDeadlineTimer deadline(kTimeoutMs);
    // The running instance may still be starting up and not listen yet.
    while (true) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(50);
    }
    socket.write(encode(request));
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kAccepted;
}

QByteArray SingleInstance::encode(const Request& request)
{
    const QByteArray text = (request.action == Request::Action::Encrypt ? kEncryptVerb : QByteArray()) +
                            request.path.toUtf8();
    QByteArray message(4, '\0');
    qToBigEndian(static_cast<quint32>(text.size()), message.data());
    return message + text;
}

bool SingleInstance::isAcceptablePath(const QString& path)
{
    if (path.isEmpty()) {
        return true; // only a request to come to the front
    }
    if (path.contains(QChar(0)) || !QFileInfo(path).isAbsolute()) {
        return false;
    }
    return QFileInfo::exists(path);
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        socket->setReadBufferSize(kMaxMessageBytes + 4);
        // A client that never finishes its message is dropped rather than kept forever.
        auto* timeout = new QTimer(socket);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, socket, &QLocalSocket::abort);
        timeout->start(kTimeoutMs);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4) {
                return;
            }
            char header[4];
            socket->peek(header, 4);
            const quint32 length = qFromBigEndian<quint32>(header);
            if (length > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < 4 + static_cast<qint64>(length)) {
                return;
            }
            socket->skip(4);
            QByteArray bytes = socket->read(length);
            Request request;
            if (bytes.startsWith(kEncryptVerb)) {
                request.action = Request::Action::Encrypt;
                bytes.remove(0, kEncryptVerb.size());
            }
            const std::optional<QString> path = Text::decodeUtf8(bytes);
            const bool accepted = path && isAcceptablePath(*path) &&
                                  (request.action == Request::Action::Open || !path->isEmpty());
            socket->putChar(accepted ? kAccepted : kRefused);
            socket->flush();
            socket->disconnectFromServer();
            if (accepted) {
                request.path = *path; // cleaned where every request is carried out
                emit requestReceived(request);
            }
        });
    }
}
