#pragma once

#include <QLoggingCategory>

// The shared resources' one logging category ("chat.shared").
Q_DECLARE_LOGGING_CATEGORY(lcShared)
