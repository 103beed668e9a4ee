#pragma once

#include <QByteArray>

#include <sdk/ivariable.h>

namespace hostkit {

// A result text the host passes to a plug-in (describeMessage).
class HostVariable final : public IVariable
{
public:
    const char *value() const override { return m_value.constData(); }
    void set(const char *data, int length) override;

private:
    QByteArray m_value;
};

} // namespace hostkit
