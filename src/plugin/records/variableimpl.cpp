#include "variableimpl.h"

#include <cstring>

VariableImpl::~VariableImpl() = default;

const char *VariableImpl::value() const
{
    return m_value.constData();
}

void VariableImpl::set(const char *data, int length)
{
    if (!data) {
        m_value.clear();
        return;
    }
    m_value = QByteArray(data, length < 0 ? int(std::strlen(data)) : length);
}
