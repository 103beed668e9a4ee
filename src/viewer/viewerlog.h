#pragma once

#include <QLoggingCategory>

// The image viewer's one logging category ("chat.viewer").
Q_DECLARE_LOGGING_CATEGORY(lcViewer)
