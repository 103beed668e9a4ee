#include "plugin/records/roomuserinfo.h"

RoomUserInfo::RoomUserInfo(const IUser *room)
    : UserObj(room)
{
    setType(1);
}

RoomUserInfo::~RoomUserInfo() = default;
