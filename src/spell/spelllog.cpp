#include "spell/spelllog.h"

Q_LOGGING_CATEGORY(lcSpell, "chat.spell", QtInfoMsg)
