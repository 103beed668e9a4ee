#pragma once

#include <QString>

#include <exception>

namespace kelvan {

// The support library's exception family. Only the support library throws
// these; the chat code reports expected failures as results. Each exception
// carries its class name (what the family calls its "kind") and a message.
class Exception : public std::exception
{
public:
    explicit Exception(const char *kind, QString message = QString());
    const char *what() const noexcept override;
    const char *kind() const noexcept { return m_kind; }
    const QString &message() const noexcept { return m_message; }

private:
    const char *m_kind;
    QString m_message;
    QByteArray m_what;
};

class MemoryException : public Exception
{
public:
    explicit MemoryException(QString message = QString()) : Exception("MemoryException", std::move(message)) {}
};

class FileException : public Exception
{
public:
    using Exception::Exception;
    explicit FileException(QString message = QString()) : Exception("FileException", std::move(message)) {}
};

class FileCantWriteException : public FileException
{
public:
    explicit FileCantWriteException(QString message = QString()) : FileException("FileCantWriteException", std::move(message)) {}
};

class FileCantCloseException : public FileException
{
public:
    explicit FileCantCloseException(QString message = QString()) : FileException("FileCantCloseException", std::move(message)) {}
};

class FileCantOpenException : public FileException
{
public:
    explicit FileCantOpenException(QString message = QString()) : FileException("FileCantOpenException", std::move(message)) {}
};

class ThreadCreationException : public Exception
{
public:
    explicit ThreadCreationException(QString message = QString()) : Exception("ThreadCreationException", std::move(message)) {}
};

class SocketException : public Exception
{
public:
    using Exception::Exception;
    explicit SocketException(QString message = QString()) : Exception("SocketException", std::move(message)) {}
};

class ConnectionException : public SocketException
{
public:
    explicit ConnectionException(QString message = QString()) : SocketException("ConnectionException", std::move(message)) {}
};

} // namespace kelvan
