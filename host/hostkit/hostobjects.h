#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <sdk/icustomstatus.h>
#include <sdk/ihostmessage.h>
#include <sdk/iimage.h>
#include <sdk/ivariable.h>

namespace hostkit {

// Small host-side implementations of the contract's value objects.

// Receives a plug-in's icon (drawIcon) as a QImage.
class HostImage final : public IImage
{
public:
    const unsigned char *constBits() const override { return m_image.constBits(); }
    unsigned char *bits() override { return m_image.bits(); }
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    void setData(const unsigned char *pixels, int width, int height) override;

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};

// A result text the host passes to a plug-in (describeMessage).
class HostVariable final : public IVariable
{
public:
    const char *value() const override { return m_value.constData(); }
    void set(const char *data, int length) override;

private:
    QByteArray m_value;
};

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

// What IPlugin::openConversation is told to open.
class ConversationRecord final : public IConversationRecord
{
public:
    ConversationRecord(const QByteArray &userId, const QByteArray &sessionKey)
        : m_userId(userId), m_sessionKey(sessionKey) {}
    const char *userId() const override { return m_userId.constData(); }
    const char *sessionKey() const override { return m_sessionKey.constData(); }

private:
    QByteArray m_userId;
    QByteArray m_sessionKey;
};

// A user-facing event a plug-in submits (a missed broadcast).
class HostEvent final : public IHostEvent
{
public:
    struct Action
    {
        QString text;
        QString buttonText;
    };

    void setPluginId(const char *pluginId) override { m_pluginId = pluginId ? QByteArray(pluginId) : QByteArray(); }
    void setTitle(const char *title) override { m_title = QString::fromUtf8(title); }
    void setText(const char *text) override { m_text = QString::fromUtf8(text); }
    void addAction(const char *text, const char *buttonText) override
    {
        m_actions.append({QString::fromUtf8(text), QString::fromUtf8(buttonText)});
    }

    QByteArray pluginId() const { return m_pluginId; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QList<Action> actions() const { return m_actions; }

private:
    QByteArray m_pluginId;
    QString m_title;
    QString m_text;
    QList<Action> m_actions;
};

} // namespace hostkit
