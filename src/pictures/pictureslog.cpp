#include "pictures/pictureslog.h"

Q_LOGGING_CATEGORY(lcPictures, "chat.pictures", QtInfoMsg)
