#include "hostvariable.h"

namespace hostkit {

void HostVariable::set(const char *data, int length)
{
    if (!data)
        m_value.clear();
    else
        m_value = length < 0 ? QByteArray(data) : QByteArray(data, length);
}

} // namespace hostkit
