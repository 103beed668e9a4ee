#pragma once

#include <QLoggingCategory>

// The spell-checking module's one logging category, "chat.spell".
Q_DECLARE_LOGGING_CATEGORY(lcSpell)
