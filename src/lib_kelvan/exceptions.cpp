#include "exceptions.h"

namespace kelvan {

Exception::Exception(const char *kind, QString message)
    : m_kind(kind)
    , m_message(std::move(message))
    , m_what(m_message.isEmpty() ? QByteArray(kind) : QByteArray(kind) + ": " + m_message.toUtf8())
{
}

const char *Exception::what() const noexcept
{
    return m_what.constData();
}

} // namespace kelvan
