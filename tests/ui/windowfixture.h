#pragma once

// What the chat window tests share: hostkit's host services behind the chat
// core and the shared resources, real chat windows from the factory, and
// recording seams for the clock, question boxes, window flashing and the
// desktop's handlers.

#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostuser.h"
#include "hostkit/messagestore.h"
#include "hostkit/network.h"
#include "lib_kelvan/clock.h"
#include "platform/desktop.h"
#include "platform/prompt.h"
#include "platform/windowalert.h"
#include "plugin/chat.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"
#include "ui/chat/chatwindow.h"
#include "ui/chat/chatwindowfactoryimpl.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

// Writes down every flash instead of asking the window system.
class RecordingWindowAlert final : public platform::WindowAlert
{
public:
    struct Flash
    {
        QPointer<QWidget> window;
        int count = 0;
        int intervalMs = 0;
    };

    void flash(QWidget *window, int count, int intervalMs) override { m_flashes.push_back({window, count, intervalMs}); }
    const std::vector<Flash> &flashes() const { return m_flashes; }
    void clear() { m_flashes.clear(); }

private:
    std::vector<Flash> m_flashes;
};

class WindowFixture
{
public:
    WindowFixture()
    {
        kelvan::Clock::setInstance(&clock);
        platform::Prompt::setInstance(&prompt);
        platform::WindowAlert::setInstance(&alerts);
        platform::Desktop::setInstance(&desktop);
        host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
        services = host->servicesFor("chat");
        ChatWindowFactoryImpl::install();
        Chat::create()->setHostServices(services);
        SharedResourceManager *resources = SharedResourceManager::instance();
        resources->setHostServices(services);
        const hostkit::HostUser own(host->profile().own());
        resources->setOwnUser(&own);
        resources->ensureManagers();
        resources->loadTemplate(host->dataFolder());
        // Peers stay quiet unless a test gives them something to say.
        for (const hostkit::Contact &contact : host->profile().contacts())
            host->network().setBehaviour(contact.id, hostkit::PeerBehaviour{QString(), 0, 0, false, false});
    }

    ~WindowFixture()
    {
        Chat::destroy();
        // Windows delete themselves later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SharedResourceManager::destroy();
        ChatWindowFactory::setInstance(nullptr);
        host.reset();
        platform::Desktop::setInstance(nullptr);
        platform::WindowAlert::setInstance(nullptr);
        platform::Prompt::setInstance(nullptr);
        kelvan::Clock::setInstance(nullptr);
    }

    Chat &chat() const { return *Chat::instance(); }
    SettingsManager &settings() const { return *SharedResourceManager::instance()->settings(); }

    // Closes every conversation and forgets what earlier tests recorded.
    void reset()
    {
        chat().manager().closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        prompt.clear();
        alerts.clear();
        desktop.clear();
        host->journal().clear();
        SettingsManager &s = settings();
        s.setPlaySound(1);
        s.setShowNotification(2);
        s.setAllowReceiveNudge(true);
        s.setCheckSpelling(true);
        s.setTabbedChat(false);
        for (const hostkit::Contact &contact : host->profile().contacts()) {
            s.setAutoscroll(QString::fromUtf8(contact.id), true);
            s.setNotificationsEnabled(QString::fromUtf8(contact.id), true);
        }
    }

    // Opens the conversation the way the host's openChat does and returns its window.
    ChatWindow *open(const QByteArray &id)
    {
        const hostkit::HostUser user(*host->profile().find(id));
        ChatSession *session = chat().openChat(&user);
        return session ? dynamic_cast<ChatWindow *>(session->window()) : nullptr;
    }

    // A message from `from`: stored by the host, then delivered to the chat
    // core as the plug-in's onMessage would.
    qint64 receive(const QByteArray &from, const QByteArray &body)
    {
        const qint64 id = host->receiveMessage(from, body);
        deliver(id);
        return id;
    }

    void deliver(qint64 eventId)
    {
        const auto stored = host->store().byEvent(eventId);
        if (!stored)
            return;
        hostkit::HostMessage message(*stored);
        chat().onMessage(&message);
    }

    // Stores a message at a given time without delivering it.
    qint64 store(const QByteArray &conversation, const QByteArray &body, const QDateTime &when, bool received = true)
    {
        hostkit::StoredMessage m;
        m.conversation = conversation;
        m.senderId = received ? conversation.toLongLong() : host->profile().own().id.toLongLong();
        m.received = received;
        m.time = hostkit::storeTimeFromDateTime(when);
        m.body = body;
        return host->store().append(m);
    }

    int calls(const char *operation, const QString &containing = QString()) const
    {
        int n = 0;
        for (const auto &entry : host->journal().calls(operation)) {
            const QString args = QString::fromUtf8(QJsonDocument(entry.arguments).toJson(QJsonDocument::Compact));
            if (containing.isEmpty() || args.contains(containing))
                ++n;
        }
        return n;
    }

    kelvan::ManualClock clock{QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600)};
    platform::ScriptedPrompt prompt;
    RecordingWindowAlert alerts;
    platform::RecordingDesktop desktop;
    std::unique_ptr<hostkit::Host> host;
    IHostServices *services = nullptr;
};
