#pragma once

#include "types.h"

class IUser;

// Room events the host's rooms service delivers to the plug-in's
// conversation manager (registered with IHostServices::registerRoomsListener).
class IRoomsListener
{
public:
    virtual ~IRoomsListener() = default;                                                  // 0
    virtual void onRoomReady(IUser *room, int requestToken) = 0;                          // 1
    virtual void onRoomJoined(const char *roomId, IUser *const *members, int count) = 0;  // 2
    virtual void onRoomMemberJoined(const char *roomId, IUser *member) = 0;               // 3
    virtual void onRoomMembersLeft(const char *roomId, const char *const *memberIds, int count) = 0; // 4
    virtual void onRoomUpdated(IUser *room) = 0;                                          // 5
    virtual void onRoomRemoved(const char *roomId) = 0;                                   // 6
    virtual void onRoomNotice(const char *roomId, const char *argument) = 0;              // 7
    virtual void onRoomMemberChanged(const char *roomId, const char *memberId, int status,
                                     const char16_t *displayName, int flags) = 0;          // 8
};
