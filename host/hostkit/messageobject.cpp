#include "messageobject.h"

namespace hostkit {

void MessageObject::setTime(std::int64_t secondsSince1970)
{
    m_seconds = secondsSince1970;
    m_message.time = storeTimeFromSecondsSince1970(secondsSince1970);
}

} // namespace hostkit
