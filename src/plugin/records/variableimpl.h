#pragma once

#include <sdk/ivariable.h>

#include <QByteArray>
#include <QString>

// A result text the plug-in hands to host operations that answer with text.
class VariableImpl : public IVariable
{
public:
    VariableImpl() = default;
    explicit VariableImpl(const QByteArray &value) : m_value(value) {}
    virtual ~VariableImpl(); // slot 2, after the interface's two

    const char *value() const override;          // slot 0
    void set(const char *data, int length) override; // slot 1

    const QByteArray &bytes() const { return m_value; }
    QString toString() const { return QString::fromUtf8(m_value); }

private:
    QByteArray m_value;
};
