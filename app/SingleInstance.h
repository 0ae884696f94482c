// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running Lockfern per user. A second start hands its path to the running one and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// What a start asks of the window: a package to open, or a file to encrypt.
struct Request
{
    enum class Action { Open, Encrypt };
    Action action = Action::Open;
    QString path; // absolute; empty (with Open) only to bring the window to the front

    bool operator==(const Request&) const = default;
};

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Messages are a 4-byte big-endian length and that many bytes of UTF-8 path, after "encrypt" and
    // a NUL byte for a file to encrypt.
    static constexpr quint32 kMaxMessageBytes = 16 * 1024;
    static constexpr int kTimeoutMs = 5000;

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

    // What a received path must be before it is acted on: absolute, clean text, existing.
    static bool isAcceptablePath(const QString& path);
    static QByteArray encode(const Request& request);

signals:
    void requestReceived(const Request& request);

private:
    void acceptConnection();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
