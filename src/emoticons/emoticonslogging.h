#pragma once

#include <QLoggingCategory>

// The emoticon module's one logging category, "chat.emoticons".
Q_DECLARE_LOGGING_CATEGORY(lcEmoticons)
