// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running Lockfern per user. A second start hands its path to the running one and ends.

#include "Path.h"
#include "Posix.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QLocalSocket;
class QSocketNotifier;

// What a start asks of the window: a package to open, or a file to encrypt.
struct Request
{
    enum class Action { Open, Encrypt };
    Action action = Action::Open;
    Path path; // none (with Open) only to bring the window to the front

    bool operator==(const Request&) const = default;
};

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Messages are a 4-byte big-endian length and that many bytes of path, as the file system has
    // them, after "encrypt" and a NUL byte for a file to encrypt.
    static constexpr quint32 kMaxMessageBytes = 16 * 1024;
    static constexpr int kTimeoutMs = 5000; // how long a start waits for the running instance's answer
    // Connections held at once; further starts wait in the socket's queue. One that has not sent its
    // whole request in time is dropped, so a flood of silent connections holds few descriptors.
    static constexpr int kMaxConnections = 8;
    static constexpr int kRequestTimeoutMs = 2000;
    // When accept() finds no descriptor or memory, the socket keeps listening and tries again after this.
    static constexpr int kAcceptRetryMs = 250;

    // `folder` is the user's private folder that holds the lock and the socket.
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running instance and listens for requests.
    bool becomePrimary();
    // Hands the request to the running instance and waits for it to confirm; false when no running
    // instance took it.
    bool forward(const Request& request) const;

    QString socketPath() const { return m_folder + QStringLiteral("/lockfern.socket"); }
    QString lockPath() const { return m_folder + QStringLiteral("/lockfern.lock"); }

    // What a received path must be before it is acted on: absolute, without NUL, existing.
    static bool isAcceptablePath(const QByteArray& path);
    static QByteArray encode(const Request& request);

signals:
    void requestReceived(const Request& request);

private:
    bool listen();
    void acceptPending();
    void serve(int fd);
    void answer(QLocalSocket* socket);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    UniqueFd m_listener;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_retry;
    int m_held = 0;
    bool m_warned = false;
};
