// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kAccepted = 'y';
constexpr char kRefused = 'n';
const QByteArray kEncryptVerb("encrypt\0", 8);
constexpr int kBacklog = 50;

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kAcceptRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &SingleInstance::acceptPending);
}

SingleInstance::~SingleInstance()
{
    // The connections go first, while what they report their end to is still here.
    qDeleteAll(findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly));
    if (m_listener) {
        ::unlink(QFile::encodeName(socketPath()).constData()); // ours: the lock is still held
    }
}

bool SingleInstance::becomePrimary()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    if (!listen()) {
        qWarning("Lockfern could not listen for other starts: %s", std::strerror(errno));
    }
    return true;
}

// Our own listening socket rather than QLocalServer, which closes itself and deletes its socket when
// accept() fails for want of descriptors. Bound under a temporary name and made the user's alone
// before it takes the socket's name, replacing one that a process that died left (we hold the lock).
bool SingleInstance::listen()
{
    const QByteArray path = QFile::encodeName(socketPath());
    const QByteArray bound = path + ".new";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(bound.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, bound.constData(), static_cast<std::size_t>(bound.size()) + 1);
    UniqueFd listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    ::unlink(bound.constData());
    if (!listener || ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(bound.constData(), S_IRWXU) != 0 || ::listen(listener.get(), kBacklog) != 0 ||
        ::rename(bound.constData(), path.constData()) != 0) {
        const int error = errno;
        ::unlink(bound.constData());
        errno = error;
        return false;
    }
    m_listener = std::move(listener);
    m_notifier = std::make_unique<QSocketNotifier>(m_listener.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptPending);
    return true;
}

void SingleInstance::acceptPending()
{
    while (m_held < kMaxConnections) {
        const int fd = ::accept4(m_listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            m_warned = false;
            serve(fd);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            break;
        } else if (errno != EINTR && errno != ECONNABORTED && errno != EPROTO) {
            // No descriptor or memory to spare (EMFILE, ENFILE, ENOMEM, ENOBUFS): the start waits in
            // the queue, and the socket keeps listening until there is room again.
            if (!m_warned) {
                qWarning("Lockfern could not take a start for now, and tries again: %s", std::strerror(errno));
                m_warned = true;
            }
            m_notifier->setEnabled(false);
            m_retry.start();
            return;
        }
    }
    // At the limit, further starts wait in the queue until a connection ends.
    m_notifier->setEnabled(m_held < kMaxConnections);
}

void SingleInstance::serve(int fd)
{
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
        ::close(fd);
        delete socket;
        return;
    }
    ++m_held;
    connect(socket, &QObject::destroyed, this, [this] {
        --m_held;
        if (!m_retry.isActive()) {
            m_notifier->setEnabled(true);
        }
    });
    socket->setReadBufferSize(kMaxMessageBytes + 4);
    // A client that does not finish its request in time is dropped rather than kept.
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
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
                            QByteArray::fromStdString(request.path.bytes());
    QByteArray message(4, '\0');
    qToBigEndian(static_cast<quint32>(text.size()), message.data());
    return message + text;
}

bool SingleInstance::isAcceptablePath(const QByteArray& path)
{
    if (path.isEmpty()) {
        return true; // only a request to come to the front
    }
    struct stat st {};
    return !path.contains('\0') && path.startsWith('/') && ::stat(path.constData(), &st) == 0;
}

void SingleInstance::answer(QLocalSocket* socket)
{
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
    const bool accepted = isAcceptablePath(bytes) && (request.action == Request::Action::Open || !bytes.isEmpty());
    socket->putChar(accepted ? kAccepted : kRefused);
    socket->flush();
    socket->disconnectFromServer();
    if (accepted) {
        request.path = bytes.isEmpty() ? Path() : Path(bytes.toStdString());
        emit requestReceived(request);
    }
}
