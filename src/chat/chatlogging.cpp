#include "chat/chatlogging.h"

Q_LOGGING_CATEGORY(lcConversations, "chat.conversations", QtWarningMsg)
