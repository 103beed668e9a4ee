#include "customstatus.h"

CustomStatus::CustomStatus(int statusCode, const QString &text)
    : m_statusCode(statusCode)
{
    setText(text);
}

CustomStatus::CustomStatus(const ICustomStatus &other)
    : m_statusCode(other.statusCode())
{
    setTextUtf8(QByteArray(other.text()));
}

CustomStatus::~CustomStatus() = default;

int CustomStatus::statusCode() const
{
    return m_statusCode;
}

const char *CustomStatus::text() const
{
    // constData() of an empty QByteArray is a valid "" so the host never
    // receives a null pointer.
    return m_text.constData();
}

void CustomStatus::setText(const QString &text)
{
    m_displayText = text;
    m_text = text.toUtf8();
}

void CustomStatus::setTextUtf8(const QByteArray &text)
{
    m_text = text;
    m_displayText = QString::fromUtf8(text);
}

bool CustomStatus::operator==(const CustomStatus &other) const
{
    return m_statusCode == other.m_statusCode && m_text == other.m_text && m_tag == other.m_tag
        && m_replyText == other.m_replyText && m_active == other.m_active;
}
