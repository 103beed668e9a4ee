#include "viewer/viewerlog.h"

Q_LOGGING_CATEGORY(lcViewer, "chat.viewer", QtInfoMsg)
