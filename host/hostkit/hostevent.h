#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sdk/ihostmessage.h>

namespace hostkit {

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
