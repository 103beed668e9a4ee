#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ChatManager;
class IHostServices;
class RoomDirectory;
class SettingsManager;

// What conversations need from the chat core object (Chat, one per
// library): the host service objects, the one path by which chat messages
// leave, the sounds, the settings and the own id for session keys. Chat
// implements it; keeping it abstract lets the conversation logic live below
// the plug-in frame without a dependency cycle.
class ChatCoreInterface
{
public:
    virtual ~ChatCoreInterface() = default;

    // The text chat plug-in's host service object; null before initialize.
    virtual IHostServices *hostServices() const = 0;
    // The rooms plug-in's host service object; null while the rooms plug-in
    // is not initialised.
    virtual IHostServices *roomsHostServices() const = 0;

    // Sends message markup, split into its picture parts, to the recipients
    // (a room once, to the room id). `sessionKey` may be empty.
    virtual void sendInstantMessage(const QByteArray &sessionKey, const QList<QByteArray> &recipientIds,
                                    const QString &markup) = 0;
    virtual void playMessageSound() = 0;
    virtual void playNudgeSound() = 0;

    // The per-user settings; null while none are loaded.
    virtual SettingsManager *settings() const = 0;
    // The own account's id; empty while the host has not told it.
    virtual QByteArray ownUserId() const = 0;

    // The host's application display name, the title of question boxes;
    // empty without a host.
    virtual QString appName() const = 0;
    // The host's number (slot 57) was zero when last read: windows stay silent.
    virtual bool hostNumberIsZero() const = 0;
    // Whether the message was listed as one that must alert even when the
    // peer's notifications are off; the listing is used up.
    virtual bool takeMustAlert(qint64 eventId) = 0;
    // Opens the settings dialog, or raises the open one.
    virtual void showSettings() {}

    // The window of `peerId` asked the host to fetch `transferKey` (a
    // picture or a file address): the host's state events for it reach
    // that window until the transfer has ended.
    virtual void watchTransfer(bool picture, const QByteArray &peerId, const QByteArray &transferKey)
    {
        Q_UNUSED(picture) Q_UNUSED(peerId) Q_UNUSED(transferKey)
    }
    // The rooms the plug-in knows of (owned by the core); null when it keeps none.
    virtual RoomDirectory *roomDirectory() const { return nullptr; }
    // Asks the "history" plug-in, when the host has one, for the room's
    // messages that are missing here.
    virtual void requestRoomHistory(const QByteArray &roomId) { Q_UNUSED(roomId) }

    // Uploads to `peerId` that have not ended, in the order they started:
    // a window that opens later shows them in its uploads list.
    virtual QList<QByteArray> pendingUploads(const QByteArray &peerId) const
    {
        Q_UNUSED(peerId)
        return {};
    }
};
