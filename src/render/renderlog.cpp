#include "render/renderlog.h"

Q_LOGGING_CATEGORY(lcRender, "chat.render", QtInfoMsg)
