#include "broadcast/broadcastlog.h"

Q_LOGGING_CATEGORY(lcBroadcast, "chat.broadcast", QtInfoMsg)
