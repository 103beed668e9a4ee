#pragma once

#include <QLoggingCategory>

// The plug-in objects, the chat core object and the host event dispatcher.
Q_DECLARE_LOGGING_CATEGORY(lcPlugin)
