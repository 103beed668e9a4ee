#pragma once

// What a broadcast viewer does when a broadcast arrives, from the user's
// settings and where the viewer stands. Pure, so every combination is
// tested without a window.
namespace BroadcastAlertPolicy {

struct Decision
{
    bool sound = false;       // the message sound through the host
    bool popup = false;       // the host's popup with the message's plain text
    bool flash = false;       // flash the viewer's task bar entry
    bool missedEvent = false; // post the missed-broadcast event
};

// `playSound` is the play_sound setting (0 always, 1 when not active,
// 2 never), `showNotification` the show_notification setting (a popup only
// for 2, when not active). A viewer not yet shown brings itself up before
// it alerts, so it is visible here.
Decision decide(int playSound, int showNotification, bool visible, bool active);

} // namespace BroadcastAlertPolicy
