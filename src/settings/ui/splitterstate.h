#pragma once

#include "settings/settingsmanager.h"

class QSplitter;

// Puts a splitter's pane sizes back from the settings and stores them there.
// The chat window uses Splitter::Chat, the room window Splitter::Conference,
// the tabbed window Splitter::TabbedChat.

// Returns whether stored sizes were applied (nothing is stored on a first
// start, and the splitter keeps its own layout).
bool restoreSplitter(QSplitter *splitter, const SettingsManager &settings, SettingsManager::Splitter which);

// Stores the splitter's current sizes; a change starts the save timer.
void storeSplitter(const QSplitter *splitter, SettingsManager &settings, SettingsManager::Splitter which);
