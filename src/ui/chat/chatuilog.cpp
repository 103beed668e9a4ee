#include "ui/chat/chatuilog.h"

Q_LOGGING_CATEGORY(lcChatWindow, "chat.window", QtWarningMsg)
