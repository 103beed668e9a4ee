#pragma once

#include "types.h"

// A stored or arriving message as the host shows it to the plug-in: the
// objects passed to IPlugin::onMessage and the records filled by the host's
// load operations share this table. Host-owned; records the plug-in created
// with IHostServices::createMessageRecord are given back with
// releaseMessageRecord. No destructor among the slots.
//
// Kinds: 0 ordinary chat message, 1 message of a plug-in (for example a
// broadcast), 2 notice posted by the plug-in (a refused nudge), 3 room system
// message (":1\nUser joined the room").
class IHostMessage
{
public:
    enum Kind { KindChat = 0, KindPlugin = 1, KindNotice = 2, KindRoomSystem = 3 };

    virtual bool isReceived() const = 0;                      // 0 direction: true received, false sent
    virtual void reserved1() {}                               // 1
    virtual bool secondFlag() const = 0;                      // 2 set on broadcasts delivered to the broadcast plug-in
    virtual void reserved3() {}                               // 3
    virtual void reserved4() {}                               // 4
    virtual void reserved5() {}                               // 5
    virtual std::int64_t peerId() const = 0;                  // 6 conversation peer (or room) id
    virtual std::int64_t senderId() const = 0;                // 7
    virtual void reserved8() {}                               // 8
    virtual void reserved9() {}                               // 9
    virtual void reserved10() {}                              // 10
    virtual void reserved11() {}                              // 11
    virtual void reserved12() {}                              // 12
    virtual void reserved13() {}                              // 13
    virtual const char *pluginId() const = 0;                 // 14 "chat", "broadcast", ...
    virtual const char *body() const = 0;                     // 15 message markup, UTF-8
    virtual const char *sessionKey() const = 0;               // 16
    virtual std::int64_t eventId() const = 0;                 // 17 monotonic id of the store
    virtual const char *messageId() const = 0;                // 18 the store's text id
    virtual std::int64_t time() const = 0;                    // 19 yyyyMMddhhmmss, UTC
    virtual int kind() const = 0;                             // 20 Kind
    virtual std::int64_t overridingSenderId() const = 0;      // 21 0 when the sender stands
    virtual const char *labels() const = 0;                   // 22 label names separated by blanks
    virtual int likeCount() const = 0;                        // 23
    virtual bool isLikedBy(const char *userId) const = 0;     // 24 the own like when given the own id
    virtual std::int64_t replyTarget() const = 0;             // 25 event id answered, 0 for none
    virtual bool isEdited() const = 0;                        // 26
    virtual bool isDeleted() const = 0;                       // 27
    virtual void setLabels(const char *labels) = 0;           // 28 local update after a label command
    virtual void setLiked(const char *userId, bool liked) = 0; // 29 local update after a like command; adjusts the count

protected:
    ~IHostMessage() = default;
};

// A new message the plug-in asks the host for (createMessage), fills and
// posts (postMessage), then releases (releaseMessage). Only the setters the
// plug-in uses are named; the other slots are the host's.
class IMessageObject
{
public:
    virtual void reserved0() {}                               // 0
    virtual void reserved1() {}                               // 1
    virtual void reserved2() {}                               // 2
    virtual void reserved3() {}                               // 3
    virtual void reserved4() {}                               // 4
    virtual void reserved5() {}                               // 5
    virtual void reserved6() {}                               // 6
    virtual void reserved7() {}                               // 7
    virtual void reserved8() {}                               // 8
    virtual void reserved9() {}                               // 9
    virtual void setKind(int kind) = 0;                       // 10 IHostMessage::Kind
    virtual void setPeerId(std::int64_t peer) = 0;            // 11
    virtual void setSenderId(std::int64_t sender) = 0;        // 12
    virtual void setBody(const char *body) = 0;               // 13 UTF-8
    virtual void setTime(std::int64_t secondsSince1970) = 0;  // 14
    virtual void reserved15() {}                              // 15
    virtual void setFlag(int flag) = 0;                       // 16

protected:
    ~IMessageObject() = default;
};

// An ordered list of messages handed out by the host's history queries;
// released with IHostServices::releaseMessageList. The messages live as long
// as the list.
class IMessageList
{
public:
    virtual int count() const = 0;                            // 0
    virtual IHostMessage *at(int index) const = 0;            // 1 oldest first

protected:
    ~IMessageList() = default;
};

// The record IPlugin::openConversation receives: which conversation to open.
class IConversationRecord
{
public:
    virtual void reserved0() {}                               // 0
    virtual void reserved1() {}                               // 1
    virtual void reserved2() {}                               // 2
    virtual void reserved3() {}                               // 3
    virtual const char *userId() const = 0;                   // 4 peer or room id
    virtual const char *sessionKey() const = 0;               // 5 may be empty

protected:
    ~IConversationRecord() = default;
};

// A host event the plug-in posts for the user (a missed broadcast).
class IHostEvent
{
public:
    virtual void setPluginId(const char *pluginId) = 0;       // 0
    virtual void setTitle(const char *title) = 0;             // 1 UTF-8
    virtual void setText(const char *text) = 0;               // 2 UTF-8
    virtual void addAction(const char *text, const char *buttonText) = 0; // 3 UTF-8

protected:
    ~IHostEvent() = default;
};
