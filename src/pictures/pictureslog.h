#pragma once

#include <QLoggingCategory>

// The picture module's one logging category ("chat.pictures").
Q_DECLARE_LOGGING_CATEGORY(lcPictures)
