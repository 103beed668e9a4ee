#include "logsocket.h"

#include "exceptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace kelvan {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void closeSocket(int fd)
{
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
}

// Sends everything or reports failure; MSG_NOSIGNAL keeps a vanished peer
// from killing the process with SIGPIPE.
bool sendAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += sent;
        size -= sent;
    }
    return true;
}

} // namespace

LogSocket::LogSocket() = default;

LogSocket::~LogSocket()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (int fd : m_sockets)
        closeSocket(fd);
}

void LogSocket::addSocket(int fd)
{
    int type = 0;
    socklen_t typeSize = sizeof(type);
    if (fd < 0 || ::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &typeSize) != 0)
        throw SocketException(QStringLiteral("not a socket: %1").arg(fd));
    if (type != SOCK_STREAM)
        throw SocketException(QStringLiteral("not a stream socket: %1").arg(fd));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK))
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    timeval timeout{};
    timeout.tv_sec = SendTimeoutMs / 1000;
    timeout.tv_usec = (SendTimeoutMs % 1000) * 1000;
    if (::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout)) != 0)
        throw SocketException(QStringLiteral("socket %1: %2").arg(fd).arg(systemError(errno)));
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_sockets.push_back(fd);
}

void LogSocket::connectTo(const QString &host, quint16 port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *addresses = nullptr;
    const QByteArray service = QByteArray::number(port);
    const int resolved = ::getaddrinfo(host.toUtf8().constData(), service.constData(), &hints, &addresses);
    if (resolved != 0)
        throw ConnectionException(
            QStringLiteral("%1:%2: %3").arg(host).arg(port).arg(QString::fromLocal8Bit(::gai_strerror(resolved))));
    int lastError = 0;
    int fd = -1;
    for (addrinfo *address = addresses; address; address = address->ai_next) {
        fd = ::socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol);
        if (fd < 0) {
            lastError = errno;
            continue;
        }
        int connected;
        do {
            connected = ::connect(fd, address->ai_addr, address->ai_addrlen);
        } while (connected != 0 && errno == EINTR);
        if (connected == 0)
            break;
        lastError = errno;
        ::close(fd);
        fd = -1;
    }
    ::freeaddrinfo(addresses);
    if (fd < 0)
        throw ConnectionException(QStringLiteral("%1:%2: %3").arg(host).arg(port).arg(systemError(lastError)));
    try {
        addSocket(fd);
    } catch (...) {
        ::close(fd);
        throw;
    }
}

int LogSocket::socketCount() const
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    return int(m_sockets.size());
}

void LogSocket::write(const QByteArray &line)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    sendLocked(line.constData(), line.size());
}

void LogSocket::write(const LogLines &lines)
{
    if (socketCount() == 0)
        return;
    // One send per socket for the whole batch.
    QByteArray joined;
    qint64 total = 0;
    for (const QByteArray &line : lines)
        total += line.size();
    joined.reserve(int(total));
    for (const QByteArray &line : lines)
        joined.append(line);
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    sendLocked(joined.constData(), joined.size());
}

void LogSocket::sendLocked(const char *data, qint64 size)
{
    for (auto it = m_sockets.begin(); it != m_sockets.end();) {
        if (sendAll(*it, data, size)) {
            ++it;
            continue;
        }
        closeSocket(*it);
        it = m_sockets.erase(it);
    }
}

} // namespace kelvan
