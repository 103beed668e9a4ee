#include "plugin/pluginlogging.h"

Q_LOGGING_CATEGORY(lcPlugin, "chat.plugin", QtWarningMsg)
