#pragma once

#include "log.h"

#include <QString>

#include <mutex>
#include <vector>

namespace kelvan {

// Sends lines to connected stream sockets (a log viewer, a collector). A
// socket whose send fails, or whose peer stops reading for SendTimeoutMs,
// is shut down, closed and removed; the others carry on.
class LogSocket : public Log
{
public:
    // A peer that takes longer than this to accept a line is dropped rather
    // than stalling every sink behind it.
    static constexpr int SendTimeoutMs = 5000;

    LogSocket();
    // Closes every socket.
    ~LogSocket() override;

    // Takes ownership of a connected stream socket and switches it to
    // blocking sends with the timeout above. Throws SocketException for a
    // descriptor that is not a usable socket.
    void addSocket(int fd);
    // Connects to host:port over TCP and adds the socket. Throws
    // ConnectionException when no address of the host accepts.
    void connectTo(const QString &host, quint16 port);
    int socketCount() const;

    void write(const QByteArray &line) override;
    void write(const LogLines &lines) override;

private:
    void sendLocked(const char *data, qint64 size);

    // Recursive: write(lines) may end in write(line) of the same thread.
    mutable std::recursive_mutex m_lock;
    std::vector<int> m_sockets;
};

} // namespace kelvan
