#include "shared/sharedlog.h"

Q_LOGGING_CATEGORY(lcShared, "chat.shared", QtInfoMsg)
