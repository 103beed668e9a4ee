#pragma once

#include <QLoggingCategory>

// The chat window, its editor and history view, and their companions.
Q_DECLARE_LOGGING_CATEGORY(lcChatWindow)
