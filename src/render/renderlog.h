#pragma once

#include <QLoggingCategory>

// The rendering module's one logging category ("chat.render").
Q_DECLARE_LOGGING_CATEGORY(lcRender)
