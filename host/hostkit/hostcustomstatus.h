#pragma once

#include <QByteArray>
#include <QString>

#include <sdk/icustomstatus.h>

namespace hostkit {

// A custom status of the profile as customStatusAt hands it out.
class HostCustomStatus final : public ICustomStatus
{
public:
    HostCustomStatus(int code, const QString &text) : m_code(code), m_text(text.toUtf8()) {}
    int statusCode() const override { return m_code; }
    const char *text() const override { return m_text.constData(); }

private:
    int m_code;
    QByteArray m_text;
};

} // namespace hostkit
