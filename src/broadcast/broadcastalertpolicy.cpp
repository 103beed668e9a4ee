#include "broadcast/broadcastalertpolicy.h"

namespace BroadcastAlertPolicy {

Decision decide(int playSound, int showNotification, bool visible, bool active)
{
    Decision d;
    if (visible && active) {
        d.sound = playSound == 0;
        return d;
    }
    // Visible but not in front, or (should it have failed to come up)
    // hidden: the user is not looking at it.
    d.popup = showNotification == 2;
    d.sound = playSound == 0 || playSound == 1;
    d.flash = true;
    d.missedEvent = true;
    return d;
}

} // namespace BroadcastAlertPolicy
