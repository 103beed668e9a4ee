#include "ui/chat/alertpolicy.h"

namespace AlertPolicy {

Decision decide(int playSound, int showNotification, Placement placement)
{
    const bool soundWhenAway = playSound == 0 || playSound == 1;
    Decision d;
    switch (placement) {
    case Placement::TabbedActive:
    case Placement::StandaloneActive:
        // The user is looking at the conversation: only "always" sounds.
        d.sound = playSound == 0;
        break;
    case Placement::TabbedInactive:
        d.popup = showNotification == 2;
        d.sound = soundWhenAway;
        d.blinkTab = true;
        d.unread = true;
        break;
    case Placement::StandaloneMinimized:
        d.showMinimized = true;
        d.sound = soundWhenAway;
        d.flash = true;
        d.unread = true;
        d.popup = showNotification == 1 || showNotification == 2;
        break;
    case Placement::StandaloneInactive:
        d.popup = showNotification == 2;
        d.sound = soundWhenAway;
        d.flash = true;
        d.unread = true;
        break;
    }
    return d;
}

} // namespace AlertPolicy
