#pragma once

#include <QLoggingCategory>

// Conversations, the conversation manager and control records.
Q_DECLARE_LOGGING_CATEGORY(lcConversations)
